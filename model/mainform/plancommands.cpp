// Plans as files: open, save, save as, the question before a modified plan is discarded, and the
// caption that names the plan's file.

#include "analysis/assumptionsform.h"
#include "appinfo.h"
#include "mainform/mainform.h"
#include "outputs/outputforms.h"
#include "plans/planfile.h"
#include "plans/planjson.h"
#include "plans/planrebuild.h"
#include "runtime/program.h"

namespace spindex {

void MainForm::mnuOpenPlan_Click() {
    if (!KeepChanges(false))
        return;
    const std::optional<std::string> path = program.host.openFileName(PlanFilter);
    if (path && !path->empty())
        OpenPlan(*path);
}

void MainForm::mnuSavePlan_Click() {
    SavePlan();
}

void MainForm::mnuSavePlanAs_Click() {
    SavePlanAs();
}

bool MainForm::OpenPlan(const std::string& path) {
    std::string reason;
    if (const std::optional<Plan> plan = loadPlanFile(program.host, path, reason))
        reason = TakePlan(path, *plan);
    if (reason.empty())
        return true;
    showOpenFailure(program.host, path, reason);
    return false;
}

bool MainForm::OpenRecentPlan(const std::string& path) {
    return KeepChanges(false) && OpenPlan(path);
}

std::string MainForm::TakePlan(const std::string& path, const Plan& plan) {
    if (std::string reason = applyPlan(*this, plan); !reason.empty())
        return reason;
    // Their pictures showed the plan that is gone.
    if (GraphicForm* graphic = program.frmGraphic())
        program.unload(*graphic);
    if (ReportForm* report = program.frmLogicalDriveDisplay())
        program.unload(*report);
    if (AssumptionsForm* assumptions = program.frmAssumptions())
        program.unload(*assumptions);
    SSTab1.setTab(0);
    m_planFile = path;
    m_savedPlan = capturePlan(*this);
    program.host.planFileUsed(path);
    ShowPlanState();
    return {};
}

bool MainForm::SavePlan() {
    return m_planFile ? SavePlanTo(*m_planFile) : SavePlanAs();
}

bool MainForm::SavePlanAs() {
    const std::optional<std::string> path = program.host.saveFileName(PlanFilter, PlanExtension);
    return path && !path->empty() && SavePlanTo(*path);
}

bool MainForm::SavePlanTo(const std::string& path) {
    const std::string error = program.host.writeFile(path, planFileText(savedPlanJson(*this)));
    if (!error.empty()) {
        // The old file keeps its content, the plan its file and its modified flag.
        program.host.messageBox("Could not save the plan to " + path + ": " + error, MsgButtons::Ok, MsgIcon::Critical,
                                appinfo::Title);
        return false;
    }
    m_planFile = path;
    m_savedPlan = capturePlan(*this);
    program.host.planFileUsed(path);
    ShowPlanState();
    return true;
}

bool MainForm::KeepChanges(bool onlyWithFile) {
    if ((onlyWithFile && !m_planFile) || !planModified())
        return true;
    const std::string name = m_planFile ? planFileName(*m_planFile) : "the new plan";
    switch (program.host.messageBox("Save the changes to " + name + "?", MsgButtons::YesNoCancel, MsgIcon::Exclamation,
                                    appinfo::Title)) {
    case MsgAnswer::Yes:
        return SavePlan();
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

void MainForm::ShowPlanState() {
    caption = m_planFile ? planFileName(*m_planFile) + (planModified() ? "*" : "") + " - " + programCaption()
                         : programCaption();
}

} // namespace spindex
