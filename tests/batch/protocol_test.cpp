// The protocol as a script's author meets it where the page's examples do not show it: a run without a
// display, quoting, saves that fail, `get` of each kind of value, and drags the graphic refuses.

#include "batchtest.h"

namespace {

// The typical request end to end, its last question left without an answer, and what it prints.
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

// Pre-sales machines and build servers have no display and no Qt platform plugin.
TEST_F(BatchTest, ExamplePlaysWithoutDisplay) {
    const Played played = play(Example, "script.txt",
                               "env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=none "
                               "QT_PLUGIN_PATH=/nonexistent");
    EXPECT_EQ(played.out, ExampleOutput);
    EXPECT_EQ(played.status, 1);
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

// One `get` per kind of thing and property that the page's examples do not read, while the graphic is
// open: a `get` moves no focus, so the graphic stays open until the main window is acted on.
TEST_F(BatchTest, GetPrintsEachKindOfValue) {
    const std::pair<const char*, const char*> values[] = {
        {"TxtLogicalCap", R"("400.4")"},
        {"Text1(0).locked", "true"},
        {"frmSpindex.cmbRaidLevel.ListIndex", "2"},
        {"cmbGlobalHotSpareSize", R"("")"},
        {"Label11(3)", R"("Total Number Low Profile Drive Slots Used")"},
        {"Frame1", R"("RAID Capacity Calculator")"},
        {"optDriveH(0)", "false"},
        {"mnuController(6)", R"("Arvex &Osprey")"},
        {"SSTab1", "0"},
        {"SSTab1.tabenabled(7)", "true"},
        {"LPSlotsUsed", "12"},
        {"LogDrvHUser", "true"},
        {"frmGraphic.caption", R"("Graphic Display")"},
        {"frmGraphic.imgLgcDrv(12)", R"("diskredline.ico")"},
        {"frmGraphic.imgLgcDrv(13).left", "1800"},
        {"frmGraphic.imgHold", R"("")"},
        {"frmGraphic.StorageCage(0).height", "4572"},
        {"frmGraphic.StorageCage(0).opaque", "false"},
        {"frmGraphic.Line2(0)", "true"},
        {"frmGraphic", "true"},
    };
    std::string script = "click Command1\nselect cmbRaidLevel 5\nselect cmbDriveSize 36.4\nclick cmdAddLogicals\n"
                         "click cmdDisplayGraphic\n";
    std::string expected;
    for (const auto& [name, value] : values) {
        script += std::string("get ") + name + "\n";
        expected += std::string(name) + " = " + value + "\n";
    }
    script += "click mnuRules(1)\nget frmGraphic\n";
    expected += "frmGraphic = false\n";
    const Played played = play(script);
    EXPECT_EQ(played.out, expected);
    EXPECT_EQ(played.status, 0);
}

} // namespace

// A save that fails says why and leaves what was there: a file its owner made read-only (also when the
// tests run as root), a folder of that name. No temporary file stays behind. A missing folder is the
// page's example.
TEST_F(BatchTest, FailedSaveKeepsTheOldFile) {
    std::ofstream(folder / "locked.txt", std::ios::binary) << "old content\r\n";
    std::filesystem::permissions(folder / "locked.txt", std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::group_read |
                                                            std::filesystem::perms::others_read);
    std::filesystem::create_directory(folder / "a folder.txt");
    const Played played =
        play("click Command1\nsavefile locked.txt\nclick mnuSave\nsavefile \"a folder.txt\"\nclick mnuSave\n");
    const std::string dialog = R"(savedialog {"filter":"Text Files (*.txt)|*.txt","defaultext":"txt","answer":)";
    const std::string failed =
        R"(msgbox {"title":"Spindex","icon":"critical","buttons":"ok","text":"Could not save the report to )";
    EXPECT_EQ(played.out, dialog + "\"locked.txt\"}\n" + failed +
                              "locked.txt: no permission to write it\",\"answer\":\"ok\"}\n" + dialog +
                              "\"a folder.txt\"}\n" + failed + "a folder.txt: it is a folder\",\"answer\":\"ok\"}\n");
    EXPECT_EQ(played.status, 0);
    EXPECT_EQ(read("locked.txt"), "old content\r\n");
    // script.txt, locked.txt and the folder: nothing else.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 3);
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
