// Channel storage and drive slots: each used channel gives the slots of its storage entry, and a change
// that would leave fewer slots than the configured drives occupy is rolled back with one message.

#include <gtest/gtest.h>

#include <string>

#include "testsession.h"

namespace spindex {
namespace {

std::string rollBack(const std::string &inUse, int allowed) {
    return "Your Selection is being rolled back.  You have " + inUse +
           " drives configured and your selection only allows " + std::to_string(allowed) + " drives";
}

std::string slotText(int slots) {
    return "Maximum low profile drives slots = " + std::to_string(slots);
}

struct StorageRow {
    const char *name;
    int entry;
    int slots;
};

void PrintTo(const StorageRow &row, std::ostream *os) {
    *os << row.name;
}

class StorageSlots : public ::testing::TestWithParam<StorageRow> {};

// Channel 3 of the Osprey takes each entry in turn; the other three keep their 12 slots.
TEST_P(StorageSlots, EntryGivesItsSlotsToTheChannel) {
    test::Session s(6);
    MainForm &m = s.main();
    m.cmbStorageSel[3].userPick(GetParam().entry);
    EXPECT_EQ(s.program.ChannelSlots[3], GetParam().slots);
    EXPECT_EQ(m.MaxSlots, 36 + GetParam().slots);
    EXPECT_EQ(m.txtDisplayMaxDrives.text(), slotText(36 + GetParam().slots));
    EXPECT_EQ(s.program.LastStorageSel[3], GetParam().entry);
    EXPECT_TRUE(s.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(TenEntries, StorageSlots,
                         ::testing::Values(StorageRow{"Vault12Full", 0, 12}, StorageRow{"Vault12Half", 1, 6},
                                           StorageRow{"SixInternal", 2, 6}, StorageRow{"FourInternal", 3, 4},
                                           StorageRow{"TwoInternal", 4, 2}, StorageRow{"Plover", 5, 3},
                                           StorageRow{"Curlew", 6, 6}, StorageRow{"ThreeQuills", 7, 12},
                                           StorageRow{"TwoQuills", 8, 8}, StorageRow{"OneQuill", 9, 4}),
                         [](const ::testing::TestParamInfo<StorageRow> &info) {
                             return std::string(info.param.name);
                         });

TEST(ChannelSlots, WithNothingConfiguredEveryChangeIsAcceptedDownToNoSlots) {
    test::Session s(6);
    MainForm &m = s.main();
    for (int c = 0; c < 4; ++c)
        m.ckChanUsed[c].userClick();
    EXPECT_EQ(m.MaxSlots, 0);
    EXPECT_EQ(m.txtDisplayMaxDrives.text(), slotText(0));
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(m.ckChanUsed[c].value(), 0);
        EXPECT_FALSE(m.cmbStorageSel[c].enabled);
        EXPECT_EQ(s.program.ChannelSlots[static_cast<size_t>(c)], 0);
    }
    EXPECT_TRUE(s.host.messages.empty());
}

TEST(ChannelSlots, DisabledListKeepsItsEntryAndTickingBringsItsSlotsBack) {
    test::Session s(6);
    MainForm &m = s.main();
    m.cmbStorageSel[2].userPick(5);
    m.ckChanUsed[2].userClick();
    EXPECT_EQ(m.cmbStorageSel[2].listIndex(), 5);
    EXPECT_EQ(s.program.ChannelSlots[2], 0);
    EXPECT_EQ(m.MaxSlots, 36);
    m.ckChanUsed[2].userClick();
    EXPECT_TRUE(m.cmbStorageSel[2].enabled);
    EXPECT_EQ(s.program.ChannelSlots[2], 3);
    EXPECT_EQ(m.MaxSlots, 39);
    EXPECT_EQ(m.txtDisplayMaxDrives.text(), slotText(39));
}

TEST(StorageRollBack, TooFewSlotsRestoresTheEntryWithOneMessage) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "40"));
    ASSERT_EQ(m.txtSumTotals[3].text(), "40");
    s.pick(m.cmbStorageSel[3], "2 lp drives Internal Storage");
    ASSERT_EQ(s.host.messages.size(), 1u);
    const test::Message &msg = s.host.messages[0];
    EXPECT_EQ(msg.text, rollBack("40", 38));
    EXPECT_EQ(msg.buttons, MsgButtons::Ok);
    EXPECT_EQ(msg.icon, MsgIcon::None);
    EXPECT_EQ(msg.title, "Spindex");
    EXPECT_EQ(m.cmbStorageSel[3].listIndex(), 0);
    EXPECT_EQ(m.MaxSlots, 48);
    EXPECT_EQ(s.program.ChannelSlots[3], 12);
    EXPECT_EQ(m.txtDisplayMaxDrives.text(), slotText(48));
    EXPECT_EQ(s.totals()[3], "40");
}

