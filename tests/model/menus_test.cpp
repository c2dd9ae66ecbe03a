// The main window's menus: switching the controller (asks once, clears the table without a second
// question, sets the new controller up), the rule sets (a check mark and a caption, nothing else),
// Email, the file commands and Exit.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "appinfo.h"
#include "outputforms.h"
#include "testsession.h"

namespace spindex {
namespace {

using Strings = std::vector<std::string>;

const char *const SwitchQuestion = "This will clear all current logical drives!  Do you want to continue?";

void switchController(test::Session &s, int id, MsgAnswer answer) {
    s.host.answers.push_back(answer);
    s.main().mnuController[static_cast<size_t>(id)].userClick();
}

// Everything a user sees of the calculator, the channels and the table, as text.
Strings snapshot(test::Session &s) {
    MainForm &m = s.main();
    Strings all{std::to_string(s.program.ControllerType),
                m.lblController.caption,
                m.txtDisplayMaxDrives.text(),
                m.TxtLogicalCap.text(),
                m.TxtTotalCap.text(),
                m.txtTotalDrives.text(),
                m.Text2.text(),
                std::to_string(m.LogDrivesAvail),
                std::to_string(m.SSTab1.tab())};
    for (const ListBox *list :
         {&m.cmbRaidLevel, &m.cmbMaxDrives, &m.cmbNumSpans, &m.cmbDriveSize, &m.cmbGlobalHotSpareSize,
          &m.cmbStorageSel[0], &m.cmbStorageSel[1], &m.cmbStorageSel[2], &m.cmbStorageSel[3]}) {
        std::string items;
        for (const std::string &item : list->items())
            items += item + ",";
        all.push_back(list->name + "=" + items + "@" + std::to_string(list->listIndex()) +
                      (list->enabled ? "" : " disabled") + (list->visible ? "" : " hidden"));
    }
    for (int c = 0; c < 4; ++c)
        all.push_back(std::to_string(m.ckChanUsed[c].value()) + (m.ckChanUsed[c].enabled ? "e" : "d"));
    for (const TextBox &box : m.Text1)
        all.push_back(box.text());
    for (const TextBox &box : m.txtSumTotals)
        all.push_back(box.text());
    for (int t = 0; t < 8; ++t)
        all.push_back(std::string(m.SSTab1.tabEnabled[t] ? "on" : "off") +
                      (m.tabHalfHeight(t) ? "HH" : "LP") +
                      (m.optLocHotSpr[static_cast<size_t>(2 * t)].value() ? "spare" : ""));
    all.push_back(m.optDriveH[0].value() ? "HH" : "LP");
    all.push_back(m.optGlobHotSpr[0].value() ? "global" : "no global");
    return all;
}

// ---- Controller switch ----

TEST(ControllerSwitch, YesSetsTheNewControllerUpAndClearsWithoutASecondQuestion) {
    test::Session s(6);
    MainForm &m = s.main();
    s.pick(m.cmbDriveSize, "36.4");
    ASSERT_TRUE(s.add("5", "12"));
    m.optGlobHotSpr[0].userClick();
    ASSERT_TRUE(s.add("0", "2"));
    s.pick(m.cmbStorageSel[0], "Vault/12 - 6 drives");
    m.SSTab1.setTab(1);
    switchController(s, 1, MsgAnswer::Yes);
    ASSERT_EQ(s.host.messages.size(), 1u) << test::messageTexts(s.host);
    const test::Message &q = s.host.messages[0];
    EXPECT_EQ(q.text, SwitchQuestion);
    EXPECT_EQ(q.buttons, MsgButtons::YesNo);
    EXPECT_EQ(q.icon, MsgIcon::None);
    EXPECT_EQ(q.title, "Spindex");
    EXPECT_EQ(s.program.ControllerType, 1);
    EXPECT_EQ(m.lblController.caption, "Arvex Lark Controller");
    EXPECT_FALSE(m.tabHoldsSet(0));
    EXPECT_EQ(s.totals(), (Strings{"0", "0", "1", "0"}));
    EXPECT_TRUE(m.optGlobHotSpr[1].value());
    EXPECT_EQ(m.SSTab1.tab(), 0);
    EXPECT_EQ(m.ClearAllNoAsk, False);
    EXPECT_EQ(m.SuppressCalc, False);
    // Channel 0 goes back to its preset; the others are switched off but keep their entries.
    EXPECT_EQ(m.cmbStorageSel[0].listIndex(), 0);
    for (int c = 1; c < 4; ++c) {
        EXPECT_EQ(m.ckChanUsed[c].value(), 0) << c;
        EXPECT_FALSE(m.ckChanUsed[c].enabled) << c;
        EXPECT_FALSE(m.cmbStorageSel[c].enabled) << c;
        EXPECT_EQ(m.cmbStorageSel[c].listIndex(), 0) << c;
        EXPECT_EQ(s.program.ChannelSlots[static_cast<size_t>(c)], 0) << c;
    }
    EXPECT_EQ(m.MaxSlots, 12);
    EXPECT_EQ(m.cmbRaidLevel.items(), (Strings{"0", "1", "3", "5", "10", "30", "50"}));
    EXPECT_EQ(m.cmbRaidLevel.text(), "0");
    EXPECT_EQ(m.cmbMaxDrives.text(), "8");
    // The drive size stays and the capacity is computed afresh.
    EXPECT_EQ(m.cmbDriveSize.text(), "36.4");
    EXPECT_EQ(m.TxtLogicalCap.text(), "291.2");
    EXPECT_EQ(m.txtTotalDrives.text(), "8");
}

TEST(ControllerSwitch, SameControllerBringsThePresetsBack) {
    test::Session s(6);
    MainForm &m = s.main();
    s.pick(m.cmbStorageSel[2], "4 lp drives Internal Storage");
    m.ckChanUsed[3].userClick();
    ASSERT_TRUE(s.add("50", "3", "4"));
    ASSERT_EQ(m.MaxSlots, 28);
    switchController(s, 6, MsgAnswer::Yes);
    EXPECT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.count(SwitchQuestion), 1);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(m.cmbStorageSel[c].listIndex(), 0) << c;
        EXPECT_EQ(m.ckChanUsed[c].value(), 1) << c;
    }
    EXPECT_EQ(m.MaxSlots, 48);
    EXPECT_FALSE(m.tabHoldsSet(0));
    EXPECT_EQ(m.cmbRaidLevel.text(), "0");
    EXPECT_EQ(m.cmbMaxDrives.items().size(), 48u);
    EXPECT_EQ(m.cmbMaxDrives.text(), "12");
    EXPECT_FALSE(m.cmbNumSpans.visible);
}

