// The span and drive-count rules: what a change of RAID level does to the span list, its label and the
// drives list, one row per controller and level; and what a change of span count leaves alone.

#include <gtest/gtest.h>

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

const Strings Single{"1"};
const Strings Short{"2", "3", "4"};
const Strings Long = range(2, 16);

struct RuleRow {
    std::string name;
    int controller;
    std::string level;
    bool offered; // the controller's level list holds the text; otherwise the test puts it there
    bool spanShown;
    Strings spans;
    Strings drives;
    std::string drivesSelected;
};

void PrintTo(const RuleRow &row, std::ostream *os) {
    *os << row.name;
}

class SpanDecisionTable : public ::testing::TestWithParam<RuleRow> {};

TEST_P(SpanDecisionTable, LevelChangeSetsSpansLabelAndDrives) {
    const RuleRow &row = GetParam();
    test::Session s(row.controller);
    MainForm &m = s.main();
    // From a level of the other kind, so that the span list is rebuilt.
    s.pick(m.cmbRaidLevel, row.spanShown ? "0" : "50");
    if (!row.offered) m.cmbRaidLevel.addItem(row.level);
    s.pick(m.cmbRaidLevel, row.level);
    EXPECT_EQ(m.lblSpan.visible, row.spanShown);
    EXPECT_EQ(m.cmbNumSpans.visible, row.spanShown);
    EXPECT_EQ(m.cmbNumSpans.enabled, row.spanShown);
    EXPECT_EQ(m.cmbNumSpans.items(), row.spans);
    EXPECT_EQ(m.cmbNumSpans.listIndex(), 0);
    EXPECT_EQ(m.cmbMaxDrives.items(), row.drives);
    EXPECT_EQ(m.cmbMaxDrives.text(), row.drivesSelected);
    EXPECT_EQ(m.txtTotalDrives.text(),
              std::to_string(std::stoi(row.drivesSelected) * std::stoi(row.spans[0])));
    EXPECT_EQ(m.SuppressCalc, False);
    EXPECT_EQ(m.RaidLevelChanging, False);
    EXPECT_TRUE(s.host.messages.empty()) << test::messageTexts(s.host);
}

// Rows for one controller of the groups that share their rules.
std::vector<RuleRow> standardRows(const char *model, int id) {
    const std::string p(model);
    auto row = [&](const char *suffix, std::string level, bool shown, Strings spans, Strings drives,
                   std::string selected) {
        return RuleRow{
            p + suffix,         id, std::move(level), true, shown, std::move(spans), std::move(drives),
            std::move(selected)};
    };
    return {row("_Raid0", "0", false, Single, range(1, 8), "8"),
            row("_Raid1", "1", false, Single, {"2"}, "2"),
            row("_Raid10", "10", true, Short, {"2"}, "2"),
            row("_Raid5", "5", false, Single, range(3, 8), "8"),
            row("_Raid3", "3", false, Single, range(3, 8), "8"),
            row("_Raid50", "50", true, Short, range(3, 8), "8"),
            row("_Raid30", "30", true, Short, range(3, 8), "8")};
}

std::vector<RuleRow> allRows() {
    std::vector<RuleRow> rows;
    for (auto [model, id] :
         {std::pair{"Lark", 1}, std::pair{"Heron", 4}, std::pair{"Keel", 7}, std::pair{"Mast", 8}})
        for (RuleRow &r : standardRows(model, id))
            rows.push_back(r);
    const std::vector<RuleRow> others{
        {"Wren_Raid0", 2, "0", true, false, Single, range(1, 14), "12"},
        {"Wren_Raid1", 2, "1", true, false, Single, {"2"}, "2"},
        {"Wren_Raid10", 2, "10", true, true, Short, {"2"}, "2"},
        {"Wren_Raid5", 2, "5", true, false, Single, range(3, 14), "12"},
        {"Wren_Raid50", 2, "50", true, true, Short, range(3, 14), "12"},
        // The Finch starts with "1" to "28"; the rules give it the Wren's list.
        {"Finch_Raid0", 3, "0", true, false, Single, range(1, 14), "12"},
        {"Finch_Raid1", 3, "1", true, false, Single, {"2"}, "2"},
        {"Finch_Raid10", 3, "10", true, true, Short, {"2"}, "2"},
        {"Finch_Raid5", 3, "5", true, false, Single, range(3, 14), "12"},
        {"Finch_Raid50", 3, "50", true, true, Short, range(3, 14), "12"},
        {"FibreChannel_Raid0", 5, "0", true, false, Single, range(1, 8), "8"},
        {"FibreChannel_Raid1", 5, "1", true, false, Single, {"2"}, "2"},
        {"FibreChannel_Raid0Plus1", 5, "0+1", true, true, Short, range(2, 8), "2"},
        {"FibreChannel_Raid5", 5, "5", true, false, Single, range(3, 8), "8"},
        {"FibreChannel_Raid3", 5, "3", true, false, Single, range(3, 8), "8"},
        {"FibreChannel_Raid50", 5, "50", true, true, Short, range(3, 8), "8"},
        {"FibreChannel_Raid30", 5, "30", true, true, Short, range(3, 8), "8"},
        {"Osprey_Raid0", 6, "0", true, false, Single, range(1, 48), "12"},
        {"Osprey_Raid1", 6, "1", true, false, Single, {"2"}, "2"},
        {"Osprey_Raid10", 6, "10", true, true, Long, {"2"}, "2"},
        {"Osprey_Raid5", 6, "5", true, false, Single, range(3, 16), "12"},
        {"Osprey_Raid3", 6, "3", false, false, Single, range(3, 16), "12"},
        {"Osprey_Raid50", 6, "50", true, true, Long, range(3, 16), "12"},
        {"Osprey_Raid30", 6, "30", false, true, Long, range(3, 16), "12"},
    };
    rows.insert(rows.end(), others.begin(), others.end());
    return rows;
}