TEST(StorageRollBack, SlotsInUseEqualToTheNewTotalAreAccepted) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "40"));
    s.pick(m.cmbStorageSel[3], "4 lp drives Internal Storage");
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_EQ(m.MaxSlots, 40);
    EXPECT_EQ(s.program.LastStorageSel[3], 3);
}

// Every channel goes back to the entry of the last accepted computation, not to its first one.
TEST(StorageRollBack, ReturnsToTheLastAcceptedEntries) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "40"));
    s.pick(m.cmbStorageSel[3], "Vault/12 - 6 drives"); // 42 slots, accepted
    ASSERT_TRUE(s.host.messages.empty());
    s.pick(m.cmbStorageSel[2], "2 lp drives Internal Storage"); // 32 slots
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, rollBack("40", 32));
    EXPECT_EQ(m.cmbStorageSel[2].listIndex(), 0);
    EXPECT_EQ(m.cmbStorageSel[3].listIndex(), 1);
    EXPECT_EQ(m.MaxSlots, 42);
    EXPECT_EQ(m.txtDisplayMaxDrives.text(), slotText(42));
}

// Half-height drives make fractional slot units; the message names them as the totals show them.
TEST(StorageRollBack, FractionalSlotsInUse) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "25", "", "36.4", true));
    ASSERT_EQ(m.txtSumTotals[3].text(), "37.5");
    s.pick(m.cmbStorageSel[3], "2 lp drives Internal Storage"); // 38 slots
    EXPECT_TRUE(s.host.messages.empty());
    s.pick(m.cmbStorageSel[2], "4 lp drives Internal Storage"); // 30 slots
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, rollBack("37.5", 30));
    EXPECT_EQ(m.MaxSlots, 38);
}

TEST(ChannelRollBack, UntickingAChannelWhoseSlotsAreInUseTicksItAgain) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "40"));
    m.ckChanUsed[3].userClick();
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, rollBack("40", 36));
    EXPECT_EQ(m.ckChanUsed[3].value(), 1);
    EXPECT_TRUE(m.cmbStorageSel[3].enabled);
    EXPECT_EQ(m.cmbStorageSel[3].listIndex(), 0);
    EXPECT_EQ(m.MaxSlots, 48);
    EXPECT_EQ(s.program.ChannelSlots[3], 12);
    EXPECT_EQ(m.txtDisplayMaxDrives.text(), slotText(48));
}

TEST(ChannelRollBack, UntickingAFreeChannelIsAccepted) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "36"));
    m.ckChanUsed[3].userClick();
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_EQ(m.ckChanUsed[3].value(), 0);
    EXPECT_FALSE(m.cmbStorageSel[3].enabled);
    EXPECT_EQ(m.MaxSlots, 36);
}

// The global spares count in the slots in use like the drives of the sets.
TEST(ChannelRollBack, GlobalSparesCountInTheSlotsInUse) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "34"));
    m.optGlobHotSpr[0].userClick();
    m.Text2.userType("3");
    ASSERT_EQ(m.txtSumTotals[3].text(), "37");
    m.ckChanUsed[3].userClick();
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, rollBack("37", 36));
    EXPECT_EQ(m.ckChanUsed[3].value(), 1);
}

} // namespace
} // namespace spindex
