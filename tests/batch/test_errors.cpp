// A command that a user could not carry out changes nothing, prints one error line, and the script
// goes on; the exit status is then 1.

#include <gtest/gtest.h>

#include "batchscript.h"

using namespace spindex::batchtest;

namespace {

struct ErrorCase {
    const char* name;
    const char* setup;   // lines before the refused one
    const char* refused; // the command a user could not carry out
    const char* error;   // its one output line
    const char* after;   // a get after it, showing that nothing changed
    const char* value;   // what that get prints
};

const char* const Osprey = "click Command1\n";
const char* const Lark = "select cmbSelectCont \"Arvex Lark\"\nclick Command1\n";
// Heron, RAID 50 with 4 spans of 3 drives: the set reserves three more logical drives, tabs 5 to 7 go.
const char* const HeronSpanned =
    "select cmbSelectCont \"Arvex Heron\"\nclick Command1\nselect cmbRaidLevel 50\nselect cmbNumSpans 4\n"
    "select cmbMaxDrives 3\nclick cmdAddLogicals\n";

const ErrorCase Cases[] = {
    {"UnknownCommand", Osprey, "frobnicate cmdAddLogicals", "unknown command frobnicate", "get txtSumTotals(0)",
     "\"0\""},
    {"UnknownControl", Osprey, "click cmdNothing", "unknown control cmdNothing", "get ControllerType", "6"},
    {"UnknownControlOfAWindow", Osprey, "click frmSpindex.cmdNothing", "unknown control frmSpindex.cmdNothing",
     "get ControllerType", "6"},
    {"UnknownWindow", Osprey, "key frmNothing", "unknown window frmNothing", "get frmSpindex", "true"},
    {"WindowNotLoaded", "", "click cmdAddLogicals", "window frmSpindex is not loaded", "get frmSpindex", "false"},
    {"GraphicNotLoaded", Osprey, "drag frmGraphic.imgLgcDrv(0) frmGraphic.imgLgcDrv(1)",
     "window frmGraphic is not loaded", "get frmGraphic", "false"},
    {"HiddenSpanListAtRaid0", Osprey, "select cmbNumSpans 1", "control cmbNumSpans is hidden", "get cmbRaidLevel",
     "\"0\""},
    {"DisabledChannelOnTheLark", Lark, "check ckChanUsed(1) 1", "control ckChanUsed(1) is disabled",
     "get ckChanUsed(1)", "0"},
    {"DisabledStorageList", Lark, "select cmbStorageSel(2) \"Vault/12 - 6 drives\"",
     "control cmbStorageSel(2) is disabled", "get MaxSlots", "12"},
    {"DisabledGlobalSpareCount", Osprey, "type Text2 2", "control Text2 is disabled", "get Text2", "\"0\""},
    {"ControlOnAnotherTab", Osprey, "click optLocHotSpr(2)", "control optLocHotSpr(2) is on tab 1, not the current tab",
     "get optLocHotSpr(2)", "false"},
    {"LockedTextBox", Osprey, "type Text1(0) 5", "control Text1(0) is locked", "get Text1(0)", "\"\""},
    {"ListWithoutThatEntry", Osprey, "select cmbRaidLevel 7", "list cmbRaidLevel has no entry 7", "get cmbRaidLevel",
     "\"0\""},
    {"DisabledTab", HeronSpanned, "tab 5", "tab 5 is disabled", "get SSTab1", "0"},
    {"TabOutOfRange", Osprey, "tab 8", "usage: tab N, with N from 0 to 7", "get SSTab1", "0"},
    {"CheckOnAButton", Osprey, "check cmdClearAll 1", "cmdClearAll is a button, not a check box",
     "get txtSumTotals(0)", "\"0\""},
    {"CheckWithAnotherValue", Osprey, "check ckChanUsed(3) 2", "usage: check CONTROL 0|1", "get ckChanUsed(3)", "1"},
    {"SelectOnAButton", Osprey, "select cmdAddLogicals 5", "cmdAddLogicals is a button, not a list",
     "get Text1(0)", "\"\""},
    {"TypeIntoAList", Osprey, "type cmbRaidLevel 5", "cmbRaidLevel is a list, not a text box", "get cmbRaidLevel",
     "\"0\""},
    {"ClickOnAList", Osprey, "click cmbRaidLevel", "cmbRaidLevel is a list: pick an entry with select",
     "get cmbRaidLevel", "\"0\""},
    {"ClickOnAWindow", Osprey, "click frmSpindex", "frmSpindex is a window, not a control", "get frmSpindex",
     "true"},
    {"MissingArgument", Osprey, "select cmbRaidLevel", "usage: select CONTROL TEXT", "get cmbRaidLevel", "\"0\""},
    {"UnquotedTextWithBlanks", Osprey, "select cmbStorageSel(0) Vault/12 - 6 drives",
     "usage: select CONTROL TEXT", "get MaxSlots", "48"},
    {"UnterminatedQuote", Osprey, "select cmbStorageSel(0) \"Vault/12 - 6 drives", "unterminated quote",
     "get MaxSlots", "48"},
    {"BadAnswer", Osprey, "answer maybe", "usage: answer yes|no|ok", "get ControllerType", "6"},
    {"BadWait", "", "wait -5", "usage: wait MS, with MS a whole number of milliseconds from 0 to 2147483647",
     "get frmSplash", "true"},
    {"GetUnknownProperty", Osprey, "get cmdAddLogicals.text", "unknown property text of cmdAddLogicals",
     "get cmdAddLogicals.enabled", "true"},
    {"GetVariableWithoutIndex", Osprey, "get ChannelSlots", "ChannelSlots needs an index from 0 to 3",
     "get ChannelSlots(3)", "12"},
    {"GetWindowVariableBeforeLoad", "", "get MaxSlots", "window frmSpindex is not loaded", "get ControllerType",
     "6"},
    {"FocusOnAWindowNotLoaded", Osprey, "focus frmAbout", "window frmAbout is not loaded", "get frmAbout", "false"},
};

// Names the case in test listings instead of its bytes.
void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class RefusedCommand : public testing::TestWithParam<ErrorCase> {};

TEST_P(RefusedCommand, PrintsOneErrorLineAndGoesOn) {
    const ErrorCase& c = GetParam();
    const BatchResult result = runScript(std::string(c.setup) + c.refused + "\n" + c.after + "\n");
    EXPECT_EQ(result.output, std::string("error: ") + c.error + "\n" + (c.after + 4) + " = " + c.value + "\n");
    EXPECT_EQ(result.status, 1);
}

INSTANTIATE_TEST_SUITE_P(Batch, RefusedCommand, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });

