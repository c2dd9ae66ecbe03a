// The save dialog and the text report file, printing, quoting of words, and the program's end.

#include <gtest/gtest.h>

#include <fstream>

#include "batchscript.h"

using namespace spindex::batchtest;
namespace fs = std::filesystem;

namespace {

const char* const TypicalSet = R"(click Command1
select cmbRaidLevel 5
select cmbDriveSize 36.4
click cmdAddLogicals
)";

// The text file of the typical request, CR LF after every line.
const char* const TypicalReportFile =
    "             Total Number of Drives       12\r\n"
    " GigaBytes Total Usable Drive Space    400.4\r\n"
    "            Number of Channels Used        1\r\n"
    "Total Number Low Profile Drive Slot       12\r\n"
    "\r\n"
    "\r\n"
    "\r\n"
    "Logical Drive 0\r\n"
    "        Raid Level      5\r\n"
    "  Number of Drives     12\r\n"
    "   Number of Spans      1\r\n"
    "    Drive Capacity   36.4\r\n"
    "    Total Capacity  400.4\r\n"
    "      Drive Height    Low Profile\r\n"
    "\r\n";

std::string savedialog(const std::string& answer) {
    return R"(savedialog {"filter":"Text Files (*.txt)|*.txt","defaultext":"txt","answer":)" + answer + "}\n";
}

TEST(SaveFile, WritesTheTextReportWithCrLf) {
    const TempFolder folder;
    const std::string path = folder.file("report.txt");
    const BatchResult result = runScript(std::string(TypicalSet) + "savefile \"" + path + "\"\nclick mnuSave\n");
    EXPECT_EQ(result.output, savedialog("\"" + path + "\""));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(readFile(path), TypicalReportFile);
}

TEST(SaveFile, NameWithoutExtensionGetsTxtFromTheReportWindow) {
    const TempFolder folder;
    const std::string path = folder.file("report");
    const BatchResult result = runScript(std::string(TypicalSet) + "click cmdDataReport\nsavefile \"" + path +
                                         "\"\nclick frmLogicalDriveDisplay.mnuPtoFile\n");
    EXPECT_EQ(result.output, savedialog("\"" + path + "\""));
    EXPECT_EQ(result.status, 0);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(readFile(path + ".txt"), TypicalReportFile);
}

TEST(SaveFile, ExistingFileIsReplaced) {
    const TempFolder folder;
    const std::string path = folder.file("old.rep");
    {
        std::ofstream(path) << "an older and much longer content than the report itself will leave\n";
    }
    const BatchResult result =
        runScript(std::string(TypicalSet) + "savefile " + path + "\nclick mnuSave\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(readFile(path), TypicalReportFile);
}

TEST(SaveFile, CancelWritesNothing) {
    const TempFolder folder;
    const BatchResult result = runScript(std::string(TypicalSet) + "cancelsave\nclick mnuSave\n");
    EXPECT_EQ(result.output, savedialog("null"));
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST(SaveFile, NothingQueuedIsCancelAndAnError) {
    const BatchResult result = runScript(std::string(TypicalSet) + "click mnuSave\nget Text1(0)\n");
    EXPECT_EQ(result.output, savedialog("null") + "error: no save answer queued\nText1(0) = \"5\"\n");
    EXPECT_EQ(result.status, 1);
}

TEST(SaveFile, AnswersAreUsedInOrder) {
    const TempFolder folder;
    const std::string second = folder.file("second.txt");
    const BatchResult result = runScript(std::string(TypicalSet) + "cancelsave\nsavefile " + second +
                                         "\nclick mnuSave\nclick mnuSave\n");
    EXPECT_EQ(result.output, savedialog("null") + savedialog("\"" + second + "\""));
    EXPECT_EQ(readFile(second), TypicalReportFile);
}

TEST(SaveFile, FolderThatDoesNotExistIsReported) {
    const TempFolder folder;
    const std::string path = folder.file("missing/report.txt");
    const BatchResult result = runScript(std::string(TypicalSet) + "savefile " + path + "\nclick mnuSave\n");
    EXPECT_EQ(result.output, savedialog("\"" + path + "\"") +
                                 R"(msgbox {"title":"Spindex","icon":"critical","buttons":"ok","text":"Could not save the report to )" +
                                 path + R"(: the folder does not exist","answer":"ok"})" + "\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_FALSE(fs::exists(folder.path() / "missing"));
}

