#pragma once

// The plan summary as a CSV file (RFC 4180): a header row, one row per set in tab order and a total
// row; fields separated by commas, a field that holds a comma, a quote or a line break in quotes
// with its quotes doubled, and CR LF after every row, so that spreadsheets on any system read it.

#include <string>
#include <vector>

#include "analysis/analysis.h"
#include "summary/summary.h"

namespace spindex {

// One field as the file holds it.
std::string csvField(const std::string& text);
// One row with its CR LF.
std::string csvRow(const std::vector<std::string>& fields);

std::string summaryCsv(const PlanSummary& summary, const PlanAnalysis& analysis);

} // namespace spindex
