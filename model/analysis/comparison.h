#pragma once

// Plans side by side: each opened through the rules exactly as Open Plan opens it, but in a scratch
// program of its own, so the running program never changes. A plan that does not open is a row
// with its reason and no figures. The comparison window, its CSV and the bulk table of the batch
// tool all read their rows here.

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "analysis/analysis.h"
#include "proposal/bom.h"
#include "summary/summary.h"

namespace spindex {

class Host;
class MainForm;

struct PlanFigures {
    std::string name;       // as the row names the plan
    std::string error;      // why it does not open; empty when it opened
    std::string controller; // the controller list's entry
    std::optional<PlanSummary> summary;
    std::optional<PlanAnalysis> analysis;
    std::optional<Bom> bom;
};

// The plan file read through the host, rebuilt fresh; named `name`.
PlanFigures planFileFigures(Host& host, const std::string& path, const std::string& name);
// The running plan, named by its file name or "(this plan)".
PlanFigures currentPlanFigures(const MainForm& main);

// The columns after the plan's name, in the window's and the table's order.
const std::vector<std::string>& comparisonHeaders();
// The figures of a row as the program writes numbers; every cell empty for a plan that did not open.
std::vector<std::string> comparisonCells(const PlanFigures& plan);

// The window's table as CSV: "Plan", the columns, then "Error".
std::string comparisonCsv(const std::vector<PlanFigures>& plans);
// {"plan":NAME,"error":REASON or null,"summary":{...} or null,"analysis":{...} or null}, per plan.
nlohmann::ordered_json comparisonJson(const std::vector<PlanFigures>& plans);

} // namespace spindex
