// Adding sets: the calculator's set goes to the next free tab after two checks, free logical drives
// and free slot units; spanned RAID 10/30/50 sets on the controllers 1 to 5 take further logical drives
// from the end of the table.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testsession.h"

namespace spindex {
namespace {

using Strings = std::vector<std::string>;

std::string noLogicalDrives(int free, const std::string &sets, const std::string &spans, int required) {
    return "No more Logical Drives Free.  You have " + std::to_string(free) +
           " free logical drives, and you have selected " + sets + " Raid sets \r\n and " + spans +
           " Spans.  This would require " + std::to_string(required) + " free logical drives";
}

std::string tooManyDrives(const std::string &available, const std::string &selected) {
    return "To many drives selected.  You have " + available +
           " Low Profile drive spaces available, and have selected " + selected +
           " total low profile drive slots to add.";
}

// The number of RAID sets is a list the window never shows; its entries come from code.
void selectRaidSets(MainForm &m, const std::string &count) {
    m.cmbNumRdSets.addItem(count);
    m.cmbNumRdSets.userPick(m.cmbNumRdSets.indexOf(count));
}

std::vector<bool> enabledTabs(const MainForm &m) {
    return std::vector<bool>(m.SSTab1.tabEnabled.begin(), m.SSTab1.tabEnabled.end());
}

TEST(AddSet, FillsTheFirstFreeTabsInOrderAndShowsTheLast) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("5", "4", "", "36.4"));
    EXPECT_EQ(m.SSTab1.tab(), 0);
    ASSERT_TRUE(s.add("1", "2", "", "72.8"));
    EXPECT_EQ(m.SSTab1.tab(), 1);
    ASSERT_TRUE(s.add("10", "2", "3", "9.1"));
    EXPECT_EQ(m.SSTab1.tab(), 2);
    EXPECT_EQ(s.tabFields(0), (Strings{"5", "4", "1", "36.4", "109.2"}));
    EXPECT_EQ(s.tabFields(1), (Strings{"1", "2", "1", "72.8", "72.8"}));
    EXPECT_EQ(s.tabFields(2), (Strings{"10", "2", "3", "9.1", "27.3"}));
    EXPECT_TRUE(m.optLogDriveH[1].value());
    EXPECT_TRUE(m.optLogDriveH[2].value()); // 72.8 GB drives are half height
    EXPECT_TRUE(m.optLogDriveH[5].value());
    EXPECT_FALSE(m.tabHoldsSet(3));
    EXPECT_EQ(s.totals(), (Strings{"12", "209.3", "1", "13"})); // 4 + 2 x 1.5 + 6
    EXPECT_EQ(m.LogDrivesAvail, 8);                             // the Osprey reserves nothing
}

// The table takes the first free tab even when the user looks at another one.
TEST(AddSet, TheCurrentTabDoesNotChooseThePlace) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "2"));
    m.SSTab1.setTab(5);
    ASSERT_TRUE(s.add("0", "3"));
    EXPECT_EQ(s.tabFields(1)[1], "3");
    EXPECT_FALSE(m.tabHoldsSet(5));
    EXPECT_EQ(m.SSTab1.tab(), 1);
}

TEST(AddSet, LocalSpareOfTheTabIsNotTouched) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "2"));
    EXPECT_TRUE(m.optLocHotSpr[1].value());
    EXPECT_EQ(m.txtLocSpr[0].text(), "0");
    EXPECT_EQ(m.txtLocSpr[1].text(), "");
}

TEST(AddSet, EightOccupiedTabsRefuseAnyAdd) {
    test::Session s(6);
    MainForm &m = s.main();
    for (int t = 0; t < 8; ++t)
        ASSERT_TRUE(s.add("0", "1"));
    const std::vector<std::string> before = s.tabFields(7);
    m.cmdAddLogicals.userClick();
    ASSERT_EQ(s.host.messages.size(), 1u);
    const test::Message &msg = s.host.messages[0];
    EXPECT_EQ(msg.text, noLogicalDrives(0, "1", "1", 1));
    EXPECT_EQ(msg.title, "Logical Drive Selection Error");
    EXPECT_EQ(msg.icon, MsgIcon::Critical);
    EXPECT_EQ(msg.buttons, MsgButtons::Ok);
    EXPECT_EQ(s.tabFields(7), before);
    EXPECT_EQ(s.totals()[0], "8");
}

