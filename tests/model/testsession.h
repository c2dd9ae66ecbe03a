#pragma once

// What every model test needs: a scripted Host that records what the program shows and answers its
// questions from a queue, and a session that starts a fresh program the way a user does and opens the
// main window for one controller.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host.h"
#include "mainform.h"
#include "program.h"
#include "smallforms.h"

namespace spindex::test {

struct Message {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
    std::string title;
    MsgAnswer answer;
};

struct SaveDialog {
    std::string filter;
    std::string defaultExt;
};

class TestHost : public Host {
public:
    std::vector<Message> messages;
    // Answers to the questions (Yes/No boxes), used in the order queued.
    std::deque<MsgAnswer> answers;
    // When set, answers a question that finds the queue empty; otherwise such a question fails the test.
    std::function<MsgAnswer(const std::string &text)> answerer;
    // Results of the save-file dialog: a path, or nothing for Cancel.
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<SaveDialog> saveDialogs;
    std::vector<std::string> printed;
    std::vector<std::string> printerSetups;
    std::vector<std::string> started;
    std::vector<std::string> existenceChecks;
    std::set<std::string> existingFiles;
    std::set<std::string> startableFiles; // empty: every non-empty path starts
    int endedCount = 0;

    MsgAnswer messageBox(const std::string &text, MsgButtons buttons, MsgIcon icon,
                         const std::string &title) override {
        MsgAnswer answer = MsgAnswer::Ok;
        if (buttons == MsgButtons::YesNo) {
            if (!answers.empty()) {
                answer = answers.front();
                answers.pop_front();
            } else if (answerer) {
                answer = answerer(text);
            } else {
                ADD_FAILURE() << "question without a queued answer: " << text;
                answer = MsgAnswer::No;
            }
        }
        messages.push_back({text, buttons, icon, title, answer});
        return answer;
    }

    std::optional<std::string> saveFileName(const std::string &filter,
                                            const std::string &defaultExt) override {
        saveDialogs.push_back({filter, defaultExt});
        if (saveAnswers.empty()) {
            ADD_FAILURE() << "save dialog without a queued answer";
            return std::nullopt;
        }
        std::optional<std::string> answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }

    void printWindow(const std::string &window) override { printed.push_back(window); }
    void printerSetup(const std::string &window) override { printerSetups.push_back(window); }

    bool startProgram(const std::string &path) override {
        started.push_back(path);
        if (path.empty()) return false;
        return startableFiles.empty() || startableFiles.count(path) > 0;
    }

    bool fileExists(const std::string &path) override {
        existenceChecks.push_back(path);
        return existingFiles.count(path) > 0;
    }

    void programEnded() override { ++endedCount; }

    // How many messages carried exactly this text.
    int count(const std::string &text) const {
        int n = 0;
        for (const Message &m : messages)
            n += m.text == text ? 1 : 0;
        return n;
    }
};

// A fresh program per case: the splash hands over after its five seconds, the user picks the
// controller (1 to 8) in the selection window and presses "Configure Controller".
class Session {
public:
    explicit Session(int controllerId = 6) {
        program.Main();
        program.advance(5000);
        SelectControllerForm *select = program.frmSelectController();
        if (!select) {
            ADD_FAILURE() << "the selection window is not loaded after the splash";
            return;
        }
        if (controllerId != 6) select->cmbSelectCont.userPick(controllerId - 1);
        select->Command1.userClick();
        program.collectUnloaded();
        if (!program.frmSpindex()) ADD_FAILURE() << "the main window did not open";
    }
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    TestHost host;
    Program program{host};

    MainForm &main() { return *program.frmSpindex(); }

    // The user picks the entry with this text; a missing entry fails the test.
    void pick(ListBox &list, const std::string &text) {
        const int index = list.indexOf(text);
        if (index < 0) {
            ADD_FAILURE() << list.name << " has no entry \"" << text << "\"";
            return;
        }
        list.userPick(index);
    }

    // Picks the calculator's inputs the way a user does: level, drives, spans, size, then height.
    // Spans and height are left alone when not given.
    void calculator(const std::string &level, const std::string &drives, const std::string &spans = "",
                    const std::string &size = "", std::optional<bool> halfHeight = std::nullopt) {
        MainForm &m = main();
        pick(m.cmbRaidLevel, level);
        pick(m.cmbMaxDrives, drives);
        if (!spans.empty()) pick(m.cmbNumSpans, spans);
        if (!size.empty()) pick(m.cmbDriveSize, size);
        if (halfHeight) m.optDriveH[*halfHeight ? 0 : 1].userClick();
    }

    // Sets up the calculator and presses "Add to Next Available RAID Set". True when no message came.
    bool add(const std::string &level, const std::string &drives, const std::string &spans = "",
             const std::string &size = "", std::optional<bool> halfHeight = std::nullopt) {
        calculator(level, drives, spans, size, halfHeight);
        const std::size_t before = host.messages.size();
        main().cmdAddLogicals.userClick();
        return host.messages.size() == before;
    }

    // The user clicks the tab, then the delete button, answering the question.
    void deleteSet(int tab, MsgAnswer answer) {
        main().SSTab1.setTab(tab);
        host.answers.push_back(answer);
        main().cmdClearOne.userClick();
    }

    void clearAll(MsgAnswer answer) {
        host.answers.push_back(answer);
        main().cmdClearAll.userClick();
    }

    // Text fields of one tab: level, drives, spans, drive capacity, total capacity.
    std::vector<std::string> tabFields(int tab) {
        std::vector<std::string> fields;
        for (int k = 0; k < 5; ++k)
            fields.push_back(main().field(tab, k).text());
        return fields;
    }

    std::vector<std::string> totals() {
        std::vector<std::string> texts;
        for (const TextBox &box : main().txtSumTotals)
            texts.push_back(box.text());
        return texts;
    }
};

inline std::string messageTexts(const TestHost &host) {
    std::string all;
    for (const Message &m : host.messages)
        all += "[" + m.text + "] ";
    return all;
}

} // namespace spindex::test
