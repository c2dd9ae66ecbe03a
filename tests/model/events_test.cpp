// The forms runtime's rule for events. A value set from code raises the control's handler only when it
// really changes: the roll-back of a storage change ends because re-selecting the entries it already
// has raises nothing. A user's pick raises the list's handler every time, also for the entry already
// selected; a user's click on an option button that is already selected does nothing.

#include <gtest/gtest.h>

#include "controls.h"
#include "testsession.h"

namespace spindex {
namespace {

struct Counter {
    int runs = 0;
    Handler handler() {
        return [this] { ++runs; };
    }
};

TEST(CodeChanges, ListRaisesItsHandlerOnlyForANewEntry) {
    ListBox list("list");
    Counter clicks;
    list.onClick = clicks.handler();
    list.addItem("a");
    list.addItem("b");
    list.setListIndex(0);
    EXPECT_EQ(clicks.runs, 1);
    list.setListIndex(0);
    EXPECT_EQ(clicks.runs, 1);
    list.setListIndex(1);
    EXPECT_EQ(clicks.runs, 2);
    list.setListIndex(7); // no such entry
    EXPECT_EQ(clicks.runs, 2);
    EXPECT_EQ(list.text(), "b");
}

TEST(CodeChanges, ClearingAListRaisesNothing) {
    ListBox list("list");
    Counter clicks;
    list.onClick = clicks.handler();
    list.addItem("a");
    list.setListIndex(0);
    list.clear();
    EXPECT_EQ(clicks.runs, 1);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "");
}

TEST(CodeChanges, CheckBoxRaisesItsHandlerOnlyForANewValue) {
    CheckBox box("box");
    Counter clicks;
    box.onClick = clicks.handler();
    box.setValue(0);
    EXPECT_EQ(clicks.runs, 0);
    box.setValue(1);
    box.setValue(1);
    EXPECT_EQ(clicks.runs, 1);
    box.setValue(0);
    EXPECT_EQ(clicks.runs, 2);
}

TEST(CodeChanges, TextBoxRaisesItsHandlerOnlyForANewText) {
    TextBox box("box", "0");
    Counter changes;
    box.onChange = changes.handler();
    box.setText("0");
    EXPECT_EQ(changes.runs, 0);
    box.setText("1");
    box.setText("1");
    EXPECT_EQ(changes.runs, 1);
}

TEST(CodeChanges, OptionButtonRaisesOnlyWhenItBecomesSelected) {
    OptionButton yes("yes"), no("no");
    OptionGroup group;
    group.add(yes);
    group.add(no);
    Counter yesClicks, noClicks;
    yes.onClick = yesClicks.handler();
    no.onClick = noClicks.handler();
    no.setValue(true);
    no.setValue(true);
    EXPECT_EQ(noClicks.runs, 1);
    yes.setValue(true);
    EXPECT_TRUE(yes.value());
    EXPECT_FALSE(no.value());
    EXPECT_EQ(yesClicks.runs, 1);
    EXPECT_EQ(noClicks.runs, 1); // the button that goes off raises nothing
    yes.setValue(false);
    EXPECT_EQ(yesClicks.runs, 1);
}

TEST(UserActions, PickOfTheSelectedEntryRaisesTheHandler) {
    ListBox list("list");
    Counter clicks;
    list.onClick = clicks.handler();
    list.addItem("a");
    list.userPick(0);
    list.userPick(0);
    EXPECT_EQ(clicks.runs, 2);
}

TEST(UserActions, ClickOnTheSelectedOptionDoesNothing) {
    OptionButton yes("yes"), no("no");
    OptionGroup group;
    group.add(yes);
    group.add(no);
    Counter clicks;
    no.onClick = clicks.handler();
    no.userClick();
    no.userClick();
    EXPECT_EQ(clicks.runs, 1);
}

TEST(UserActions, CheckBoxClickTogglesAndRaises) {
    CheckBox box("box");
    Counter clicks;
    box.onClick = clicks.handler();
    box.userClick();
    EXPECT_EQ(box.value(), 1);
    box.userClick();
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(clicks.runs, 2);
}

// Picking the RAID level that is already selected runs the rules again: the drives list is rebuilt
// with its preselection, while the span count the user chose stays.
TEST(UserActionsInTheProgram, PickOfTheSelectedRaidLevelRebuildsTheDrivesList) {
    test::Session s(6);
    MainForm &m = s.main();
    s.calculator("50", "5", "4");
    ASSERT_EQ(m.cmbMaxDrives.text(), "5");
    s.pick(m.cmbRaidLevel, "50");
    EXPECT_EQ(m.cmbMaxDrives.text(), "12");
    EXPECT_EQ(m.cmbNumSpans.text(), "4");
    EXPECT_EQ(m.TxtLogicalCap.text(), "800.8"); // (48 - 4) x 18.2
}

// A second click on the selected "Yes" of the global spare would set the count back to 1.
TEST(UserActionsInTheProgram, ClickOnTheSelectedGlobalSpareKeepsTheCount) {
    test::Session s(6);
    MainForm &m = s.main();
    m.optGlobHotSpr[0].userClick();
    m.Text2.userType("3");
    m.optGlobHotSpr[0].userClick();
    EXPECT_EQ(m.Text2.text(), "3");
    EXPECT_EQ(m.txtSumTotals[0].text(), "3");
    EXPECT_TRUE(s.host.messages.empty());
}

// The roll-back re-selects the entries the lists already hold for every other channel; only the
// changed channel's list raises its handler again, so the message comes once and the chain ends.
TEST(UserActionsInTheProgram, RollBackEndsAfterOneMessage) {
    test::Session s(6);
    MainForm &m = s.main();
    ASSERT_TRUE(s.add("0", "40"));
    s.pick(m.cmbStorageSel[1], "2 lp drives Internal Storage");
    EXPECT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(m.cmbStorageSel[1].listIndex(), 0);
}

} // namespace
} // namespace spindex
