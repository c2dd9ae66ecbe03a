// The protocol as a script's author meets it: the documented example however the script arrives, the
// exit statuses, quoting, the save dialog and printing, and `get` of each kind of value.

#include <algorithm>

#include "batchtest.h"

namespace {

// The Example of the protocol document, word for word, and what it prints.
const char* const Example = R"(# the typical request, end to end
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
const char* const ExampleOutput = R"(TxtLogicalCap = "400.4"
txtTotalDrives = "12"
Text1(4) = "400.4"
txtSumTotals(3) = "12"
msgbox {"title":"Spindex","icon":"none","buttons":"yesno","text":"Are you sure?","answer":"no"}
error: no answer queued
)";

struct Way {
    const char* name;
    const char* args;
    const char* env;
};
void PrintTo(const Way& way, std::ostream* out) {
    *out << way.name;
}
class ExampleScript : public BatchTest, public testing::WithParamInterface<Way> {};

TEST_P(ExampleScript, PrintsTheDocumentedLinesAndExitsWithOne) {
    const Played played = play(Example, GetParam().args, GetParam().env);
    EXPECT_EQ(played.out, ExampleOutput);
    EXPECT_EQ(played.status, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Batch, ExampleScript,
    testing::Values(Way{"FromAFile", "script.txt", ""}, Way{"FromStandardInput", "< script.txt", ""},
                    // Pre-sales machines and build servers have no display and no Qt platform plugin.
                    Way{"WithoutDisplay", "script.txt",
                        "env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=none "
                        "QT_PLUGIN_PATH=/nonexistent"}),
    [](const testing::TestParamInfo<Way>& info) { return std::string(info.param.name); });

// Queued before the click, the answer is there when the question comes: the table is cleared and
// every line is carried out.
TEST_F(BatchTest, AnswerQueuedBeforeTheQuestion) {
    const Played played = play(R"(click Command1
select cmbRaidLevel 5
get cmbMaxDrives
select cmbDriveSize 36.4
get optDriveH(1)
get TxtLogicalCap
get txtTotalDrives
click cmdAddLogicals
get Text1(4)
get txtSumTotals(3)
answer yes
click cmdClearAll
get Text1(4)
get txtSumTotals(3)
)");
    EXPECT_EQ(played.out, R"(cmbMaxDrives = "12"
optDriveH(1) = true
TxtLogicalCap = "400.4"
txtTotalDrives = "12"
Text1(4) = "400.4"
txtSumTotals(3) = "12"
msgbox {"title":"Spindex","icon":"none","buttons":"yesno","text":"Are you sure?","answer":"yes"}
Text1(4) = ""
txtSumTotals(3) = "0"
)");
    EXPECT_EQ(played.status, 0);
}

TEST_F(BatchTest, UnreadableScriptExitsWithTwo) {
    for (const char* script : {"missing.txt", "."}) {
        const Played played = play("", script);
        EXPECT_EQ(played.out, "") << script;
        EXPECT_EQ(played.status, 2) << script;
    }
}

// Blanks split words; double quotes keep them in a word and join the letters around them; \" is a
// quote and \\ a backslash. Comments, blank lines and CR LF line ends are skipped.
TEST_F(BatchTest, Quoting) {
    const Played played = play("  # a comment\r\n\r\n \t\nclick Command1\r\n"
                               "select cmbStorageSel(1) \"Vault/12 - 6 drives\"\n"
                               "select \"cmbStorage\"Sel(2) Vault/12\" - 6 \"drives\n"
                               "get MaxSlots\n"
                               "savefile \"a \\\"b\\\" c\\\\d.txt\"\n"
                               "click mnuSave\n"
                               "select cmbRaidLevel \"\"\n"
                               "select cmbRaidLevel \"5\n");
    EXPECT_EQ(played.out,
              "MaxSlots = 36\n"
              R"(savedialog {"filter":"Text Files (*.txt)|*.txt","defaultext":"txt","answer":"a \"b\" c\\d.txt"})"
              "\nerror: list cmbRaidLevel has no entry \nerror: unterminated quote\n");
    EXPECT_EQ(played.status, 1);
    EXPECT_TRUE(std::filesystem::exists(folder / "a \"b\" c\\d.txt"));
}

