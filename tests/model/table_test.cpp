// The RAID set table. An add places the calculator's set in the next free tab after two checks, free
// logical drives and free slot units (exact units: half a slot over is over); spanned RAID 10/30/50
// sets on the controllers 1 to 5 take further logical drives from the end of the table. A delete
// closes the gap and gives those logical drives back; clearing all returns the table to its start.
// Both ask first and change nothing on No. The totals row sums drives, capacity and slot units.

#include "testsession.h"

namespace spindex {
namespace {

using test::Strings;

TEST(AddSet, FillsTheFirstFreeTabsAndShowsTheLast) {
    test::Session s(6);
    MainForm& m = s.main();
    s.run("add 5 4 - 36.4; add 1 2 - 72.8; tab 5; add 10 2 3 9.1"); // the tab shown does not choose the place
    EXPECT_EQ(s.tab(0), "5,4,1,36.4,109.2,LP 0/");
    EXPECT_EQ(s.tab(1), "1,2,1,72.8,72.8,HH 0/");
    EXPECT_EQ(s.tab(2), "10,2,3,9.1,27.3,LP 0/");
    EXPECT_FALSE(m.tabHoldsSet(3) || m.tabHoldsSet(5));
    EXPECT_EQ(m.SSTab1.tab(), 2);
    EXPECT_EQ(s.totals(), (Strings{"12", "209.3", "4", "13"})); // 4 + 2 x 1.5 + 6
}

std::string noLogicalDrives(int free, const std::string& sets, const std::string& spans, int required) {
    return "Logical Drive Selection Error (critical): No more Logical Drives Free.  You have " + std::to_string(free) +
           " free logical drives, and you have selected " + sets + " Raid sets \r\n and " + spans +
           " Spans.  This would require " + std::to_string(required) + " free logical drives";
}

std::string noSlots(const std::string& available, const std::string& selected) {
    return "Maximum Drive Selection Error (critical): To many drives selected.  You have " + available +
           " Low Profile drive spaces available, and have selected " + selected +
           " total low profile drive slots to add.";
}

// An add needs one free logical drive per set, times the spans on every controller but the Osprey:
// the Wren and the Finch count the spans too, so that a set can never land on a tab its own
// reservation disables. Then it needs the exact slot units, global spares included: 36.5 units on
// the Heron's 36 slots are refused although they round to 36. A refused add changes nothing.
TEST(AddSet, LogicalDriveAndSlotChecks) {
    const struct {
        const char* name;
        int controller;
        std::string configuration, refusal;
    } rows[] = {
        {"OspreyNeedsOnePerSet", 6, "7 add 0 1; calc 50 3 13", ""},
        {"KeelCountsTheSpans", 7, "7 add 0 1; calc 50 3 2", noLogicalDrives(1, "1", "2", 2)},
        {"WrenCountsTheSpans", 2, "5 add 0 1; calc 10 2 4", noLogicalDrives(3, "1", "4", 4)},
        {"WrenSpansThatFit", 2, "5 add 0 1; calc 10 2 3", ""},
        {"FinchCountsTheSpansOfEverySet", 3, "sets 5; calc 10 2 2", noLogicalDrives(8, "5", "2", 10)},
        {"HeronThreeSetsOfTwoSpans", 4, "3 add 0 1; sets 3; calc 50 3 2", noLogicalDrives(5, "3", "2", 6)},
        {"LogicalDrivesBeforeSlots", 1, "8 add 0 1; calc 0 8", noLogicalDrives(0, "1", "1", 1)},
        {"HalfAUnitOver", 4, "4 add 0 8 - 36.4 lp; calc 5 3 - 36.4 hh", noSlots("4", "4.5")},
        {"ExactlyFull", 4, "3 add 0 8 - 36.4 lp; add 0 5 - 36.4 hh; calc 5 3 - 36.4 hh", ""},
        {"FractionalSpaceLeft", 4, "3 add 0 8 - 36.4 lp; add 0 5 - 36.4 hh; calc 0 5 - 36.4 lp", noSlots("4.5", "5")},
        {"DrivesTimesSpans", 1, "calc 50 4 4", noSlots("12", "16")},
        {"GlobalSparesUseSlots", 1, "global 4; calc 0 8 - 36.4 hh", noSlots("8", "12")},
        {"GlobalSparesLeaveJustEnough", 1, "global 4; calc 0 8 - 36.4 lp", ""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(row.controller);
        MainForm& m = s.main();
        s.run(row.configuration);
        const Strings before = s.snapshot();
        m.cmdAddLogicals.userClick();
        if (row.refusal.empty()) {
            EXPECT_EQ(s.take(), Strings{});
            EXPECT_EQ(m.Text1[5 * m.SSTab1.tab() + 2].text(), m.cmbNumSpans.text());
        } else {
            EXPECT_EQ(s.take(), Strings{row.refusal});
            EXPECT_EQ(s.snapshot(), before);
        }
    }
}

// Several sets in one add; on the controllers 1 to 5 each spanned set disables tabs from the end.
TEST(AddSet, SpannedSetsReserveLogicalDrivesOnControllersOneToFive) {
    const struct {
        const char *name, *set;
        int controller, sets, logDrivesAvail;
    } rows[] = {{"LarkRaid50FourSpans", "add 50 3 4", 1, 1, 5},
                {"WrenRaid10ThreeSpans", "add 10 2 3", 2, 1, 6},
                {"FinchFourSetsOfTwoSpans", "sets 4; add 10 2 2", 3, 4, 4},
                {"HeronThreeSetsOfTwoSpans", "sets 3; add 50 3 2", 4, 3, 5},
                {"HeronRaid30ThreeSpans", "add 30 3 3", 4, 1, 6},
                {"FibreRaid50TwoSpans", "add 50 3 2", 5, 1, 7},
                {"FibreZeroPlusOneReservesNothing", "add 0+1 2 4", 5, 1, 8},
                {"OspreyReservesNothing", "sets 3; add 50 3 4", 6, 3, 8},
                {"MastReservesNothing", "add 30 3 2", 8, 1, 8}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(row.controller);
        MainForm& m = s.main();
        s.run(row.set);
        EXPECT_EQ(m.LogDrivesAvail, row.logDrivesAvail);
        for (int t = 0; t < 8; ++t)
            EXPECT_EQ(m.tabHoldsSet(t), t < row.sets) << t;
        EXPECT_EQ(m.SSTab1.tab(), row.sets - 1);
    }
}

// Eight RAID 0 sets of 1 to 8 drives of 36.4 GB, tabs 1 and 5 at half height, spares on 4, 5 and 7.
// Deleting tab 3 moves the later sets down with their heights and spares, and empties tab 7; deleting
// the last set then empties its tab.
TEST(DeleteSet, MiddleSetOfAFullTable) {
    test::Session s(6);
    s.run("add 0 1 - 36.4 lp; add 0 2 - - hh; add 0 3 - - lp; add 0 4; add 0 5; add 0 6 - - hh; add 0 7 - - lp; "
          "add 0 8; spare 4; spare 5; spare 7");
    s.play("delete 3 yes");
    EXPECT_EQ(s.take(), Strings{"Spindex (yes/no): Are You Sure?"});
    const Strings expected{"0,1,1,36.4,36.4,LP 0/",      "0,2,1,36.4,72.8,HH 0/",
                           "0,3,1,36.4,109.2,LP 0/",     "0,5,1,36.4,182,LP 1/36.4",
                           "0,6,1,36.4,218.4,HH 1/36.4", "0,7,1,36.4,254.8,LP 0/",
                           "0,8,1,36.4,291.2,LP 1/36.4", ",,,,,LP 0/"};
    for (int t = 0; t < 8; ++t)
        EXPECT_EQ(s.tab(t), expected[t]) << t;
    EXPECT_EQ(s.main().SSTab1.tab(), 3);
    EXPECT_EQ(s.totals(), (Strings{"35", "1164.8", "4", "39.5"}));
    s.play("delete 6 yes"); // the last set, with its spare
    EXPECT_EQ(s.tab(5), expected[5]);
    EXPECT_EQ(s.tab(6), ",,,,,LP 0/");
    EXPECT_EQ(s.totals(), (Strings{"26", "873.6", "4", "30.5"}));
}

// A set moves with its spare onto a table full to the last slot: the move is not a new spare. A set
// that moves onto a tab whose spare already says "Yes" brings its own spare size, not the size of the
// set that was there.
TEST(DeleteSet, MovingASpareNeedsNoFreeSlotAndKeepsItsSize) {
    test::Session s(2); // 12 slots
    s.run("add 0 4 - 36.4 lp; add 0 4 - 18.2; add 0 2 - 9.1; spare 1; spare 2");
    ASSERT_EQ(s.totals()[3], "12");
    s.play("delete 0 yes");
    EXPECT_EQ(s.take(), Strings{"Spindex (yes/no): Are You Sure?"});
    EXPECT_EQ(s.tab(0), "0,4,1,18.2,72.8,LP 1/18.2");
    EXPECT_EQ(s.tab(1), "0,2,1,9.1,18.2,LP 1/9.1");
    EXPECT_EQ(s.tab(2), ",,,,,LP 0/");
    EXPECT_EQ(s.totals()[3], "8");
}

// No to either question, or a delete on an empty tab, changes nothing a user can see.
TEST(DeleteSet, NoAndEmptyTabsChangeNothing) {
    test::Session s(4);
    s.run("add 50 3 2; add 0 4; spare 1; global 2; tab 0");
    const Strings before = s.snapshot();
    for (const char* action : {"delete 0 no", "clear no", "delete 2 yes; tab 0"}) {
        s.play(action);
        EXPECT_EQ(s.snapshot(), before) << action;
    }
    EXPECT_EQ(s.take(), (Strings{"Spindex (yes/no): Are You Sure?", "Spindex (yes/no): Are you sure?",
                                 "Spindex (yes/no): Are You Sure?"}));
}

// Heights stay for the next add to set; the calculator is not touched.
TEST(ClearAll, YesEmptiesTheTable) {
    test::Session s(1);
    MainForm& m = s.main();
    s.run("add 0 1 - 72.8; add 50 3 2 18.2 lp; spare 1; global");
    s.play("clear yes");
    EXPECT_EQ(s.take(), Strings{"Spindex (yes/no): Are you sure?"});
    for (int t = 0; t < 8; ++t)
        EXPECT_EQ(s.tab(t), t == 0 ? ",,,,,HH 0/" : ",,,,,LP 0/") << t;
    EXPECT_TRUE(m.optGlobHotSpr[1].value());
    EXPECT_EQ(s.totals(), (Strings{"0", "0", "1", "0"}));
    EXPECT_EQ(m.SSTab1.tab(), 0);
    EXPECT_EQ(m.cmbNumSpans.text(), "2");
    s.run("add 0 8");
    EXPECT_EQ(s.tab(0), "0,8,1,18.2,145.6,LP 0/");
}

} // namespace
} // namespace spindex
