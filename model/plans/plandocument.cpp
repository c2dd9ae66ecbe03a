#include "plans/plandocument.h"

#include "analysis/alternativesform.h"
#include "analysis/assumptionsform.h"
#include "appinfo.h"
#include "drivetypes/drivetypesform.h"
#include "mainform/mainform.h"
#include "outputs/outputforms.h"
#include "plans/planfile.h"
#include "plans/planjson.h"
#include "plans/planreader.h"
#include "plans/planrebuild.h"
#include "runtime/controls.h"
#include "runtime/program.h"
#include "runtime/savefile.h"

namespace spindex {

PlanDocument::PlanDocument(MainForm& main) : m_main(main) {
    // A new plan begins with the drive types the user chose for new plans.
    std::string reason;
    if (const std::string kept = main.program.host.newPlanDriveTypes(); !kept.empty())
        if (std::optional<std::vector<DriveType>> types = readDriveTypes(kept, reason)) {
            main.PlanDriveTypes = std::move(*types);
            main.showDriveSizes();
        }
    m_saved = m_fresh = capturePlan(main);
    main.mnuOpenPlan.onClick = [this] { openFromDialog(); };
    main.mnuRecover.onClick = [this] { recover(); };
    main.mnuSavePlan.onClick = [this] { save(); };
    main.mnuSavePlanAs.onClick = [this] { saveAs(); };
    // A plan never saved exits as it always did, and is kept; one with a file is not lost unasked.
    main.mayClose = [this] { return keepChanges(true); };
    if (const std::optional<KeptPlan> kept = main.program.host.keptPlan()) {
        m_recoveryNote = "An unsaved plan from " + kept->time + " can be recovered: File, Recover Unsaved Plan.";
        m_recoveryNoteAt = changeCount();
    }
    main.mnuRecover.enabled = !m_recoveryNote.empty();
}

void PlanDocument::openFromDialog() {
    if (!keepChanges(false))
        return;
    const std::optional<std::string> path = m_main.program.host.openFileName(PlanFilter);
    if (path && !path->empty())
        open(*path);
}

bool PlanDocument::open(const std::string& path) {
    Host& host = m_main.program.host;
    std::string reason;
    if (const std::optional<Plan> plan = readPlanFile(host, path, reason))
        if (const std::optional<Plan> rebuilt = rebuildPlan(*plan, reason))
            reason = adopt(path, *rebuilt);
    if (reason.empty())
        return true;
    showOpenFailure(host, path, reason);
    return false;
}

bool PlanDocument::openRecent(const std::string& path) {
    return keepChanges(false) && open(path);
}

std::string PlanDocument::replay(const Plan& rebuilt) {
    if (std::string reason = replayPlan(m_main, rebuilt); !reason.empty())
        return reason;
    Program& program = m_main.program;
    // Their pictures showed the plan that is gone.
    if (GraphicForm* graphic = program.frmGraphic())
        program.unload(*graphic);
    if (ReportForm* report = program.frmLogicalDriveDisplay())
        program.unload(*report);
    if (AssumptionsForm* assumptions = program.frmAssumptions())
        program.unload(*assumptions);
    if (AlternativesForm* alternatives = program.frmAlternatives())
        program.unload(*alternatives);
    if (DriveTypesForm* types = program.frmDriveTypes())
        program.unload(*types);
    m_main.SSTab1.setTab(0);
    return {};
}

std::string PlanDocument::adopt(const std::string& path, const Plan& rebuilt) {
    if (std::string reason = replay(rebuilt); !reason.empty())
        return reason;
    Program& program = m_main.program;
    m_file = path;
    m_saved = capturePlan(m_main);
    m_modifiedAt.reset();
    program.host.planFileUsed(path);
    showState();
    return {};
}

bool PlanDocument::recover() {
    Host& host = m_main.program.host;
    if (!keepChanges(false))
        return false;
    const std::optional<KeptPlan> kept = host.keptPlan();
    if (!kept)
        return false;
    std::string reason;
    if (const std::optional<Plan> plan = readPlanFile(host, kept->path, reason))
        if (const std::optional<Plan> rebuilt = rebuildPlan(*plan, reason))
            reason = replay(*rebuilt);
    if (!reason.empty()) {
        showOpenFailure(host, kept->path, reason);
        return false;
    }
    m_file.reset();
    m_saved = m_fresh;
    m_modifiedAt.reset();
    m_recoveryNote.clear();
    host.removeKeptPlan(kept->path);
    keep();
    showState();
    return true;
}

void PlanDocument::settle() {
    Host& host = m_main.program.host;
    if (!m_recoveryNote.empty() && changeCount() != m_recoveryNoteAt)
        m_recoveryNote.clear();
    m_main.mnuRecover.enabled = host.keptPlan().has_value();
    if (!host.keepsPlans())
        return;
    if (keepsThisPlan()) {
        m_keepDue = m_keptAt != changeCount();
    } else {
        m_keepDue = false;
        if (m_kept)
            host.forgetKeptPlan();
        m_kept = false;
    }
}

void PlanDocument::keep() {
    Host& host = m_main.program.host;
    m_keepDue = false;
    if (!host.keepsPlans() || !keepsThisPlan() || (m_kept && m_keptAt == changeCount()))
        return;
    host.keepPlan(planFileText(savedPlanJson(m_main)));
    m_kept = true;
    m_keptAt = changeCount();
}

bool PlanDocument::keepsThisPlan() const {
    if (m_file || !modified())
        return false;
    Plan plan = capturePlan(m_main);
    plan.calculator = m_fresh.calculator;
    return plan != m_fresh;
}

bool PlanDocument::save() {
    return m_file ? saveTo(*m_file) : saveAs();
}

bool PlanDocument::saveAs() {
    const std::optional<std::string> path = m_main.program.host.saveFileName(PlanFilter, PlanExtension);
    return path && !path->empty() && saveTo(*path);
}

bool PlanDocument::saveTo(const std::string& path) {
    Host& host = m_main.program.host;
    // A failed save leaves the old file as it was, and the plan its file and its modified flag.
    if (!writeOrTell(host, path, "plan", planFileText(savedPlanJson(m_main))))
        return false;
    m_file = path;
    m_saved = capturePlan(m_main);
    m_modifiedAt.reset();
    host.planFileUsed(path);
    showState();
    return true;
}

bool PlanDocument::keepChanges(bool onlyWithFile) {
    if ((onlyWithFile && !m_file) || !modified())
        return true;
    const std::string name = m_file ? planFileName(*m_file) : "the new plan";
    switch (m_main.program.host.messageBox("Save the changes to " + name + "?", MsgButtons::YesNoCancel,
                                           MsgIcon::Exclamation, appinfo::Title)) {
    case MsgAnswer::Yes:
        return save();
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

bool PlanDocument::modified() const {
    if (m_modifiedAt != changeCount()) {
        m_modified = capturePlan(m_main) != m_saved;
        m_modifiedAt = changeCount();
    }
    return m_modified;
}

void PlanDocument::showState() {
    m_main.caption = m_file ? planFileName(*m_file) + (modified() ? "*" : "") + " - " + MainForm::programCaption()
                            : MainForm::programCaption();
}

} // namespace spindex
