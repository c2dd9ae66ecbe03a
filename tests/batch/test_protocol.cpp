// The protocol document's example and the Overview's typical request, end to end.

#include <gtest/gtest.h>

#include "batchscript.h"

using namespace spindex::batchtest;

namespace {

// The Example of the protocol document, word for word.
const char* const ProtocolExample = R"(# the typical request, end to end
click Command1
select cmbRaidLevel 5
select cmbDriveSize 36.4
get TxtLogicalCap
get txtTotalDrives
click cmdAddLogicals
get Text1(4)
get txtSumTotals(3)
click cmdClearAll
answer yes
)";

const char* const ProtocolExampleOutput = R"(TxtLogicalCap = "400.4"
txtTotalDrives = "12"
Text1(4) = "400.4"
txtSumTotals(3) = "12"
msgbox {"title":"Spindex","icon":"none","buttons":"yesno","text":"Are you sure?","answer":"no"}
error: no answer queued
)";

TEST(ProtocolExample, PrintsTheDocumentedLinesAndFails) {
    const BatchResult result = runScript(ProtocolExample);
    EXPECT_EQ(result.output, ProtocolExampleOutput);
    EXPECT_EQ(result.status, 1);
}

TEST(ProtocolExample, AnswerBeforeTheClickClearsTheTable) {
    const BatchResult result = runScript(R"(click Command1
select cmbRaidLevel 5
select cmbDriveSize 36.4
get TxtLogicalCap
get txtTotalDrives
click cmdAddLogicals
get Text1(4)
get txtSumTotals(3)
answer yes
click cmdClearAll
get Text1(0)
get Text1(4)
get txtSumTotals(3)
)");
    EXPECT_EQ(result.output, R"(TxtLogicalCap = "400.4"
txtTotalDrives = "12"
Text1(4) = "400.4"
txtSumTotals(3) = "12"
msgbox {"title":"Spindex","icon":"none","buttons":"yesno","text":"Are you sure?","answer":"yes"}
Text1(0) = ""
Text1(4) = ""
txtSumTotals(3) = "0"
)");
    EXPECT_EQ(result.status, 0);
}

TEST(ProtocolExample, SameLinesThroughStandardInput) {
    const BatchResult result = runScript(ProtocolExample, true);
    EXPECT_EQ(result.output, ProtocolExampleOutput);
    EXPECT_EQ(result.status, 1);
}

TEST(ProtocolExample, RunsWithoutDisplayOrPlatformPlugin) {
    const BatchResult result = runScriptWithoutDisplay(ProtocolExample);
    EXPECT_EQ(result.output, ProtocolExampleOutput);
    EXPECT_EQ(result.status, 1);
}

// Osprey, four "Vault/12 - 12 drives", RAID 5 (12 drives preselected), 36.4 low profile.
TEST(TypicalRequest, CapacityAndTotals) {
    const BatchResult result = runScript(R"(click Command1
get ControllerType
get cmbStorageSel(0)
get cmbStorageSel(3)
get MaxSlots
select cmbRaidLevel 5
get cmbMaxDrives
select cmbDriveSize 36.4
get optDriveH(1)
get TxtLogicalCap
get txtTotalDrives
click cmdAddLogicals
get Text1(0)
get Text1(1)
get Text1(2)
get Text1(3)
get Text1(4)
get optLogDriveH(1)
get txtSumTotals(0)
get txtSumTotals(1)
get txtSumTotals(3)
get LPSlotsUsed
get SSTab1
)");
    EXPECT_EQ(result.output, R"(ControllerType = 6
cmbStorageSel(0) = "Vault/12 - 12 drives"
cmbStorageSel(3) = "Vault/12 - 12 drives"
MaxSlots = 48
cmbMaxDrives = "12"
optDriveH(1) = true
TxtLogicalCap = "400.4"
txtTotalDrives = "12"
Text1(0) = "5"
Text1(1) = "12"
Text1(2) = "1"
Text1(3) = "36.4"
Text1(4) = "400.4"
optLogDriveH(1) = true
txtSumTotals(0) = "12"
txtSumTotals(1) = "400.4"
txtSumTotals(3) = "12"
LPSlotsUsed = 12
SSTab1 = 0
)");
    EXPECT_EQ(result.status, 0);
}

TEST(ScriptFile, CommentsBlankLinesAndWindowsLineEndsAreSkipped) {
    const BatchResult result = runScript("  # a comment\r\n\r\n   \t\nget ControllerType\r\n\t# another\n");
    EXPECT_EQ(result.output, "ControllerType = 6\n");
    EXPECT_EQ(result.status, 0);
}

TEST(ScriptFile, EmptyScriptSucceedsSilently) {
    const BatchResult result = runScript("");
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.status, 0);
}

TEST(ScriptFile, UnreadableScriptExitsWithTwo) {
    const TempFolder folder;
    const BatchResult missing = runScriptFile(folder.path() / "no-such-script.txt");
    EXPECT_EQ(missing.output, "");
    EXPECT_EQ(missing.status, 2);
    const BatchResult directory = runScriptFile(folder.path());
    EXPECT_EQ(directory.output, "");
    EXPECT_EQ(directory.status, 2);
}

} // namespace