// The span count of the message is the list's text even where the check counts one per set.
TEST(AddSet, KeelCountsSpansWithoutReserving) {
    test::Session s(7);
    MainForm &m = s.main();
    for (int t = 0; t < 7; ++t)
        ASSERT_TRUE(s.add("0", "1"));
    EXPECT_FALSE(s.add("50", "3", "2"));
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, noLogicalDrives(1, "1", "2", 2));
    EXPECT_FALSE(m.tabHoldsSet(7));
}

TEST(AddSet, KeelSpannedSetReservesNothing) {
    test::Session s(7);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("50", "3", "2"));
    EXPECT_EQ(m.LogDrivesAvail, 8);
    EXPECT_EQ(enabledTabs(m), std::vector<bool>(8, true));
}

TEST(AddSet, OspreyNeedsOneLogicalDrivePerSet) {
    test::Session s(6);
    MainForm &m = s.main();
    for (int t = 0; t < 7; ++t)
        ASSERT_TRUE(s.add("0", "1"));
    ASSERT_TRUE(s.add("50", "3", "13"));
    EXPECT_EQ(s.tabFields(7)[2], "13");
    EXPECT_EQ(m.LogDrivesAvail, 8);
}

// Three sets in one add: the Heron reserves a further logical drive for each two-span set.
TEST(AddSet, HeronThreeSpannedSetsReserveThreeTabs) {
    test::Session s(4);
    MainForm &m = s.main();
    s.calculator("50", "3", "2");
    selectRaidSets(m, "3");
    m.cmdAddLogicals.userClick();
    EXPECT_TRUE(s.host.messages.empty()) << test::messageTexts(s.host);
    for (int t = 0; t < 3; ++t)
        EXPECT_EQ(s.tabFields(t), (Strings{"50", "3", "2", "18.2", "72.8"})) << t;
    EXPECT_FALSE(m.tabHoldsSet(3));
    EXPECT_EQ(m.LogDrivesAvail, 5);
    EXPECT_EQ(enabledTabs(m), (std::vector<bool>{true, true, true, true, true, false, false, false}));
    EXPECT_EQ(m.SSTab1.tab(), 2);
    EXPECT_EQ(s.totals(), (Strings{"18", "218.4", "1", "18"}));
}

TEST(AddSet, OspreyThreeSpannedSetsReserveNothing) {
    test::Session s(6);
    MainForm &m = s.main();
    s.calculator("50", "3", "2");
    selectRaidSets(m, "3");
    m.cmdAddLogicals.userClick();
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_TRUE(m.tabHoldsSet(2));
    EXPECT_EQ(m.LogDrivesAvail, 8);
    EXPECT_EQ(enabledTabs(m), std::vector<bool>(8, true));
}

TEST(AddSet, HeronThreeSetsOfTwoSpansNeedSixFreeLogicalDrives) {
    test::Session s(4);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "1"));
    ASSERT_TRUE(s.add("0", "1"));
    ASSERT_TRUE(s.add("0", "1"));
    s.calculator("50", "3", "2");
    selectRaidSets(m, "3");
    m.cmdAddLogicals.userClick();
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, noLogicalDrives(5, "3", "2", 6));
    EXPECT_FALSE(m.tabHoldsSet(3));
    EXPECT_EQ(m.LogDrivesAvail, 8);
}

struct ReserveRow {
    const char *name;
    int controller;
    const char *level;
    const char *drives;
    const char *spans;
    int logDrivesAvail;
};

void PrintTo(const ReserveRow &row, std::ostream *os) {
    *os << row.name;
}

