// Hot spares take slot units like any drive and add no capacity. No way of adding one may push the
// slots in use past MaxSlots: a local spare, the global group, its count, size and height are all
// checked against the exact units (1.5 for a half-height spare). A set's drive height stays as added.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testsession.h"

namespace spindex {
namespace {

using Strings = std::vector<std::string>;

const char *const NoFreeDrives = "No Free Drives to add a spare";
const char *const TooManyTotal = "Too many total drives, choose less drives";

void expectPlainMessage(const test::Message &msg, const std::string &text) {
    EXPECT_EQ(msg.text, text);
    EXPECT_EQ(msg.buttons, MsgButtons::Ok);
    EXPECT_EQ(msg.icon, MsgIcon::None);
    EXPECT_EQ(msg.title, "Spindex");
}

// ---- Local spares ----

TEST(LocalSpare, EmptyTabSpringsBackWithoutMessage) {
    test::Session s(6);
    MainForm &m = s.main();
    m.SSTab1.setTab(2);
    m.optLocHotSpr[4].userClick();
    EXPECT_FALSE(m.optLocHotSpr[4].value());
    EXPECT_TRUE(m.optLocHotSpr[5].value());
    EXPECT_EQ(m.txtLocSpr[4].text(), "0");
    EXPECT_EQ(m.txtLocSpr[5].text(), "");
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_EQ(s.totals()[0], "0");
}

TEST(LocalSpare, YesShowsOneSpareOfTheSetsSizeAndCountsIt) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("5", "4", "", "36.4"));
    m.optLocHotSpr[0].userClick();
    EXPECT_EQ(m.txtLocSpr[0].text(), "1");
    EXPECT_EQ(m.txtLocSpr[1].text(), "36.4");
    EXPECT_EQ(s.totals(), (Strings{"5", "109.2", "1", "5"}));
    m.optLocHotSpr[1].userClick();
    EXPECT_EQ(m.txtLocSpr[0].text(), "0");
    EXPECT_EQ(m.txtLocSpr[1].text(), "");
    EXPECT_EQ(s.totals(), (Strings{"4", "109.2", "1", "4"}));
}

TEST(LocalSpare, HalfHeightSetSpareTakesOneAndAHalfUnits) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("5", "4", "", "36.4", true));
    ASSERT_EQ(s.totals()[3], "6");
    m.optLocHotSpr[0].userClick();
    EXPECT_EQ(s.totals(), (Strings{"5", "109.2", "1", "7.5"}));
    EXPECT_EQ(m.LPSlotsUsed, 7.5);
}

// The Wren has 12 slots: a half-height set of 6 (9 units) and a low-profile set of 2 use 11.
TEST(LocalSpare, RefusedWhenItsUnitsDoNotFit) {
    test::Session s(2);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "6", "", "36.4", true));
    ASSERT_TRUE(s.add("0", "2", "", "18.2", false));
    ASSERT_EQ(m.LPSlotsUsed, 11);
    m.SSTab1.setTab(0);
    m.optLocHotSpr[0].userClick(); // 1.5 units: 12.5 > 12
    ASSERT_EQ(s.host.messages.size(), 1u);
    expectPlainMessage(s.host.messages[0], NoFreeDrives);
    EXPECT_TRUE(m.optLocHotSpr[1].value());
    EXPECT_EQ(m.txtLocSpr[0].text(), "0");
    EXPECT_EQ(m.txtLocSpr[1].text(), "");
    EXPECT_EQ(s.totals()[3], "11");
    m.SSTab1.setTab(1);
    m.optLocHotSpr[2].userClick(); // 1 unit: exactly 12
    EXPECT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(m.txtLocSpr[2].text(), "1");
    EXPECT_EQ(s.totals()[3], "12");
}

TEST(LocalSpare, FullTableRefusesALowProfileSpare) {
    test::Session s(1);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "8"));
    ASSERT_TRUE(s.add("0", "4"));
    m.optLocHotSpr[2].userClick();
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, NoFreeDrives);
    EXPECT_TRUE(m.optLocHotSpr[3].value());
    EXPECT_EQ(m.LPSlotsUsed, 12);
}