TEST(ControllerSwitch, NoChangesNothing) {
    test::Session s(4);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("50", "3", "3", "72.8"));
    m.optLocHotSpr[0].userClick();
    m.optGlobHotSpr[0].userClick();
    s.calculator("30", "5", "4", "9.1");
    const Strings before = snapshot(s);
    switchController(s, 2, MsgAnswer::No);
    EXPECT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(snapshot(s), before);
    EXPECT_EQ(s.program.ControllerType, 4);
}

TEST(ControllerSwitch, KeelToFinchKeepsTheInternalStorage) {
    test::Session s(7);
    MainForm &m = s.main();
    switchController(s, 3, MsgAnswer::Yes);
    EXPECT_EQ(m.lblController.caption, "Arvex Finch Controller");
    EXPECT_EQ(m.cmbStorageSel[0].text(), "6 lp drives Internal Storage");
    EXPECT_EQ(m.cmbStorageSel[1].text(), "6 lp drives Internal Storage");
    EXPECT_EQ(m.MaxSlots, 12);
    EXPECT_EQ(m.cmbMaxDrives.items().size(), 28u);
    EXPECT_EQ(m.cmbMaxDrives.text(), "12");
}

TEST(ControllerSwitch, MastSetsOnlyChannelZero) {
    test::Session s(6);
    MainForm &m = s.main();
    s.pick(m.cmbStorageSel[1], "3 lp drives - Plover");
    switchController(s, 8, MsgAnswer::Yes);
    EXPECT_EQ(m.cmbStorageSel[0].text(), "4 lp drives Internal Storage");
    EXPECT_EQ(m.cmbStorageSel[1].text(), "3 lp drives - Plover");
    EXPECT_EQ(m.MaxSlots, 7);
    EXPECT_EQ(m.txtDisplayMaxDrives.text(), "Maximum low profile drives slots = 7");
}

TEST(ControllerSwitch, ToTheOspreyTheRulesBuildTheDrivesList) {
    test::Session s(1);
    MainForm &m = s.main();
    switchController(s, 6, MsgAnswer::Yes);
    EXPECT_EQ(m.cmbMaxDrives.items().size(), 48u);
    EXPECT_EQ(m.cmbMaxDrives.text(), "12");
    EXPECT_EQ(m.TxtLogicalCap.text(), "218.4");
    for (int c = 0; c < 4; ++c)
        EXPECT_TRUE(m.ckChanUsed[c].enabled && m.ckChanUsed[c].value() == 1) << c;
}

TEST(ControllerSwitch, ToTheWrenTheSetUpGivesOneToFourteen) {
    test::Session s(6);
    MainForm &m = s.main();
    s.calculator("50", "9", "5");
    switchController(s, 2, MsgAnswer::Yes);
    EXPECT_EQ(m.cmbMaxDrives.items().size(), 14u);
    EXPECT_EQ(m.cmbMaxDrives.text(), "12");
    EXPECT_EQ(m.cmbNumSpans.text(), "1");
    EXPECT_FALSE(m.lblSpan.visible);
    EXPECT_EQ(m.txtTotalDrives.text(), "12");
}

TEST(ControllerSwitch, SpannedReservationsAreGivenBack) {
    test::Session s(1);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("50", "3", "4"));
    ASSERT_EQ(m.LogDrivesAvail, 5);
    switchController(s, 4, MsgAnswer::Yes);
    EXPECT_EQ(m.LogDrivesAvail, 8);
    for (int t = 0; t < 8; ++t)
        EXPECT_TRUE(m.SSTab1.tabEnabled[t]) << t;
}

