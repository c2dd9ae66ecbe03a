// The RAID capacity calculator: its input events, the span and drive-count rules, and the capacity.
//
// A burst of programmatic selections must recalculate once: SuppressCalc holds recalculation off
// while the rules rebuild the lists, RaidLevelChanging lets only a change of RAID level rebuild the
// drives list, and FormLoading keeps everything quiet until the main window's load is over.

#include "appinfo.h"
#include "mainform/mainform.h"
#include "rules/catalogue.h"
#include "rules/raidlevels.h"
#include "rules/spanrules.h"
#include "runtime/numbers.h"
#include "runtime/program.h"

namespace spindex {

void MainForm::cmbRaidLevel_Click() {
    RaidLevelChanging = True;
    ApplySpanRules();
    RaidLevelChanging = False;
    if (!SuppressCalc)
        Calc_Logical();
}

void MainForm::ApplySpanRules() {
    SuppressCalc = True;
    cmbNumSpans_Click();
    if (!FormLoading)
        SuppressCalc = False;
}

void MainForm::cmbNumSpans_Click() {
    const ControllerRecord* controller = findController(program.ControllerType);
    const SpanRule* rule = controller ? findSpanRule(controller->rules, cmbRaidLevel.text()) : nullptr;
    if (rule) {
        lblSpan.visible = rule->showSpanLabel;
        const std::vector<std::string> spans = spanEntries(rule->spans);
        if (cmbNumSpans.items().size() != spans.size()) {
            const bool single = rule->spans == SpanList::Single;
            cmbNumSpans.enabled = cmbNumSpans.visible = !single;
            cmbNumSpans.setListIndex(0);
            cmbNumSpans.clear();
            for (const std::string& entry : spans)
                cmbNumSpans.addItem(entry);
            cmbNumSpans.setListIndex(0);
        }
        if (RaidLevelChanging) {
            cmbMaxDrives.setListIndex(0);
            cmbMaxDrives.clear();
            for (int d = rule->drivesFrom; d <= rule->drivesTo; ++d)
                cmbMaxDrives.addItem(std::to_string(d));
            cmbMaxDrives.setListIndex(rule->drivesSelected);
        }
    }
    if (!SuppressCalc)
        Calc_Logical();
}

void MainForm::cmbMaxDrives_Click() {
    if (!SuppressCalc)
        Calc_Logical();
}

void MainForm::cmbDriveSize_Click() {
    optDriveH_Click(optDriveH[1].value() ? 1 : 0);
    if (!SuppressCalc)
        Calc_Logical();
}

void MainForm::optDriveH_Click(int index) {
    if (index != 0 && index != 1) {
        program.host.messageBox("error selecting drive height", MsgButtons::Ok, MsgIcon::None, appinfo::Title);
        return;
    }
    // The height the user asked for, unless the size is not made in it: then the other one.
    const std::optional<DriveSize> size = driveSizeOf(cmbDriveSize.text());
    if (!size)
        return;
    const bool wantHalfHeight = index == 0;
    const bool made = wantHalfHeight ? size->halfHeight : size->lowProfile;
    optDriveH[made == wantHalfHeight ? 0 : 1].setValue(true);
}

void MainForm::CmdCalc_Click() {
    if (!SuppressCalc)
        Calc_Logical();
}

void MainForm::Calc_Logical() {
    const std::string level = cmbRaidLevel.text();
    const auto D = parseNumber(cmbMaxDrives.text());
    const auto S = parseNumber(cmbNumSpans.text());
    const auto C = parseNumber(cmbDriveSize.text());
    // A list without a selected entry gives nothing to compute with; the results stay as they were.
    const bool inputsReadable = D && S && C;

    std::optional<double> capacity;
    bool writeCopy = false; // RAID 1 shows the drive size text itself
    const RaidLevel* raid = findRaidLevel(level);
    if (inputsReadable && raid) {
        const double d = *D, s = *S, c = *C;
        const ControllerRecord* controller = findController(program.ControllerType);
        const std::optional<int> limit = controller ? controller->setDriveLimit : std::nullopt;
        if (raid->limitedToControllerDrives && limit && s * d > *limit) {
            program.host.messageBox("No more than " + std::to_string(*limit) +
                                        " drives total are allowed, Reducing the Number of Spans",
                                    MsgButtons::Ok, MsgIcon::None, appinfo::Title);
            cmbNumSpans.setListIndex(cmbNumSpans.listIndex() - 1);
        } else {
            switch (raid->capacity) {
            case CapacityRule::AllDrives:
                capacity = c * d;
                break;
            case CapacityRule::DriveSizeText:
                writeCopy = true;
                break;
            case CapacityRule::AllButOne:
                capacity = (d - 1) * c;
                break;
            case CapacityRule::OnePerSpan:
                capacity = s * c;
                break;
            case CapacityRule::AllButOnePerSpan:
                capacity = ((s * d) - s) * c;
                break;
            case CapacityRule::HalfOfAll:
                capacity = ((d * s) * c) / 2;
                break;
            }
        }
    }
    if (writeCopy)
        TxtLogicalCap.setText(cmbDriveSize.text());
    else if (capacity)
        TxtLogicalCap.setText(formatNumber(*capacity));
    Calc_Total();
}

void MainForm::Calc_Total() {
    const auto logical = parseNumber(TxtLogicalCap.text());
    const auto N = parseNumber(cmbNumRdSets.text());
    if (logical && N)
        TxtTotalCap.setText(formatNumber(*logical * *N));
    const auto D = parseNumber(cmbMaxDrives.text());
    const auto S = parseNumber(cmbNumSpans.text());
    if (D && S)
        txtTotalDrives.setText(formatNumber(*D * *S));
}

} // namespace spindex
