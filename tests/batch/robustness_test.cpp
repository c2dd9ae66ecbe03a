// Random scripts from fixed seeds: whatever the lines, the tool neither crashes nor hangs, prints
// nothing but the protocol's lines, and exits with 0 or 1.

#include <random>
#include <regex>
#include <sstream>
#include <vector>

#include "batchtest.h"

namespace {

using Words = std::vector<std::string>;

// The words of a list written "a|b|c".
Words split(const std::string& list) {
    Words words;
    std::istringstream in(list);
    for (std::string word; std::getline(in, word, '|');)
        words.push_back(word);
    return words;
}

const Words Lists = split("cmbRaidLevel|cmbMaxDrives|cmbDriveSize|cmbNumSpans|cmbStorageSel(0)|cmbStorageSel(3)|"
                          "cmbGlobalHotSpareSize|cmbSelectCont");
const Words Entries = split("0|1|2|3|5|8|10|12|16|50|36.4|72.8|\"\"|abc|\"Vault/12 - 6 drives\"|"
                            "\"4 lp drives on 1 - Quill\"|\"Arvex Heron\"");
const Words Clickables =
    split("Command1|cmdAddLogicals|cmdAddLogicals|cmdClearOne|cmdClearAll|cmdDataReport|cmdDisplayGraphic|"
          "optDriveH(0)|optDriveH(1)|optGlobHotSpr(0)|optGlobHotSpr(1)|optLocHotSpr(0)|optLocHotSpr(2)|"
          "optLogDriveH(0)|mnuController(1)|mnuController(4)|mnuRules(2)|mnuAbout|mnuEmail|mnuSave|"
          "mnuPrint|frmSplash.imgLogo|frmAbout.cmdOK|frmAbout.cmdSysInfo|"
          "frmLogicalDriveDisplay.mnuPtoFile|frmLogicalDriveDisplay.mnuClose|frmGraphic.mnuPrintGraphics|"
          "Label1");
const Words Windows =
    split("frmSplash|frmSelectController|frmSpindex|frmGraphic|frmAbout|frmLogicalDriveDisplay|frmNope");
const Words Queued = split("answer yes|answer yes|answer no|answer ok|savefile r.txt|cancelsave");
const Words Readable =
    split("cmbRaidLevel.items|Text1(4)|txtSumTotals(3)|Text2|LPSlotsUsed|SSTab1|frmGraphic.imgLgcDrv(13)|"
          "frmGraphic.StorageCage(1).height|frmLogicalDriveDisplay.lines|mnuRules(2).checked|"
          "ckChanUsed(1)|Nope|Text1(");
const Words Garbage =
    split("bogus|select|click a b c|check ckChanUsed(1) 2|tab x|wait -1|\"open|answer maybe|# comment");

// Mostly well-formed commands on the program's controls, with some that a user could not carry out.
std::string randomScript(unsigned seed, int lines) {
    std::mt19937 random(seed);
    auto pick = [&](const Words& from) { return from[random() % from.size()]; };
    auto slot = [&] { return " frmGraphic.imgLgcDrv(" + std::to_string(random() % 48) + ")"; };
    std::ostringstream script;
    script << "key frmSplash\nclick Command1\n";
    for (int i = 0; i < lines; ++i) {
        switch (random() % 12) {
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
            script << "type Text2 " << pick(Entries);
            break;
        case 6:
            script << "tab " << random() % 8;
            break;
        case 7:
            script << (random() % 2 ? "key " : "focus ") << pick(Windows);
            break;
        case 8:
            script << "drag" << slot() << slot();
            break;
        case 9:
            script << (random() % 2 ? "wait " + std::to_string(random() % 6000) : pick(Queued));
            break;
        case 10:
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
        R"re(|print \w+|printsetup \w+|start .+|ended|error: .+|\S+ = .+)re");
    return std::regex_match(line, protocol);
}

class RandomScript : public BatchTest, public testing::WithParamInterface<unsigned> {};

TEST_P(RandomScript, PrintsOnlyProtocolLines) {
    const Played played = play(randomScript(GetParam(), 2000));
    EXPECT_TRUE(played.status == 0 || played.status == 1) << "status " << played.status;
    std::istringstream lines(played.out);
    int count = 0;
    for (std::string line; std::getline(lines, line);)
        EXPECT_TRUE(isProtocolLine(line)) << "output line " << ++count << ": " << line;
    EXPECT_NE(played.out.find("ended\nerror: program has ended\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomScript, testing::Values(1u, 2u, 3u));

} // namespace