TEST(Quoting, BlanksQuotesAndBackslashesInWords) {
    const TempFolder folder;
    // The script writes the name "a \"b\" c\\d.txt" with a quote and a backslash in it.
    const BatchResult result = runScript(std::string(TypicalSet) + "select cmbStorageSel(1) \"Vault/12 - 6 drives\"\n" +
                                         "get cmbStorageSel(1)\nget MaxSlots\n" + "savefile \"" +
                                         folder.file("a \\\"b\\\" c\\\\d.txt") + "\"\nclick mnuSave\n" +
                                         "select cmbRaidLevel \"\"\nselect cmbRaidLevel \"x\\\"y\"\n");
    const std::string written = folder.file("a \"b\" c\\d.txt");
    EXPECT_EQ(result.output, "cmbStorageSel(1) = \"Vault/12 - 6 drives\"\nMaxSlots = 42\n" +
                                 savedialog("\"" + folder.file("a \\\"b\\\" c\\\\d.txt") + "\"") +
                                 "error: list cmbRaidLevel has no entry \nerror: list cmbRaidLevel has no entry x\"y\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(readFile(written), TypicalReportFile);
}

TEST(Quoting, NonAsciiNamesStayUtf8) {
    const TempFolder folder;
    const std::string path = folder.file("Übersicht \xE2\x82\xAC.txt");
    const BatchResult result = runScript(std::string(TypicalSet) + "savefile \"" + path + "\"\nclick mnuSave\n");
    EXPECT_EQ(result.output, savedialog("\"" + path + "\""));
    EXPECT_EQ(readFile(path), TypicalReportFile);
}

TEST(Quoting, QuotedPartsJoinTheirWord) {
    const BatchResult result = runScript("click Command1\nselect \"cmbStorage\"Sel(1) Vault/12\" - 6 \"drives\n"
                                         "get cmbStorageSel(1)\n");
    EXPECT_EQ(result.output, "cmbStorageSel(1) = \"Vault/12 - 6 drives\"\n");
    EXPECT_EQ(result.status, 0);
}

TEST(Print, WindowsAndPrinterSetup) {
    const BatchResult result = runScript(std::string(TypicalSet) + R"(click mnuPrintSetup
click mnuPrint
get frmLogicalDriveDisplay
click frmLogicalDriveDisplay.mnuPrint
click frmLogicalDriveDisplay.mnuPrinterSetup
click frmLogicalDriveDisplay.mnuClose
get frmLogicalDriveDisplay
click cmdDisplayGraphic
click frmGraphic.mnuPrintGraphics
)");
    EXPECT_EQ(result.output, R"(printsetup frmSpindex
print frmLogicalDriveDisplay
frmLogicalDriveDisplay = true
print frmLogicalDriveDisplay
printsetup frmLogicalDriveDisplay
frmLogicalDriveDisplay = false
print frmGraphic
)");
    EXPECT_EQ(result.status, 0);
}

TEST(Ended, ExitClosesEveryWindowAndLaterLinesFail) {
    const BatchResult result = runScript(std::string(TypicalSet) + R"(click cmdDataReport
click cmdDisplayGraphic
click mnuClose
# comments and blank lines are still skipped

get frmSpindex
answer yes
)");
    EXPECT_EQ(result.output, "ended\nerror: program has ended\nerror: program has ended\n");
    EXPECT_EQ(result.status, 1);
}

TEST(Ended, ExitAsTheLastLineSucceeds) {
    const BatchResult result = runScript("click Command1\nclick mnuClose\n");
    EXPECT_EQ(result.output, "ended\n");
    EXPECT_EQ(result.status, 0);
}

} // namespace
