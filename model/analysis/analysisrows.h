#pragma once

// The analysis as the summary window shows it beside the summary: the column headers, a one-sentence
// tooltip for each that names the assumption behind it, and the cells of each set and of the total,
// rounded for people.

#include <string>
#include <vector>

#include "analysis/analysis.h"

namespace spindex {

struct AnalysisColumn {
    std::string header;
    std::string toolTip;
};

// "Spare", "Rebuild, h", "Loss in N years", "MTTDL, years", "IOPS (R% reads)", "Read MB/s", "Write MB/s".
std::vector<AnalysisColumn> analysisColumns(const Assumptions& assumptions);
std::vector<std::string> analysisCells(const SetAnalysis& set);
std::vector<std::string> analysisTotalCells(const AnalysisTotal& total);

} // namespace spindex
