// Deleting the current set closes the gap so that occupied tabs stay contiguous from tab 0, and gives
// back the logical drives a spanned set took; clearing all returns the table to its start. Both ask
// first and change nothing on No.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testsession.h"

namespace spindex {
namespace {

using Strings = std::vector<std::string>;

struct TabState {
    Strings fields;
    bool halfHeight;
    bool spare;
    std::string spareCount;
    std::string spareSize;
    bool operator==(const TabState &) const = default;
};

std::ostream &operator<<(std::ostream &os, const TabState &t) {
    os << "{";
    for (const std::string &f : t.fields)
        os << '"' << f << "\" ";
    return os << (t.halfHeight ? "HH" : "LP") << (t.spare ? " spare " : " no spare ") << t.spareCount << " \""
              << t.spareSize << "\"}";
}

TabState tabState(test::Session &s, int t) {
    MainForm &m = s.main();
    return {s.tabFields(t), m.tabHalfHeight(t), m.optLocHotSpr[static_cast<size_t>(2 * t)].value(),
            m.txtLocSpr[static_cast<size_t>(2 * t)].text(),
            m.txtLocSpr[static_cast<size_t>(2 * t + 1)].text()};
}

std::vector<TabState> table(test::Session &s) {
    std::vector<TabState> states;
    for (int t = 0; t < 8; ++t)
        states.push_back(tabState(s, t));
    return states;
}

const TabState Empty{{"", "", "", "", ""}, false, false, "0", ""};

// Eight RAID 0 sets of 1 to 8 drives of 36.4 GB, odd tabs half height, local spares on the tabs given.
void fillEight(test::Session &s, std::initializer_list<int> spares) {
    for (int t = 0; t < 8; ++t)
        ASSERT_TRUE(s.add("0", std::to_string(t + 1), "", "36.4", t % 2 == 1)) << test::messageTexts(s.host);
    for (int t : spares) {
        s.main().SSTab1.setTab(t);
        s.main().optLocHotSpr[static_cast<size_t>(2 * t)].userClick();
    }
    ASSERT_TRUE(s.host.messages.empty()) << test::messageTexts(s.host);
}

// A RAID 0 set of 36.4 GB drives, as fillEight adds it.
TabState set(int drives, bool halfHeight, bool spare) {
    static const Strings capacity{"", "36.4", "72.8", "109.2", "145.6", "182", "218.4", "254.8", "291.2"};
    const std::string cap = capacity[static_cast<size_t>(drives)];
    return {{"0", std::to_string(drives), "1", "36.4", cap},
            halfHeight,
            spare,
            spare ? "1" : "0",
            spare ? "36.4" : ""};
}

TEST(DeleteSet, MiddleSetMovesTheLaterOnesDownWithHeightAndSpare) {
    test::Session s(6);
    MainForm &m = s.main();
    fillEight(s, {4, 6});
    ASSERT_EQ(s.totals()[3], "48");
    s.deleteSet(3, MsgAnswer::Yes);
    ASSERT_EQ(s.host.messages.size(), 1u);
    const test::Message &q = s.host.messages[0];
    EXPECT_EQ(q.text, "Are You Sure?");
    EXPECT_EQ(q.buttons, MsgButtons::YesNo);
    EXPECT_EQ(q.icon, MsgIcon::None);
    EXPECT_EQ(q.title, "Spindex");
    const std::vector<TabState> expected{set(1, false, false), set(2, true, false),
                                         set(3, false, false), set(5, false, true),
                                         set(6, true, false),  set(7, false, true),
                                         set(8, true, false),  TabState{Empty.fields, true, false, "0", ""}};
    for (int t = 0; t < 8; ++t)
        EXPECT_EQ(tabState(s, t), expected[static_cast<size_t>(t)]) << "tab " << t;
    // The emptied tab keeps the height of the set that left it; the next add sets it again.
    EXPECT_EQ(m.SSTab1.tab(), 3);
    EXPECT_EQ(s.totals(), (Strings{"34", "1164.8", "1", "42"}));
    EXPECT_EQ(m.LPSlotsUsed, 42);
}

TEST(DeleteSet, LastOfEightLeavesTabSevenEmptyWithoutSpare) {
    test::Session s(6);
    MainForm &m = s.main();
    fillEight(s, {7});
    ASSERT_EQ(tabState(s, 7), set(8, true, true));
    s.deleteSet(7, MsgAnswer::Yes);
    EXPECT_EQ(tabState(s, 7).fields, Empty.fields);
    EXPECT_FALSE(m.optLocHotSpr[14].value());
    EXPECT_TRUE(m.optLocHotSpr[15].value());
    EXPECT_EQ(m.txtLocSpr[14].text(), "0");
    EXPECT_EQ(m.txtLocSpr[15].text(), "");
    EXPECT_EQ(tabState(s, 6), set(7, false, false));
    EXPECT_EQ(s.totals()[0], "28");
}

// A set with its spare moves to a table that is full to the last slot: the move is not a new spare.
TEST(DeleteSet, MovingASpareOnAFullTableShowsNoMessage) {
    test::Session s(2); // 12 slots
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "4"));
    ASSERT_TRUE(s.add("0", "4"));
    ASSERT_TRUE(s.add("0", "2"));
    for (int t : {1, 2}) {
        m.SSTab1.setTab(t);
        m.optLocHotSpr[static_cast<size_t>(2 * t)].userClick();
    }
    ASSERT_EQ(m.LPSlotsUsed, 12);
    s.deleteSet(0, MsgAnswer::Yes);
    EXPECT_EQ(s.host.messages.size(), 1u) << test::messageTexts(s.host);
    EXPECT_TRUE(m.optLocHotSpr[0].value());
    EXPECT_EQ(m.txtLocSpr[0].text(), "1");
    EXPECT_EQ(m.txtLocSpr[1].text(), "18.2");
    EXPECT_TRUE(m.optLocHotSpr[2].value());
    EXPECT_EQ(s.tabFields(1)[1], "2");
    EXPECT_FALSE(m.tabHoldsSet(2));
    EXPECT_FALSE(m.optLocHotSpr[4].value());
    EXPECT_EQ(s.totals()[3], "8");
}

