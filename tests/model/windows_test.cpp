// The other windows and the menus. The cage graphic: one cage per used channel with one icon per slot;
// the drives of the sets fill the slots channel after channel in tab order, and the placement stops
// for good at the first set without drives; the window is a snapshot that closes when it loses the
// focus. The menus: a controller switch asks once, clears the table and sets the new controller up; a
// rule set moves a check mark and nothing else; Exit closes every window. The about box starts the
// system information tool found through the registry, or says it is unavailable.

#include <algorithm>
#include <map>

#include "appinfo.h"
#include "forms/registry.h"
#include "outputs/outputforms.h"
#include "summary/summaryform.h"
#include "testsession.h"

namespace spindex {
namespace {

using test::Strings;

GraphicForm& openGraphic(test::Session& s) {
    s.program.focus(&s.main());
    s.main().cmdDisplayGraphic.userClick();
    return *s.program.frmGraphic();
}

// The twelve slots of a channel: '-' hidden, ' ' no picture, '.' the empty slot, else the number of
// the set whose icon file the slot shows; '?' for any other file.
std::string slots(const GraphicForm& g, int c) {
    static const std::map<std::string, char> files{
        {"diskblue.ico", '0'},  {"diskred.ico", '1'},      {"diskdkturk.ico", '2'},
        {"diskgreen.ico", '3'}, {"diskpurple.ico", '4'},   {"diskdkblue.ico", '5'},
        {"diskdkred.ico", '6'}, {"diskdkpurple.ico", '7'}, {"diskredline.ico", '.'}};
    std::string text;
    for (int j = 0; j < 12; ++j) {
        const Image& icon = g.imgLgcDrv[12 * c + j];
        const auto file = files.find(icon.picture);
        text += !icon.visible ? '-' : icon.picture.empty() ? ' ' : file == files.end() ? '?' : file->second;
    }
    return text;
}

TEST(Graphic, Placement) {
    const std::string unused(12, ' '), free(12, '.');
    const struct {
        const char *name, *configuration;
        int controller;
        Strings channels;
    } rows[] = {{"OneChannelOfTwelve", "add 0 5; add 0 3", 1, {"00000111....", unused, unused, unused}},
                {"SpannedSetOverTwoChannelsOfSix", "add 50 4 2", 7, {"000000------", "00....------", unused, unused}},
                {"FirstChannelUnused", "untick 0; add 0 5", 6, {unused, "00000.......", free, free}},
                {"EightSetsEachInItsOwnColour", "8 add 0 3", 6, {"000111222333", "444555666777", free, free}},
                {"EmptyTabEndsThePlacement",
                 "add 0 2; add 0 3; add 0 4; add 0 5; empty 2",
                 6,
                 {"00111.......", free, free, free}},
                {"DriveCountThatIsNoNumber", "add 0 2; add 0 3; field 0 1 two", 6, {free, free, free, free}},
                {"MoreDrivesThanSlots",
                 "field 0 1 30; field 0 2 1; field 1 1 30; field 1 2 1",
                 6,
                 {"000000000000", "000000000000", "000000111111", "111111111111"}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(row.controller);
        s.run(row.configuration);
        const GraphicForm& g = openGraphic(s);
        EXPECT_TRUE(g.visible);
        EXPECT_EQ(g.lblController.caption, s.main().lblController.caption);
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(slots(g, c), row.channels[c]) << c;
            const bool used = s.main().ckChanUsed[c].value() == 1;
            EXPECT_EQ(g.StorageCage[c].opaque, !used) << c;
            EXPECT_EQ(g.lnChannel[c].visible && g.txtChannel[c].visible, used) << c;
        }
    }
}

// A cage is 381 twips per slot, with a connector between neighbouring slots; every storage entry in
// turn, and a channel of a single slot (no entry gives one; it is set here as the channel would hold it).
TEST(Graphic, CageHeightsAndConnectors) {
    const int slotsOfEntry[] = {12, 6, 6, 4, 2, 3, 6, 12, 8, 4};
    for (int entry = -1; entry < 10; ++entry) {
        SCOPED_TRACE(entry);
        test::Session s(6);
        if (entry >= 0)
            s.main().cmbStorageSel[2].userPick(entry);
        else
            s.program.ChannelSlots[2] = 1;
        const GraphicForm& g = openGraphic(s);
        const int n = entry < 0 ? 1 : slotsOfEntry[entry];
        EXPECT_EQ(g.StorageCage[2].geometry.height, 381 * n);
        int connectors = 0;
        for (int j = 0; j < 11; ++j)
            connectors += g.Line2[22 + j].visible ? 1 : 0;
        EXPECT_EQ(connectors, n - 1);
        EXPECT_EQ(slots(g, 2), std::string(n, '.') + std::string(12 - n, '-'));
    }
}

// A drop swaps the two pictures (the sets are not touched), a drop on itself changes nothing; the
// window closes when it loses the focus, and the next one starts afresh.
TEST(Graphic, DragDropFocusAndPrint) {
    test::Session s(1);
    s.run("add 0 5");
    GraphicForm& g = openGraphic(s);
    g.imgLgcDrv[9].onDragDrop(g.imgLgcDrv[2]);
    g.imgLgcDrv[3].onDragDrop(g.imgLgcDrv[3]);
    EXPECT_EQ(slots(g, 0), "00.00....0..");
    EXPECT_EQ(s.tab(0), "0,5,1,18.2,91,LP 0/");
    g.mnuPrintGraphics.userClick();
    EXPECT_EQ(s.host.printed, Strings{"frmGraphic"});
    s.program.focus(&s.main());
    s.program.collectUnloaded();
    EXPECT_EQ(slots(openGraphic(s), 0), "00000.......");
}

// Yes clears the table without a second question and sets the new controller up: its presets are
// selected, the other channels keep their entries, the drive size stays. From the Osprey with a set,
// spares, storage and a calculator of its own, and from the Keel, whose storage the Finch keeps.
TEST(ControllerSwitch, YesClearsAndSetsTheNewControllerUp) {
    const char* const osprey = "add 50 3 4 36.4 lp; spare 0; global 2; storage 1 1; storage 2 5; calc 10 2 9";
    const struct {
        const char *name, *configuration, *ticked, *storage, *drives, *capacity;
        int from, to, slots;
    } rows[] = {{"ToTheLark", osprey, "1000", "0150", "8", "291.2", 6, 1, 12},
                {"ToTheWren", osprey, "1000", "0150", "12", "436.8", 6, 2, 12},
                {"ToTheKeel", osprey, "1100", "2250", "8", "291.2", 6, 7, 12},
                {"ToTheMast", osprey, "1100", "3150", "8", "291.2", 6, 8, 10},
                {"BackToTheOsprey", osprey, "1111", "0000", "12", "436.8", 6, 6, 48},
                {"KeelToFinch", "", "1100", "2200", "12", "218.4", 7, 3, 12}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(row.from);
        MainForm& m = s.main();
        s.run(row.configuration);
        s.host.answers.push_back(MsgAnswer::Yes);
        m.mnuController[row.to].userClick();
        EXPECT_EQ(s.take(), Strings{"Spindex (yes/no): This will clear all current logical drives!  Do you want to "
                                    "continue?"});
        EXPECT_EQ(s.program.ControllerType, row.to);
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(m.ckChanUsed[c].value(), row.ticked[c] - '0') << c;
            EXPECT_EQ(m.cmbStorageSel[c].listIndex(), row.storage[c] - '0') << c;
        }
        EXPECT_EQ(m.MaxSlots, row.slots);
        EXPECT_EQ(m.cmbMaxDrives.text(), row.drives);
        EXPECT_EQ(m.TxtLogicalCap.text(), row.capacity);
        // The channels in use are the ticked ones.
        const std::string channels = std::to_string(std::count(row.ticked, row.ticked + 4, '1'));
        EXPECT_EQ(s.totals(), (Strings{"0", "0", channels, "0"}));
    }
}

// No to the switch, and any rule set, change nothing else; a rule set moves the check mark and names
// itself in the label; a switch keeps the rule set. The menus' captions as the user reads them.
TEST(Menus, NoSwitchAndRuleSetsChangeNothingElse) {
    test::Session s(4);
    MainForm& m = s.main();
    s.run("add 50 3 3 72.8; spare 0; global; calc 30 5 4 9.1");
    const Strings before = s.snapshot();
    s.host.answers.push_back(MsgAnswer::No);
    m.mnuController[2].userClick();
    EXPECT_EQ(s.snapshot(), before);
    Strings rules;
    for (int rule : {3, 1, 0, 2}) {
        m.mnuRules[rule].userClick();
        rules.push_back(m.mnuRules[rule].caption + ": " + m.lblRule.caption);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(m.mnuRules[i].checked, i == rule) << rule;
    }
    EXPECT_EQ(rules,
              (Strings{"Microsoft Clustering Services: Microsoft Cluster Server Rules", "Marathon: Marathon Rules",
                       "Standard: Standard Rules", "Netware Cluster Services: Netware Cluster Server Rules"}));
    EXPECT_EQ(s.snapshot(), before);
    EXPECT_EQ(s.take().size(), 1u);
    Strings controllers;
    for (size_t id = 1; id <= 8; ++id)
        controllers.push_back(m.mnuController[id].caption);
    EXPECT_EQ(controllers,
              (Strings{"Arvex Lark", "Arvex Wren", "Arvex Finch", "&Arvex Heron", "&Fibre Channel Vault/12FC",
                       "Arvex &Osprey", "Keel Embedded Arvex", "Mast Embedded Arvex"}));
    s.host.answers.push_back(MsgAnswer::Yes);
    m.mnuController[5].userClick();
    EXPECT_TRUE(m.mnuRules[2].checked);
    EXPECT_EQ(m.lblRule.caption, "Netware Cluster Server Rules");
}

// Another window's close box unloads only that window; Exit closes every window, the summary, the
// report and the graphic with the main window, and the program ends once.
TEST(Menus, EmailCloseBoxAndExitWithTheOtherWindowsOpen) {
    test::Session s(6);
    MainForm& m = s.main();
    m.mnuEmail.userClick();
    EXPECT_EQ(s.take(), Strings{std::string("Spindex: Send suggestions to ") + appinfo::SuggestionsAddress});
    m.cmdDataReport.userClick();
    s.program.closeRequested(*s.program.frmLogicalDriveDisplay());
    s.program.settle();
    EXPECT_EQ(s.program.frmLogicalDriveDisplay(), nullptr);
    EXPECT_FALSE(s.program.ended());
    m.mnuPlanSummary.userClick();
    s.program.focus(&m);
    m.cmdDataReport.userClick();
    openGraphic(s);
    ASSERT_NE(s.program.frmSummary(), nullptr);
    ASSERT_NE(s.program.frmLogicalDriveDisplay(), nullptr);
    ASSERT_NE(s.program.frmGraphic(), nullptr);
    m.mnuClose.userClick();
    EXPECT_TRUE(s.program.loadedForms().empty());
    EXPECT_TRUE(s.program.ended());
    s.program.settle();
    EXPECT_EQ(s.host.ended, 1);
}

// Help begins with the manual. It lies in share/doc/spindex beside the program's folder and is shown
// in a window of its own, which is none of the program's windows; a missing manual is named with the
// place it belongs, and one that cannot be shown says why. Nothing of the plan changes.
TEST(Menus, HelpOpensTheManualOrSaysWhereItBelongs) {
    test::Session s(6, "/opt/spindex/bin");
    MainForm& m = s.main();
    s.run("add 5 12 - 36.4");
    const Strings before = s.snapshot();
    const std::string manual = "/opt/spindex/share/doc/spindex/manual.md";

    m.mnuManual.userClick();
    EXPECT_EQ(s.take(), Strings{"Spindex (icon): The Spindex manual is not installed. It belongs at " + manual});
    EXPECT_EQ(s.host.documents, Strings{});

    s.host.existingFiles.insert(manual);
    m.mnuManual.userClick();
    EXPECT_EQ(s.take(), Strings{});
    EXPECT_EQ(s.host.documents, Strings{manual});
    EXPECT_EQ(s.program.loadedForms(), std::vector<Form*>{&m});

    s.host.unshowable[manual] = "it cannot be read (Permission denied)";
    m.mnuManual.userClick();
    EXPECT_EQ(s.take(), Strings{"Spindex (critical): Could not show the manual " + manual +
                                ": it cannot be read (Permission denied)"});
    EXPECT_EQ(s.snapshot(), before);

    // A program started from a relative folder looks for its manual relative to that folder.
    test::Session relative(6, "build/bin");
    relative.host.existingFiles.insert("build/share/doc/spindex/manual.md");
    relative.main().mnuManual.userClick();
    EXPECT_EQ(relative.take(), Strings{});
    EXPECT_EQ(relative.host.documents, Strings{"build/share/doc/spindex/manual.md"});
}

// The selection window closed behind the splash: the program ends with the splash, whether it is
// closed too or hands over to nothing when its time runs out, instead of running on without a window.
TEST(CloseBox, SelectionClosedBehindTheSplash) {
    for (const bool timedOut : {false, true}) {
        SCOPED_TRACE(timedOut ? "the splash's time ran out" : "the splash closed");
        test::TestHost host;
        Program program(host);
        program.Main();
        program.closeRequested(*program.frmSelectController());
        program.settle();
        EXPECT_FALSE(program.ended()) << "the splash still shows";
        if (timedOut)
            program.advance(5000);
        else
            program.closeRequested(*program.frmSplash());
        program.settle();
        EXPECT_TRUE(program.loadedForms().empty());
        EXPECT_TRUE(program.ended());
        EXPECT_EQ(host.ended, 1);
    }
}

// Values by their names: "PATH" of the tool's own key, "MSINFO" of the shared tools' location.
class FakeRegistry : public Registry {
public:
    std::map<std::string, RegistryValue> values;
    std::optional<RegistryValue> queryValue(std::uint32_t, const std::string&, const std::string& name) override {
        return values.count(name) ? std::optional(values[name]) : std::nullopt;
    }
};

RegistryValue text(const std::string& bytes) {
    return {REG_SZ_TYPE, {bytes.begin(), bytes.end()}};
}

// OK and the loss of the focus close the about box. Its button starts the PATH value as it is read;
// else the folder value with "\MSINFO32.EXE" when that file exists; anything that fails says the tool
// is unavailable. A text loses one trailing NUL; a number becomes the hexadecimal codes of its kept
// bytes, last to first, read back as a number (four digits or fewer a 16-bit integer, eight or fewer a
// 32-bit one); a value of another type is read as nothing, and the search ends there.
TEST(AboutBox, SystemInformation) {
    using namespace std::string_literals;
    const std::string exe = "C:\\Tools\\MSINFO32.EXE", folder = "C:\\MSInfo", inFolder = folder + "\\MSINFO32.EXE";
    const struct {
        const char* name;
        std::map<std::string, RegistryValue> values;
        bool registry, fileExists, starts;
        Strings checked, started;
    } rows[] = {
        {"PathValue", {{"PATH", text(exe + "\0"s)}, {"MSINFO", text(folder)}}, true, true, true, {}, {exe}},
        {"FolderWithTheProgram", {{"MSINFO", text(folder + "\0"s)}}, true, true, true, {inFolder}, {inFolder}},
        {"FolderWithoutTheProgram", {{"MSINFO", text(folder)}}, true, false, false, {inFolder}, {}},
        {"NeitherValue", {}, true, true, false, {}, {}},
        {"NoRegistry", {{"PATH", text(exe)}}, false, true, false, {}, {}},
        {"ProgramThatWillNotStart", {{"PATH", text(exe)}}, true, true, false, {}, {exe}},
        {"PathOfAnotherType", {{"PATH", {3, {0x43, 0x3A}}}}, true, true, false, {}, {""}},
        {"PathWithTwoNuls", {{"PATH", text("abc\0\0"s)}}, true, true, true, {}, {"abc\0"s}},
        {"NumberLosesItsNulByte", {{"PATH", {REG_DWORD_TYPE, {0x2A, 0, 0, 0}}}}, true, true, true, {}, {"42"}},
        {"NumberOfFourBytes", {{"PATH", {REG_DWORD_TYPE, {1, 2, 3, 4}}}}, true, true, true, {}, {"17185"}},
        {"SixteenBitsWrapNegative", {{"PATH", {REG_DWORD_TYPE, {0x34, 0x92, 0}}}}, true, true, true, {}, {"-28108"}},
        {"SixteenBitsStayPositive", {{"PATH", {REG_DWORD_TYPE, {0xFF, 0x7F, 0}}}}, true, true, true, {}, {"32767"}},
        {"ThirtyTwoBitsWrapNegative",
         {{"PATH", {REG_DWORD_TYPE, {0xFF, 0xFF, 0xFF, 0xFF}}}},
         true,
         true,
         true,
         {},
         {"-1"}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(6);
        FakeRegistry registry;
        registry.values = row.values;
        s.program.registry = row.registry ? &registry : nullptr;
        if (row.fileExists)
            s.host.existingFiles.insert(inFolder);
        if (!row.starts)
            s.host.unstartable.insert(exe);
        s.main().mnuAbout.userClick();
        EXPECT_EQ(s.program.frmAbout()->caption + ", " + s.program.frmAbout()->lblVersion.caption,
                  "About Spindex, Version 1.1.7");
        s.program.frmAbout()->cmdSysInfo.userClick();
        EXPECT_EQ(s.host.existenceChecks, row.checked);
        EXPECT_EQ(s.host.started, row.started);
        EXPECT_EQ(s.take(),
                  row.starts ? Strings{} : Strings{"Spindex: System Information Is Unavailable At This Time"});
        s.program.frmAbout()->cmdOK.userClick();
        EXPECT_EQ(s.program.frmAbout(), nullptr);
        s.main().mnuAbout.userClick();
        s.program.focus(&s.main());
        EXPECT_EQ(s.program.frmAbout(), nullptr);
    }
}

} // namespace
} // namespace spindex
