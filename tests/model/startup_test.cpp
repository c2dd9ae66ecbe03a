// Start-up and channels: the splash hands over to the selection window, "Configure Controller" opens
// the main window set up for the chosen controller, each used channel gives the slots of its storage,
// and a change that leaves fewer slots than the configured drives occupy is rolled back with one
// message.

#include <algorithm>

#include "testsession.h"

namespace spindex {
namespace {

using test::Strings;

// The splash goes on a key, and then its timer with it; of its controls only the listed ones take a
// click. A splash still up when "Configure Controller" is pressed must not bring the selection window
// back when its time runs out: loading it afresh would switch the controller to the Osprey.
TEST(StartUp, SplashHandsOverOnceOnAKeyOrOnTheListedClicks) {
    test::TestHost host;
    Program program(host);
    program.Main();
    SelectControllerForm& select = *program.frmSelectController();
    select.cmbSelectCont.userPick(0);
    select.Command1.userClick();
    ASSERT_NE(program.frmSplash(), nullptr);
    program.advance(5000);
    EXPECT_EQ(program.frmSplash(), nullptr);
    EXPECT_EQ(program.frmSelectController(), nullptr);
    EXPECT_EQ(program.ControllerType, 1);
    EXPECT_EQ(program.frmSpindex()->lblController.caption, "Arvex Lark Controller");

    Program keyed(host);
    keyed.Main();
    EXPECT_EQ(keyed.frmSplash()->lblVersion.caption, "Version 1.1.7");
    keyed.frmSplash()->Form_KeyPress();
    EXPECT_EQ(keyed.frmSplash(), nullptr);
    SelectControllerForm* shown = keyed.frmSelectController();
    keyed.advance(10000); // the splash's timer went with it
    EXPECT_EQ(keyed.frmSelectController(), shown);
    EXPECT_EQ(keyed.frmSpindex(), nullptr);

    for (const char* target : {"Frame1", "imgLogo", "lblProductName", "lblPlatform"}) {
        Program clicked(host);
        clicked.Main();
        clicked.frmSplash()->lblVersion.userClick();
        clicked.frmSplash()->lblCompany.userClick();
        ASSERT_NE(clicked.frmSplash(), nullptr) << target;
        clicked.frmSplash()->control(target)->userClick();
        EXPECT_EQ(clicked.frmSplash(), nullptr) << target;
        EXPECT_TRUE(clicked.frmSelectController()->visible) << target;
    }
}

// What the set-up leaves after the main window's load; the RAID 0 capacity is that of the
// preselected drives of 18.2 GB.
TEST(StartUp, EachControllerAfterTheLoad) {
    const Strings seven{"0", "1", "3", "5", "10", "30", "50"}, five{"0", "1", "5", "10", "50"},
        fibre{"0", "1", "3", "5", "0+1", "30", "50"};
    const struct {
        const char *name, *ticked, *storage; // channels ticked and enabled, entry of each channel's list
        const Strings& levels;
        int id, drivesTop, drives, slots;
        const char *caption, *capacity;
    } rows[] = {{"Lark", "1000", "0000", seven, 1, 8, 8, 12, "Arvex Lark Controller", "145.6"},
                {"Wren", "1000", "0000", five, 2, 14, 12, 12, "Arvex Wren Controller", "218.4"},
                {"Finch", "1100", "0000", five, 3, 28, 12, 24, "Arvex Finch Controller", "218.4"},
                {"Heron", "1110", "0000", seven, 4, 8, 8, 36, "Arvex Heron Controller", "145.6"},
                {"Fibre", "1110", "0000", fibre, 5, 8, 8, 36, "Fibre Channel Controller", "145.6"},
                {"Osprey", "1111", "0000", five, 6, 48, 12, 48, "Arvex Osprey Controller", "218.4"},
                {"Keel", "1100", "2200", seven, 7, 8, 8, 12, "Keel Enbedded Arvex Controller", "145.6"},
                {"Mast", "1100", "3000", seven, 8, 8, 8, 16, "Mast Enbedded Arvex Controller", "145.6"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(row.id);
        const MainForm& m = s.main();
        for (int c = 0; c < 4; ++c) {
            const bool used = row.ticked[c] == '1';
            const int entry = row.storage[c] - '0';
            EXPECT_EQ(m.ckChanUsed[c].value(), used ? 1 : 0) << c;
            EXPECT_EQ(m.ckChanUsed[c].enabled, used) << c;
            EXPECT_EQ(m.cmbStorageSel[c].listIndex(), entry) << c;
        }
        EXPECT_EQ(m.cmbRaidLevel.items(), row.levels);
        EXPECT_EQ(m.cmbRaidLevel.text(), "0");
        EXPECT_EQ(m.cmbMaxDrives.items(), test::range(1, row.drivesTop));
        EXPECT_EQ(m.cmbMaxDrives.text(), std::to_string(row.drives));
        EXPECT_EQ(m.cmbNumSpans.items(), Strings{"1"});
        EXPECT_FALSE(m.cmbNumSpans.visible || m.lblSpan.visible);
        EXPECT_EQ(m.lblController.caption, row.caption);
        EXPECT_EQ(m.MaxSlots, row.slots);
        EXPECT_EQ(m.TxtLogicalCap.text(), row.capacity);
        EXPECT_EQ(m.txtTotalDrives.text(), std::to_string(row.drives));
        // The channels in use are the ticked ones, counted in a total the window does not show.
        const std::string channels = std::to_string(std::count(row.ticked, row.ticked + 4, '1'));
        EXPECT_EQ(s.totals(), (Strings{"0", "0", channels, "0"}));
        EXPECT_FALSE(m.txtSumTotals[2].visible);
        EXPECT_EQ(s.take(), Strings{});
    }
}

// The Osprey's four channels of 12 slots, one change after a configuration. A roll-back returns every
// channel to the entry of the last accepted change, not to its first one.
TEST(ChannelSlots, ChangesThatLeaveTooFewSlotsAreRolledBack) {
    const struct {
        const char *name, *configuration, *change, *inUse; // slot units the roll-back names, if any
        int allowed, maxSlots;                             // slots of the changed selection, and after it
        const char *ticked, *entries;
    } rows[] = {{"StorageWithTooFewSlots", "add 0 40", "storage 3 4", "40", 38, 48, "1111", "0000"},
                {"StorageWithJustEnough", "add 0 40", "storage 3 3", "", 40, 40, "1111", "0003"},
                {"UntickedChannelInUse", "add 0 40", "untick 3", "40", 36, 48, "1111", "0000"},
                {"UntickedFreeChannel", "add 0 36", "untick 3", "", 36, 36, "1110", "0000"},
                {"HalfHeightUnits", "add 0 25 - 36.4 hh", "untick 3", "37.5", 36, 48, "1111", "0000"},
                {"GlobalSparesInUse", "add 0 34; global 3", "untick 3", "37", 36, 48, "1111", "0000"},
                {"LastAcceptedEntries", "add 0 40; storage 3 1", "storage 2 4", "40", 32, 42, "1111", "0001"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(6);
        MainForm& m = s.main();
        s.run(row.configuration);
        s.play(row.change);
        EXPECT_EQ(s.take(),
                  *row.inUse ? Strings{"Spindex: Your Selection is being rolled back.  You have " +
                                       std::string(row.inUse) + " drives configured and your selection only allows " +
                                       std::to_string(row.allowed) + " drives"}
                             : Strings{});
        EXPECT_EQ(m.MaxSlots, row.maxSlots);
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(m.ckChanUsed[c].value(), row.ticked[c] - '0') << c;
            EXPECT_EQ(m.cmbStorageSel[c].listIndex(), row.entries[c] - '0') << c;
        }
    }
}

} // namespace
} // namespace spindex