// The Heron's three-span RAID 50 took two more logical drives; deleting it gives them back.
TEST(DeleteSet, SpannedSetGivesItsLogicalDrivesBack) {
    test::Session s(4);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("50", "3", "3"));
    for (int t = 1; t <= 5; ++t)
        ASSERT_TRUE(s.add("0", std::to_string(t))) << test::messageTexts(s.host);
    ASSERT_EQ(m.LogDrivesAvail, 6);
    ASSERT_FALSE(m.SSTab1.tabEnabled[6]);
    s.deleteSet(0, MsgAnswer::Yes);
    EXPECT_EQ(m.LogDrivesAvail, 8);
    for (int t = 0; t < 8; ++t)
        EXPECT_TRUE(m.SSTab1.tabEnabled[t]) << t;
    for (int t = 0; t < 5; ++t)
        EXPECT_EQ(s.tabFields(t)[1], std::to_string(t + 1)) << t;
    EXPECT_FALSE(m.tabHoldsSet(5));
    EXPECT_EQ(m.SSTab1.tab(), 0);
}

TEST(DeleteSet, OspreyGivesNothingBack) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("50", "3", "3"));
    for (int t = 1; t <= 5; ++t)
        ASSERT_TRUE(s.add("0", std::to_string(t)));
    ASSERT_EQ(m.LogDrivesAvail, 8);
    s.deleteSet(0, MsgAnswer::Yes);
    EXPECT_EQ(m.LogDrivesAvail, 8);
    for (int t = 0; t < 8; ++t)
        EXPECT_TRUE(m.SSTab1.tabEnabled[t]) << t;
    EXPECT_EQ(s.tabFields(4)[1], "5");
    EXPECT_FALSE(m.tabHoldsSet(5));
}

TEST(DeleteSet, SpannedSetInTheMiddleOfTheLark) {
    test::Session s(1);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "1"));
    ASSERT_TRUE(s.add("10", "2", "3"));
    ASSERT_TRUE(s.add("0", "2"));
    ASSERT_EQ(m.LogDrivesAvail, 6);
    s.deleteSet(1, MsgAnswer::Yes);
    EXPECT_EQ(m.LogDrivesAvail, 8);
    EXPECT_EQ(s.tabFields(1), (Strings{"0", "2", "1", "18.2", "36.4"}));
    EXPECT_FALSE(m.tabHoldsSet(2));
    EXPECT_EQ(s.totals(), (Strings{"3", "54.6", "1", "3"}));
}

