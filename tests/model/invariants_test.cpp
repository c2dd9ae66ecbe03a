// Whatever a user does, the table keeps its invariants: the slot units in use never exceed the slots
// of the channels, occupied tabs are contiguous from tab 0, tabs from LogDrivesAvail on are empty and
// disabled, LogDrivesAvail follows the spanned sets, and the totals are the sums over the tabs and the
// global spares. Long random sequences of user actions check them after every step. A failure prints
// the seed, the step and the actions so far as a spindex-batch script that replays them.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue.h"
#include "numbers.h"
#include "outputforms.h"
#include "testsession.h"

namespace spindex {
namespace {

const int SlotsOfEntry[10] = {12, 6, 6, 4, 2, 3, 6, 12, 8, 4};

double number(const std::string &text) {
    return parseNumber(text).value_or(0);
}

bool isWholeCountText(const std::string &text) {
    if (text.empty()) return true;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return std::stoi(text) <= 4;
}

// Every broken rule, described; empty when all hold.
std::vector<std::string> brokenInvariants(Program &program) {
    std::vector<std::string> broken;
    auto check = [&](bool ok, const std::string &what) {
        if (!ok) broken.push_back(what);
    };
    const MainForm *mp = program.frmSpindex();
    if (!mp) {
        broken.push_back("the main window is gone");
        return broken;
    }
    const MainForm &m = *mp;
    const int controller = program.ControllerType;
    check(controller >= 1 && controller <= 8, "ControllerType " + std::to_string(controller));

    // Slots of the channels.
    int maxSlots = 0;
    for (int c = 0; c < 4; ++c) {
        const bool used = m.ckChanUsed[c].value() == 1;
        check(m.cmbStorageSel[c].enabled == used,
              "list enabled differs from its check box on channel " + std::to_string(c));
        const int entry = m.cmbStorageSel[c].listIndex();
        check(entry >= 0 && entry < 10, "no storage entry on channel " + std::to_string(c));
        const int slots = used && entry >= 0 ? SlotsOfEntry[entry] : 0;
        check(program.ChannelSlots[static_cast<size_t>(c)] == slots,
              "ChannelSlots(" + std::to_string(c) + ") " +
                  std::to_string(program.ChannelSlots[static_cast<size_t>(c)]) + " for " +
                  std::to_string(slots));
        maxSlots += slots;
    }
    check(m.MaxSlots == maxSlots,
          "MaxSlots " + std::to_string(m.MaxSlots) + " for " + std::to_string(maxSlots));
    check(m.txtDisplayMaxDrives.text() == "Maximum low profile drives slots = " + std::to_string(m.MaxSlots),
          "slot total shows " + m.txtDisplayMaxDrives.text());

    // Slot units in use.
    check(parseNumber(m.txtSumTotals[3].text()) == m.LPSlotsUsed,
          "LPSlotsUsed " + formatNumber(m.LPSlotsUsed) + " but the total shows " + m.txtSumTotals[3].text());
    check(m.LPSlotsUsed <= m.MaxSlots, "slot units in use " + formatNumber(m.LPSlotsUsed) +
                                           " exceed MaxSlots " + std::to_string(m.MaxSlots));

    // Tabs.
    const double avail = m.LogDrivesAvail;
    check(avail >= 1 && avail <= 8 && avail == std::floor(avail), "LogDrivesAvail " + formatNumber(avail));
    bool gap = false;
    int reserved = 0;
    for (int t = 0; t < 8; ++t) {
        const std::string tab = "tab " + std::to_string(t);
        const bool holds = m.tabHoldsSet(t);
        check(!(holds && gap), tab + " holds a set behind an empty tab");
        gap = gap || !holds;
        if (t >= avail) {
            check(!holds, tab + " holds a set beyond LogDrivesAvail " + formatNumber(avail));
            check(!m.SSTab1.tabEnabled[t], tab + " is enabled beyond LogDrivesAvail");
        } else {
            check(m.SSTab1.tabEnabled[t], tab + " is disabled below LogDrivesAvail");
        }
        const size_t u = static_cast<size_t>(2 * t);
        const bool spare = m.optLocHotSpr[u].value();
        check(spare != m.optLocHotSpr[u + 1].value(), tab + " local spare is both or neither");
        check(m.optLogDriveH[u].value() != m.optLogDriveH[u + 1].value(), tab + " height is both or neither");
        if (!holds) {
            check(!spare, tab + " is empty but has a local spare");
            for (int k = 0; k < 5; ++k)
                check(m.field(t, k).text().empty(),
                      tab + " is empty but field " + std::to_string(k) + " is not");
        } else {
            for (int k = 1; k < 5; ++k)
                check(parseNumber(m.field(t, k).text()).has_value(),
                      tab + " field " + std::to_string(k) + " is " + m.field(t, k).text());
            const std::string &size = m.field(t, 3).text();
            if (size == "9.1") check(!m.tabHalfHeight(t), tab + " holds 9.1 GB drives at half height");
            if (size == "72.8") check(m.tabHalfHeight(t), tab + " holds 72.8 GB drives at low profile");
            const std::string &level = m.field(t, 0).text();
            const int spans = static_cast<int>(number(m.field(t, 2).text()));
            if ((level == "10" || level == "30" || level == "50") && spans >= 2 && spans <= 4)
                reserved += spans - 1;
        }
        check(m.txtLocSpr[u].text() == (spare ? "1" : "0"), tab + " spare count " + m.txtLocSpr[u].text());
        check(m.txtLocSpr[u + 1].text() == (spare ? m.field(t, 3).text() : ""),
              tab + " spare size " + m.txtLocSpr[u + 1].text());
    }
    const double expectedAvail = controller <= 5 ? 8 - reserved : 8;
    check(avail == expectedAvail, "LogDrivesAvail " + formatNumber(avail) + " where the spanned sets leave " +
                                      formatNumber(expectedAvail));
    check(m.SSTab1.tab() >= 0 && m.SSTab1.tab() < 8 &&
              m.SSTab1.tabEnabled[static_cast<size_t>(m.SSTab1.tab())],
          "the current tab " + std::to_string(m.SSTab1.tab()) + " is disabled");

    // Global spares.
    const bool global = m.optGlobHotSpr[0].value();
    check(global != m.optGlobHotSpr[1].value(), "global spare is both or neither");
    if (global) {
        check(m.Text2.enabled, "the global count cannot be typed while Yes is selected");
        check(isWholeCountText(m.Text2.text()), "global count \"" + m.Text2.text() + "\"");
    } else {
        check(!m.Text2.enabled, "the global count can be typed while No is selected");
        check(m.Text2.text() == "0", "global count \"" + m.Text2.text() + "\" while No is selected");
    }
    const std::string &spareSize = m.cmbGlobalHotSpareSize.text();
    if (spareSize == "9.1") check(m.optGlobHotSpH[1].value(), "9.1 GB global spares at half height");
    if (spareSize == "72.8") check(m.optGlobHotSpH[0].value(), "72.8 GB global spares at low profile");

    // Totals.
    double drives = 0, capacity = 0, units = 0;
    for (int t = 0; t < 8; ++t) {
        if (!m.tabHoldsSet(t)) continue;
        const double setDrives = number(m.field(t, 1).text()) * number(m.field(t, 2).text()) +
                                 number(m.txtLocSpr[static_cast<size_t>(2 * t)].text());
        drives += setDrives;
        capacity += number(m.field(t, 4).text());
        units += setDrives * (m.tabHalfHeight(t) ? 1.5 : 1);
    }
    const double globalCount = number(m.Text2.text());
    drives += globalCount;
    units += globalCount * (m.optGlobHotSpH[0].value() ? 1.5 : 1);
    auto same = [](const std::string &text, double value) {
        const auto shown = parseNumber(text);
        return shown && std::fabs(*shown - value) < 1e-6;
    };
    check(same(m.txtSumTotals[0].text(), drives),
          "total drives " + m.txtSumTotals[0].text() + " for " + formatNumber(drives));
    check(same(m.txtSumTotals[1].text(), capacity),
          "total capacity " + m.txtSumTotals[1].text() + " for " + formatNumber(capacity));
    check(same(m.txtSumTotals[3].text(), units),
          "slot units " + m.txtSumTotals[3].text() + " for " + formatNumber(units));
    check(m.txtSumTotals[2].text() == "1", "number of channels " + m.txtSumTotals[2].text());

    // The calculator.
    for (const ListBox *list : {&m.cmbRaidLevel, &m.cmbMaxDrives, &m.cmbNumSpans, &m.cmbDriveSize})
        check(list->listIndex() >= 0, list->name + " has no selection");
    if (m.cmbDriveSize.text() == "9.1")
        check(m.optDriveH[1].value(), "9.1 GB drives at half height in the calculator");
    if (m.cmbDriveSize.text() == "72.8")
        check(m.optDriveH[0].value(), "72.8 GB drives at low profile in the calculator");
    if (controller == 6 && m.cmbRaidLevel.text() == "50")
        check(number(m.cmbMaxDrives.text()) * number(m.cmbNumSpans.text()) <= 48,
              "RAID 50 of " + m.cmbMaxDrives.text() + " x " + m.cmbNumSpans.text() + " drives");

    // Flags rest between actions.
    check(m.SuppressCalc == False && m.FormLoading == False && m.RaidLevelChanging == False &&
              m.ClearAllNoAsk == False && m.LogDrvHUser == True,
          "a flag was left set");
    return broken;
}

std::string quoted(const std::string &word) {
    if (!word.empty() && word.find_first_of(" \"\\") == std::string::npos) return word;
    std::string q = "\"";
    for (char c : word) {
        if (c == '"' || c == '\\') q += '\\';
        q += c;
    }
    return q + "\"";
}

// Plays random user actions on the main window, only on controls a user can reach.
class RandomUser {
public:
    RandomUser(test::Session &session, unsigned seed) : s(session), rng(seed) {
        s.host.answerer = [this](const std::string &text) {
            ADD_FAILURE() << "question without an answer: " << text;
            return MsgAnswer::No;
        };
    }

