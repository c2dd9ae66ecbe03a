// The totals row: drives of the sets (drives times spans, plus local spares) and global spares, the
// usable capacity of the sets, and the slot units in use, which LPSlotsUsed follows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testsession.h"

namespace spindex {
namespace {

using Strings = std::vector<std::string>;

TEST(Totals, EmptyTable) {
    test::Session s(6);
    s.main().CalcTotals();
    EXPECT_EQ(s.totals(), (Strings{"0", "0", "1", "0"}));
    EXPECT_EQ(s.main().LPSlotsUsed, 0);
}

TEST(Totals, OneLowProfileRaidFive) {
    test::Session s(6);
    ASSERT_TRUE(s.add("5", "4", "", "36.4", false));
    EXPECT_EQ(s.totals(), (Strings{"4", "109.2", "1", "4"}));
}

TEST(Totals, HalfHeightSetWithLocalSpare) {
    test::Session s(6);
    ASSERT_TRUE(s.add("5", "4", "", "36.4", true));
    s.main().optLocHotSpr[0].userClick();
    EXPECT_EQ(s.totals(), (Strings{"5", "109.2", "1", "7.5"}));
    EXPECT_EQ(s.main().LPSlotsUsed, 7.5);
}

TEST(Totals, SpannedSetCountsDrivesTimesSpans) {
    test::Session s(1);
    ASSERT_TRUE(s.add("50", "3", "2", "18.2", false));
    EXPECT_EQ(s.totals(), (Strings{"6", "72.8", "1", "6"}));
}

TEST(Totals, HalfHeightGlobalSparesAddDrivesAndUnitsButNoCapacity) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "4", "", "36.4", false));
    m.optGlobHotSpr[0].userClick();
    s.pick(m.cmbGlobalHotSpareSize, "36.4");
    m.optGlobHotSpH[0].userClick();
    m.Text2.userType("2");
    EXPECT_EQ(s.totals(), (Strings{"6", "145.6", "1", "7"}));
}

TEST(Totals, CapacitiesAddUpWithoutRoundingNoise) {
    test::Session s(6);
    ASSERT_TRUE(s.add("5", "4", "", "36.4"));
    ASSERT_TRUE(s.add("1", "2", "", "36.4"));
    ASSERT_TRUE(s.add("0", "3", "", "9.1"));
    EXPECT_EQ(s.totals()[1], "172.9"); // 109.2 + 36.4 + 27.3
    EXPECT_EQ(s.totals()[0], "9");
}

// Every tab counts, enabled or not, and a tab's capacity counts even without a number of drives.
TEST(Totals, CapacityWithoutDrivesCountsOnlyTheCapacity) {
    test::Session s(6);
    MainForm &m = s.main();
    m.field(3, 4).setText("100");
    m.CalcTotals();
    EXPECT_EQ(s.totals(), (Strings{"0", "100", "1", "0"}));
}

TEST(Totals, NumberOfChannelsIsNeverWritten) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "4"));
    m.optGlobHotSpr[0].userClick();
    s.deleteSet(0, MsgAnswer::Yes);
    s.clearAll(MsgAnswer::Yes);
    EXPECT_EQ(m.txtSumTotals[2].text(), "1");
    EXPECT_FALSE(m.txtSumTotals[2].visible);
}

} // namespace
} // namespace spindex
