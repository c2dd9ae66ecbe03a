// The capacity of one RAID set per level, the 48-drive limit of the Osprey's RAID 50 (one message per
// span removed), and the calculator inputs that feed them: drive size and height stay consistent, and
// a height or tuning click changes no result.

#include <gtest/gtest.h>

#include <string>

#include "testsession.h"

namespace spindex {
namespace {

struct CapacityRow {
    const char *name;
    int controller;
    const char *level;
    const char *drives;
    const char *spans; // "" for single-span levels
    const char *size;
    const char *logicalCap;
    const char *totalDrives;
};

void PrintTo(const CapacityRow &row, std::ostream *os) {
    *os << row.name;
}

class CapacityPerLevel : public ::testing::TestWithParam<CapacityRow> {};

TEST_P(CapacityPerLevel, OneSetAndItsDrives) {
    const CapacityRow &row = GetParam();
    test::Session s(row.controller);
    MainForm &m = s.main();
    s.calculator(row.level, row.drives, row.spans, row.size);
    EXPECT_EQ(m.TxtLogicalCap.text(), row.logicalCap);
    EXPECT_EQ(m.TxtTotalCap.text(), row.logicalCap); // one set
    EXPECT_EQ(m.txtTotalDrives.text(), row.totalDrives);
    EXPECT_TRUE(s.host.messages.empty()) << test::messageTexts(s.host);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, CapacityPerLevel,
    ::testing::Values(CapacityRow{"Raid0EveryDriveCounts", 1, "0", "8", "", "18.2", "145.6", "8"},
                      CapacityRow{"Raid0ThreeSmallDrives", 6, "0", "3", "", "9.1", "27.3", "3"},
                      CapacityRow{"Raid1ShowsTheDriveSizeText", 1, "1", "2", "", "36.4", "36.4", "2"},
                      CapacityRow{"Raid3OneDriveOfParity", 1, "3", "5", "", "9.1", "36.4", "5"},
                      CapacityRow{"Raid5EightDrives", 1, "5", "8", "", "18.2", "127.4", "8"},
                      CapacityRow{"Raid5TypicalRequest", 6, "5", "12", "", "36.4", "400.4", "12"},
                      CapacityRow{"Raid10MirroredPairs", 6, "10", "2", "5", "72.8", "364", "10"},
                      CapacityRow{"Raid30ParityPerSpan", 4, "30", "4", "3", "18.2", "163.8", "12"},
                      CapacityRow{"Raid50ThreeSpansOfEight", 1, "50", "8", "3", "36.4", "764.4", "24"},
                      CapacityRow{"Raid50FortyEightDrivesPass", 6, "50", "16", "3", "72.8", "3276", "48"},
                      CapacityRow{"Raid50OnLarkHasNoLimit", 1, "50", "8", "4", "72.8", "2038.4", "32"},
                      CapacityRow{"Raid0Plus1HalfOfAllDrives", 5, "0+1", "4", "2", "9.1", "36.4", "8"}),
    [](const ::testing::TestParamInfo<CapacityRow> &info) { return std::string(info.param.name); });

// ---- The 48-drive limit ----

const char *const Limit48 = "No more than 48 drives total are allowed, Reducing the Number of Spans";

TEST(FortyEightDriveLimit, SixteenBySixteenStepsDownToThreeSpansWithThirteenMessages) {
    test::Session s(6);
    MainForm &m = s.main();
    s.calculator("50", "16", "", "72.8");
    ASSERT_TRUE(s.host.messages.empty());
    s.pick(m.cmbNumSpans, "16");
    EXPECT_EQ(s.host.count(Limit48), 13);
    EXPECT_EQ(s.host.messages.size(), 13u);
    for (const test::Message &msg : s.host.messages) {
        EXPECT_EQ(msg.buttons, MsgButtons::Ok);
        EXPECT_EQ(msg.title, "Spindex");
    }
    EXPECT_EQ(m.cmbNumSpans.text(), "3");
    EXPECT_EQ(m.TxtLogicalCap.text(), "3276");
    EXPECT_EQ(m.txtTotalDrives.text(), "48");
    EXPECT_EQ(m.cmbMaxDrives.text(), "16");
}

TEST(FortyEightDriveLimit, TenWithSixteenSpansToFiftyGivesTwelveMessages) {
    test::Session s(6);
    MainForm &m = s.main();
    s.calculator("10", "2", "16");
    ASSERT_TRUE(s.host.messages.empty());
    s.pick(m.cmbRaidLevel, "50");
    EXPECT_EQ(s.host.count(Limit48), 12);
    EXPECT_EQ(s.host.messages.size(), 12u);
    EXPECT_EQ(m.cmbMaxDrives.text(), "12");
    EXPECT_EQ(m.cmbNumSpans.text(), "4");
    EXPECT_EQ(m.txtTotalDrives.text(), "48");
    EXPECT_EQ(m.TxtLogicalCap.text(), "800.8"); // (48 - 4) x 18.2
}

TEST(FortyEightDriveLimit, SixteenDrivesOnFourSpansStepsDownOnce) {
    test::Session s(6);
    MainForm &m = s.main();
    s.calculator("50", "12", "4");
    ASSERT_TRUE(s.host.messages.empty());
    s.pick(m.cmbMaxDrives, "16");
    EXPECT_EQ(s.host.count(Limit48), 1);
    EXPECT_EQ(m.cmbNumSpans.text(), "3");
    EXPECT_EQ(m.txtTotalDrives.text(), "48");
    EXPECT_EQ(m.TxtLogicalCap.text(), "819"); // (48 - 3) x 18.2
}

TEST(FortyEightDriveLimit, ExactlyFortyEightPasses) {
    test::Session s(6);
    MainForm &m = s.main();
    s.calculator("50", "16", "3");
    s.pick(m.cmbNumSpans, "3");
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_EQ(m.txtTotalDrives.text(), "48");
}

TEST(FortyEightDriveLimit, OtherLevelsOfTheOspreyAreNotLimited) {
    test::Session s(6);
    MainForm &m = s.main();
    s.calculator("10", "2", "16");
    EXPECT_EQ(m.txtTotalDrives.text(), "32");
    s.calculator("0", "48");
    EXPECT_EQ(m.txtTotalDrives.text(), "48");
    EXPECT_EQ(m.TxtLogicalCap.text(), "873.6");
    EXPECT_TRUE(s.host.messages.empty());
}

// ---- Drive size and height ----

struct CouplingRow {
    const char *name;
    bool halfHeightBefore;
    const char *size;
    bool halfHeightAfter;
};

void PrintTo(const CouplingRow &row, std::ostream *os) {
    *os << row.name;
}

class SizePickCoupling : public ::testing::TestWithParam<CouplingRow> {};

TEST_P(SizePickCoupling, SizeDecidesTheHeightWhereOnlyOneExists) {
    test::Session s(6);
    MainForm &m = s.main();
    s.pick(m.cmbDriveSize, "36.4");
    m.optDriveH[GetParam().halfHeightBefore ? 0 : 1].userClick();
    s.pick(m.cmbDriveSize, GetParam().size);
    EXPECT_EQ(m.optDriveH[0].value(), GetParam().halfHeightAfter);
    EXPECT_EQ(m.optDriveH[1].value(), !GetParam().halfHeightAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, SizePickCoupling,
    ::testing::Values(CouplingRow{"HalfHeightSmallDriveBecomesLowProfile", true, "9.1", false},
                      CouplingRow{"HalfHeightEighteenStays", true, "18.2", true},
                      CouplingRow{"HalfHeightThirtySixStays", true, "36.4", true},
                      CouplingRow{"HalfHeightSeventyTwoStays", true, "72.8", true},
                      CouplingRow{"LowProfileLargeDriveBecomesHalfHeight", false, "72.8", true},
                      CouplingRow{"LowProfileNineStays", false, "9.1", false},
                      CouplingRow{"LowProfileEighteenStays", false, "18.2", false}),
    [](const ::testing::TestParamInfo<CouplingRow> &info) { return std::string(info.param.name); });

TEST(HeightClick, HalfHeightWithSmallDrivesFallsBackToLowProfile) {
    test::Session s(6);
    MainForm &m = s.main();
    s.pick(m.cmbDriveSize, "9.1");
    m.optDriveH[0].userClick();
    EXPECT_TRUE(m.optDriveH[1].value());
    EXPECT_FALSE(m.optDriveH[0].value());
}

TEST(HeightClick, LowProfileWithLargeDrivesFallsBackToHalfHeight) {
    test::Session s(6);
    MainForm &m = s.main();
    s.pick(m.cmbDriveSize, "72.8");
    ASSERT_TRUE(m.optDriveH[0].value());
    m.optDriveH[1].userClick();
    EXPECT_TRUE(m.optDriveH[0].value());
}

TEST(HeightClick, UnknownIndexShowsTheErrorAndChangesNothing) {
    test::Session s(6);
    MainForm &m = s.main();
    m.optDriveH_Click(2);
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, "error selecting drive height");
    EXPECT_EQ(s.host.messages[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(m.optDriveH[1].value());
}

TEST(HeightClick, HeightsAndTuningOptionsChangeNoResult) {
    test::Session s(6);
    MainForm &m = s.main();
    s.calculator("5", "7", "", "36.4");
    const std::string logical = m.TxtLogicalCap.text(), total = m.TxtTotalCap.text(),
                      drives = m.txtTotalDrives.text();
    m.optDriveH[0].userClick();
    m.optDriveH[1].userClick();
    for (OptionButton &tuning : m.Option5)
        tuning.userClick();
    EXPECT_EQ(m.TxtLogicalCap.text(), logical);
    EXPECT_EQ(m.TxtTotalCap.text(), total);
    EXPECT_EQ(m.txtTotalDrives.text(), drives);
}

TEST(Calculator, DriveSizePickRecalculates) {
    test::Session s(1);
    MainForm &m = s.main();
    s.calculator("5", "8");
    EXPECT_EQ(m.TxtLogicalCap.text(), "127.4");
    s.pick(m.cmbDriveSize, "72.8");
    EXPECT_EQ(m.TxtLogicalCap.text(), "509.6");
}

TEST(Calculator, CalculateButtonRecomputesFromTheTexts) {
    test::Session s(1);
    MainForm &m = s.main();
    m.TxtLogicalCap.setText("1");
    m.CmdCalc_Click();
    EXPECT_EQ(m.TxtLogicalCap.text(), "145.6");
}

// An input that cannot be read leaves the results as they were, without a message.
TEST(Calculator, ListWithoutSelectionLeavesTheResults) {
    test::Session s(1);
    MainForm &m = s.main();
    m.cmbMaxDrives.clear();
    m.cmbDriveSize.userPick(0);
    EXPECT_EQ(m.TxtLogicalCap.text(), "145.6");
    EXPECT_EQ(m.txtTotalDrives.text(), "8");
    EXPECT_TRUE(s.host.messages.empty());
    m.cmdAddLogicals.userClick();
    EXPECT_FALSE(m.tabHoldsSet(0));
}

} // namespace
} // namespace spindex
