// The RAID capacity calculator: the span and drive-count rules a change of RAID level applies, what a
// change of span count leaves alone, the capacity per level, and the 48-drive limit of the Osprey's
// RAID 50 (one message per span removed).

#include "testsession.h"

namespace spindex {
namespace {

using test::range;
using test::Strings;

// The lists a level change leaves, at the edges that differ between the controller groups: the widest
// span, the short and the long span lists, a mirror's fixed pair.
TEST(SpanRules, LevelChangeSetsSpansLabelAndDrives) {
    const Strings single{"1"}, shortList{"2", "3", "4"}, longList = range(2, 16);
    const struct {
        const char* name;
        Strings levels;
        const char* drives;
        int controller, drivesFrom, drivesTo;
        const Strings& spans;
    } rows[] = {{"Lark0", {"0"}, "8", 1, 1, 8, single},
                {"Heron1", {"1"}, "2", 4, 2, 2, single},
                {"Heron50And30", {"50", "30"}, "8", 4, 3, 8, shortList},
                {"Finch0", {"0"}, "12", 3, 1, 14, single}, // the Finch starts with "1" to "28"
                {"Finch5", {"5"}, "12", 3, 3, 14, single},
                {"Wren10", {"10"}, "2", 2, 2, 2, shortList},
                {"Fibre0Plus1", {"0+1"}, "2", 5, 2, 8, shortList},
                {"Osprey0", {"0"}, "12", 6, 1, 48, single},
                {"Osprey5And3", {"5", "3"}, "12", 6, 3, 16, single}, // "3" and "30" are not in its list
                {"Osprey50And30", {"50", "30"}, "12", 6, 3, 16, longList}};
    for (const auto& row : rows)
        for (const std::string& level : row.levels) {
            SCOPED_TRACE(row.name + (" " + level));
            test::Session s(row.controller);
            MainForm& m = s.main();
            const bool spanned = row.spans.size() > 1;
            s.pick(m.cmbRaidLevel, spanned ? "0" : "50"); // from the other kind, so that the span list changes
            if (m.cmbRaidLevel.indexOf(level) < 0)
                m.cmbRaidLevel.addItem(level);
            s.pick(m.cmbRaidLevel, level);
            EXPECT_EQ(m.lblSpan.visible, spanned);
            EXPECT_EQ(m.cmbNumSpans.visible, spanned);
            EXPECT_EQ(m.cmbNumSpans.enabled, spanned);
            EXPECT_EQ(m.cmbNumSpans.items(), row.spans);
            EXPECT_EQ(m.cmbNumSpans.listIndex(), 0);
            EXPECT_EQ(m.cmbMaxDrives.items(), range(row.drivesFrom, row.drivesTo));
            EXPECT_EQ(m.cmbMaxDrives.text(), row.drives);
            EXPECT_EQ(m.txtTotalDrives.text(), std::to_string(std::stoi(row.drives) * (spanned ? 2 : 1)));
            EXPECT_EQ(s.take(), Strings{});
        }
}

// A level without a row changes no list, but the capacity is still computed by its formula.
TEST(SpanRules, LevelWithoutARowLeavesTheListsAndCalculates) {
    for (const auto& [controller, level, capacity] :
         {std::tuple{2, "3", "200.2"}, {3, "30", "200.2"}, {5, "10", "18.2"}, {1, "6", "145.6"}}) {
        SCOPED_TRACE(level);
        test::Session s(controller);
        MainForm& m = s.main();
        const Strings drives = m.cmbMaxDrives.items();
        const std::string selected = m.cmbMaxDrives.text();
        m.cmbRaidLevel.addItem(level);
        s.pick(m.cmbRaidLevel, level);
        EXPECT_EQ(m.cmbMaxDrives.items(), drives);
        EXPECT_EQ(m.cmbMaxDrives.text(), selected);
        EXPECT_EQ(m.cmbNumSpans.items(), Strings{"1"});
        EXPECT_FALSE(m.lblSpan.visible);
        EXPECT_EQ(m.TxtLogicalCap.text(), capacity);
    }
}

// A span change never touches the drives list; a level change between span lists of the same length
// keeps the span count and rebuilds only the drives list; a change to a single-span level and back
// rebuilds the span list; a user's pick of the level already selected rebuilds the drives list.
TEST(SpanRules, ReEntryKeepsWhatTheUserChose) {
    test::Session s(6);
    MainForm& m = s.main();
    s.calculator("50", "4", "7");
    s.pick(m.cmbNumSpans, "7");
    EXPECT_EQ(m.cmbMaxDrives.items(), range(3, 16));
    EXPECT_EQ(m.cmbMaxDrives.text(), "4");
    EXPECT_EQ(m.txtTotalDrives.text(), "28");
    s.pick(m.cmbRaidLevel, "10");
    EXPECT_EQ(m.cmbNumSpans.text(), "7");
    EXPECT_EQ(m.cmbMaxDrives.items(), Strings{"2"});
    s.pick(m.cmbRaidLevel, "5");
    EXPECT_EQ(m.cmbNumSpans.items(), Strings{"1"});
    EXPECT_FALSE(m.cmbNumSpans.enabled || m.cmbNumSpans.visible || m.lblSpan.visible);
    s.pick(m.cmbRaidLevel, "10");
    EXPECT_EQ(m.cmbNumSpans.items(), range(2, 16));
    EXPECT_EQ(m.cmbNumSpans.text(), "2");
    EXPECT_TRUE(m.cmbNumSpans.enabled && m.cmbNumSpans.visible && m.lblSpan.visible);

    s.run("calc 50 5 4"); // the level already selected: its drives list again, the span count stays
    s.pick(m.cmbRaidLevel, "50");
    EXPECT_EQ(m.cmbMaxDrives.text(), "12");
    EXPECT_EQ(m.cmbNumSpans.text(), "4");

    test::Session lark(1);
    lark.run("calc 50 5 4; calc 10 2");
    EXPECT_EQ(lark.main().cmbNumSpans.text(), "4");
}

// The capacity and the drives of all spans, as the calculator shows them.
TEST(Capacity, EachKindOfLevel) {
    const struct {
        const char *name, *level, *drives, *spans, *size, *capacity, *totalDrives;
        int controller;
    } rows[] = {{"Raid0EveryDriveCounts", "0", "8", "", "18.2", "145.6", "8", 1},
                {"Raid5OneDriveOfParity", "5", "8", "", "18.2", "127.4", "8", 1},
                {"Raid10MirroredPairs", "10", "2", "5", "72.8", "364", "10", 6},
                {"Raid50OnTheLarkHasNoLimit", "50", "8", "4", "72.8", "2038.4", "32", 1},
                {"Raid0Plus1HalfOfAllDrives", "0+1", "4", "2", "9.1", "36.4", "8", 5}};
    // RAID 1, 3 and 30 and RAID 50 within the limit show their capacities in the summary of one set.
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(row.controller);
        s.calculator(row.level, row.drives, row.spans, row.size);
        EXPECT_EQ(s.main().TxtLogicalCap.text(), row.capacity);
        EXPECT_EQ(s.main().TxtTotalCap.text(), row.capacity);
        EXPECT_EQ(s.main().txtTotalDrives.text(), row.totalDrives);
        EXPECT_EQ(s.take(), Strings{});
    }
}

// Each span removed shows the message once, down to the largest count of 48 drives or fewer.
TEST(Capacity, FortyEightDriveLimitOfTheOsprey) {
    const struct {
        const char *name, *level, *drives, *spans;
        ListBox MainForm::*changed;
        const char* to;
        size_t messages;
        const char *spansAfter, *totalDrives, *capacity;
    } rows[] = {{"SixteenBySixteen", "50", "16", "3", &MainForm::cmbNumSpans, "16", 13, "3", "48", "819"},
                {"TenWithSixteenSpansToFifty", "10", "2", "16", &MainForm::cmbRaidLevel, "50", 12, "4", "48", "800.8"},
                {"MoreDrivesOnFourSpans", "50", "12", "4", &MainForm::cmbMaxDrives, "16", 1, "3", "48", "819"},
                {"ExactlyFortyEight", "50", "12", "4", &MainForm::cmbNumSpans, "4", 0, "4", "48", "800.8"},
                {"RaidTenIsNotLimited", "10", "2", "15", &MainForm::cmbNumSpans, "16", 0, "16", "32", "291.2"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(6);
        s.calculator(row.level, row.drives, row.spans);
        ASSERT_EQ(s.take(), Strings{});
        s.pick(s.main().*row.changed, row.to);
        EXPECT_EQ(s.take(), Strings(row.messages,
                                    "Spindex: No more than 48 drives total are allowed, Reducing the Number of Spans"));
        EXPECT_EQ(s.main().cmbNumSpans.text(), row.spansAfter);
        EXPECT_EQ(s.main().txtTotalDrives.text(), row.totalDrives);
        EXPECT_EQ(s.main().TxtLogicalCap.text(), row.capacity);
    }
}

// An input that cannot be read leaves the results as they were, without a message, and adds nothing.
TEST(Capacity, ListWithoutSelectionLeavesTheResults) {
    test::Session s(1);
    MainForm& m = s.main();
    m.cmbMaxDrives.clear();
    m.cmbDriveSize.userPick(0);
    EXPECT_EQ(m.TxtLogicalCap.text(), "145.6");
    EXPECT_EQ(m.txtTotalDrives.text(), "8");
    m.cmdAddLogicals.userClick();
    EXPECT_FALSE(m.tabHoldsSet(0));
    EXPECT_EQ(s.take(), Strings{});
}

} // namespace
} // namespace spindex