// ---- Global spares ----

TEST(GlobalSpare, EmptyTablePreselectsTheFirstSizeAndLowProfile) {
    test::Session s(6);
    MainForm &m = s.main();
    m.optGlobHotSpH[0].userClick();
    m.optGlobHotSpr[0].userClick();
    EXPECT_EQ(m.cmbGlobalHotSpareSize.text(), "9.1");
    EXPECT_TRUE(m.optGlobHotSpH[1].value());
    EXPECT_EQ(m.Text2.text(), "1");
    EXPECT_TRUE(m.Text2.enabled);
    EXPECT_EQ(s.totals(), (Strings{"1", "0", "1", "1"}));
    EXPECT_TRUE(s.host.messages.empty());
}

TEST(GlobalSpare, PreselectsTheLargestDriveInUse) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "2", "", "18.2"));
    ASSERT_TRUE(s.add("0", "2", "", "36.4"));
    ASSERT_TRUE(s.add("0", "2", "", "9.1"));
    m.optGlobHotSpr[0].userClick();
    EXPECT_EQ(m.cmbGlobalHotSpareSize.text(), "36.4");
    EXPECT_TRUE(m.optGlobHotSpH[1].value());
}

TEST(GlobalSpare, LargeDrivesPreselectHalfHeight) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "2", "", "72.8"));
    m.optGlobHotSpr[0].userClick();
    EXPECT_EQ(m.cmbGlobalHotSpareSize.text(), "72.8");
    EXPECT_TRUE(m.optGlobHotSpH[0].value());
    EXPECT_EQ(s.totals(), (Strings{"3", "145.6", "1", "4.5"}));
}

TEST(GlobalSpare, NoMeansNoSizeAndCountZero) {
    test::Session s(6);
    MainForm &m = s.main();
    m.optGlobHotSpr[0].userClick();
    m.Text2.userType("3");
    m.optGlobHotSpr[1].userClick();
    EXPECT_EQ(m.cmbGlobalHotSpareSize.listIndex(), -1);
    EXPECT_EQ(m.Text2.text(), "0");
    EXPECT_FALSE(m.Text2.enabled);
    EXPECT_EQ(s.totals(), (Strings{"0", "0", "1", "0"}));
}

TEST(GlobalSpare, FullSlotsRefuseYes) {
    test::Session s(4); // 36 slots
    MainForm &m = s.main();
    for (int t = 0; t < 4; ++t)
        ASSERT_TRUE(s.add("0", "8"));
    ASSERT_TRUE(s.add("0", "4"));
    ASSERT_EQ(m.LPSlotsUsed, 36);
    m.optGlobHotSpr[0].userClick();
    ASSERT_EQ(s.host.messages.size(), 1u);
    expectPlainMessage(s.host.messages[0], NoFreeDrives);
    EXPECT_TRUE(m.optGlobHotSpr[1].value());
    EXPECT_EQ(m.Text2.text(), "0");
    EXPECT_FALSE(m.Text2.enabled);
    EXPECT_EQ(m.cmbGlobalHotSpareSize.listIndex(), -1);
}

// 35 of 36 units in use with 72.8 GB drives: the preselected half-height spare needs 1.5 and does not
// fit, so the message comes once and the global spare goes back to "No".
TEST(GlobalSpare, OneHalfHeightSpareThatDoesNotFitGoesBackToNo) {
    test::Session s(4);
    MainForm &m = s.main();
    for (int t = 0; t < 4; ++t)
        ASSERT_TRUE(s.add("0", "8", "", "36.4", false));
    ASSERT_TRUE(s.add("0", "2", "", "72.8"));
    ASSERT_EQ(m.LPSlotsUsed, 35);
    m.optGlobHotSpr[0].userClick();
    ASSERT_EQ(s.host.messages.size(), 1u) << test::messageTexts(s.host);
    expectPlainMessage(s.host.messages[0], TooManyTotal);
    EXPECT_TRUE(m.optGlobHotSpr[1].value());
    EXPECT_EQ(m.Text2.text(), "0");
    EXPECT_EQ(m.cmbGlobalHotSpareSize.listIndex(), -1);
    EXPECT_EQ(m.LPSlotsUsed, 35);
    EXPECT_EQ(s.totals()[0], "34");
}

