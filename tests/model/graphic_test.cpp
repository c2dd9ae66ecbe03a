// The storage cage graphic: one cage per used channel with one icon per slot; the drives of the sets
// fill the slots channel after channel in tab order, and the placement stops for good at the first set
// without drives. The window is a snapshot that closes when it loses the focus.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "outputforms.h"
#include "testsession.h"

namespace spindex {
namespace {

using Strings = std::vector<std::string>;

const char *const Empty = "diskredline.ico";
const char *const Blue = "diskblue.ico";
const char *const Red = "diskred.ico";
const char *const Turquoise = "diskdkturk.ico";
const char *const Green = "diskgreen.ico";

GraphicForm &openGraphic(test::Session &s) {
    s.program.focus(&s.main());
    s.main().cmdDisplayGraphic.userClick();
    GraphicForm *graphic = s.program.frmGraphic();
    EXPECT_NE(graphic, nullptr);
    return *graphic;
}

// Pictures of the twelve slot icons of one channel.
Strings channelPictures(const GraphicForm &g, int c) {
    Strings pictures;
    for (int j = 0; j < 12; ++j)
        pictures.push_back(g.imgLgcDrv[static_cast<size_t>(12 * c + j)].picture);
    return pictures;
}

Strings repeat(std::initializer_list<std::pair<const char *, int>> runs) {
    Strings s;
    for (const auto &[picture, n] : runs)
        s.insert(s.end(), static_cast<size_t>(n), picture);
    return s;
}

int visibleConnectors(const GraphicForm &g, int c) {
    int n = 0;
    for (int j = 0; j < 11; ++j)
        n += g.Line2[static_cast<size_t>(11 * c + j)].visible ? 1 : 0;
    return n;
}

TEST(GraphicPlacement, OneChannelOfTwelveWithSetsOfFiveAndThree) {
    test::Session s(1);
    ASSERT_TRUE(s.add("0", "5"));
    ASSERT_TRUE(s.add("0", "3"));
    const GraphicForm &g = openGraphic(s);
    EXPECT_TRUE(g.visible);
    EXPECT_EQ(g.caption, "Graphic Display");
    EXPECT_EQ(g.lblController.caption, "Arvex Lark Controller");
    EXPECT_EQ(channelPictures(g, 0), repeat({{Blue, 5}, {Red, 3}, {Empty, 4}}));
    EXPECT_EQ(g.StorageCage[0].geometry.height, 4572);
    EXPECT_FALSE(g.StorageCage[0].opaque);
    EXPECT_EQ(visibleConnectors(g, 0), 11);
    EXPECT_TRUE(g.lnChannel[0].visible);
    EXPECT_TRUE(g.txtChannel[0].visible);
    EXPECT_EQ(g.txtChannel[0].caption, "1");
    for (int c = 1; c < 4; ++c) {
        EXPECT_TRUE(g.StorageCage[static_cast<size_t>(c)].opaque) << c;
        EXPECT_FALSE(g.lnChannel[static_cast<size_t>(c)].visible) << c;
        EXPECT_FALSE(g.txtChannel[static_cast<size_t>(c)].visible) << c;
    }
}

TEST(GraphicPlacement, SpannedSetRunsOnIntoTheNextChannel) {
    test::Session s(7); // two channels of 6 slots
    ASSERT_TRUE(s.add("50", "4", "2"));
    const GraphicForm &g = openGraphic(s);
    EXPECT_EQ(channelPictures(g, 0), repeat({{Blue, 6}, {"", 6}}));
    EXPECT_EQ(channelPictures(g, 1), repeat({{Blue, 2}, {Empty, 4}, {"", 6}}));
    for (int j = 0; j < 12; ++j) {
        EXPECT_EQ(g.imgLgcDrv[static_cast<size_t>(j)].visible, j < 6) << j;
        EXPECT_EQ(g.imgLgcDrv[static_cast<size_t>(12 + j)].visible, j < 6) << j;
    }
    EXPECT_EQ(g.StorageCage[0].geometry.height, 6 * 381);
    EXPECT_EQ(visibleConnectors(g, 0), 5);
    EXPECT_EQ(visibleConnectors(g, 1), 5);
}

TEST(GraphicPlacement, UnusedFirstChannelStartsThePlacementInTheSecond) {
    test::Session s(6);
    s.main().ckChanUsed[0].userClick();
    ASSERT_TRUE(s.add("0", "5"));
    const GraphicForm &g = openGraphic(s);
    EXPECT_TRUE(g.StorageCage[0].opaque);
    EXPECT_FALSE(g.lnChannel[0].visible);
    EXPECT_EQ(channelPictures(g, 0), repeat({{"", 12}})); // covered by the opaque cage, untouched
    EXPECT_EQ(channelPictures(g, 1), repeat({{Blue, 5}, {Empty, 7}}));
    EXPECT_EQ(channelPictures(g, 2), repeat({{Empty, 12}}));
}

// The program keeps its sets contiguous; a gap can only come from outside, and ends the placement.
TEST(GraphicPlacement, EmptyTabEndsThePlacement) {
    test::Session s(6);
    ASSERT_TRUE(s.add("0", "2"));
    ASSERT_TRUE(s.add("0", "3"));
    ASSERT_TRUE(s.add("0", "4"));
    ASSERT_TRUE(s.add("0", "5"));
    MainForm &m = s.main();
    for (int k = 0; k < 5; ++k)
        m.field(2, k).setText("");
    const GraphicForm &g = openGraphic(s);
    EXPECT_EQ(channelPictures(g, 0), repeat({{Blue, 2}, {Red, 3}, {Empty, 7}}));
    for (int c = 1; c < 4; ++c)
        for (const std::string &picture : channelPictures(g, c))
            EXPECT_EQ(picture, Empty) << c;
}

TEST(GraphicPlacement, NonNumericDriveCountCountsAsNone) {
    test::Session s(6);
    ASSERT_TRUE(s.add("0", "2"));
    ASSERT_TRUE(s.add("0", "3"));
    s.main().field(0, 1).setText("two");
    const GraphicForm &g = openGraphic(s);
    EXPECT_EQ(channelPictures(g, 0), repeat({{Empty, 12}}));
}

TEST(GraphicPlacement, MoreDrivesThanSlotsFillEverySlot) {
    test::Session s(6);
    MainForm &m = s.main();
    const Strings set0{"0", "30", "1", "18.2", "546"}, set1{"0", "30", "1", "18.2", "546"};
    for (int k = 0; k < 5; ++k) {
        m.field(0, k).setText(set0[static_cast<size_t>(k)]);
        m.field(1, k).setText(set1[static_cast<size_t>(k)]);
    }
    const GraphicForm &g = openGraphic(s);
    EXPECT_EQ(channelPictures(g, 0), repeat({{Blue, 12}}));
    EXPECT_EQ(channelPictures(g, 1), repeat({{Blue, 12}}));
    EXPECT_EQ(channelPictures(g, 2), repeat({{Blue, 6}, {Red, 6}}));
    EXPECT_EQ(channelPictures(g, 3), repeat({{Red, 12}}));
}

TEST(GraphicPlacement, SetsInTabOrderWithTheirColours) {
    test::Session s(6);
    for (int t = 0; t < 4; ++t)
        ASSERT_TRUE(s.add("0", "3"));
    const GraphicForm &g = openGraphic(s);
    EXPECT_EQ(channelPictures(g, 0), repeat({{Blue, 3}, {Red, 3}, {Turquoise, 3}, {Green, 3}}));
    EXPECT_EQ(channelPictures(g, 1), repeat({{Empty, 12}}));
}

TEST(GraphicPlacement, TypicalRequestFillsTheFirstCage) {
    test::Session s(6);
    ASSERT_TRUE(s.add("5", "12", "", "36.4"));
    const GraphicForm &g = openGraphic(s);
    EXPECT_EQ(channelPictures(g, 0), repeat({{Blue, 12}}));
    for (int c = 1; c < 4; ++c) {
        EXPECT_EQ(channelPictures(g, c), repeat({{Empty, 12}})) << c;
        EXPECT_FALSE(g.StorageCage[static_cast<size_t>(c)].opaque);
    }
}

// No storage entry gives a single slot; the slot count is set here the way the channel would hold it.
TEST(GraphicCages, OneSlotChannelHasNoConnector) {
    test::Session s(1);
    s.program.ChannelSlots[0] = 1;
    s.main().cmdDisplayGraphic.userClick();
    const GraphicForm &g = *s.program.frmGraphic();
    EXPECT_EQ(g.StorageCage[0].geometry.height, 381);
    EXPECT_TRUE(g.imgLgcDrv[0].visible);
    EXPECT_EQ(g.imgLgcDrv[0].picture, Empty);
    for (int j = 1; j < 12; ++j)
        EXPECT_FALSE(g.imgLgcDrv[static_cast<size_t>(j)].visible) << j;
    EXPECT_EQ(visibleConnectors(g, 0), 0);
}

struct CageRow {
    const char *name;
    int entry;
    int slots;
};

void PrintTo(const CageRow &row, std::ostream *os) {
    *os << row.name;
}

class CageHeights : public ::testing::TestWithParam<CageRow> {};

TEST_P(CageHeights, HeightIsThreeHundredEightyOneTwipsPerSlot) {
    test::Session s(6);
    s.main().cmbStorageSel[2].userPick(GetParam().entry);
    const GraphicForm &g = openGraphic(s);
    EXPECT_EQ(g.StorageCage[2].geometry.height, 381 * GetParam().slots);
    EXPECT_EQ(visibleConnectors(g, 2), GetParam().slots - 1);
    int icons = 0;
    for (int j = 0; j < 12; ++j)
        icons += g.imgLgcDrv[static_cast<size_t>(24 + j)].visible ? 1 : 0;
    EXPECT_EQ(icons, GetParam().slots);
    EXPECT_EQ(g.StorageCage[2].geometry.left, 240 + 1320 * 2);
    EXPECT_EQ(g.StorageCage[2].geometry.top, 1200);
}

INSTANTIATE_TEST_SUITE_P(Entries, CageHeights,
                         ::testing::Values(CageRow{"Twelve", 0, 12}, CageRow{"Six", 1, 6},
                                           CageRow{"Four", 3, 4}, CageRow{"Two", 4, 2},
                                           CageRow{"Three", 5, 3}, CageRow{"Eight", 8, 8}),
                         [](const ::testing::TestParamInfo<CageRow> &info) {
                             return std::string(info.param.name);
                         });

TEST(GraphicLayout, PositionsOfTheFixedElements) {
    test::Session s(6);
    const GraphicForm &g = openGraphic(s);
    EXPECT_EQ(g.imgLgcDrv[12 * 3 + 11].geometry.left, 480 + 1320 * 3);
    EXPECT_EQ(g.imgLgcDrv[12 * 3 + 11].geometry.top, 1200 + 360 * 11);
    EXPECT_EQ(g.Line2[11 * 1 + 4].x1, 720 + 1320);
    EXPECT_EQ(g.Line2[11 * 1 + 4].y1, 1560 + 360 * 4);
    EXPECT_EQ(g.Line2[11 * 1 + 4].y2, 1680 + 360 * 4);
    EXPECT_EQ(g.lnChannel[2].x1, 720 + 1320 * 2);
    EXPECT_EQ(g.txtChannel[3].caption, "4");
    EXPECT_FALSE(g.imgHold.visible);
}

// ---- Drag and drop, focus ----

TEST(GraphicDrag, DropSwapsThePictures) {
    test::Session s(1);
    ASSERT_TRUE(s.add("0", "5"));
    GraphicForm &g = openGraphic(s);
    g.imgLgcDrv[9].onDragDrop(g.imgLgcDrv[2]);
    EXPECT_EQ(g.imgLgcDrv[9].picture, Blue);
    EXPECT_EQ(g.imgLgcDrv[2].picture, Empty);
    EXPECT_EQ(s.tabFields(0)[1], "5"); // the sets are not touched
}

TEST(GraphicDrag, DropOnItselfChangesNothing) {
    test::Session s(1);
    ASSERT_TRUE(s.add("0", "5"));
    GraphicForm &g = openGraphic(s);
    g.imgLgcDrv[3].onDragDrop(g.imgLgcDrv[3]);
    EXPECT_EQ(channelPictures(g, 0), repeat({{Blue, 5}, {Empty, 7}}));
}

TEST(GraphicFocus, LosingTheFocusClosesAndTheNextOpeningIsFresh) {
    test::Session s(1);
    ASSERT_TRUE(s.add("0", "5"));
    GraphicForm &g = openGraphic(s);
    g.imgLgcDrv[11].onDragDrop(g.imgLgcDrv[0]);
    s.program.focus(&s.main());
    EXPECT_EQ(s.program.frmGraphic(), nullptr);
    s.program.collectUnloaded();
    const GraphicForm &again = openGraphic(s);
    EXPECT_EQ(channelPictures(again, 0), repeat({{Blue, 5}, {Empty, 7}}));
}

TEST(GraphicFocus, PrintGoesToThePrinter) {
    test::Session s(1);
    GraphicForm &g = openGraphic(s);
    g.mnuPrintGraphics.userClick();
    EXPECT_EQ(s.host.printed, Strings{"frmGraphic"});
}

} // namespace
} // namespace spindex
