// Message boxes print as one JSON line each, with the key order of the protocol; questions take the
// queued answers in order.

#include <gtest/gtest.h>

#include "batchscript.h"

using namespace spindex::batchtest;

namespace {

// Osprey with 40 slot units in use (16 + 16 + 8 drives, RAID 5).
const char* const FortySlots = R"(click Command1
select cmbRaidLevel 5
select cmbMaxDrives 16
click cmdAddLogicals
click cmdAddLogicals
select cmbMaxDrives 8
click cmdAddLogicals
)";

TEST(Messages, RollBackOfAStorageChange) {
    const BatchResult result = runScript(std::string(FortySlots) + R"(get txtSumTotals(3)
select cmbStorageSel(0) "2 lp drives Internal Storage"
get cmbStorageSel(0)
get MaxSlots
get LastStorageSel(0)
)");
    EXPECT_EQ(result.output,
              "txtSumTotals(3) = \"40\"\n"
              R"(msgbox {"title":"Spindex","icon":"none","buttons":"ok","text":"Your Selection is being rolled back.  You have 40 drives configured and your selection only allows 38 drives","answer":"ok"})"
              "\ncmbStorageSel(0) = \"Vault/12 - 12 drives\"\nMaxSlots = 48\nLastStorageSel(0) = 0\n");
    EXPECT_EQ(result.status, 0);
}

TEST(Messages, RollBackOfUntickingAUsedChannel) {
    const BatchResult result = runScript(std::string(FortySlots) + "check ckChanUsed(3) 0\nget ckChanUsed(3)\n");
    EXPECT_EQ(result.output,
              R"(msgbox {"title":"Spindex","icon":"none","buttons":"ok","text":"Your Selection is being rolled back.  You have 40 drives configured and your selection only allows 36 drives","answer":"ok"})"
              "\nckChanUsed(3) = 1\n");
    EXPECT_EQ(result.status, 0);
}

TEST(Messages, RefusedAddKeepsTheCarriageReturnInTheText) {
    const BatchResult result = runScript(R"(select cmbSelectCont "Arvex Heron"
click Command1
select cmbRaidLevel 50
select cmbNumSpans 4
select cmbMaxDrives 3
click cmdAddLogicals
click cmdAddLogicals
get LogDrivesAvail
click cmdAddLogicals
get Text1(10)
)");
    EXPECT_EQ(result.output,
              "LogDrivesAvail = 2\n"
              R"(msgbox {"title":"Logical Drive Selection Error","icon":"critical","buttons":"ok","text":"No more Logical Drives Free.  You have 0 free logical drives, and you have selected 1 Raid sets \r\n and 4 Spans.  This would require 4 free logical drives","answer":"ok"})"
              "\nText1(10) = \"\"\n");
    EXPECT_EQ(result.status, 0);
}

TEST(Messages, TooManyDrives) {
    const BatchResult result = runScript(std::string(FortySlots) + "select cmbMaxDrives 9\nclick cmdAddLogicals\nget LPSlotsUsed\n");
    EXPECT_EQ(result.output,
              R"(msgbox {"title":"Maximum Drive Selection Error","icon":"critical","buttons":"ok","text":"To many drives selected.  You have 8 Low Profile drive spaces available, and have selected 9 total low profile drive slots to add.","answer":"ok"})"
              "\nLPSlotsUsed = 40\n");
    EXPECT_EQ(result.status, 0);
}

TEST(Messages, AnswersAreUsedInTheOrderQueued) {
    // "no" keeps the Osprey; "yes" switches to the Lark and clears the table without a second question.
    const BatchResult result = runScript(R"(click Command1
select cmbRaidLevel 5
click cmdAddLogicals
answer no
answer yes
click mnuController(1)
get ControllerType
get Text1(0)
click mnuController(1)
get ControllerType
get Text1(0)
get lblController
)");
    const std::string question =
        R"(msgbox {"title":"Spindex","icon":"none","buttons":"yesno","text":"This will clear all current logical drives!  Do you want to continue?","answer":)";
    EXPECT_EQ(result.output, question + "\"no\"}\nControllerType = 6\nText1(0) = \"5\"\n" + question +
                                 "\"yes\"}\nControllerType = 1\nText1(0) = \"\"\nlblController = \"Arvex Lark Controller\"\n");
    EXPECT_EQ(result.status, 0);
}

TEST(Messages, OkBoxNeedsNoAnswerAndLeavesQueuedYesForTheQuestion) {
    const BatchResult result = runScript(R"(click Command1
select cmbRaidLevel 5
click cmdAddLogicals
answer yes
click mnuEmail
click cmdClearOne
get Text1(0)
)");
    EXPECT_EQ(result.output,
              R"(msgbox {"title":"Spindex","icon":"none","buttons":"ok","text":"Send suggestions to spindex-suggestions@example.org","answer":"ok"})"
              "\n"
              R"(msgbox {"title":"Spindex","icon":"none","buttons":"yesno","text":"Are You Sure?","answer":"yes"})"
              "\nText1(0) = \"\"\n");
    EXPECT_EQ(result.status, 0);
}

TEST(Messages, QueuedOkIsUsedUpByAnOkBoxAndIsNoAnswerToAQuestion) {
    const BatchResult result = runScript(R"(click Command1
answer ok
click mnuEmail
answer ok
click cmdClearAll
)");
    EXPECT_EQ(result.output,
              R"(msgbox {"title":"Spindex","icon":"none","buttons":"ok","text":"Send suggestions to spindex-suggestions@example.org","answer":"ok"})"
              "\n"
              R"(msgbox {"title":"Spindex","icon":"none","buttons":"yesno","text":"Are you sure?","answer":"no"})"
              "\nerror: the queued answer ok is no button of a question\n");
    EXPECT_EQ(result.status, 1);
}

TEST(Messages, QuestionWithoutAnswerIsNo) {
    const BatchResult result = runScript(R"(click Command1
select cmbRaidLevel 5
click cmdAddLogicals
click cmdClearOne
get Text1(0)
)");
    EXPECT_EQ(result.output,
              R"(msgbox {"title":"Spindex","icon":"none","buttons":"yesno","text":"Are You Sure?","answer":"no"})"
              "\nerror: no answer queued\nText1(0) = \"5\"\n");
    EXPECT_EQ(result.status, 1);
}

TEST(Messages, AboutBoxAndSystemInformation) {
    // No registry off Windows: the launcher says the tool is unavailable.
    const BatchResult result = runScript(R"(click Command1
click mnuAbout
get frmAbout
get frmAbout.caption
get frmAbout.lblVersion
click frmAbout.cmdSysInfo
get frmAbout
click frmAbout.cmdOK
get frmAbout
click mnuAbout
focus frmSpindex
get frmAbout
)");
    EXPECT_EQ(result.output, R"(frmAbout = true
frmAbout.caption = "About Spindex"
frmAbout.lblVersion = "Version 1.1.7"
msgbox {"title":"Spindex","icon":"none","buttons":"ok","text":"System Information Is Unavailable At This Time","answer":"ok"}
frmAbout = true
frmAbout = false
frmAbout = false
)");
    EXPECT_EQ(result.status, 0);
}

} // namespace
