// Start-up: the splash hands over to the selection window, "Configure Controller" opens the main
// window, and the main window's load sets the chosen controller up.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "testsession.h"

namespace spindex {
namespace {

using Strings = std::vector<std::string>;

Strings range(int from, int to) {
    Strings s;
    for (int i = from; i <= to; ++i)
        s.push_back(std::to_string(i));
    return s;
}

const Strings StorageTexts{"Vault/12 - 12 drives",         "Vault/12 - 6 drives",
                           "6 lp drives Internal Storage", "4 lp drives Internal Storage",
                           "2 lp drives Internal Storage", "3 lp drives - Plover",
                           "6 lp drives - Curlew",         "12 lp drives on 3 -Quill's",
                           "8 lp drives on 2 - Quill's",   "4 lp drives on 1 - Quill"};

// ---- Splash and selection window ----

TEST(Splash, HandsOverAfterFiveSeconds) {
    test::TestHost host;
    Program program(host);
    program.Main();
    ASSERT_NE(program.frmSplash(), nullptr);
    ASSERT_NE(program.frmSelectController(), nullptr);
    EXPECT_TRUE(program.frmSplash()->visible);
    EXPECT_EQ(program.frmSplash()->lblVersion.caption, "Version 1.1.7");
    EXPECT_EQ(program.frmSplash()->lblProductName.caption, "Spindex");
    EXPECT_EQ(program.frmSplash()->lblWarning.caption, "Brought to you by the Halden Pre-Sales Team");
    EXPECT_EQ(program.ControllerType, 6);
    program.advance(4999);
    EXPECT_NE(program.frmSplash(), nullptr);
    program.advance(1);
    EXPECT_EQ(program.frmSplash(), nullptr);
    ASSERT_NE(program.frmSelectController(), nullptr);
    EXPECT_EQ(program.focused(), program.frmSelectController());
}

TEST(Splash, KeyPressHandsOverAtOnceAndTheTimerNoLongerFires) {
    test::TestHost host;
    Program program(host);
    program.Main();
    program.advance(1000);
    program.frmSplash()->Form_KeyPress();
    EXPECT_EQ(program.frmSplash(), nullptr);
    SelectControllerForm *select = program.frmSelectController();
    ASSERT_NE(select, nullptr);
    EXPECT_EQ(program.focused(), select);
    EXPECT_EQ(select->cmbSelectCont.text(), "Arvex Osprey");
    program.advance(10000);
    EXPECT_EQ(program.frmSelectController(), select);
    EXPECT_EQ(program.frmSpindex(), nullptr);
}

TEST(Splash, ListedClicksHandOverAndOtherLabelsDoNothing) {
    for (const char *target : {"Frame1", "imgLogo", "lblProductName", "lblPlatform"}) {
        test::TestHost host;
        Program program(host);
        program.Main();
        program.frmSplash()->lblVersion.userClick();
        program.frmSplash()->lblCompany.userClick();
        ASSERT_NE(program.frmSplash(), nullptr) << target;
        program.frmSplash()->control(target)->userClick();
        EXPECT_EQ(program.frmSplash(), nullptr) << target;
        EXPECT_TRUE(program.frmSelectController()->visible) << target;
    }
}

TEST(SelectionWindow, OffersTheEightModelsWithTheOspreyPreselected) {
    test::TestHost host;
    Program program(host);
    program.Main();
    const SelectControllerForm &select = *program.frmSelectController();
    EXPECT_EQ(select.caption, "RAID Storage Selection");
    EXPECT_EQ(select.cmbSelectCont.items(),
              (Strings{"Arvex Lark", "Arvex Wren", "Arvex Finch", "Arvex Heron", "Fibre Channel Vault/12FC",
                       "Arvex Osprey", "Keel Embedded", "Mast Embedded"}));
    EXPECT_EQ(select.cmbSelectCont.listIndex(), 5);
}

TEST(SelectionWindow, PickSetsTheControllerAndConfigureOpensTheMainWindow) {
    test::TestHost host;
    Program program(host);
    program.Main();
    program.advance(5000);
    program.frmSelectController()->cmbSelectCont.userPick(3);
    EXPECT_EQ(program.ControllerType, 4);
    program.frmSelectController()->Command1.userClick();
    EXPECT_EQ(program.frmSelectController(), nullptr);
    ASSERT_NE(program.frmSpindex(), nullptr);
    EXPECT_TRUE(program.frmSpindex()->visible);
    EXPECT_EQ(program.frmSpindex()->caption, "Spindex (Beta 1.1.7)");
    EXPECT_EQ(program.frmSpindex()->lblController.caption, "Arvex Heron Controller");
    // The splash can no longer bring the selection window back.
    EXPECT_EQ(program.frmSplash(), nullptr);
}

// ---- The main window after its load ----

TEST(MainWindowLoad, ValuesOfTheControlsAndVariables) {
    test::Session s(6);
    const MainForm &m = s.main();
    EXPECT_EQ(m.cmbDriveSize.items(), (Strings{"72.8", "36.4", "18.2", "9.1"}));
    EXPECT_EQ(m.cmbDriveSize.text(), "18.2");
    EXPECT_EQ(m.cmbGlobalHotSpareSize.items(), (Strings{"9.1", "18.2", "36.4", "72.8"}));
    EXPECT_EQ(m.cmbGlobalHotSpareSize.listIndex(), -1);
    EXPECT_TRUE(m.optDriveH[1].value());
    EXPECT_TRUE(m.Option5[2].value());
    EXPECT_EQ(m.cmbNumRdSets.items(), Strings{"1"});
    EXPECT_EQ(m.cmbNumRdSets.text(), "1");
    for (int t = 0; t < MainForm::Sets; ++t) {
        EXPECT_FALSE(m.tabHoldsSet(t)) << t;
        EXPECT_TRUE(m.SSTab1.tabEnabled[t]) << t;
        EXPECT_TRUE(m.optLogDriveH[2 * t + 1].value()) << t;
        EXPECT_TRUE(m.optLocHotSpr[2 * t + 1].value()) << t;
        EXPECT_EQ(m.txtLocSpr[2 * t].text(), "0") << t;
        EXPECT_EQ(m.txtLocSpr[2 * t + 1].text(), "") << t;
        EXPECT_EQ(m.SSTab1.tabCaption[t], "Logical Drive " + std::to_string(t));
    }
    EXPECT_EQ(m.SSTab1.tab(), 0);
    EXPECT_EQ(s.totals(), (Strings{"0", "0", "1", "0"}));
    EXPECT_TRUE(m.optGlobHotSpr[1].value());
    EXPECT_TRUE(m.optGlobHotSpH[1].value());
    EXPECT_EQ(m.Text2.text(), "0");
    EXPECT_EQ(m.lblRule.caption, "Standard Rules");
    EXPECT_EQ(m.LogDrivesAvail, 8);
    EXPECT_EQ(m.LPSlotsUsed, 0);
    EXPECT_EQ(m.LogDrvHUser, True);
    EXPECT_EQ(m.SuppressCalc, False);
    EXPECT_EQ(m.FormLoading, False);
    EXPECT_EQ(m.RaidLevelChanging, False);
    EXPECT_EQ(m.ClearAllNoAsk, False);
    EXPECT_EQ(m.RuleSet, 0);
    EXPECT_TRUE(m.mnuRules[0].checked);
    EXPECT_TRUE(s.host.messages.empty());
}

TEST(MainWindowLoad, HiddenControlsStayHidden) {
    test::Session s(6);
    const MainForm &m = s.main();
    for (const Control *c : std::initializer_list<const Control *>{
             &m.txtSumTotals[2], &m.Label11[2], &m.Label4, &m.cmbNumRdSets, &m.Label12, &m.Option5[0],
             &m.Option5[1], &m.Option5[2], &m.Label5, &m.TxtLogicalCap, &m.CmdCalc, &m.lblRule, &m.lblSpan,
             &m.cmbNumSpans})
        EXPECT_FALSE(c->visible) << c->name;
    for (const Control *c : std::initializer_list<const Control *>{
             &m.cmbRaidLevel, &m.cmbMaxDrives, &m.cmbDriveSize, &m.TxtTotalCap, &m.txtTotalDrives,
             &m.txtSumTotals[0], &m.txtSumTotals[1], &m.txtSumTotals[3], &m.cmdAddLogicals, &m.cmdClearOne,
             &m.cmdClearAll, &m.cmdDataReport, &m.cmdDisplayGraphic, &m.txtDisplayMaxDrives})
        EXPECT_TRUE(c->visible) << c->name;
}

// One row per controller: what its set-up leaves after the main window's load.
struct ControllerRow {
    const char *name;
    int id;
    std::vector<int> ticked;  // channels ticked, enabled, with their list enabled
    std::vector<int> storage; // selected entry of each channel's list
    Strings levels;
    Strings drives;
    std::string drivesSelected;
    std::string caption;
    int slots;
    std::string logicalCap; // RAID 0, the drives selected, 18.2 GB
};

void PrintTo(const ControllerRow &row, std::ostream *os) {
    *os << row.name;
}

class ControllerStartUp : public ::testing::TestWithParam<ControllerRow> {};

TEST_P(ControllerStartUp, ChannelsListsCaptionAndSlots) {
    const ControllerRow &row = GetParam();
    test::Session s(row.id);
    const MainForm &m = s.main();
    EXPECT_EQ(s.program.ControllerType, row.id);
    for (int c = 0; c < 4; ++c) {
        const bool used = std::find(row.ticked.begin(), row.ticked.end(), c) != row.ticked.end();
        EXPECT_EQ(m.ckChanUsed[c].value(), used ? 1 : 0) << "channel " << c;
        EXPECT_EQ(m.ckChanUsed[c].enabled, used) << "channel " << c;
        EXPECT_EQ(m.cmbStorageSel[c].enabled, used) << "channel " << c;
        EXPECT_EQ(m.cmbStorageSel[c].items(), StorageTexts) << "channel " << c;
        EXPECT_EQ(m.cmbStorageSel[c].listIndex(), row.storage[static_cast<size_t>(c)]) << "channel " << c;
        EXPECT_EQ(s.program.LastStorageSel[static_cast<size_t>(c)], row.storage[static_cast<size_t>(c)]);
    }
    EXPECT_EQ(m.cmbRaidLevel.items(), row.levels);
    EXPECT_EQ(m.cmbRaidLevel.text(), "0");
    EXPECT_EQ(m.cmbMaxDrives.items(), row.drives);
    EXPECT_EQ(m.cmbMaxDrives.text(), row.drivesSelected);
    EXPECT_EQ(m.cmbNumSpans.items(), Strings{"1"});
    EXPECT_EQ(m.cmbNumSpans.text(), "1");
    EXPECT_FALSE(m.cmbNumSpans.visible);
    EXPECT_FALSE(m.lblSpan.visible);
    EXPECT_EQ(m.lblController.caption, row.caption);
    EXPECT_EQ(m.MaxSlots, row.slots);
    EXPECT_EQ(m.txtDisplayMaxDrives.text(),
              "Maximum low profile drives slots = " + std::to_string(row.slots));
    EXPECT_EQ(m.TxtLogicalCap.text(), row.logicalCap);
    EXPECT_EQ(m.TxtTotalCap.text(), row.logicalCap);
    EXPECT_EQ(m.txtTotalDrives.text(), row.drivesSelected);
    EXPECT_TRUE(s.host.messages.empty()) << test::messageTexts(s.host);
}

const Strings Seven{"0", "1", "3", "5", "10", "30", "50"};
const Strings Five{"0", "1", "5", "10", "50"};

INSTANTIATE_TEST_SUITE_P(
    EveryController, ControllerStartUp,
    ::testing::Values(
        ControllerRow{
            "Lark", 1, {0}, {0, 0, 0, 0}, Seven, range(1, 8), "8", "Arvex Lark Controller", 12, "145.6"},
        ControllerRow{
            "Wren", 2, {0}, {0, 0, 0, 0}, Five, range(1, 14), "12", "Arvex Wren Controller", 12, "218.4"},
        ControllerRow{"Finch",
                      3,
                      {0, 1},
                      {0, 0, 0, 0},
                      Five,
                      range(1, 28),
                      "12",
                      "Arvex Finch Controller",
                      24,
                      "218.4"},
        ControllerRow{"Heron",
                      4,
                      {0, 1, 2},
                      {0, 0, 0, 0},
                      Seven,
                      range(1, 8),
                      "8",
                      "Arvex Heron Controller",
                      36,
                      "145.6"},
        ControllerRow{"FibreChannel",
                      5,
                      {0, 1, 2},
                      {0, 0, 0, 0},
                      Strings{"0", "1", "3", "5", "0+1", "30", "50"},
                      range(1, 8),
                      "8",
                      "Fibre Channel Controller",
                      36,
                      "145.6"},
        ControllerRow{"Osprey",
                      6,
                      {0, 1, 2, 3},
                      {0, 0, 0, 0},
                      Five,
                      range(1, 48),
                      "12",
                      "Arvex Osprey Controller",
                      48,
                      "218.4"},
        ControllerRow{"Keel",
                      7,
                      {0, 1},
                      {2, 2, 0, 0},
                      Seven,
                      range(1, 8),
                      "8",
                      "Keel Enbedded Arvex Controller",
                      12,
                      "145.6"},
        ControllerRow{"Mast",
                      8,
                      {0, 1},
                      {3, 0, 0, 0},
                      Seven,
                      range(1, 8),
                      "8",
                      "Mast Enbedded Arvex Controller",
                      16,
                      "145.6"}),
    [](const ::testing::TestParamInfo<ControllerRow> &info) { return std::string(info.param.name); });

// The channel slots of the load: a channel with a disabled list gives none.
TEST(MainWindowLoad, ChannelSlotsOfTheMast) {
    test::Session s(8);
    EXPECT_EQ(s.program.ChannelSlots[0], 4);
    EXPECT_EQ(s.program.ChannelSlots[1], 12);
    EXPECT_EQ(s.program.ChannelSlots[2], 0);
    EXPECT_EQ(s.program.ChannelSlots[3], 0);
}

// The typical request up to the capacity and into the table.
TEST(TypicalRequest, OspreyFourVaultsRaidFiveOfTwelveDrives) {
    test::Session s(6);
    MainForm &m = s.main();
    EXPECT_EQ(m.MaxSlots, 48);
    s.pick(m.cmbRaidLevel, "5");
    EXPECT_EQ(m.cmbMaxDrives.items(), range(3, 16));
    EXPECT_EQ(m.cmbMaxDrives.text(), "12");
    s.pick(m.cmbDriveSize, "36.4");
    EXPECT_TRUE(m.optDriveH[1].value());
    EXPECT_EQ(m.TxtLogicalCap.text(), "400.4");
    EXPECT_EQ(m.TxtTotalCap.text(), "400.4");
    EXPECT_EQ(m.txtTotalDrives.text(), "12");
    m.cmdAddLogicals.userClick();
    EXPECT_TRUE(s.host.messages.empty()) << test::messageTexts(s.host);
    EXPECT_EQ(s.tabFields(0), (Strings{"5", "12", "1", "36.4", "400.4"}));
    EXPECT_TRUE(m.optLogDriveH[1].value());
    EXPECT_EQ(s.totals(), (Strings{"12", "400.4", "1", "12"}));
    EXPECT_EQ(m.LPSlotsUsed, 12);
    EXPECT_EQ(m.SSTab1.tab(), 0);
}

} // namespace
} // namespace spindex
