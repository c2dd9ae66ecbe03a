// Controller set-up and the main window's menus.

#include <filesystem>

#include "analysis/alternativesform.h"
#include "analysis/assumptionsform.h"
#include "analysis/compareform.h"
#include "appinfo.h"
#include "drivetypes/drivetypesform.h"
#include "forms/smallforms.h"
#include "mainform/mainform.h"
#include "outputs/outputforms.h"
#include "outputs/savereport.h"
#include "plans/planfile.h"
#include "proposal/proposalform.h"
#include "rules/catalogue.h"
#include "runtime/program.h"
#include "summary/summaryform.h"

namespace spindex {

namespace {
const std::array<const char*, 4> RuleLabels{"Standard Rules", "Marathon Rules", "Netware Cluster Server Rules",
                                            "Microsoft Cluster Server Rules"};
}

void MainForm::SetupController(std::int16_t id) {
    const ControllerRecord* record = findController(id);
    if (!record)
        return;
    auto selectPreset = [&](int i) {
        if (const auto& preset = record->storagePreset[i])
            cmbStorageSel[i].setListIndex(*preset);
    };
    for (int i = 0; i < Channels; ++i) {
        if (i < record->channels) {
            ckChanUsed[i].setValue(1);
            // The Lark and the Wren leave channel 0's box as it is; nothing ever disables it.
            if (i != 0 || record->channels > 1)
                ckChanUsed[i].enabled = true;
            cmbStorageSel[i].enabled = true;
            if (!record->presetAfterChannels)
                selectPreset(i);
        } else {
            if (i == record->channels && record->presetAfterChannels)
                for (int used = 0; used < record->channels; ++used)
                    selectPreset(used);
            ckChanUsed[i].setValue(0);
            ckChanUsed[i].enabled = false;
            cmbStorageSel[i].enabled = false;
        }
    }
    lblController.caption = record->label;

    cmbRaidLevel.clear();
    for (const std::string& level : record->raidLevels)
        cmbRaidLevel.addItem(level);
    cmbRaidLevel.setListIndex(0);

    if (record->maxDrivesTop) {
        cmbMaxDrives.clear();
        for (int d = 1; d <= *record->maxDrivesTop; ++d)
            cmbMaxDrives.addItem(std::to_string(d));
        cmbMaxDrives.setListIndex(record->maxDrivesSelected - 1);
    }
    CalcSlots();
}

void MainForm::mnuController_Click(int index) {
    const MsgAnswer answer =
        program.host.messageBox("This will clear all current logical drives!  Do you want to continue?",
                                MsgButtons::YesNo, MsgIcon::None, appinfo::Title);
    if (answer != MsgAnswer::Yes)
        return;
    if (AssumptionsForm* assumptions = program.frmAssumptions())
        program.unload(*assumptions);
    if (AlternativesForm* alternatives = program.frmAlternatives())
        program.unload(*alternatives);
    if (DriveTypesForm* types = program.frmDriveTypes())
        program.unload(*types);
    program.ControllerType = static_cast<std::int16_t>(index);
    ClearAllNoAsk = True;
    cmdClearAll_Click();
    SuppressCalc = True;
    SetupController(static_cast<std::int16_t>(index));
    SuppressCalc = False;
    Calc_Logical();
}

void MainForm::mnuRules_Click(int index) {
    for (MenuItem& item : mnuRules)
        item.checked = false;
    mnuRules[index].checked = true;
    RuleSet = static_cast<std::int16_t>(index);
    lblRule.caption = RuleLabels[index];
}

void MainForm::mnuClose_Click() {
    if (mayClose && !mayClose())
        return;
    Program& p = program;
    // Every other window goes first, the kinds opened from the main window before the report.
    const std::vector<Form*> open = p.loadedForms();
    for (auto f = open.rbegin(); f != open.rend(); ++f)
        if (*f != this)
            p.unload(**f);
    p.unload(*this);
    p.End();
}

void MainForm::mnuSave_Click() {
    SaveReportText(program);
}

void MainForm::mnuDisplay_Click() {
    cmdDataReport_Click();
}

// The summary window is one window: a second click shows the one that is open.
void MainForm::mnuPlanSummary_Click() {
    SummaryForm& summary = program.loadSummary();
    program.show(summary);
}

// Made afresh each time, for the drives in the calculator as they are now.
void MainForm::mnuAlternatives_Click() {
    AlternativesForm& alternatives = program.loadAlternatives();
    program.show(alternatives);
}

// The files chosen replace those of a comparison already open; Cancel leaves it as it is.
void MainForm::mnuComparePlans_Click() {
    const std::optional<std::vector<std::string>> paths = program.host.openFileNames(PlanFilter);
    if (!paths || paths->empty())
        return;
    CompareForm& compare = program.loadCompare();
    compare.compareFiles(*paths);
    program.show(compare);
}

// One window too; it opens with the plan's assumptions as they are now.
void MainForm::mnuAssumptions_Click() {
    AssumptionsForm& assumptions = program.loadAssumptions();
    program.show(assumptions);
}

void MainForm::mnuDriveTypes_Click() {
    DriveTypesForm& types = program.loadDriveTypes();
    program.show(types);
}

// One window too; it follows the plan while it is open, a plan opened included.
void MainForm::mnuProposal_Click() {
    ProposalForm& proposal = program.loadProposal();
    program.show(proposal);
}

void MainForm::mnuPrint_Click() {
    // Prints the report exactly as the report window's own Print does.
    cmdDataReport_Click();
    if (ReportForm* report = program.frmLogicalDriveDisplay())
        report->mnuPrint_Click();
}

void MainForm::mnuPrintSetup_Click() {
    program.host.printerSetup(name);
}

std::string manualPath(const std::string& programFolder) {
    return (std::filesystem::path(programFolder) / appinfo::ManualFromProgramFolder).lexically_normal().string();
}

void MainForm::mnuManual_Click() {
    const std::string path = manualPath(program.programFolder);
    Host& host = program.host;
    if (!host.fileExists(path)) {
        host.messageBox("The Spindex manual is not installed. It belongs at " + path, MsgButtons::Ok,
                        MsgIcon::Exclamation, appinfo::Title);
        return;
    }
    if (const std::string why = host.showDocument(path); !why.empty())
        host.messageBox("Could not show the manual " + path + ": " + why, MsgButtons::Ok, MsgIcon::Critical,
                        appinfo::Title);
}

void MainForm::mnuEmail_Click() {
    program.host.messageBox(std::string("Send suggestions to ") + appinfo::SuggestionsAddress, MsgButtons::Ok,
                            MsgIcon::None, appinfo::Title);
}

void MainForm::mnuAbout_Click() {
    AboutForm& about = program.loadAbout();
    program.show(about);
}

} // namespace spindex