class SpannedReservation : public ::testing::TestWithParam<ReserveRow> {};

TEST_P(SpannedReservation, TabsFromTheEndAreDisabled) {
    const ReserveRow &row = GetParam();
    test::Session s(row.controller);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add(row.level, row.drives, row.spans)) << test::messageTexts(s.host);
    EXPECT_EQ(m.LogDrivesAvail, row.logDrivesAvail);
    for (int t = 0; t < 8; ++t)
        EXPECT_EQ(m.SSTab1.tabEnabled[t], t < row.logDrivesAvail) << "tab " << t;
}

INSTANTIATE_TEST_SUITE_P(
    Controllers, SpannedReservation,
    ::testing::Values(ReserveRow{"LarkRaid50FourSpans", 1, "50", "3", "4", 5},
                      ReserveRow{"LarkRaid10TwoSpans", 1, "10", "2", "2", 7},
                      ReserveRow{"WrenRaid10ThreeSpans", 2, "10", "2", "3", 6},
                      ReserveRow{"FinchRaid50FourSpans", 3, "50", "3", "4", 5},
                      ReserveRow{"HeronRaid30ThreeSpans", 4, "30", "3", "3", 6},
                      ReserveRow{"FibreChannelRaid50TwoSpans", 5, "50", "3", "2", 7},
                      ReserveRow{"FibreChannelZeroPlusOneReservesNothing", 5, "0+1", "2", "4", 8},
                      ReserveRow{"OspreyRaid50ReservesNothing", 6, "50", "3", "4", 8},
                      ReserveRow{"KeelRaid10ReservesNothing", 7, "10", "2", "3", 8},
                      ReserveRow{"MastRaid30ReservesNothing", 8, "30", "3", "2", 8}),
    [](const ::testing::TestParamInfo<ReserveRow> &info) { return std::string(info.param.name); });

// The Wren and the Finch count the spans in the logical-drive check: a four-span set on the sixth tab
// would otherwise land on a tab that its own reservation disables.
TEST(AddSet, WrenCountsTheSpansOfASpannedSet) {
    test::Session s(2);
    MainForm &m = s.main();
    for (int t = 0; t < 5; ++t)
        ASSERT_TRUE(s.add("0", "1"));
    EXPECT_FALSE(s.add("10", "2", "4"));
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, noLogicalDrives(3, "1", "4", 4));
    EXPECT_EQ(s.host.messages[0].title, "Logical Drive Selection Error");
    EXPECT_FALSE(m.tabHoldsSet(5));
    EXPECT_EQ(m.LogDrivesAvail, 8);
    ASSERT_TRUE(s.add("10", "2", "3"));
    EXPECT_TRUE(m.tabHoldsSet(5));
    EXPECT_EQ(m.LogDrivesAvail, 6);
    EXPECT_TRUE(m.SSTab1.tabEnabled[5]);
}

TEST(AddSet, FinchSeveralSpannedSetsInOneAddStayOnEnabledTabs) {
    test::Session s(3);
    MainForm &m = s.main();
    s.calculator("10", "2", "2");
    selectRaidSets(m, "5");
    m.cmdAddLogicals.userClick();
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, noLogicalDrives(8, "5", "2", 10));
    EXPECT_FALSE(m.tabHoldsSet(0));
    m.cmbNumRdSets.userPick(m.cmbNumRdSets.indexOf("1"));
    selectRaidSets(m, "4");
    m.cmdAddLogicals.userClick();
    EXPECT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(m.LogDrivesAvail, 4);
    for (int t = 0; t < 4; ++t)
        EXPECT_TRUE(m.tabHoldsSet(t) && m.SSTab1.tabEnabled[t]) << t;
}

// ---- Slot units ----