    // One action; returns the script lines that replay it.
    std::string step() {
        MainForm &m = s.main();
        s.program.focus(&m);
        // Weights: picks and adds most, menus and output windows now and then.
        const std::vector<std::pair<int, bool (RandomUser::*)(MainForm &)>> actions{
            {22, &RandomUser::pickList}, {15, &RandomUser::add},         {8, &RandomUser::clickOption},
            {7, &RandomUser::tabClick},  {8, &RandomUser::typeCount},    {8, &RandomUser::deleteSet},
            {4, &RandomUser::clearAll},  {6, &RandomUser::checkChannel}, {3, &RandomUser::switchController},
            {2, &RandomUser::rules},     {2, &RandomUser::report},       {2, &RandomUser::graphic},
            {13, &RandomUser::smallSet}};
        int total = 0;
        for (const auto &a : actions)
            total += a.first;
        for (int tries = 0; tries < 100; ++tries) {
            int roll = pick(0, total - 1);
            for (const auto &[weight, action] : actions) {
                if (roll < weight) {
                    if ((this->*action)(m)) return m_line;
                    break;
                }
                roll -= weight;
            }
        }
        return "# nothing reachable";
    }

private:
    int pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(rng); }

    bool reachable(const Control &c) { return s.main().reachable(c); }