TEST(GlobalSpare, OneLowProfileSpareFillsTheLastSlot) {
    test::Session s(4);
    MainForm &m = s.main();
    for (int t = 0; t < 4; ++t)
        ASSERT_TRUE(s.add("0", "8", "", "36.4", false));
    ASSERT_TRUE(s.add("0", "3", "", "36.4", false));
    ASSERT_EQ(m.LPSlotsUsed, 35);
    m.optGlobHotSpr[0].userClick();
    EXPECT_TRUE(s.host.messages.empty()) << test::messageTexts(s.host);
    EXPECT_EQ(m.Text2.text(), "1");
    EXPECT_EQ(m.LPSlotsUsed, 36);
}

// ---- The global count ----

TEST(GlobalCount, AboveFourBecomesFour) {
    test::Session s(6);
    MainForm &m = s.main();
    m.optGlobHotSpr[0].userClick();
    m.Text2.userType("7");
    EXPECT_EQ(m.Text2.text(), "4");
    EXPECT_EQ(s.totals()[0], "4");
    EXPECT_TRUE(s.host.messages.empty());
}

// The check counts the spares once: 8 units of sets plus 4 spares fill the Lark's 12 slots exactly.
TEST(GlobalCount, ExistingSparesAreNotCountedTwice) {
    test::Session s(1);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "8"));
    m.optGlobHotSpr[0].userClick();
    ASSERT_EQ(m.LPSlotsUsed, 9);
    m.Text2.userType("4");
    EXPECT_TRUE(s.host.messages.empty()) << test::messageTexts(s.host);
    EXPECT_EQ(m.Text2.text(), "4");
    EXPECT_EQ(m.LPSlotsUsed, 12);
    m.Text2.userType("3");
    EXPECT_EQ(m.LPSlotsUsed, 11);
}

TEST(GlobalCount, TooManyFallsBackToOne) {
    test::Session s(1);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "8", "", "18.2", false));
    ASSERT_TRUE(s.add("0", "2", "", "18.2", false));
    m.optGlobHotSpr[0].userClick();
    m.Text2.userType("3"); // 10 + 3 > 12
    ASSERT_EQ(s.host.messages.size(), 1u);
    expectPlainMessage(s.host.messages[0], TooManyTotal);
    EXPECT_EQ(m.Text2.text(), "1");
    EXPECT_TRUE(m.optGlobHotSpr[0].value());
    EXPECT_EQ(m.LPSlotsUsed, 11);
    m.Text2.userType("2");
    EXPECT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(m.LPSlotsUsed, 12);
}

TEST(GlobalCount, HalfHeightSparesAreCountedExactly) {
    test::Session s(1);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "8", "", "18.2", false));
    m.optGlobHotSpr[0].userClick();
    s.pick(m.cmbGlobalHotSpareSize, "72.8");
    ASSERT_TRUE(m.optGlobHotSpH[0].value());
    ASSERT_EQ(m.LPSlotsUsed, 9.5);
    m.Text2.userType("3"); // 8 + 4.5 > 12: rounding the 4.5 to 4 would let it pass
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, TooManyTotal);
    EXPECT_EQ(m.Text2.text(), "1");
    m.Text2.userType("2"); // 8 + 3 fits
    EXPECT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.totals(), (Strings{"10", "145.6", "1", "11"}));
}