// The Heron's three channels give 36 slots; four sets of eight low-profile drives use 32 of them.
TEST(AddSetSlots, HalfAUnitOverTheLimitIsRefused) {
    test::Session s(4);
    MainForm &m = s.main();
    for (int t = 0; t < 4; ++t)
        ASSERT_TRUE(s.add("0", "8"));
    ASSERT_EQ(m.LPSlotsUsed, 32);
    EXPECT_FALSE(s.add("5", "3", "", "36.4", true)); // 4.5 units: 36.5 > 36
    ASSERT_EQ(s.host.messages.size(), 1u);
    const test::Message &msg = s.host.messages[0];
    EXPECT_EQ(msg.text, tooManyDrives("4", "4.5"));
    EXPECT_EQ(msg.title, "Maximum Drive Selection Error");
    EXPECT_EQ(msg.icon, MsgIcon::Critical);
    EXPECT_EQ(msg.buttons, MsgButtons::Ok);
    EXPECT_FALSE(m.tabHoldsSet(4));
    EXPECT_EQ(m.LPSlotsUsed, 32);
}

TEST(AddSetSlots, OneAndAHalfUnitsOverAreRefusedWithTheirFigures) {
    test::Session s(4);
    MainForm &m = s.main();
    for (int t = 0; t < 4; ++t)
        ASSERT_TRUE(s.add("0", "8"));
    ASSERT_TRUE(s.add("0", "1"));
    EXPECT_FALSE(s.add("5", "3", "", "36.4", true));
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, tooManyDrives("3", "4.5"));
    EXPECT_FALSE(m.tabHoldsSet(5));
}

TEST(AddSetSlots, ExactlyFullIsAccepted) {
    test::Session s(4);
    MainForm &m = s.main();
    for (int t = 0; t < 3; ++t)
        ASSERT_TRUE(s.add("0", "8"));
    ASSERT_TRUE(s.add("0", "5", "", "36.4", true)); // 7.5 units
    ASSERT_EQ(m.LPSlotsUsed, 31.5);
    ASSERT_TRUE(s.add("5", "3", "", "36.4", true)); // 4.5 units: 36
    EXPECT_EQ(m.LPSlotsUsed, 36);
    EXPECT_EQ(s.totals()[3], "36");
}

TEST(AddSetSlots, FractionalFreeSpaceIsWrittenAsItIs) {
    test::Session s(4);
    MainForm &m = s.main();
    for (int t = 0; t < 3; ++t)
        ASSERT_TRUE(s.add("0", "8"));
    ASSERT_TRUE(s.add("0", "5", "", "36.4", true));
    EXPECT_FALSE(s.add("0", "5", "", "36.4", false));
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, tooManyDrives("4.5", "5"));
    EXPECT_FALSE(m.tabHoldsSet(4));
}

TEST(AddSetSlots, SpannedSetCountsDrivesTimesSpans) {
    test::Session s(1); // 12 slots
    MainForm &m = s.main();
    EXPECT_FALSE(s.add("50", "4", "4"));
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, tooManyDrives("12", "16"));
    EXPECT_EQ(m.LogDrivesAvail, 8);
    EXPECT_EQ(enabledTabs(m), std::vector<bool>(8, true));
}

// Global spares use slots too: the add is checked against everything in use.
TEST(AddSetSlots, GlobalSparesCountAgainstTheAdd) {
    test::Session s(1);
    MainForm &m = s.main();
    m.optGlobHotSpr[0].userClick();
    m.Text2.userType("4");
    ASSERT_EQ(m.LPSlotsUsed, 4);
    EXPECT_FALSE(s.add("0", "8", "", "18.2", true)); // 12 units
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, tooManyDrives("8", "12"));
    ASSERT_TRUE(s.add("0", "8", "", "18.2", false));
}

// The logical-drive check comes first: with both limits broken only its message shows.
TEST(AddSetSlots, LogicalDriveCheckComesFirst) {
    test::Session s(1);
    for (int t = 0; t < 8; ++t)
        ASSERT_TRUE(s.add("0", "1"));
    EXPECT_FALSE(s.add("0", "8"));
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].title, "Logical Drive Selection Error");
}

} // namespace
} // namespace spindex
