// The RAID set table: adding, deleting and clearing sets, and opening the report and the graphic.
//
// Whatever the user does, the table keeps its invariants: occupied tabs are contiguous from tab 0,
// tabs from LogDrivesAvail on are empty and disabled, and the slot units in use never exceed
// MaxSlots.

#include "appinfo.h"
#include "mainform/mainform.h"
#include "outputs/outputforms.h"
#include "outputs/savereport.h"
#include "rules/catalogue.h"
#include "rules/raidlevels.h"
#include "runtime/numbers.h"
#include "runtime/program.h"

namespace spindex {

namespace {
// Further logical drives a spanned set takes up: one per span beyond the first, for the levels whose
// spans reserve them.
int extraLogicalDrives(const std::string& level, const std::string& spans) {
    const RaidLevel* raid = findRaidLevel(level);
    if (!raid || !raid->spansReserveLogicalDrives)
        return 0;
    if (spans == "2")
        return 1;
    if (spans == "3")
        return 2;
    if (spans == "4")
        return 3;
    return 0;
}
} // namespace

MainForm::AddCheck MainForm::addCheck() const {
    AddCheck check;
    for (int t = 0; t < static_cast<int>(LogDrivesAvail) && t < Sets; ++t)
        if (!tabHoldsSet(t))
            ++check.freeTabs;

    const ControllerRecord* controller = findController(program.ControllerType);
    const auto R = parseNumber(cmbNumRdSets.text());
    const auto N = parseNumber(cmbNumSpans.text());
    const auto D = parseNumber(cmbMaxDrives.text());
    if (!controller || !R || !N || !D) {
        check.refusal = AddRefusal::Unreadable;
        return check;
    }
    check.logicalDrivesNeeded = *R * (controller->spanFactorCountsSpans ? *N : 1);
    check.slotUnitsNeeded = slotUnits(optDriveH[0].value()) * *N * *D * *R;
    if (check.logicalDrivesNeeded > check.freeTabs)
        check.refusal = AddRefusal::LogicalDrives;
    // Exact slot units: half a slot over the limit is over the limit.
    else if (check.slotUnitsNeeded + LPSlotsUsed > MaxSlots)
        check.refusal = AddRefusal::Slots;
    return check;
}

void MainForm::cmdAddLogicals_Click() {
    Calc_Logical();
    CalcSlots();

    const AddCheck check = addCheck();
    switch (check.refusal) {
    case AddRefusal::None:
        break;
    case AddRefusal::Unreadable:
        return; // nothing readable to add
    case AddRefusal::LogicalDrives:
        program.host.messageBox("No more Logical Drives Free.  You have " + std::to_string(check.freeTabs) +
                                    " free logical drives" + "," + " and you have selected " + cmbNumRdSets.text() +
                                    " Raid sets " + "\r\n" + " and " + cmbNumSpans.text() +
                                    " Spans.  This would require " + formatNumber(check.logicalDrivesNeeded) +
                                    " free logical drives",
                                MsgButtons::Ok, MsgIcon::Critical, "Logical Drive Selection Error");
        return;
    case AddRefusal::Slots:
        program.host.messageBox("To many drives selected.  You have " + formatNumber(MaxSlots - LPSlotsUsed) +
                                    " Low Profile drive spaces available" + "," + " and have selected " +
                                    formatNumber(check.slotUnitsNeeded) + " total low profile drive slots to add.",
                                MsgButtons::Ok, MsgIcon::Critical, "Maximum Drive Selection Error");
        return;
    }

    const bool halfHeight = optDriveH[0].value();
    int first = 0;
    while (first < static_cast<int>(LogDrivesAvail) - 1 && tabHoldsSet(first))
        ++first;
    const int count = static_cast<int>(*parseNumber(cmbNumRdSets.text()));
    for (int t = first; t < first + count && t < Sets; ++t) {
        ReserveSpanLogDrives();
        SSTab1.setTab(t);
        LogDrvHUser = False;
        tabHeightOption(t, halfHeight).setValue(true);
        LogDrvHUser = True;
        tabLevel(t).setText(cmbRaidLevel.text());
        tabDrives(t).setText(cmbMaxDrives.text());
        tabSpans(t).setText(cmbNumSpans.text());
        tabDriveSize(t).setText(cmbDriveSize.text());
        tabCapacity(t).setText(TxtLogicalCap.text());
    }
    CalcTotals();
}

void MainForm::ReserveSpanLogDrives() {
    const ControllerRecord* controller = findController(program.ControllerType);
    if (!controller || !controller->spannedSetsReserveLogicalDrives)
        return;
    LogDrivesAvail -= extraLogicalDrives(cmbRaidLevel.text(), cmbNumSpans.text());
    if (LogDrivesAvail != Sets)
        for (int t = Sets - 1; t >= static_cast<int>(LogDrivesAvail) && t >= 0; --t)
            SSTab1.tabEnabled[t] = false;
}

void MainForm::ReleaseSpanLogDrives() {
    const ControllerRecord* controller = findController(program.ControllerType);
    if (!controller || !controller->spannedSetsReserveLogicalDrives)
        return;
    const int c = SSTab1.tab();
    const int extra = extraLogicalDrives(tabLevel(c).text(), tabSpans(c).text());
    if (extra == 0)
        return;
    LogDrivesAvail += extra;
    for (int t = 0; t < static_cast<int>(LogDrivesAvail) && t < Sets; ++t)
        SSTab1.tabEnabled[t] = true;
}

void MainForm::moveSet(int from, int to) {
    for (int k = 0; k < SetFields; ++k) {
        const auto field = static_cast<SetField>(k);
        tabField(to, field).setText(tabField(from, field).text());
    }
    LogDrvHUser = False;
    tabHeightOption(to, tabHalfHeight(from)).setValue(true);
    LogDrvHUser = True;
    // The spare moves with its set; it is not a new spare and needs no slot check. Its texts are set
    // here as well, since the option of the target tab may already stand on the same choice.
    const bool spare = tabHasLocalSpare(from);
    m_movingSets = true;
    tabSpareOption(to, spare).setValue(true);
    m_movingSets = false;
    tabSpareCount(to).setText(spare ? "1" : "0");
    tabSpareSize(to).setText(spare ? tabDriveSize(to).text() : "");
}

void MainForm::emptyTab(int tab) {
    for (int k = 0; k < SetFields; ++k)
        tabField(tab, static_cast<SetField>(k)).setText("");
    tabSpareOption(tab, false).setValue(true);
    tabSpareCount(tab).setText("0");
    tabSpareSize(tab).setText("");
}

void MainForm::cmdClearOne_Click() {
    if (program.host.messageBox("Are You Sure?", MsgButtons::YesNo, MsgIcon::None, appinfo::Title) != MsgAnswer::Yes)
        return;
    ReleaseSpanLogDrives();
    const int c = SSTab1.tab();
    if (!tabHoldsSet(c))
        return;
    for (int j = c + 1; j <= static_cast<int>(LogDrivesAvail); ++j) {
        if (j < Sets)
            moveSet(j, j - 1);
        else
            emptyTab(Sets - 1);
    }
    CalcTotals();
}

void MainForm::cmdClearAll_Click() {
    bool yes = true;
    if (!ClearAllNoAsk)
        yes = program.host.messageBox("Are you sure?", MsgButtons::YesNo, MsgIcon::None, appinfo::Title) ==
              MsgAnswer::Yes;
    if (yes) {
        for (TextBox& box : Text1)
            box.setText("");
        for (int t = 0; t < Sets; ++t)
            tabSpareOption(t, false).setValue(true);
        optGlobHotSpr[1].setValue(true);
        CalcTotals();
        SSTab1.setTab(0);
        LogDrivesAvail = Sets;
        SSTab1.tabEnabled.fill(true);
    }
    ClearAllNoAsk = False;
}

void MainForm::cmdDataReport_Click() {
    if (ReportForm* shown = program.frmLogicalDriveDisplay())
        program.unload(*shown);
    ReportForm& report = program.loadReport();
    program.show(report);
    report.draw(reportInput(*this));
}

void MainForm::cmdDisplayGraphic_Click() {
    GraphicForm& graphic = program.loadGraphic();
    program.show(graphic);
    graphic.lblController.caption = lblController.caption;
    std::array<int, Sets> drives{};
    for (int t = 0; t < Sets; ++t) {
        const auto count = parseNumber(tabDrives(t).text());
        const auto spans = parseNumber(tabSpans(t).text());
        // A tab without a number of drives counts as a set of no drives.
        drives[t] = count ? static_cast<int>(roundHalfEven(*count * spans.value_or(0))) : 0;
    }
    graphic.place(drives);
}

} // namespace spindex
