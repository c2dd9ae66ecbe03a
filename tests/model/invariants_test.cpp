// Whatever a user does, the table keeps its invariants: the slot units in use never exceed the slots
// of the channels, occupied tabs are contiguous from tab 0, tabs from LogDrivesAvail on are empty and
// disabled, LogDrivesAvail follows the spanned sets, and the totals are the sums over the tabs and the
// global spares. Long random sequences of user actions check them after every step. A failure prints
// the seed, the step and the actions so far as a spindex-batch script that replays them.

#include <cmath>
#include <random>
#include <sstream>

#include "outputs/outputforms.h"
#include "randomuser.h"
#include "rules/catalogue.h"
#include "testsession.h"

namespace spindex {
namespace {

using test::Strings;

double number(const std::string& text) {
    return parseNumber(text).value_or(0);
}

// Every broken rule, described; empty when all hold.
std::vector<std::string> brokenInvariants(Program& program) {
    std::vector<std::string> broken;
    auto check = [&](bool ok, const std::string& what) {
        if (!ok)
            broken.push_back(what);
    };
    if (!program.frmSpindex())
        return {"the main window is gone"};
    const MainForm& m = *program.frmSpindex();
    const int controller = program.ControllerType;

    const int slotsOfEntry[10] = {12, 6, 6, 4, 2, 3, 6, 12, 8, 4};
    int maxSlots = 0;
    for (int c = 0; c < 4; ++c) {
        const std::string channel = "channel " + std::to_string(c) + ": ";
        const bool used = m.ckChanUsed[c].value() == 1;
        const int entry = m.cmbStorageSel[c].listIndex();
        check(m.cmbStorageSel[c].enabled == used, channel + "list enabled differs from its check box");
        check(entry >= 0 && entry < 10, channel + "no storage entry");
        const int slots = used && entry >= 0 ? slotsOfEntry[entry] : 0;
        check(program.ChannelSlots[c] == slots, channel + "ChannelSlots " + std::to_string(program.ChannelSlots[c]));
        maxSlots += slots;
    }
    check(m.MaxSlots == maxSlots, "MaxSlots " + std::to_string(m.MaxSlots) + " for " + std::to_string(maxSlots));
    check(m.txtDisplayMaxDrives.text() == "Maximum low profile drives slots = " + std::to_string(m.MaxSlots),
          "slot total shows " + m.txtDisplayMaxDrives.text());
    check(parseNumber(m.txtSumTotals[3].text()) == m.LPSlotsUsed,
          "LPSlotsUsed " + formatNumber(m.LPSlotsUsed) + " but the total shows " + m.txtSumTotals[3].text());
    check(m.LPSlotsUsed <= m.MaxSlots, "slot units in use " + formatNumber(m.LPSlotsUsed) + " exceed MaxSlots");

    const double avail = m.LogDrivesAvail;
    check(avail >= 1 && avail <= 8 && avail == std::floor(avail), "LogDrivesAvail " + formatNumber(avail));
    bool gap = false;
    int reserved = 0;
    double drives = 0, capacity = 0, units = 0;
    for (int t = 0; t < 8; ++t) {
        const std::string tab = "tab " + std::to_string(t) + ": ";
        const int u = 2 * t;
        const bool holds = m.tabHoldsSet(t), spare = m.optLocHotSpr[u].value();
        check(!(holds && gap), tab + "holds a set behind an empty tab");
        gap = gap || !holds;
        check(t < avail || !holds, tab + "holds a set beyond LogDrivesAvail");
        check(m.SSTab1.tabEnabled[t] == (t < avail), tab + "enabled differs from LogDrivesAvail");
        check(spare != m.optLocHotSpr[u + 1].value(), tab + "local spare is both or neither");
        check(m.optLogDriveH[u].value() != m.optLogDriveH[u + 1].value(), tab + "height is both or neither");
        check(m.txtLocSpr[u].text() == (spare ? "1" : "0"), tab + "spare count " + m.txtLocSpr[u].text());
        check(m.txtLocSpr[u + 1].text() == (spare ? m.Text1[5 * t + 3].text() : ""),
              tab + "spare size " + m.txtLocSpr[u + 1].text());
        if (!holds) {
            check(!spare, tab + "is empty but has a local spare");
            for (int k = 0; k < 5; ++k)
                check(m.Text1[5 * t + k].text().empty(), tab + "is empty but field " + std::to_string(k) + " is not");
            continue;
        }
        for (int k = 1; k < 5; ++k)
            check(parseNumber(m.Text1[5 * t + k].text()).has_value(), tab + "field " + m.Text1[5 * t + k].text());
        const std::string &size = m.Text1[5 * t + 3].text(), &level = m.Text1[5 * t + 0].text();
        check(size != "9.1" || !m.tabHalfHeight(t), tab + "9.1 GB drives at half height");
        check(size != "72.8" || m.tabHalfHeight(t), tab + "72.8 GB drives at low profile");
        const int spans = static_cast<int>(number(m.Text1[5 * t + 2].text()));
        if ((level == "10" || level == "30" || level == "50") && spans >= 2 && spans <= 4)
            reserved += spans - 1;
        const double setDrives =
            number(m.Text1[5 * t + 1].text()) * number(m.Text1[5 * t + 2].text()) + number(m.txtLocSpr[u].text());
        drives += setDrives;
        capacity += number(m.Text1[5 * t + 4].text());
        units += setDrives * (m.tabHalfHeight(t) ? 1.5 : 1);
    }
    check(avail == (controller <= 5 ? 8 - reserved : 8),
          "LogDrivesAvail " + formatNumber(avail) + " where the spanned sets reserve " + std::to_string(reserved));
    check(m.SSTab1.tab() >= 0 && m.SSTab1.tab() < avail, "the current tab " + std::to_string(m.SSTab1.tab()));

    const bool global = m.optGlobHotSpr[0].value();
    const std::string& count = m.Text2.text();
    check(global != m.optGlobHotSpr[1].value(), "global spare is both or neither");
    check(m.Text2.enabled == global, "the global count can be typed only while Yes is selected");
    const bool wholeCount = count.find_first_not_of("0123456789") == std::string::npos;
    check(global ? wholeCount && number(count) <= 4 : count == "0", "global count \"" + count + "\"");
    const std::string& spareSize = m.cmbGlobalHotSpareSize.text();
    check(spareSize != "9.1" || m.optGlobHotSpH[1].value(), "9.1 GB global spares at half height");
    check(spareSize != "72.8" || m.optGlobHotSpH[0].value(), "72.8 GB global spares at low profile");
    drives += number(count);
    units += number(count) * (m.optGlobHotSpH[0].value() ? 1.5 : 1);
    double ticked = 0;
    for (const CheckBox& channel : m.ckChanUsed)
        ticked += channel.value() != 0 ? 1 : 0;
    const double expected[4] = {drives, capacity, ticked, units};
    for (size_t k = 0; k < 4; ++k)
        check(std::fabs(parseNumber(m.txtSumTotals[k].text()).value_or(-1e9) - expected[k]) < 1e-6,
              "total " + std::to_string(k) + " shows " + m.txtSumTotals[k].text() + " for " +
                  formatNumber(expected[k]));

    for (const ListBox* list : {&m.cmbRaidLevel, &m.cmbMaxDrives, &m.cmbNumSpans, &m.cmbDriveSize})
        check(list->listIndex() >= 0, list->name + " has no selection");
    check(m.cmbDriveSize.text() != "9.1" || m.optDriveH[1].value(), "9.1 GB drives at half height");
    check(m.cmbDriveSize.text() != "72.8" || m.optDriveH[0].value(), "72.8 GB drives at low profile");
    check(controller != 6 || m.cmbRaidLevel.text() != "50" ||
              number(m.cmbMaxDrives.text()) * number(m.cmbNumSpans.text()) <= 48,
          "RAID 50 of " + m.cmbMaxDrives.text() + " x " + m.cmbNumSpans.text() + " drives");
    check(m.SuppressCalc == False && m.FormLoading == False && m.RaidLevelChanging == False &&
              m.ClearAllNoAsk == False && m.LogDrvHUser == True,
          "a flag was left set");
    return broken;
}

// Three seeds per controller, 3000 actions each.
TEST(RandomUserActions, InvariantsHoldAfterEveryStep) {
    for (int controller = 1; controller <= 8; ++controller)
        for (unsigned seed : {11u, 29u, 4242u}) {
            seed += static_cast<unsigned>(controller);
            SCOPED_TRACE("controller " + std::to_string(controller) + ", seed " + std::to_string(seed));
            test::Session s(controller);
            test::RandomUser user(s, seed);
            std::ostringstream script;
            script << "wait 5000\nselect cmbSelectCont " << test::quoted(findController(controller)->selectionText)
                   << "\nclick Command1\n";
            std::vector<std::string> broken = brokenInvariants(s.program);
            ASSERT_TRUE(broken.empty()) << "after start-up: " << broken.front();
            for (int step = 1; step <= 3000; ++step) {
                const std::size_t before = s.host.shown.size();
                const std::string line = user.step();
                script << line << "\n";
                s.program.collectUnloaded();
                broken = brokenInvariants(s.program);
                if (s.host.shown.size() - before > 20)
                    broken.push_back(std::to_string(s.host.shown.size() - before) + " messages for one action");
                if (!broken.empty() || ::testing::Test::HasFailure()) {
                    std::string all;
                    for (const std::string& b : broken)
                        all += "  " + b + "\n";
                    FAIL() << "step " << step << " (" << line << ")\n" << all << "replay:\n" << script.str();
                }
            }
            // The sequence must have reached the interesting states, or it proves little.
            EXPECT_GT(s.host.shown.size(), 10u);
        }
}

} // namespace
} // namespace spindex