INSTANTIATE_TEST_SUITE_P(EveryRow, SpanDecisionTable, ::testing::ValuesIn(allRows()),
                         [](const ::testing::TestParamInfo<RuleRow> &info) { return info.param.name; });

// A level without a row for the controller changes no list, but the capacity is still computed.
struct NoRowCase {
    const char *name;
    int controller;
    const char *level;
    const char *capacity; // from the level's formula with the lists as they stood
};

void PrintTo(const NoRowCase &row, std::ostream *os) {
    *os << row.name;
}

class LevelWithoutRow : public ::testing::TestWithParam<NoRowCase> {};

TEST_P(LevelWithoutRow, ListsStayAndTheCalculationRuns) {
    test::Session s(GetParam().controller);
    MainForm &m = s.main();
    s.pick(m.cmbRaidLevel, "0");
    const Strings drivesBefore = m.cmbMaxDrives.items();
    const std::string selectedBefore = m.cmbMaxDrives.text();
    m.cmbRaidLevel.addItem(GetParam().level);
    s.pick(m.cmbRaidLevel, GetParam().level);
    EXPECT_EQ(m.cmbMaxDrives.items(), drivesBefore);
    EXPECT_EQ(m.cmbMaxDrives.text(), selectedBefore);
    EXPECT_EQ(m.cmbNumSpans.items(), Single);
    EXPECT_FALSE(m.cmbNumSpans.visible);
    EXPECT_FALSE(m.lblSpan.visible);
    EXPECT_EQ(m.TxtLogicalCap.text(), GetParam().capacity);
}

INSTANTIATE_TEST_SUITE_P(Cases, LevelWithoutRow,
                         ::testing::Values(NoRowCase{"WrenRaid3", 2, "3", "200.2"},
                                           NoRowCase{"FinchRaid30", 3, "30", "200.2"},
                                           NoRowCase{"FibreChannelRaid10", 5, "10", "18.2"},
                                           NoRowCase{"LarkUnknownText", 1, "6", "145.6"}),
                         [](const ::testing::TestParamInfo<NoRowCase> &info) {
                             return std::string(info.param.name);
                         });

// ---- Re-entry: what a change of span count or level keeps ----

TEST(SpanChange, NeverTouchesTheDrivesList) {
    test::Session s(6);
    MainForm &m = s.main();
    s.calculator("50", "4");
    s.pick(m.cmbNumSpans, "7");
    EXPECT_EQ(m.cmbMaxDrives.items(), range(3, 16));
    EXPECT_EQ(m.cmbMaxDrives.text(), "4");
    EXPECT_EQ(m.cmbNumSpans.text(), "7");
    EXPECT_EQ(m.txtTotalDrives.text(), "28");
    s.pick(m.cmbNumSpans, "7"); // the same entry again
    EXPECT_EQ(m.cmbMaxDrives.text(), "4");
}

TEST(SpanChange, ShortListKeepsTheDrivesSelection) {
    test::Session s(1);
    MainForm &m = s.main();
    s.calculator("30", "5", "3");
    EXPECT_EQ(m.cmbMaxDrives.text(), "5");
    EXPECT_EQ(m.txtTotalDrives.text(), "15");
    EXPECT_EQ(m.TxtLogicalCap.text(), "218.4"); // (15 - 3) x 18.2
}

