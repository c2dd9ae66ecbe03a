#pragma once

// The plan summary as the summary window's table shows it: one row per RAID set in tab order, then
// the total row, with the window's own headers and the slot line under the table. The CSV file
// (summarycsv.h) writes the same summary with plain numbers for spreadsheets.

#include <optional>
#include <string>
#include <vector>

#include "summary/summary.h"

namespace spindex {

struct SummaryColumn {
    const char* header;
    bool words; // a column of words, not numbers: set flush left
};

struct SummaryCell {
    std::string text;
    // What a set's cell sorts by when it is a number; the others sort by their text.
    std::optional<double> number;
};

// The columns, "Logical Drive" first.
const std::vector<SummaryColumn>& summaryColumns();

// A row of cells per set, in tab order, then the total row.
std::vector<std::vector<SummaryCell>> summaryRows(const PlanSummary& summary);

// "Drive slots: 12 of 16 in use, 4 free (low-profile slot units)"
std::string summarySlotsLine(const PlanTotal& total);

} // namespace spindex
