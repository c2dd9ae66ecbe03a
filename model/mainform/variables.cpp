#include "mainform/variables.h"

#include <array>

#include "analysis/alternatives.h"
#include "analysis/analysis.h"
#include "analysis/compareform.h"
#include "mainform/mainform.h"
#include "plans/plandocument.h"
#include "plans/planjson.h"
#include "proposal/bom.h"
#include "runtime/jsonnumber.h"
#include "runtime/program.h"
#include "summary/summary.h"

namespace spindex {

namespace {
using Json = nlohmann::ordered_json;
using Scope = ProgramVariable::Scope;

const MainForm& mainOf(const Program& program) {
    return *program.frmSpindex();
}

Json flag(std::int16_t value) {
    return value != False;
}

const std::array<ProgramVariable, 20> Variables{{
    {"ControllerType", Scope::Program, false,
     [](const Program& p, std::size_t) { return jsonNumber(p.ControllerType); }},
    {"ChannelSlots", Scope::Program, true,
     [](const Program& p, std::size_t i) { return jsonNumber(p.ChannelSlots[i]); }},
    {"LastStorageSel", Scope::Program, true,
     [](const Program& p, std::size_t i) { return jsonNumber(p.LastStorageSel[i]); }},
    {"MaxSlots", Scope::MainWindow, false,
     [](const Program& p, std::size_t) { return jsonNumber(mainOf(p).MaxSlots); }},
    {"LogDrivesAvail", Scope::MainWindow, false,
     [](const Program& p, std::size_t) { return jsonNumber(mainOf(p).LogDrivesAvail); }},
    {"LPSlotsUsed", Scope::MainWindow, false,
     [](const Program& p, std::size_t) { return jsonNumber(mainOf(p).LPSlotsUsed); }},
    {"LogDrvHUser", Scope::MainWindow, false,
     [](const Program& p, std::size_t) { return flag(mainOf(p).LogDrvHUser); }},
    {"SuppressCalc", Scope::MainWindow, false,
     [](const Program& p, std::size_t) { return flag(mainOf(p).SuppressCalc); }},
    {"FormLoading", Scope::MainWindow, false,
     [](const Program& p, std::size_t) { return flag(mainOf(p).FormLoading); }},
    {"RaidLevelChanging", Scope::MainWindow, false,
     [](const Program& p, std::size_t) { return flag(mainOf(p).RaidLevelChanging); }},
    {"ClearAllNoAsk", Scope::MainWindow, false,
     [](const Program& p, std::size_t) { return flag(mainOf(p).ClearAllNoAsk); }},
    {"RuleSet", Scope::MainWindow, false, [](const Program& p, std::size_t) { return jsonNumber(mainOf(p).RuleSet); }},
    {"Plan", Scope::Plan, false, [](const Program& p, std::size_t) { return savedPlanJson(mainOf(p)); }},
    {"PlanFile", Scope::Plan, false,
     [](const Program& p, std::size_t) {
         const auto& file = p.planDocument()->file();
         return file ? Json(*file) : Json(nullptr);
     }},
    {"PlanModified", Scope::Plan, false,
     [](const Program& p, std::size_t) { return Json(p.planDocument()->modified()); }},
    {"PlanSummary", Scope::Plan, false, [](const Program& p, std::size_t) { return summaryJson(mainOf(p)); }},
    {"PlanAnalysis", Scope::Plan, false,
     [](const Program& p, std::size_t) { return analysisJson(planAnalysis(mainOf(p))); }},
    {"Alternatives", Scope::Plan, false,
     [](const Program& p, std::size_t) { return alternativesJson(alternatives(mainOf(p))); }},
    // The rows of the comparison window; none while it is not open.
    {"Comparison", Scope::Plan, false,
     [](const Program& p, std::size_t) {
         return p.frmCompare() ? comparisonJson(p.frmCompare()->rows()) : Json::array();
     }},
    {"PlanBom", Scope::Plan, false,
     [](const Program& p, std::size_t) { return bomJson(billOfMaterials(capturePlan(mainOf(p)))); }},
}};
} // namespace

const ProgramVariable* findVariable(std::string_view name) {
    for (const ProgramVariable& variable : Variables)
        if (name == variable.name)
            return &variable;
    return nullptr;
}

} // namespace spindex