TEST(ControllerMenu, CaptionsOfTheEightItems) {
    test::Session s(6);
    Strings captions;
    for (int id = 1; id <= 8; ++id)
        captions.push_back(s.main().mnuController[static_cast<size_t>(id)].caption);
    EXPECT_EQ(captions,
              (Strings{"Arvex Lark", "Arvex Wren", "Arvex Finch", "&Arvex Heron", "&Fibre Channel Vault/12FC",
                       "Arvex &Osprey", "Keel Embedded Arvex", "Mast Embedded Arvex"}));
    EXPECT_EQ(s.main().mnuControllerTop.caption, "Con&troller");
}

// ---- Rules ----

struct RuleRow {
    const char *name;
    int index;
    const char *caption;
    const char *label;
};

void PrintTo(const RuleRow &row, std::ostream *os) {
    *os << row.name;
}

class RulesMenu : public ::testing::TestWithParam<RuleRow> {};

TEST_P(RulesMenu, CheckMarkMovesAndNothingElseChanges) {
    test::Session s(1);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("50", "3", "2", "36.4"));
    s.calculator("5", "6");
    const Strings before = snapshot(s);
    m.mnuRules[static_cast<size_t>(GetParam().index)].userClick();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(m.mnuRules[static_cast<size_t>(i)].checked, i == GetParam().index) << i;
    EXPECT_EQ(m.mnuRules[static_cast<size_t>(GetParam().index)].caption, GetParam().caption);
    EXPECT_EQ(m.lblRule.caption, GetParam().label);
    EXPECT_FALSE(m.lblRule.visible);
    EXPECT_EQ(m.RuleSet, GetParam().index);
    EXPECT_EQ(snapshot(s), before);
    EXPECT_TRUE(s.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sets, RulesMenu,
    ::testing::Values(RuleRow{"Standard", 0, "Standard", "Standard Rules"},
                      RuleRow{"Marathon", 1, "Marathon", "Marathon Rules"},
                      RuleRow{"Netware", 2, "Netware Cluster Services", "Netware Cluster Server Rules"},
                      RuleRow{"Microsoft", 3, "Microsoft Clustering Services",
                              "Microsoft Cluster Server Rules"}),
    [](const ::testing::TestParamInfo<RuleRow> &info) { return std::string(info.param.name); });

TEST(RulesMenuSwitch, ControllerSwitchKeepsTheRuleSet) {
    test::Session s(6);
    MainForm &m = s.main();
    m.mnuRules[1].userClick();
    m.mnuRules[2].userClick();
    switchController(s, 5, MsgAnswer::Yes);
    EXPECT_EQ(m.RuleSet, 2);
    EXPECT_TRUE(m.mnuRules[2].checked);
    EXPECT_FALSE(m.mnuRules[1].checked);
    EXPECT_EQ(m.lblRule.caption, "Netware Cluster Server Rules");
}

// ---- Help and file commands ----

TEST(HelpMenu, EmailShowsTheSuggestionsAddress) {
    test::Session s(6);
    s.main().mnuEmail.userClick();
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, std::string("Send suggestions to ") + appinfo::SuggestionsAddress);
    EXPECT_NE(std::string(appinfo::SuggestionsAddress).find('@'), std::string::npos);
    EXPECT_EQ(s.host.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(s.host.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(s.host.messages[0].title, "Spindex");
}

TEST(FileMenu, PrintConfigurationPrintsTheReport) {
    test::Session s(6);
    ASSERT_TRUE(s.add("0", "2"));
    s.main().mnuPrint.userClick();
    ASSERT_NE(s.program.frmLogicalDriveDisplay(), nullptr);
    EXPECT_EQ(s.host.printed, Strings{"frmLogicalDriveDisplay"});
    s.main().mnuPrintSetup.userClick();
    EXPECT_EQ(s.host.printerSetups.size(), 1u);
}

TEST(FileMenu, ExitWithReportAndGraphicOpenClosesEverything) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "2"));
    m.cmdDataReport.userClick();
    s.program.focus(&m);
    m.cmdDisplayGraphic.userClick();
    ASSERT_NE(s.program.frmLogicalDriveDisplay(), nullptr);
    ASSERT_NE(s.program.frmGraphic(), nullptr);
    m.mnuClose.userClick();
    EXPECT_TRUE(s.program.loadedForms().empty());
    EXPECT_EQ(s.program.frmSpindex(), nullptr);
    EXPECT_EQ(s.program.frmGraphic(), nullptr);
    EXPECT_EQ(s.program.frmLogicalDriveDisplay(), nullptr);
    EXPECT_TRUE(s.program.ended());
    EXPECT_EQ(s.host.endedCount, 1);
    EXPECT_TRUE(s.host.messages.empty());
}

TEST(FileMenu, ExitWithTheAboutBoxOpen) {
    test::Session s(6);
    MainForm &m = s.main();
    m.mnuAbout.userClick();
    m.mnuClose.userClick();
    EXPECT_TRUE(s.program.loadedForms().empty());
    EXPECT_EQ(s.host.endedCount, 1);
}

} // namespace
} // namespace spindex
