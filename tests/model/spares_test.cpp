// Hot spares take slot units like any drive (1.5 for a half-height one) and add no capacity. No way
// of adding one may push the slots in use past MaxSlots: a local spare, the global group, its count,
// size and height are all checked against the exact units, and the global spares already counted are
// counted once. A set's drive height stays as it was added.

#include <map>

#include "testsession.h"

namespace spindex {
namespace {

using test::Strings;

const std::string NoFreeDrives = "Spindex: No Free Drives to add a spare";
const std::string TooManyTotal = "Spindex: Too many total drives, choose less drives";

// A local spare is one drive of its set's size, and one on an empty tab springs back. A user's click
// on a set's height, or on an empty tab's, is undone.
TEST(LocalSpare, OneSpareOfTheSetsSizeAndTheHeightAsAdded) {
    test::Session s(6);
    MainForm& m = s.main();
    s.run("add 5 4 - 36.4 lp; add 0 4 - 36.4 hh; spare 2");
    EXPECT_EQ(s.tab(2), ",,,,,LP 0/");
    EXPECT_TRUE(m.optLocHotSpr[5].value());
    s.run("spare 0");
    EXPECT_EQ(s.tab(0), "5,4,1,36.4,109.2,LP 1/36.4");
    EXPECT_EQ(s.totals(), (Strings{"9", "254.8", "4", "11"}));
    m.optLocHotSpr[1].userClick();
    EXPECT_EQ(s.totals()[0], "8");
    for (int t : {0, 1, 4}) {
        m.SSTab1.userSelectTab(t);
        m.optLogDriveH[2 * t + (m.tabHalfHeight(t) ? 1 : 0)].userClick();
    }
    EXPECT_EQ(s.tab(0), "5,4,1,36.4,109.2,LP 0/");
    EXPECT_EQ(s.tab(1), "0,4,1,36.4,145.6,HH 0/");
    EXPECT_EQ(s.tab(4), ",,,,,LP 0/");
}

// The slot units after one action on a spare, with the message it shows, if any, and the global
// count it leaves. A global count that does not fit falls back to one spare, or to none.
TEST(Spares, NeverMoreSlotUnitsThanSlots) {
    const std::string wrenNearlyFull = "add 0 6 - 36.4 hh; add 0 2 - 18.2 lp",
                      heronNearlyFull = "4 add 0 8 - 36.4 lp; add 0 ";
    const struct {
        const char* name;
        int controller;
        std::string configuration;
        const char *action, *units, *count;
        Strings messages;
    } rows[] = {
        // The Wren's 12 slots with 9 units of a half-height set and 2 of a low-profile one.
        {"LocalHalfHeightSpare", 2, wrenNearlyFull, "spare 0", "11", "0", {NoFreeDrives}},
        {"LocalSpareFillsTheLastSlot", 2, wrenNearlyFull, "spare 1", "12", "0", {}},
        // The Heron's 36 slots with four sets of eight low-profile drives and one more set.
        {"GlobalWithNoSlotLeft", 4, heronNearlyFull + "4 - 36.4 lp", "global", "36", "0", {NoFreeDrives}},
        {"GlobalLargeDriveDoesNotFit", 4, heronNearlyFull + "2 - 72.8", "global", "35", "0", {TooManyTotal}},
        {"GlobalFillsTheLastSlot", 4, heronNearlyFull + "3 - 36.4 lp", "global", "36", "1", {}},
        // The Lark's 12 slots with low-profile sets: the spares already counted are counted once.
        {"CountOfAllThatFit", 1, "add 0 8; global 1", "type 4", "12", "4", {}},
        {"CountTooHigh", 1, "add 0 8; add 0 2; global 1", "type 3", "11", "1", {TooManyTotal}},
        {"CountAsHighAsFits", 1, "add 0 8; add 0 2; global 1", "type 2", "12", "2", {}},
        {"FallBackToTheSpareThatFillsTheLastSlot",
         1,
         "add 0 8; add 0 3; global 1",
         "type 2",
         "12",
         "1",
         {TooManyTotal}},
        {"HalfHeightCountNotRounded", 1, "add 0 8; global 1; globalsize 72.8", "type 3", "9.5", "1", {TooManyTotal}},
        {"HalfHeightCountThatFits", 1, "add 0 8; global 1; globalsize 72.8", "type 2", "11", "2", {}},
        // A new height or size changes the units of the spares already counted; 32 units of sets.
        {"HalfHeightFits", 4, "4 add 0 8; global 2", "globalhh", "35", "2", {}},
        {"HalfHeightOverfills", 4, "4 add 0 8; global 4", "globalhh", "33.5", "1", {TooManyTotal}},
        {"SizeThatForcesHalfHeight", 4, "4 add 0 8; add 0 3; global 1", "globalsize 72.8", "35", "0", {TooManyTotal}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(row.controller);
        MainForm& m = s.main();
        s.run(row.configuration);
        s.play(row.action);
        EXPECT_EQ(s.take(), row.messages);
        EXPECT_EQ(s.totals()[3], row.units);
        EXPECT_EQ(m.Text2.text(), row.count);
        EXPECT_EQ(m.optGlobHotSpr[0].value(), std::string(row.count) != "0");
        EXPECT_EQ(m.cmbGlobalHotSpareSize.listIndex() == -1, std::string(row.count) == "0");
    }
}

// "Yes" preselects the largest drive size in use (the first without sets) with the height it allows;
// a second click on it keeps the count; "No" takes the size and the count away.
TEST(GlobalSpare, YesPreselectsTheLargestSizeInUse) {
    for (const auto& [configuration, preselected, halfHeight] :
         {std::tuple{"", "9.1", false},
          {"add 0 2 - 18.2; add 0 2 - 36.4; add 0 2 - 9.1", "36.4", false},
          {"add 0 2 - 72.8", "72.8", true}}) {
        SCOPED_TRACE(configuration);
        test::Session s(6);
        MainForm& m = s.main();
        s.run(std::string(configuration) + (*configuration ? "; " : "") + "globalhh; global");
        EXPECT_EQ(m.cmbGlobalHotSpareSize.text(), preselected);
        EXPECT_EQ(m.optGlobHotSpH[0].value(), halfHeight);
        EXPECT_EQ(m.Text2.text(), "1");
        s.run("type 3; global");
        EXPECT_EQ(m.Text2.text(), "3");
        m.optGlobHotSpr[1].userClick();
        EXPECT_EQ(m.cmbGlobalHotSpareSize.listIndex(), -1);
        EXPECT_EQ(m.Text2.text(), "0");
    }
}

// From a count of 2 the user types one text: the whole numbers 0 to 4 (above becomes 4) and the empty
// text while typing, which counts as no spare; anything else gives the last valid count back, without
// a message. The box takes typing only while "Yes" is selected.
TEST(GlobalSpare, TypedCount) {
    // Typed, then shown after the colon.
    for (const std::string row : {"0:0", "3:3", "4:4", "5:4", "99:4", ":", "x:2", "-:2", "-1:2", "1.5:2", "3a:2", " :2",
                                  "1000:4", "99999:4", "0003:0003", "00:00", "123456789012345678901234567890:4"}) {
        SCOPED_TRACE('"' + row + '"');
        const std::string typed = row.substr(0, row.rfind(':')), shown = row.substr(row.rfind(':') + 1);
        test::Session s(6);
        MainForm& m = s.main();
        s.run("add 0 5; global 2");
        m.Text2.userType(typed);
        EXPECT_EQ(m.Text2.text(), shown);
        const std::map<std::string, std::string> drives{{"0", "5"}, {"3", "8"},    {"4", "9"}, {"", "5"},
                                                        {"2", "7"}, {"0003", "8"}, {"00", "5"}};
        EXPECT_EQ(s.totals()[0], drives.at(shown));
        EXPECT_EQ(s.take(), Strings{});
    }
}

TEST(GlobalSpare, SizeDecidesTheHeightWhereOnlyOneExists) {
    test::Session s(6);
    MainForm& m = s.main();
    s.run("global");
    for (const auto& [size, clickHalfHeight, halfHeight] : {std::tuple{"72.8", false, true},
                                                            {"36.4", false, true},
                                                            {"9.1", false, false},
                                                            {"9.1", true, false},
                                                            {"18.2", true, true}}) {
        SCOPED_TRACE(size);
        s.pick(m.cmbGlobalHotSpareSize, size);
        if (clickHalfHeight)
            m.optGlobHotSpH[0].userClick();
        EXPECT_EQ(m.optGlobHotSpH[0].value(), halfHeight);
    }
}

} // namespace
} // namespace spindex