TEST(RefusedCommand, TheSameCommandsSucceedWithinReach) {
    // The counterparts of the refusals above: once in reach, the actions work and print nothing.
    const BatchResult result = runScript(R"(click Command1
select cmbRaidLevel 10
select cmbNumSpans 2
get cmbNumSpans
tab 1
get SSTab1
click optLocHotSpr(2)
get optLocHotSpr(3)
check ckChanUsed(3) 0
get ckChanUsed(3)
get MaxSlots
check ckChanUsed(3) 0
check ckChanUsed(3) 1
get MaxSlots
)");
    EXPECT_EQ(result.output, R"(cmbNumSpans = "2"
SSTab1 = 1
optLocHotSpr(3) = true
ckChanUsed(3) = 0
MaxSlots = 36
MaxSlots = 48
)");
    EXPECT_EQ(result.status, 0);
}

TEST(RefusedCommand, EveryErrorCountsOnceAndTheScriptRunsToTheEnd) {
    const BatchResult result = runScript("frobnicate\nget ControllerType\nnothing either\nget frmSplash\n");
    EXPECT_EQ(result.output,
              "error: unknown command frobnicate\nControllerType = 6\nerror: unknown command nothing\nfrmSplash = true\n");
    EXPECT_EQ(result.status, 1);
}

} // namespace