struct SameLengthCase {
    const char *name;
    int controller;
    const char *from;
    const char *spans;
    const char *to;
    Strings drives;
    const char *drivesSelected;
};

void PrintTo(const SameLengthCase &row, std::ostream *os) {
    *os << row.name;
}

class LevelChangeSameSpanLength : public ::testing::TestWithParam<SameLengthCase> {};

TEST_P(LevelChangeSameSpanLength, KeepsTheSpanCountAndRebuildsTheDrives) {
    const SameLengthCase &c = GetParam();
    test::Session s(c.controller);
    MainForm &m = s.main();
    s.pick(m.cmbRaidLevel, c.from);
    s.pick(m.cmbNumSpans, c.spans);
    s.pick(m.cmbRaidLevel, c.to);
    EXPECT_EQ(m.cmbNumSpans.text(), c.spans);
    EXPECT_EQ(m.cmbMaxDrives.items(), c.drives);
    EXPECT_EQ(m.cmbMaxDrives.text(), c.drivesSelected);
    EXPECT_TRUE(m.lblSpan.visible);
    EXPECT_TRUE(s.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LevelChangeSameSpanLength,
    ::testing::Values(SameLengthCase{"LarkFiftyToTen", 1, "50", "4", "10", {"2"}, "2"},
                      SameLengthCase{"LarkTenToThirty", 1, "10", "3", "30", range(3, 8), "8"},
                      SameLengthCase{"FibreChannelZeroPlusOneToFifty", 5, "0+1", "4", "50", range(3, 8), "8"},
                      SameLengthCase{"OspreyTenToFifty", 6, "10", "3", "50", range(3, 16), "12"},
                      SameLengthCase{"WrenFiftyToTen", 2, "50", "3", "10", {"2"}, "2"}),
    [](const ::testing::TestParamInfo<SameLengthCase> &info) { return std::string(info.param.name); });

TEST(LevelChange, SpannedToSingleAndBack) {
    test::Session s(6);
    MainForm &m = s.main();
    s.calculator("10", "2", "9");
    s.pick(m.cmbRaidLevel, "5");
    EXPECT_EQ(m.cmbNumSpans.items(), Single);
    EXPECT_EQ(m.cmbNumSpans.text(), "1");
    EXPECT_FALSE(m.cmbNumSpans.enabled);
    EXPECT_FALSE(m.cmbNumSpans.visible);
    EXPECT_FALSE(m.lblSpan.visible);
    s.pick(m.cmbRaidLevel, "10");
    EXPECT_EQ(m.cmbNumSpans.items(), Long);
    EXPECT_EQ(m.cmbNumSpans.text(), "2");
    EXPECT_TRUE(m.cmbNumSpans.enabled);
    EXPECT_TRUE(m.cmbNumSpans.visible);
    EXPECT_TRUE(m.lblSpan.visible);
}

// The rules read neither the drive size, the height nor the channels.
TEST(LevelChange, RulesIgnoreSizeHeightAndChannels) {
    test::Session a(4), b(4);
    b.pick(b.main().cmbDriveSize, "72.8");
    b.main().ckChanUsed[2].userClick();
    for (test::Session *s : {&a, &b}) {
        s->pick(s->main().cmbRaidLevel, "50");
        EXPECT_EQ(s->main().cmbMaxDrives.items(), range(3, 8));
        EXPECT_EQ(s->main().cmbMaxDrives.text(), "8");
        EXPECT_EQ(s->main().cmbNumSpans.items(), Short);
    }
}

// ---- Recalculation flags ----

// While the window loads, a change of RAID level rebuilds the lists but computes nothing; once loaded,
// the change clears a SuppressCalc that a caller had set and computes once.
TEST(RecalculationFlags, LoadingKeepsALevelChangeQuiet) {
    test::Session s(1);
    MainForm &m = s.main();
    m.FormLoading = True;
    m.SuppressCalc = True;
    s.pick(m.cmbRaidLevel, "5");
    EXPECT_EQ(m.cmbMaxDrives.items(), range(3, 8));
    EXPECT_EQ(m.SuppressCalc, True);
    EXPECT_EQ(m.TxtLogicalCap.text(), "145.6"); // still RAID 0 of 8 drives
    m.FormLoading = False;
    s.pick(m.cmbRaidLevel, "3");
    EXPECT_EQ(m.SuppressCalc, False);
    EXPECT_EQ(m.TxtLogicalCap.text(), "127.4");
}

} // namespace
} // namespace spindex
