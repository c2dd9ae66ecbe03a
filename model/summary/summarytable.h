#pragma once

// The plan summary and its risk and speed figures as the summary window's table shows them: one row
// per RAID set in tab order, then the total row, with the window's own headers, a one-sentence tooltip
// for each analysis column that names the assumption behind it, and the slot line under the table. The
// CSV file (summarycsv.h) writes the same figures with plain numbers for spreadsheets.

#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis.h"
#include "summary/summary.h"

namespace spindex {

struct SummaryColumn {
    std::string header;
    bool words = false;  // a column of words, not numbers: set flush left
    std::string toolTip; // empty for the summary's own columns
};

struct SummaryCell {
    std::string text;
    // What a set's cell sorts by when it is a number; the others sort by their text.
    std::optional<double> number;
};

// The columns, "Logical Drive" first, then the analysis's: "Spare", "Rebuild, h", "Loss in N years",
// "MTTDL, years", "IOPS (R% reads)", "Read MB/s", "Write MB/s".
std::vector<SummaryColumn> summaryColumns(const Assumptions& assumptions);

// A row of cells per set, in tab order, then the total row.
std::vector<std::vector<SummaryCell>> summaryRows(const PlanSummary& summary, const PlanAnalysis& analysis);

// "Drive slots: 12 of 16 in use, 4 free (low-profile slot units)"
std::string summarySlotsLine(const PlanTotal& total);

} // namespace spindex