// Save answers are used in order; a name without extension gets ".txt"; nothing queued is a cancel
// and an error. Nothing is sent to a printer.
TEST_F(BatchTest, FileMenuSavesAndPrints) {
    const Played played = play(R"(click Command1
select cmbRaidLevel 5
select cmbDriveSize 36.4
click cmdAddLogicals
cancelsave
savefile report
click mnuSave
click mnuSave
click mnuSave
click mnuPrintSetup
click mnuPrint
)");
    const std::string dialog = R"(savedialog {"filter":"Text Files (*.txt)|*.txt","defaultext":"txt","answer":)";
    EXPECT_EQ(played.out,
              dialog + "null}\n" + dialog + "\"report\"}\n" + dialog +
                  "null}\nerror: no save answer queued\nprintsetup frmSpindex\nprint frmLogicalDriveDisplay\n");
    EXPECT_EQ(played.status, 1);
    // The cancelled dialogs wrote nothing: the folder holds the script and the report.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
    // The typical request's report, fifteen lines, each ended by CR LF on every platform.
    const std::string report = read("report.txt");
    EXPECT_EQ(report.rfind("             Total Number of Drives       12\r\n", 0), 0u);
    EXPECT_NE(report.find("\r\n\r\n\r\nLogical Drive 0\r\n        Raid Level      5\r\n"), std::string::npos);
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 15);
    EXPECT_EQ(report.find("\n\n"), std::string::npos);
    EXPECT_EQ(report.find("\r\r"), std::string::npos);
}

// One `get` per kind of thing and property, read while the report and the graphic are open: a `get`
// moves no focus, so the graphic stays open until the main window is acted on.
TEST_F(BatchTest, GetPrintsEachKindOfValue) {
    const std::pair<const char*, const char*> values[] = {
        {"TxtLogicalCap", R"("400.4")"},
        {"Text1(0).locked", "true"},
        {"cmbRaidLevel.items", R"(["0","1","5","10","50"])"},
        {"frmSpindex.cmbRaidLevel.ListIndex", "2"},
        {"cmbGlobalHotSpareSize", R"("")"},
        {"cmbGlobalHotSpareSize.listindex", "-1"},
        {"cmdAddLogicals", R"("&Add to Next Available RAID Set")"},
        {"Label11(3)", R"("Total Number Low Profile Drive Slots Used")"},
        {"Frame1", R"("RAID Capacity Calculator")"},
        {"ckChanUsed(0)", "1"},
        {"optDriveH(0)", "false"},
        {"optDriveH(1).caption", R"("Low Profile")"},
        {"lblSpan.visible", "false"},
        {"mnuController(6)", R"("Arvex &Osprey")"},
        {"mnuRules(0).checked", "true"},
        {"SSTab1", "0"},
        {"SSTab1.tabenabled(7)", "true"},
        {"LPSlotsUsed", "12"},
        {"LogDrvHUser", "true"},
        {"FormLoading", "false"},
        {"frmLogicalDriveDisplay.lines",
         R"([{"x":1000,"y":0,"size":11,"emphasis":false,"text":"             Total Number of Drives        0"},)"
         R"({"x":1000,"y":253,"size":11,"emphasis":false,"text":" GigaBytes Total Usable Drive Space        0"},)"
         R"({"x":1000,"y":506,"size":11,"emphasis":false,"text":"            Number of Channels Used        4"},)"
         R"({"x":1000,"y":759,"size":11,"emphasis":false,"text":"Total Number Low Profile Drive Slot        0"},)"
         R"({"x":0,"y":1012,"size":11,"emphasis":false,"text":"\r\r\r"}])"},
        {"frmGraphic.caption", R"("Graphic Display")"},
        {"frmGraphic.imgLgcDrv(11)", R"("diskblue.ico")"},
        {"frmGraphic.imgLgcDrv(12)", R"("diskredline.ico")"},
        {"frmGraphic.imgLgcDrv(13).left", "1800"},
        {"frmGraphic.imgHold", R"("")"},
        {"frmGraphic.StorageCage(0).height", "4572"},
        {"frmGraphic.StorageCage(0).opaque", "false"},
        {"frmGraphic.Line2(0)", "true"},
        {"frmGraphic", "true"},
    };
    // The report is opened on the empty table and keeps what it showed then.
    std::string script = "click Command1\nclick cmdDataReport\nselect cmbRaidLevel 5\nselect cmbDriveSize 36.4\n"
                         "click cmdAddLogicals\nclick cmdDisplayGraphic\n";
    std::string expected;
    for (const auto& [name, value] : values) {
        script += std::string("get ") + name + "\n";
        expected += std::string(name) + " = " + value + "\n";
    }
    script += "drag frmGraphic.imgLgcDrv(0) frmGraphic.imgLgcDrv(12)\nget frmGraphic.imgLgcDrv(12)\n"
              "click mnuRules(1)\nget frmGraphic\n";
    expected += "frmGraphic.imgLgcDrv(12) = \"diskblue.ico\"\nfrmGraphic = false\n";
    const Played played = play(script);
    EXPECT_EQ(played.out, expected);
    EXPECT_EQ(played.status, 0);
}

} // namespace