TEST(GlobalCount, TypingOnlyWhileYesIsSelected) {
    test::Session s(6);
    MainForm &m = s.main();
    EXPECT_FALSE(m.Text2.enabled);
    std::string why;
    EXPECT_FALSE(m.reachable(m.Text2, &why));
    m.optGlobHotSpr[0].userClick();
    EXPECT_TRUE(m.reachable(m.Text2));
    m.optGlobHotSpr[1].userClick();
    EXPECT_FALSE(m.reachable(m.Text2));
}

struct CountTextRow {
    const char *name;
    const char *typed;
    const char *shown;  // Text2 afterwards
    const char *drives; // total drives afterwards
};

void PrintTo(const CountTextRow &row, std::ostream *os) {
    *os << row.name;
}

class GlobalCountText : public ::testing::TestWithParam<CountTextRow> {};

// From a count of 2, the user types one text; anything but a whole number of 0 to 4 (or the empty
// text while typing) gives the last valid count back, without a message.
TEST_P(GlobalCountText, WholeNumbersZeroToFourOnly) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "5"));
    m.optGlobHotSpr[0].userClick();
    m.Text2.userType("2");
    ASSERT_EQ(s.totals()[0], "7");
    m.Text2.userType(GetParam().typed);
    EXPECT_EQ(m.Text2.text(), GetParam().shown);
    EXPECT_EQ(s.totals()[0], GetParam().drives);
    EXPECT_TRUE(s.host.messages.empty()) << test::messageTexts(s.host);
    EXPECT_TRUE(m.optGlobHotSpr[0].value());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GlobalCountText,
    ::testing::Values(CountTextRow{"Zero", "0", "0", "5"}, CountTextRow{"Three", "3", "3", "8"},
                      CountTextRow{"Four", "4", "4", "9"}, CountTextRow{"FiveBecomesFour", "5", "4", "9"},
                      CountTextRow{"NinetyNineBecomesFour", "99", "4", "9"},
                      CountTextRow{"EmptyCountsAsZero", "", "", "5"}, CountTextRow{"Letters", "x", "2", "7"},
                      CountTextRow{"MinusSign", "-", "2", "7"}, CountTextRow{"Negative", "-1", "2", "7"},
                      CountTextRow{"Fraction", "1.5", "2", "7"},
                      CountTextRow{"DigitThenLetter", "3a", "2", "7"}, CountTextRow{"Blank", " ", "2", "7"}),
    [](const ::testing::TestParamInfo<CountTextRow> &info) { return std::string(info.param.name); });

TEST(GlobalCount, BadTextAfterEditsGivesTheLastValidCount) {
    test::Session s(6);
    MainForm &m = s.main();
    m.optGlobHotSpr[0].userClick();
    m.Text2.userType("3");
    m.Text2.userType("4");
    m.Text2.userType("q");
    EXPECT_EQ(m.Text2.text(), "4");
    EXPECT_EQ(s.totals()[0], "4");
}

// ---- Size and height of the global spares ----

TEST(GlobalHeight, SizeDecidesTheHeightWhereOnlyOneExists) {
    test::Session s(6);
    MainForm &m = s.main();
    m.optGlobHotSpr[0].userClick();
    s.pick(m.cmbGlobalHotSpareSize, "72.8");
    EXPECT_TRUE(m.optGlobHotSpH[0].value());
    s.pick(m.cmbGlobalHotSpareSize, "36.4");
    EXPECT_TRUE(m.optGlobHotSpH[0].value());
    s.pick(m.cmbGlobalHotSpareSize, "9.1");
    EXPECT_TRUE(m.optGlobHotSpH[1].value());
    m.optGlobHotSpH[0].userClick();
    EXPECT_TRUE(m.optGlobHotSpH[1].value());
    s.pick(m.cmbGlobalHotSpareSize, "18.2");
    m.optGlobHotSpH[0].userClick();
    EXPECT_TRUE(m.optGlobHotSpH[0].value());
}