    bool pickList(MainForm &m) {
        std::vector<ListBox *> lists{&m.cmbRaidLevel,     &m.cmbMaxDrives,     &m.cmbNumSpans,
                                     &m.cmbDriveSize,     &m.cmbStorageSel[0], &m.cmbStorageSel[1],
                                     &m.cmbStorageSel[2], &m.cmbStorageSel[3], &m.cmbGlobalHotSpareSize};
        ListBox &list = *lists[static_cast<size_t>(pick(0, static_cast<int>(lists.size()) - 1))];
        if (!reachable(list) || list.items().empty()) return false;
        const int index = pick(0, static_cast<int>(list.items().size()) - 1);
        m_line = "select " + list.name + " " + quoted(list.items()[static_cast<size_t>(index)]);
        list.userPick(index);
        return true;
    }

    bool add(MainForm &m) {
        if (!reachable(m.cmdAddLogicals)) return false;
        m_line = "click cmdAddLogicals";
        m.cmdAddLogicals.userClick();
        return true;
    }

    bool smallSet(MainForm &m) {
        if (m.cmbMaxDrives.items().empty()) return false;
        const int index = pick(0, std::min(2, static_cast<int>(m.cmbMaxDrives.items().size()) - 1));
        m_line = "select cmbMaxDrives " + m.cmbMaxDrives.items()[static_cast<size_t>(index)] +
                 "\nclick cmdAddLogicals";
        m.cmbMaxDrives.userPick(index);
        m.cmdAddLogicals.userClick();
        return true;
    }

