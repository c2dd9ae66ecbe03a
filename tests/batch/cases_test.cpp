// Tables of scripts and everything they print: the splash hand-over, commands a user could not carry
// out, and the queue of answers. The page's examples show the rest of each.

#include "batchtest.h"

namespace {

TEST_P(Script, PrintsExactly) {
    const Played played = play(GetParam().script);
    EXPECT_EQ(played.out, GetParam().output);
    EXPECT_EQ(played.status, GetParam().status);
}

// The splash goes at a click on one of its listed controls; its timer and a key are the page's
// examples.
const Case Splash[] = {
    {"ClickOnTheLogo", "click frmSplash.imgLogo\nget frmSplash\n", "frmSplash = false\n", 0},
    {"ClickOnTheVersionDoesNothing", "click frmSplash.lblVersion\nget frmSplash\n", "frmSplash = true\n", 0},
};
INSTANTIATE_TEST_SUITE_P(Splash, Script, testing::ValuesIn(Splash), rowName);

// A command a user could not carry out prints one error line, changes nothing, and the script goes
// on; the exit status is then 1.
const std::string Osprey = "click Command1\n";
// The Heron with a RAID 50 set of four spans, which takes three more logical drives: tabs 5 to 7 go.
const std::string HeronWithFourSpans = "select cmbSelectCont \"Arvex Heron\"\n" + Osprey +
                                       "select cmbRaidLevel 50\nselect cmbNumSpans 4\nselect cmbMaxDrives 3\n"
                                       "click cmdAddLogicals\n";
const Case Refused[] = {
    {"MissingWord", Osprey + "select cmbRaidLevel\nget cmbRaidLevel\n",
     "error: usage: select CONTROL TEXT\ncmbRaidLevel = \"0\"\n", 1},
    {"WindowNotLoaded", "click cmdAddLogicals\nget frmSpindex\n",
     "error: window frmSpindex is not loaded\nfrmSpindex = false\n", 1},
    {"Hidden", Osprey + "select cmbNumSpans 1\nget cmbNumSpans.visible\n",
     "error: control cmbNumSpans is hidden\ncmbNumSpans.visible = false\n", 1},
    {"Disabled", "select cmbSelectCont \"Arvex Lark\"\n" + Osprey + "check ckChanUsed(1) 1\nget ckChanUsed(1)\n",
     "error: control ckChanUsed(1) is disabled\nckChanUsed(1) = 0\n", 1},
    {"Locked", Osprey + "type Text1(0) 5\nget Text1(0)\n", "error: control Text1(0) is locked\nText1(0) = \"\"\n", 1},
    {"NoSuchEntry", Osprey + "select cmbRaidLevel 7\nget cmbRaidLevel\n",
     "error: list cmbRaidLevel has no entry 7\ncmbRaidLevel = \"0\"\n", 1},
    {"DisabledTab", HeronWithFourSpans + "tab 5\nget SSTab1\n", "error: tab 5 is disabled\nSSTab1 = 0\n", 1},
    {"AfterTheEnd", Osprey + "click mnuClose\n# still a comment\nget frmSpindex\nanswer yes\n",
     "ended\nerror: program has ended\nerror: program has ended\n", 1},
    {"OkIsNoAnswerToAQuestion", Osprey + "answer ok\nclick cmdClearAll\n",
     R"(msgbox {"title":"Spindex","icon":"none","buttons":"yesno","text":"Are you sure?","answer":"no"})"
     "\nerror: the queued answer ok is no button of a question\n",
     1},
    {"NoSuchAnswer", "answer maybe\n", "error: usage: answer yes|no|ok|cancel\n", 1},
};
INSTANTIATE_TEST_SUITE_P(Refused, Script, testing::ValuesIn(Refused), rowName);

// Answers queued together are used in the order queued.
const Case Messages[] = {
    {"AnswersInTheOrderQueued",
     Osprey + "answer no\nanswer yes\nclick mnuController(1)\nget ControllerType\nclick mnuController(1)\n"
              "get ControllerType\n",
     R"(msgbox {"title":"Spindex","icon":"none","buttons":"yesno","text":"This will clear all current logical drives!  Do you want to continue?","answer":"no"})"
     "\nControllerType = 6\n"
     R"(msgbox {"title":"Spindex","icon":"none","buttons":"yesno","text":"This will clear all current logical drives!  Do you want to continue?","answer":"yes"})"
     "\nControllerType = 1\n",
     0},
};
INSTANTIATE_TEST_SUITE_P(Messages, Script, testing::ValuesIn(Messages), rowName);

} // namespace