TEST(DeleteSet, AnswerNoChangesNothing) {
    test::Session s(4);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("50", "3", "2"));
    ASSERT_TRUE(s.add("0", "4"));
    const std::vector<TabState> before = table(s);
    const Strings totals = s.totals();
    s.deleteSet(0, MsgAnswer::No);
    EXPECT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(table(s), before);
    EXPECT_EQ(s.totals(), totals);
    EXPECT_EQ(m.LogDrivesAvail, 7);
    EXPECT_FALSE(m.SSTab1.tabEnabled[7]);
}

TEST(DeleteSet, EmptyTabChangesNothingBeyondTheQuestion) {
    test::Session s(6);
    ASSERT_TRUE(s.add("0", "4"));
    ASSERT_TRUE(s.add("0", "5"));
    const std::vector<TabState> before = table(s);
    s.deleteSet(4, MsgAnswer::Yes);
    EXPECT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(table(s), before);
    EXPECT_EQ(s.main().SSTab1.tab(), 4);
}

// ---- Clear all ----

TEST(ClearAll, YesEmptiesTheTableAndKeepsTheHeights) {
    test::Session s(1);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "1", "", "72.8"));
    ASSERT_TRUE(s.add("50", "3", "2", "18.2", false));
    m.optLocHotSpr[2].userClick();
    m.optGlobHotSpr[0].userClick();
    ASSERT_EQ(m.LogDrivesAvail, 7);
    ASSERT_EQ(m.cmbGlobalHotSpareSize.text(), "72.8");
    s.clearAll(MsgAnswer::Yes);
    ASSERT_EQ(s.host.messages.size(), 1u);
    const test::Message &q = s.host.messages[0];
    EXPECT_EQ(q.text, "Are you sure?");
    EXPECT_EQ(q.buttons, MsgButtons::YesNo);
    EXPECT_EQ(q.icon, MsgIcon::None);
    EXPECT_EQ(q.title, "Spindex");
    for (int t = 0; t < 8; ++t) {
        EXPECT_EQ(s.tabFields(t), Empty.fields) << t;
        EXPECT_TRUE(m.optLocHotSpr[static_cast<size_t>(2 * t + 1)].value()) << t;
        EXPECT_EQ(m.txtLocSpr[static_cast<size_t>(2 * t)].text(), "0") << t;
        EXPECT_TRUE(m.SSTab1.tabEnabled[t]) << t;
    }
    EXPECT_TRUE(m.tabHalfHeight(0)); // heights are left for the next add to set
    EXPECT_TRUE(m.optGlobHotSpr[1].value());
    EXPECT_EQ(m.Text2.text(), "0");
    EXPECT_FALSE(m.Text2.enabled);
    EXPECT_EQ(m.cmbGlobalHotSpareSize.listIndex(), -1);
    EXPECT_EQ(s.totals(), (Strings{"0", "0", "1", "0"}));
    EXPECT_EQ(m.LPSlotsUsed, 0);
    EXPECT_EQ(m.LogDrivesAvail, 8);
    EXPECT_EQ(m.SSTab1.tab(), 0);
    EXPECT_EQ(m.ClearAllNoAsk, False);
    // The calculator is not touched.
    EXPECT_EQ(m.cmbRaidLevel.text(), "50");
    EXPECT_EQ(m.cmbNumSpans.text(), "2");
}

TEST(ClearAll, NoChangesNothing) {
    test::Session s(1);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("10", "2", "4"));
    m.optGlobHotSpr[0].userClick();
    const std::vector<TabState> before = table(s);
    const Strings totals = s.totals();
    s.clearAll(MsgAnswer::No);
    EXPECT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(table(s), before);
    EXPECT_EQ(s.totals(), totals);
    EXPECT_EQ(m.LogDrivesAvail, 5);
    EXPECT_FALSE(m.SSTab1.tabEnabled[5]);
    EXPECT_TRUE(m.optGlobHotSpr[0].value());
    EXPECT_EQ(m.Text2.text(), "1");
    EXPECT_EQ(m.ClearAllNoAsk, False);
}

TEST(ClearAll, ClearedTableTakesNewSetsFromTabZero) {
    test::Session s(1);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("50", "3", "4"));
    s.clearAll(MsgAnswer::Yes);
    ASSERT_TRUE(s.add("0", "8"));
    EXPECT_TRUE(m.tabHoldsSet(0));
    EXPECT_EQ(s.totals()[3], "8");
}

} // namespace
} // namespace spindex