    bool clickOption(MainForm &m) {
        const int t = m.SSTab1.tab();
        std::vector<OptionButton *> options{&m.optDriveH[0],
                                            &m.optDriveH[1],
                                            &m.optGlobHotSpr[0],
                                            &m.optGlobHotSpr[1],
                                            &m.optGlobHotSpH[0],
                                            &m.optGlobHotSpH[1],
                                            &m.Option5[0],
                                            &m.Option5[2],
                                            &m.optLogDriveH[static_cast<size_t>(2 * t)],
                                            &m.optLogDriveH[static_cast<size_t>(2 * t + 1)],
                                            &m.optLocHotSpr[static_cast<size_t>(2 * t)],
                                            &m.optLocHotSpr[static_cast<size_t>(2 * t + 1)],
                                            &m.optLocHotSpr[static_cast<size_t>(2 * t)]};
        OptionButton &option = *options[static_cast<size_t>(pick(0, static_cast<int>(options.size()) - 1))];
        if (!reachable(option)) return false; // hidden tuning options
        m_line = "click " + option.name;
        option.userClick();
        return true;
    }

    bool tabClick(MainForm &m) {
        const int t = pick(0, 7);
        if (!m.SSTab1.tabEnabled[static_cast<size_t>(t)]) return false;
        m_line = "tab " + std::to_string(t);
        m.SSTab1.setTab(t);
        return true;
    }

    bool typeCount(MainForm &m) {
        if (!reachable(m.Text2)) return false;
        static const char *const texts[] = {"0", "1", "2", "3",  "4",   "5",  "9",  "12",
                                            "",  "x", "-", "-1", "1.5", "3a", " 2", "04"};
        const std::string text = texts[pick(0, static_cast<int>(std::size(texts)) - 1)];
        m_line = "type Text2 " + quoted(text);
        m.Text2.userType(text);
        return true;
    }

    bool question(Control &button, const std::string &command) {
        if (!reachable(button)) return false;
        const bool yes = pick(0, 3) != 0;
        s.host.answers.push_back(yes ? MsgAnswer::Yes : MsgAnswer::No);
        m_line = std::string("answer ") + (yes ? "yes" : "no") + "\n" + command;
        button.userClick();
        if (!s.host.answers.empty()) {
            ADD_FAILURE() << command << " did not ask its question";
            s.host.answers.clear();
        }
        return true;
    }

    bool deleteSet(MainForm &m) { return question(m.cmdClearOne, "click cmdClearOne"); }
    bool clearAll(MainForm &m) { return question(m.cmdClearAll, "click cmdClearAll"); }

