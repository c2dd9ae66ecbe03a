#pragma once

// A random user of the main window: plays random actions, only on controls a user can reach, and
// returns the spindex-batch script lines that replay each.

#include <algorithm>
#include <random>
#include <sstream>
#include <string>

#include "testsession.h"

namespace spindex::test {

// A script word, in quotes when it needs them.
inline std::string quoted(const std::string& word) {
    if (!word.empty() && word.find_first_of(" \"\\") == std::string::npos)
        return word;
    std::string q = "\"";
    for (char c : word)
        q += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
    return q + "\"";
}

// Plays random user actions on the main window, only on controls a user can reach, and returns the
// script lines that replay each. Questions are answered Yes three times in four.
class RandomUser {
public:
    RandomUser(Session& session, unsigned seed) : s(session), rng(seed) {}

    std::string step() {
        MainForm& m = s.main();
        s.program.focus(&m);
        const int t = m.SSTab1.tab();
        // Controls by name and weight. In brackets: C a channel, M a controller, R a rule set, T and U
        // the options of the current tab. Half the adds are of one to three drives, so that the table
        // fills up.
        static const Strings names = [] {
            std::istringstream in(
                "cmbRaidLevel*3 cmbMaxDrives*3 cmbNumSpans*3 cmbDriveSize*3 cmbStorageSel(C)*10 "
                "cmbGlobalHotSpareSize*2 "
                "cmdAddLogicals*28 cmdClearOne*8 cmdClearAll*4 mnuController(M)*3 optDriveH(0) optDriveH(1) "
                "optGlobHotSpr(0) optGlobHotSpr(1) optGlobHotSpH(0) optGlobHotSpH(1) optLogDriveH(T) optLogDriveH(U) "
                "optLocHotSpr(T)*2 optLocHotSpr(U) ckChanUsed(C)*6 Text2*8 SSTab1*7 mnuRules(R)*2 cmdDataReport*2 "
                "cmdDisplayGraphic*2");
            Strings all;
            for (std::string word; in >> word;) {
                const std::size_t star = word.find('*');
                all.insert(all.end(), star == std::string::npos ? 1 : std::stoi(word.substr(star + 1)),
                           word.substr(0, star));
            }
            return all;
        }();
        Control* picked = nullptr;
        ListBox* list = nullptr;
        while (!picked || !m.reachable(*picked) || (list && list->items().empty())) {
            std::string name = names[pick(0, static_cast<int>(names.size()) - 1)];
            if (const std::size_t open = name.find('('); open != std::string::npos) {
                const char slot = name[open + 1];
                const int index = slot == 'C' || slot == 'R' ? pick(0, 3)
                                  : slot == 'M'              ? pick(1, 8)
                                  : slot == 'T'              ? 2 * t
                                  : slot == 'U'              ? 2 * t + 1
                                                             : slot - '0';
                name = indexedName(name.substr(0, open), index);
            }
            picked = m.control(name);
            list = dynamic_cast<ListBox*>(picked);
        }
        Control& c = *picked;
        std::string line = "click " + c.name;
        if (list) {
            const int last = static_cast<int>(list->items().size()) - 1;
            list->userPick(pick(0, last));
            return "select " + c.name + " " + quoted(list->text());
        } else if (&c == &m.Text2) {
            static const char* const texts[] = {"0", "1", "2", "3",  "4",   "5",  "9",  "12",
                                                "",  "x", "-", "-1", "1.5", "3a", " 2", "04"};
            const std::string text = texts[pick(0, 15)];
            m.Text2.userType(text);
            line = "type Text2 " + quoted(text);
        } else if (&c == &m.SSTab1) {
            const int tab = pick(0, static_cast<int>(m.LogDrivesAvail) - 1);
            m.SSTab1.userSelectTab(tab);
            line = "tab " + std::to_string(tab);
        } else if (&c == &m.cmdClearOne || &c == &m.cmdClearAll || c.name.rfind("mnuController", 0) == 0) {
            const bool yes = pick(0, 3) != 0;
            s.host.answers.push_back(yes ? MsgAnswer::Yes : MsgAnswer::No);
            c.userClick();
            line = std::string("answer ") + (yes ? "yes" : "no") + "\n" + line;
            if (!s.host.answers.empty())
                ADD_FAILURE() << c.name << " did not ask its question";
            s.host.answers.clear();
        } else if (&c == &m.cmdAddLogicals && pick(0, 1) == 1) {
            m.cmbMaxDrives.userPick(pick(0, std::min(2, static_cast<int>(m.cmbMaxDrives.items().size()) - 1)));
            m.cmdAddLogicals.userClick();
            line = "select cmbMaxDrives " + m.cmbMaxDrives.text() + "\n" + line;
        } else if (auto* box = dynamic_cast<CheckBox*>(&c)) {
            box->userClick();
            line = "check " + c.name + " " + std::to_string(box->value());
        } else {
            c.userClick();
        }
        return s.program.focused() == &m ? line : line + "\nfocus frmSpindex";
    }

private:
    int pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(rng); }

    Session& s;
    std::mt19937 rng;
};

} // namespace spindex::test
