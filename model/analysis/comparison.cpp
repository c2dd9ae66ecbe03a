#include "analysis/comparison.h"

#include "mainform/mainform.h"
#include "plans/plan.h"
#include "plans/plandocument.h"
#include "plans/planfile.h"
#include "plans/planrebuild.h"
#include "runtime/numbers.h"
#include "runtime/program.h"
#include "summary/summarycsv.h"

namespace spindex {

namespace {

PlanFigures figuresOf(const MainForm& main, const std::string& name, const std::string& controller) {
    PlanFigures figures;
    figures.name = name;
    figures.controller = controller;
    figures.summary = planSummary(main);
    figures.analysis = planAnalysis(main);
    figures.bom = billOfMaterials(capturePlan(main));
    return figures;
}

} // namespace

PlanFigures planFileFigures(Host& host, const std::string& path, const std::string& name) {
    std::string reason;
    if (const std::optional<Plan> plan = readPlanFile(host, path, reason))
        if (const std::unique_ptr<ScratchProgram> scratch = scratchProgram(*plan, reason))
            return figuresOf(*scratch->main, name, plan->controller);
    PlanFigures failed;
    failed.name = name;
    failed.error = reason;
    return failed;
}

PlanFigures currentPlanFigures(const MainForm& main) {
    const PlanDocument* document = main.program.planDocument();
    const std::string name =
        document && document->file() ? planFileName(*document->file()) : std::string("(this plan)");
    return figuresOf(main, name, capturePlan(main).controller);
}

const std::vector<std::string>& comparisonHeaders() {
    static const std::vector<std::string> headers{
        "Controller",       "Sets",       "Drives",     "Raw, GB", "Usable, GB", "Efficiency, %", "Survives at Least",
        "Loss Probability", "Mixed IOPS", "Slots Used", "Slots",   "Price"};
    return headers;
}

std::vector<std::string> comparisonCells(const PlanFigures& plan) {
    if (!plan.summary || !plan.analysis)
        return std::vector<std::string>(comparisonHeaders().size());
    const PlanTotal& t = plan.summary->total;
    const AnalysisTotal& a = plan.analysis->total;
    // A price only when every item of the bill has one: a partial sum would read as the plan's price.
    const bool priced = plan.bom && plan.bom->total.complete;
    return {plan.controller,
            std::to_string(t.sets),
            formatNumber(t.drives),
            formatNumber(t.rawGB),
            formatNumber(t.usableGB),
            formatNumber(t.efficiency),
            std::to_string(t.survivesAtLeast),
            formatNumber(a.lossProbability),
            formatNumber(a.mixedIops),
            formatNumber(t.slotsUsed),
            std::to_string(t.maxSlots),
            priced ? formatNumber(plan.bom->total.price) : std::string()};
}

std::string comparisonCsv(const std::vector<PlanFigures>& plans) {
    std::vector<std::string> header{"Plan"};
    for (const std::string& h : comparisonHeaders())
        header.push_back(h);
    header.push_back("Error");
    std::string csv = csvRow(header);
    for (const PlanFigures& plan : plans) {
        std::vector<std::string> row{plan.name};
        for (std::string& cell : comparisonCells(plan))
            row.push_back(std::move(cell));
        row.push_back(plan.error);
        csv += csvRow(row);
    }
    return csv;
}

nlohmann::ordered_json comparisonJson(const std::vector<PlanFigures>& plans) {
    using Json = nlohmann::ordered_json;
    Json rows = Json::array();
    for (const PlanFigures& plan : plans)
        rows.push_back(Json{{"plan", plan.name},
                            {"error", plan.error.empty() ? Json(nullptr) : Json(plan.error)},
                            {"summary", plan.summary ? summaryJson(*plan.summary) : Json(nullptr)},
                            {"analysis", plan.analysis ? analysisJson(*plan.analysis) : Json(nullptr)}});
    return rows;
}

} // namespace spindex