    bool switchController(MainForm &m) {
        const int id = pick(1, 8);
        return question(m.mnuController[static_cast<size_t>(id)],
                        "click mnuController(" + std::to_string(id) + ")");
    }

    bool checkChannel(MainForm &m) {
        const int c = pick(0, 3);
        CheckBox &box = m.ckChanUsed[static_cast<size_t>(c)];
        if (!reachable(box)) return false;
        m_line = "check " + box.name + " " + (box.value() ? "0" : "1");
        box.userClick();
        return true;
    }

    bool rules(MainForm &m) {
        const int i = pick(0, 3);
        m_line = "click mnuRules(" + std::to_string(i) + ")";
        m.mnuRules[static_cast<size_t>(i)].userClick();
        return true;
    }

    bool report(MainForm &m) {
        m_line = "click cmdDataReport\nfocus frmSpindex";
        m.cmdDataReport.userClick();
        if (!s.program.frmLogicalDriveDisplay()) ADD_FAILURE() << "the report window did not open";
        return true;
    }

    bool graphic(MainForm &m) {
        m_line = "click cmdDisplayGraphic\nfocus frmSpindex";
        m.cmdDisplayGraphic.userClick();
        if (!s.program.frmGraphic()) ADD_FAILURE() << "the graphic window did not open";
        return true;
    }

    test::Session &s;
    std::mt19937 rng;
    std::string m_line;
};

struct RandomRun {
    int controller;
    unsigned seed;
};

void PrintTo(const RandomRun &run, std::ostream *os) {
    *os << "controller " << run.controller << " seed " << run.seed;
}

class RandomUserActions : public ::testing::TestWithParam<RandomRun> {};

constexpr int Steps = 3000;

TEST_P(RandomUserActions, InvariantsHoldAfterEveryStep) {
    const RandomRun &run = GetParam();
    test::Session s(run.controller);
    RandomUser user(s, run.seed);
    std::ostringstream script;
    script << "# controller " << run.controller << ", seed " << run.seed << "\n";
    script << "wait 5000\nselect cmbSelectCont " << quoted(findController(run.controller)->selectionText)
           << "\nclick Command1\n";
    std::vector<std::string> broken = brokenInvariants(s.program);
    ASSERT_TRUE(broken.empty()) << "after start-up: " << broken.front();
    for (int step = 1; step <= Steps; ++step) {
        const std::size_t before = s.host.messages.size();
        const std::string line = user.step();
        script << line << "\n";
        s.program.collectUnloaded();
        const std::size_t shown = s.host.messages.size() - before;
        broken = brokenInvariants(s.program);
        if (shown > 20) broken.push_back(std::to_string(shown) + " messages for one action");
        if (!broken.empty() || ::testing::Test::HasFailure()) {
            std::string all;
            for (const std::string &b : broken)
                all += "  " + b + "\n";
            FAIL() << "controller " << run.controller << ", seed " << run.seed << ", step " << step << " ("
                   << line << ")\n"
                   << all << "replay:\n"
                   << script.str();
        }
    }
    // The sequence must have reached the interesting states, or it proves little.
    EXPECT_GT(s.host.messages.size(), 10u);
}

std::vector<RandomRun> runs() {
    std::vector<RandomRun> all;
    const unsigned seeds[] = {11, 29, 4242};
    for (int controller = 1; controller <= 8; ++controller)
        for (unsigned seed : seeds)
            all.push_back({controller, seed + static_cast<unsigned>(controller)});
    return all;
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, RandomUserActions, ::testing::ValuesIn(runs()),
                         [](const ::testing::TestParamInfo<RandomRun> &info) {
                             return "Controller" + std::to_string(info.param.controller) + "Seed" +
                                    std::to_string(info.param.seed);
                         });

} // namespace
} // namespace spindex
