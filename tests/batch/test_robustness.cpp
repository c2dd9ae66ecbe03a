// Random scripts from a fixed seed: whatever the lines, the tool neither crashes nor prints anything
// but the protocol's lines, and its exit status is 0 or 1.

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <sstream>

#include "batchscript.h"

using namespace spindex::batchtest;

namespace {

using Words = std::vector<std::string>;

const Words Lists{"cmbRaidLevel", "cmbMaxDrives", "cmbDriveSize", "cmbNumSpans", "cmbNumRdSets", "cmbStorageSel(0)",
                  "cmbStorageSel(1)", "cmbStorageSel(3)", "cmbGlobalHotSpareSize", "cmbSelectCont"};
const Words Entries{"0", "1", "3", "5", "10", "50", "2", "4", "8", "12", "16", "9.1", "36.4", "72.8",
                    "\"Vault/12 - 6 drives\"", "\"Vault/12 - 12 drives\"", "\"4 lp drives on 1 - Quill\"",
                    "\"Arvex Heron\"", "\"Arvex Lark\"", "7"};
const Words Clickables{"Command1", "cmdAddLogicals", "cmdAddLogicals", "cmdClearOne", "cmdClearAll",
                       "cmdDataReport", "cmdDisplayGraphic", "optDriveH(0)", "optDriveH(1)", "optGlobHotSpr(0)",
                       "optGlobHotSpr(1)", "optGlobHotSpH(0)", "optGlobHotSpH(1)", "optLocHotSpr(0)",
                       "optLocHotSpr(1)", "optLocHotSpr(2)", "optLogDriveH(0)", "optLogDriveH(1)", "Option5(1)",
                       "mnuController(1)", "mnuController(4)", "mnuController(6)", "mnuRules(2)", "mnuAbout",
                       "mnuEmail", "mnuSave", "mnuDisplay", "mnuPrint", "mnuPrintSetup", "frmSplash.imgLogo",
                       "frmSplash.lblVersion", "frmAbout.cmdOK", "frmAbout.cmdSysInfo",
                       "frmLogicalDriveDisplay.mnuPtoFile", "frmLogicalDriveDisplay.mnuPrint",
                       "frmLogicalDriveDisplay.mnuClose", "frmGraphic.mnuPrintGraphics", "Label1", "Frame1"};
const Words Windows{"frmSplash", "frmSelectController", "frmSpindex", "frmGraphic", "frmAbout",
                    "frmLogicalDriveDisplay", "frmNope"};
const Words Readable{"cmbRaidLevel.items", "Text1(0)", "Text1(4)", "txtSumTotals(3)", "Text2", "MaxSlots",
                     "LPSlotsUsed", "LogDrivesAvail", "ChannelSlots(2)", "ControllerType", "SSTab1",
                     "SSTab1.tabenabled(7)", "frmGraphic", "frmGraphic.imgLgcDrv(13)",
                     "frmGraphic.StorageCage(1).height", "frmLogicalDriveDisplay.lines", "mnuRules(2).checked",
                     "optDriveH(0)", "ckChanUsed(1)", "Nope", "frmNope.x", "(", "Text1(", "\"\""};
const Words Garbage{"bogus", "select", "click a b c", "check ckChanUsed(1) 2", "type Text2", "tab x", "wait -1",
                    "\"open", "get", "drag frmGraphic.imgLgcDrv(0)", "answer maybe", "# comment", ""};

// Mostly well-formed commands on the program's controls, with some that a user could not carry out.
std::string randomScript(unsigned seed, const std::string& folder, int lines) {
    std::mt19937 random(seed);
    auto pick = [&](const Words& from) { return from[random() % from.size()]; };
    auto image = [&] { return "frmGraphic.imgLgcDrv(" + std::to_string(random() % 48) + ")"; };
    std::ostringstream script;
    script << "key frmSplash\nclick Command1\n";
    for (int i = 0; i < lines; ++i) {
        switch (random() % 14) {
        case 0:
        case 1:
            script << "select " << pick(Lists) << ' ' << pick(Entries);
            break;
        case 2:
        case 3:
            script << "click " << pick(Clickables);
            break;
        case 4:
            script << "check ckChanUsed(" << random() % 4 << ") " << random() % 2;
            break;
        case 5:
            script << "type Text2 " << pick({"0", "1", "2", "4", "9", "abc", "\"\"", "-1", "1.5"});
            break;
        case 6:
            script << "tab " << random() % 8;
            break;
        case 7:
            script << pick({"key", "focus"}) << ' ' << pick(Windows);
            break;
        case 8:
            script << "drag " << image() << ' ' << image();
            break;
        case 9:
            script << "wait " << random() % 6000;
            break;
        case 10:
            script << "answer " << pick({"yes", "yes", "no", "ok"});
            break;
        case 11:
            if (random() % 2)
                script << "savefile \"" << folder << "/r" << i << "\"";
            else
                script << "cancelsave";
            break;
        case 12:
            script << "get " << pick(Readable);
            break;
        default:
            script << pick(Garbage);
        }
        script << '\n';
    }
    // The end, and a line after it.
    script << "click mnuClose\nget ControllerType\n";
    return script.str();
}

bool isProtocolLine(const std::string& line) {
    static const std::regex protocol(
        R"re(msgbox \{"title":".*","icon":"(none|critical|exclamation|question|information)","buttons":"(ok|yesno)","text":".*","answer":"(ok|yes|no)"\})re"
        R"re(|savedialog \{"filter":"Text Files \(\*\.txt\)\|\*\.txt","defaultext":"txt","answer":(null|".*")\})re"
        R"re(|print \w+|printsetup \w+|start .+|ended|error: .*|\S+ = .+)re");
    return std::regex_match(line, protocol);
}

class RandomScript : public testing::TestWithParam<unsigned> {};

TEST_P(RandomScript, PrintsOnlyProtocolLines) {
    const TempFolder folder;
    const unsigned seed = GetParam();
    const BatchResult result = runScript(randomScript(seed, folder.path().string(), 1500));
    EXPECT_TRUE(result.status == 0 || result.status == 1) << "seed " << seed << ", status " << result.status;
    std::istringstream lines(result.output);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        EXPECT_TRUE(isProtocolLine(line)) << "seed " << seed << ", output line " << count << ": " << line;
    }
    EXPECT_GT(count, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomScript, testing::Values(1u, 2u, 3u, 4u));

} // namespace