// A save that fails says why and leaves what was there: a missing folder, a file its owner made
// read-only (also when the tests run as root), a folder of that name. No temporary file stays behind.
TEST_F(BatchTest, FailedSaveKeepsTheOldFile) {
    std::ofstream(folder / "locked.txt", std::ios::binary) << "old content\r\n";
    std::filesystem::permissions(folder / "locked.txt", std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::group_read |
                                                            std::filesystem::perms::others_read);
    std::filesystem::create_directory(folder / "a folder.txt");
    const Played played = play("click Command1\nsavefile missing/report.txt\nclick mnuSave\n"
                               "savefile locked.txt\nclick mnuSave\nsavefile \"a folder.txt\"\nclick mnuSave\n");
    const std::string dialog = R"(savedialog {"filter":"Text Files (*.txt)|*.txt","defaultext":"txt","answer":)";
    const std::string failed =
        R"(msgbox {"title":"Spindex","icon":"critical","buttons":"ok","text":"Could not save the report to )";
    EXPECT_EQ(played.out, dialog + "\"missing/report.txt\"}\n" + failed +
                              "missing/report.txt: the folder does not exist\",\"answer\":\"ok\"}\n" + dialog +
                              "\"locked.txt\"}\n" + failed +
                              "locked.txt: no permission to write it\",\"answer\":\"ok\"}\n" + dialog +
                              "\"a folder.txt\"}\n" + failed + "a folder.txt: it is a folder\",\"answer\":\"ok\"}\n");
    EXPECT_EQ(played.status, 0);
    EXPECT_EQ(read("locked.txt"), "old content\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    // script.txt, locked.txt and the folder: nothing else.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 3);
}

// `answer cancel` is the Cancel of a three-button question and counts as No in a Yes/No question.
TEST_F(BatchTest, CancelAnswers) {
    const Played played = play("click Command1\nselect cmbRaidLevel 5\nclick cmdAddLogicals\n"
                               "answer cancel\nclick cmdClearAll\nget Text1(0)\nanswer maybe\n");
    EXPECT_EQ(played.out,
              R"(msgbox {"title":"Spindex","icon":"none","buttons":"yesno","text":"Are you sure?","answer":"no"})"
              "\nText1(0) = \"5\"\nerror: usage: answer yes|no|ok|cancel\n");
    EXPECT_EQ(played.status, 1);
}

// The cage of an unused channel covers its icons, as on screen: a drag from or onto one is refused
// and swaps nothing.
TEST_F(BatchTest, DragRefusedOnCoveredIcons) {
    const Played played = play("select cmbSelectCont \"Keel Embedded\"\nclick Command1\n"
                               "select cmbRaidLevel 0\nclick cmdAddLogicals\nclick cmdDisplayGraphic\n"
                               "drag frmGraphic.imgLgcDrv(0) frmGraphic.imgLgcDrv(30)\n"
                               "drag frmGraphic.imgLgcDrv(40) frmGraphic.imgLgcDrv(1)\n"
                               "get frmGraphic.imgLgcDrv(0)\nget frmGraphic.imgLgcDrv(30)\n"
                               "drag frmGraphic.imgLgcDrv(0) frmGraphic.imgLgcDrv(16)\n"
                               "get frmGraphic.imgLgcDrv(0)\nget frmGraphic.imgLgcDrv(16)\n");
    EXPECT_EQ(played.out, "error: control imgLgcDrv(30) is covered by StorageCage(2)\n"
                          "error: control imgLgcDrv(40) is covered by StorageCage(3)\n"
                          "frmGraphic.imgLgcDrv(0) = \"diskblue.ico\"\n"
                          "frmGraphic.imgLgcDrv(30) = \"\"\n"
                          "frmGraphic.imgLgcDrv(0) = \"diskredline.ico\"\n"
                          "frmGraphic.imgLgcDrv(16) = \"diskblue.ico\"\n");
    EXPECT_EQ(played.status, 1);
}
