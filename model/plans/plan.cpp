#include "plans/plan.h"

#include "mainform/mainform.h"
#include "rules/catalogue.h"
#include "runtime/numbers.h"
#include "runtime/program.h"

namespace spindex {

namespace {
// The lists hold whole numbers only; a text that is none counts as 0.
std::int64_t wholeNumber(const std::string& text) {
    const std::optional<double> value = parseNumber(text);
    return value ? static_cast<std::int64_t>(*value) : 0;
}

std::string height(bool halfHeight) {
    return halfHeight ? HalfHeight : LowProfile;
}
} // namespace

Plan capturePlan(const MainForm& main) {
    Plan plan;
    const ControllerRecord* controller = findController(main.program.ControllerType);
    plan.controller = controller ? controller->selectionText : std::string();
    plan.rules = main.mnuRules[static_cast<size_t>(main.RuleSet)].caption;
    for (size_t i = 0; i < plan.channels.size(); ++i)
        plan.channels[i] = {main.ckChanUsed[i].value() != 0, main.cmbStorageSel[i].text()};
    for (int t = 0; t < MainForm::Sets; ++t) {
        if (!main.tabHoldsSet(t))
            continue;
        plan.sets.push_back({main.tabLevel(t).text(), wholeNumber(main.tabDrives(t).text()),
                             wholeNumber(main.tabSpans(t).text()), main.tabDriveSize(t).text(),
                             height(main.tabHalfHeight(t)), main.tabHasLocalSpare(t),
                             parseNumber(main.tabCapacity(t).text())});
    }
    if (main.optGlobHotSpr[0].value()) {
        PlanGlobalSpares& spares = plan.globalSpares.emplace();
        spares.count = wholeNumber(main.Text2.text());
        if (main.cmbGlobalHotSpareSize.listIndex() >= 0)
            spares.driveSize = main.cmbGlobalHotSpareSize.text();
        spares.height = height(main.globalHalfHeight());
    }
    plan.calculator = PlanCalculator{
        main.cmbRaidLevel.text(), wholeNumber(main.cmbMaxDrives.text()), wholeNumber(main.cmbNumSpans.text()),
        main.cmbDriveSize.text(), height(main.optDriveH[0].value()),     wholeNumber(main.cmbNumRdSets.text())};
    plan.assumptions = main.PlanAssumptions;
    plan.proposal = main.PlanProposal;
    plan.driveTypes = main.PlanDriveTypes;
    return plan;
}

} // namespace spindex
