#include "mainform/mainform.h"

#include <utility>

#include "appinfo.h"
#include "rules/catalogue.h"
#include "runtime/program.h"

namespace spindex {

namespace {
const std::array<const char*, MainForm::Totals> TotalCaptions{
    "Total Number of Drives", "GigaBytes Total Usable Drive Space", "Number of Channels Used",
    "Total Number Low Profile Drive Slots Used"};
const std::array<const char*, 5> FieldCaptions{"Raid Level", "Number of Drives", "Number of Spans", "Drive Capacity",
                                               "Total Capacity"};
const std::array<const char*, 4> RuleCaptions{"Standard", "Marathon", "Netware Cluster Services",
                                              "Microsoft Clustering Services"};

template <class C, std::size_t N> void nameArray(std::array<C, N>& controls, const std::string& base, int first = 0) {
    for (std::size_t i = 0; i < N; ++i)
        controls[i].name = indexedName(base, first + static_cast<int>(i));
}
} // namespace

MainForm::MainForm(Program& program) : Form(program, "frmSpindex", programCaption(), 11880, 8700) {
    createControls();
}

std::string MainForm::programCaption() {
    return std::string(appinfo::Title) + " (Beta " + appinfo::Version + ")";
}

void MainForm::createControls() {
    m_pages = &SSTab1;
    nameArray(ckChanUsed, "ckChanUsed");
    nameArray(cmbStorageSel, "cmbStorageSel");
    nameArray(Label11, "Label11");
    nameArray(txtSumTotals, "txtSumTotals");
    nameArray(optDriveH, "optDriveH");
    nameArray(Option5, "Option5");
    nameArray(Label8, "Label8");
    nameArray(Text1, "Text1");
    nameArray(Line1, "Line1");
    nameArray(frameDH, "frameDH");
    nameArray(optLogDriveH, "optLogDriveH");
    nameArray(Frame2, "Frame2");
    nameArray(optLocHotSpr, "optLocHotSpr");
    nameArray(txtLocSpr, "txtLocSpr");
    nameArray(Label9, "Label9");
    nameArray(optGlobHotSpH, "optGlobHotSpH");
    nameArray(optGlobHotSpr, "optGlobHotSpr");
    nameArray(mnuController, "mnuController");
    nameArray(mnuRules, "mnuRules");

    // Channels
    add(Frame5);
    for (int i = 0; i < Channels; ++i) {
        add(ckChanUsed[i], &Frame5).onClick = [this, i] { ckChanUsed_Click(i); };
        add(cmbStorageSel[i], &Frame5).onClick = [this, i] { cmbStorageSel_Click(i); };
    }
    add(lblDispalyMaxDrives);
    add(txtDisplayMaxDrives).locked = true;
    add(lblRule).visible = false;

    // Totals
    for (int i = 0; i < Totals; ++i) {
        add(Label11[i]).caption = TotalCaptions[i];
        add(txtSumTotals[i]).locked = true;
        txtSumTotals[i].setText(i == 2 ? "1" : "0");
    }
    Label11[2].visible = txtSumTotals[2].visible = false;
    add(lblController);

    // Calculator
    add(Frame1);
    for (Control* c : std::initializer_list<Control*>{&Label2, &cmbRaidLevel, &Label1, &cmbMaxDrives, &Label3,
                                                      &cmbDriveSize, &frameDHCalc, &lblSpan, &cmbNumSpans, &Label4,
                                                      &cmbNumRdSets, &Label12, &Label5, &TxtLogicalCap, &Label6,
                                                      &TxtTotalCap, &Label13, &txtTotalDrives, &CmdCalc})
        add(*c, &Frame1);
    for (int i = 0; i < 2; ++i)
        add(optDriveH[i], &frameDHCalc).onClick = [this, i] { optDriveH_Click(i); };
    optDriveH[0].caption = "Half Height";
    optDriveH[1].caption = "Low Profile";
    for (int i = 0; i < 3; ++i)
        add(Option5[i], &Frame1).onClick = [] {}; // the tuning option is read by nothing
    Option5[0].caption = "&Performance";
    Option5[1].caption = "Capacity";
    Option5[2].caption = "None";
    for (Control* c :
         std::initializer_list<Control*>{&lblSpan, &cmbNumSpans, &Label4, &cmbNumRdSets, &Label12, &Option5[0],
                                         &Option5[1], &Option5[2], &Label5, &TxtLogicalCap, &CmdCalc})
        c->visible = false;
    TxtLogicalCap.locked = TxtTotalCap.locked = txtTotalDrives.locked = true;
    cmbRaidLevel.onClick = [this] { cmbRaidLevel_Click(); };
    cmbNumSpans.onClick = [this] { cmbNumSpans_Click(); };
    cmbMaxDrives.onClick = [this] { cmbMaxDrives_Click(); };
    cmbDriveSize.onClick = [this] { cmbDriveSize_Click(); };
    CmdCalc.onClick = [this] { CmdCalc_Click(); };

    // Logical-drive tabs
    add(SSTab1);
    for (int t = 0; t < Sets; ++t) {
        SSTab1.tabCaption[t] = "Logical Drive " + std::to_string(t);
        for (int k = 0; k < SetFields; ++k) {
            add(Label8[at(t, SetFields, k)], &SSTab1, t).caption = FieldCaptions[k];
            add(Text1[at(t, SetFields, k)], &SSTab1, t).locked = true;
        }
        add(Line1[t], &SSTab1, t);
        add(frameDH[t], &SSTab1, t);
        add(Frame2[t], &SSTab1, t).caption = "Local Hot Spare";
        for (int i = 2 * t; i < 2 * t + 2; ++i) {
            add(optLogDriveH[i], &frameDH[t]).onClick = [this, i] { optLogDriveH_Click(i); };
            add(optLocHotSpr[i], &Frame2[t]).onClick = [this, i] { optLocHotSpr_Click(i); };
            add(txtLocSpr[i], &Frame2[t]).locked = true;
            add(Label9[2 + i], &Frame2[t]);
        }
        tabHeightOption(t, true).caption = "Half Height";
        tabHeightOption(t, false).caption = "Low Profile";
        tabSpareOption(t, true).caption = "Yes";
        tabSpareOption(t, false).caption = "No";
        tabSpareCount(t).setText("0");
        Label9[2 + 2 * t].caption = "No. Spares";
        Label9[3 + 2 * t].caption = "Drive Size";
    }

    // Commands and global hot spare
    add(cmdAddLogicals).onClick = [this] { cmdAddLogicals_Click(); };
    add(cmdClearOne).onClick = [this] { cmdClearOne_Click(); };
    add(cmdClearAll).onClick = [this] { cmdClearAll_Click(); };
    add(cmdDataReport).onClick = [this] { cmdDataReport_Click(); };
    add(cmdDisplayGraphic).onClick = [this] { cmdDisplayGraphic_Click(); };
    add(Frame3);
    add(Frame4, &Frame3);
    for (int i = 0; i < 2; ++i) {
        add(optGlobHotSpH[i], &Frame4).onClick = [this, i] { optGlobHotSpH_Click(i); };
        add(optGlobHotSpr[i], &Frame3).onClick = [this, i] { optGlobHotSpr_Click(i); };
    }
    optGlobHotSpH[0].caption = "Half Height";
    optGlobHotSpH[1].caption = "Low Profile";
    optGlobHotSpr[0].caption = "Yes";
    optGlobHotSpr[1].caption = "No";
    add(Label9[0], &Frame3).caption = "No. Spares";
    add(Text2, &Frame3).onChange = [this] { Text2_Change(); };
    Text2.enabled = false; // typing a count only makes sense once a global spare is chosen
    add(Label9[1], &Frame3).caption = "Drive Size";
    add(cmbGlobalHotSpareSize, &Frame3).onClick = [this] { optGlobHotSpH_Click(optGlobHotSpH[0].value() ? 0 : 1); };

    // Option buttons of one container exclude each other.
    auto group = [this](std::initializer_list<OptionButton*> members) {
        OptionGroup& g = m_groups.emplace_back();
        for (OptionButton* b : members)
            g.add(*b);
    };
    group({&optDriveH[0], &optDriveH[1]});
    group({&Option5[0], &Option5[1], &Option5[2]});
    group({&optGlobHotSpH[0], &optGlobHotSpH[1]});
    group({&optGlobHotSpr[0], &optGlobHotSpr[1]});
    for (int t = 0; t < Sets; ++t) {
        group({&tabHeightOption(t, true), &tabHeightOption(t, false)});
        group({&tabSpareOption(t, true), &tabSpareOption(t, false)});
    }
    // Design-time selections; no handler runs before the window exists.
    const Handler none;
    for (OptionButton* b : {&optDriveH[1], &Option5[2], &optGlobHotSpH[1], &optGlobHotSpr[1]}) {
        Handler saved = std::exchange(b->onClick, none);
        b->setValue(true);
        b->onClick = std::move(saved);
    }
    for (int t = 0; t < Sets; ++t)
        for (OptionButton* b : {&tabHeightOption(t, false), &tabSpareOption(t, false)}) {
            Handler saved = std::exchange(b->onClick, none);
            b->setValue(true);
            b->onClick = std::move(saved);
        }

    // Menus
    add(mnuFile);
    for (MenuItem* m : {&mnuOpenPlan, &mnuSavePlan, &mnuSavePlanAs, &mnuRecover, &mnuSave, &mnuDisplay, &mnuPrint,
                        &mnuPrintSetup, &mnuClose})
        add(*m, &mnuFile);
    add(mnuPlan);
    add(mnuPlanSummary, &mnuPlan);
    add(mnuAssumptions, &mnuPlan).onClick = [this] { mnuAssumptions_Click(); };
    add(mnuAlternatives, &mnuPlan).onClick = [this] { mnuAlternatives_Click(); };
    add(mnuComparePlans, &mnuPlan).onClick = [this] { mnuComparePlans_Click(); };
    add(mnuProposal, &mnuPlan).onClick = [this] { mnuProposal_Click(); };
    add(mnuDriveTypes, &mnuPlan).onClick = [this] { mnuDriveTypes_Click(); };
    mnuSave.onClick = [this] { mnuSave_Click(); };
    mnuDisplay.onClick = [this] { mnuDisplay_Click(); };
    mnuPlanSummary.onClick = [this] { mnuPlanSummary_Click(); };
    mnuPrint.onClick = [this] { mnuPrint_Click(); };
    mnuPrintSetup.onClick = [this] { mnuPrintSetup_Click(); };
    mnuClose.onClick = [this] { mnuClose_Click(); };
    add(mnuControllerTop);
    for (int id = 1; id <= ControllerModels; ++id) {
        add(mnuController[id], &mnuControllerTop).caption = findController(id)->menuCaption;
        mnuController[id].onClick = [this, id] { mnuController_Click(id); };
    }
    add(mnuRule);
    for (int i = 0; i < static_cast<int>(std::size(RuleCaptions)); ++i) {
        add(mnuRules[i], &mnuRule).caption = RuleCaptions[i];
        mnuRules[i].onClick = [this, i] { mnuRules_Click(i); };
    }
    mnuRules[0].checked = true;
    add(mnuHelp);
    add(mnuManual, &mnuHelp).onClick = [this] { mnuManual_Click(); };
    add(mnuEmail, &mnuHelp).onClick = [this] { mnuEmail_Click(); };
    add(mnuAbout, &mnuHelp).onClick = [this] { mnuAbout_Click(); };
}

// The calculator lists the sizes largest first, the global spare smallest first.
void MainForm::showDriveSizes() {
    std::vector<std::string> smallestFirst;
    for (const DriveSize& size : driveSizes(PlanDriveTypes))
        smallestFirst.push_back(size.text);
    cmbGlobalHotSpareSize.setItems(smallestFirst);
    cmbDriveSize.setItems({smallestFirst.rbegin(), smallestFirst.rend()});
}

void MainForm::Form_Load() {
    helpFile = program.programFolder + "\\Spindex.hlp";
    FormLoading = SuppressCalc = True;
    LogDrivesAvail = Sets;
    LPSlotsUsed = 0;
    LogDrvHUser = True;
    MaxSlots = 36;

    showDriveSizes();
    cmbMaxDrives.addItem("1");
    cmbNumRdSets.addItem("1");
    cmbNumSpans.addItem("1");
    cmbRaidLevel.addItem("0");
    cmbNumRdSets.setListIndex(0);
    cmbNumSpans.setListIndex(0);
    cmbDriveSize.setListIndex(2);

    for (int i = 0; i < Channels; ++i) {
        for (const StorageEntry& entry : storageList())
            cmbStorageSel[i].addItem(entry.text);
        cmbStorageSel[i].setListIndex(0);
    }
    SetupController(program.ControllerType);
    for (TextBox& box : Text1)
        box.setText("");
    FormLoading = SuppressCalc = False;
    CalcSlots();
    Calc_Logical();
    lblRule.caption = "Standard Rules";
}

} // namespace spindex