TEST(GlobalHeight, WithoutSizeTheChosenHeightStands) {
    test::Session s(6);
    MainForm &m = s.main();
    m.optGlobHotSpH[0].userClick();
    EXPECT_TRUE(m.optGlobHotSpH[0].value());
    m.optGlobHotSpH[1].userClick();
    EXPECT_TRUE(m.optGlobHotSpH[1].value());
}

// A change of height changes the units of the spares already counted: the totals follow at once.
TEST(GlobalHeight, HeightChangeUpdatesTheTotalsAtOnce) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "30"));
    m.optGlobHotSpr[0].userClick();
    s.pick(m.cmbGlobalHotSpareSize, "36.4");
    m.Text2.userType("4");
    ASSERT_EQ(s.totals()[3], "34");
    m.optGlobHotSpH[0].userClick();
    EXPECT_EQ(s.totals()[3], "36");
    EXPECT_EQ(m.LPSlotsUsed, 36);
    m.optGlobHotSpH[1].userClick();
    EXPECT_EQ(s.totals()[3], "34");
    EXPECT_TRUE(s.host.messages.empty());
}

TEST(GlobalHeight, HalfHeightThatOverfillsLowersTheCount) {
    test::Session s(4); // 36 slots
    MainForm &m = s.main();
    for (int t = 0; t < 4; ++t)
        ASSERT_TRUE(s.add("0", "8"));
    m.optGlobHotSpr[0].userClick();
    s.pick(m.cmbGlobalHotSpareSize, "18.2");
    m.Text2.userType("4");
    ASSERT_EQ(m.LPSlotsUsed, 36);
    m.optGlobHotSpH[0].userClick(); // 32 + 6 > 36
    ASSERT_EQ(s.host.messages.size(), 1u);
    expectPlainMessage(s.host.messages[0], TooManyTotal);
    EXPECT_EQ(m.Text2.text(), "1");
    EXPECT_EQ(m.LPSlotsUsed, 33.5);
    EXPECT_EQ(s.totals()[3], "33.5");
}

TEST(GlobalHeight, SizePickThatForcesHalfHeightChecksTheCount) {
    test::Session s(4);
    MainForm &m = s.main();
    for (int t = 0; t < 4; ++t)
        ASSERT_TRUE(s.add("0", "8"));
    ASSERT_TRUE(s.add("0", "3"));
    m.optGlobHotSpr[0].userClick();
    ASSERT_EQ(m.LPSlotsUsed, 36);
    s.pick(m.cmbGlobalHotSpareSize, "72.8"); // one half-height spare: 36.5 > 36
    ASSERT_EQ(s.host.messages.size(), 1u) << test::messageTexts(s.host);
    EXPECT_EQ(s.host.messages[0].text, TooManyTotal);
    EXPECT_TRUE(m.optGlobHotSpr[1].value());
    EXPECT_EQ(m.Text2.text(), "0");
    EXPECT_EQ(m.LPSlotsUsed, 35);
}

// ---- Per-set drive height ----

TEST(SetHeight, UserClickIsUndone) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "4", "", "36.4", false));
    ASSERT_TRUE(s.add("0", "4", "", "36.4", true));
    m.SSTab1.setTab(0);
    m.optLogDriveH[0].userClick();
    EXPECT_TRUE(m.optLogDriveH[1].value());
    EXPECT_FALSE(m.optLogDriveH[0].value());
    m.SSTab1.setTab(1);
    m.optLogDriveH[3].userClick();
    EXPECT_TRUE(m.optLogDriveH[2].value());
    EXPECT_EQ(m.LogDrvHUser, True);
    EXPECT_EQ(s.totals()[3], "10");
}

TEST(SetHeight, EmptyTabKeepsLowProfile) {
    test::Session s(6);
    MainForm &m = s.main();
    m.SSTab1.setTab(4);
    m.optLogDriveH[8].userClick();
    EXPECT_TRUE(m.optLogDriveH[9].value());
    EXPECT_EQ(m.LogDrvHUser, True);
}

} // namespace
} // namespace spindex
