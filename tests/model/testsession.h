#pragma once

// What every model test needs: a Host that records what the program shows and answers its questions
// from a queue, and a session that starts a fresh program the way a user does, opens the main window
// for one controller and plays the user's actions.

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "forms/smallforms.h"
#include "mainform/mainform.h"
#include "runtime/host.h"
#include "runtime/numbers.h"
#include "runtime/program.h"

namespace spindex::test {

using Strings = std::vector<std::string>;

inline Strings range(int from, int to) {
    Strings s;
    for (int i = from; i <= to; ++i)
        s.push_back(std::to_string(i));
    return s;
}

class TestHost : public Host {
public:
    Strings shown;                 // every message as "title: text", marked when it is critical or a question
    std::deque<MsgAnswer> answers; // for the questions in order; a question that finds none fails the test
    std::deque<std::optional<std::string>> saveAnswers; // paths the save dialog returns, nothing for Cancel
    std::deque<std::optional<std::string>> openAnswers; // paths the open dialog returns, nothing for Cancel
    std::deque<Strings> openFilesAnswers; // the multi-file dialog's; without one it asks as the single one
    Strings saveDialogs, openDialogs, printed, printerSetups, started, existenceChecks, documents;
    // The files the program wrote and may read, by path; a path in failingWrites refuses with its reason.
    std::map<std::string, std::string> files, failingWrites;
    std::set<std::string> existingFiles, unstartable;
    std::map<std::string, std::string> unshowable; // documents that cannot be shown, with the reason
    int ended = 0;

    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) override {
        const char* mark = icon == MsgIcon::None ? "" : icon == MsgIcon::Critical ? " (critical)" : " (icon)";
        const char* choice = buttons == MsgButtons::YesNo         ? " (yes/no)"
                             : buttons == MsgButtons::YesNoCancel ? " (yes/no/cancel)"
                                                                  : "";
        shown.push_back(title + mark + choice + ": " + text);
        if (buttons == MsgButtons::Ok)
            return MsgAnswer::Ok;
        return next(answers, MsgAnswer::No, "question without a queued answer: " + text);
    }
    std::optional<std::string> saveFileName(const std::string& filter, const std::string& defaultExt) override {
        saveDialogs.push_back(filter + " " + defaultExt);
        return next(saveAnswers, std::optional<std::string>(), "save dialog without a queued answer");
    }
    std::optional<std::string> openFileName(const std::string& filter) override {
        openDialogs.push_back(filter);
        return next(openAnswers, std::optional<std::string>(), "open dialog without a queued answer");
    }
    std::optional<std::vector<std::string>> openFileNames(const std::string& filter) override {
        if (openFilesAnswers.empty())
            return Host::openFileNames(filter);
        openDialogs.push_back(filter + " multiple");
        Strings answer = std::move(openFilesAnswers.front());
        openFilesAnswers.pop_front();
        return answer;
    }
    std::string writeFile(const std::string& path, const std::string& content) override {
        if (const auto failure = failingWrites.find(path); failure != failingWrites.end())
            return failure->second;
        files[path] = content;
        return {};
    }
    std::string readFile(const std::string& path, std::string& content, std::int64_t limit) override {
        content.clear();
        const auto file = files.find(path);
        if (file == files.end())
            return "the file does not exist";
        if (static_cast<std::int64_t>(file->second.size()) > limit)
            return "it is larger than the limit";
        content = file->second;
        return {};
    }
    void printWindow(const std::string& window) override { printed.push_back(window); }
    void printerSetup(const std::string& window) override { printerSetups.push_back(window); }
    bool startProgram(const std::string& path) override {
        started.push_back(path);
        return !path.empty() && unstartable.count(path) == 0;
    }
    bool fileExists(const std::string& path) override {
        existenceChecks.push_back(path);
        return existingFiles.count(path) > 0;
    }
    std::string showDocument(const std::string& path) override {
        documents.push_back(path);
        const auto failure = unshowable.find(path);
        return failure == unshowable.end() ? std::string() : failure->second;
    }
    void programEnded() override { ++ended; }

    // Plans never saved: kept only when a test turns keeping on. kept is this program's plan, left
    // a plan an ended program kept, keeps the number of writes.
    bool keeps = false;
    std::optional<std::string> kept;
    std::optional<KeptPlan> left;
    int keepWrites = 0;
    bool keepsPlans() override { return keeps; }
    void keepPlan(const std::string& text) override {
        kept = text;
        ++keepWrites;
    }
    void forgetKeptPlan() override { kept.reset(); }
    std::optional<KeptPlan> keptPlan() override { return left; }
    void removeKeptPlan(const std::string& path) override {
        if (left && left->path == path)
            left.reset();
    }
    // The drive types for new plans, as the settings would keep them.
    std::string newTypes;
    std::string newPlanDriveTypes() override { return newTypes; }
    void keepNewPlanDriveTypes(const std::string& json) override { newTypes = json; }

private:
    // The next queued answer; without one the test fails and the dialog gets the fallback.
    template <typename T> static T next(std::deque<T>& queue, T fallback, const std::string& failure) {
        if (queue.empty()) {
            ADD_FAILURE() << failure;
            return fallback;
        }
        T answer = std::move(queue.front());
        queue.pop_front();
        return answer;
    }
};

// A fresh program per case: the splash hands over after its five seconds, the user picks the
// controller (1 to 8) in the selection window and presses "Configure Controller".
class Session {
public:
    // left: a plan an ended program kept; newTypes: the drive types kept for new plans.
    explicit Session(int controllerId, std::string programFolder = ".", std::optional<KeptPlan> left = std::nullopt,
                     std::string newTypes = {})
        : program(host, std::move(programFolder)) {
        host.left = std::move(left);
        host.newTypes = std::move(newTypes);
        host.keeps = host.left.has_value();
        program.Main();
        program.advance(5000);
        program.frmSelectController()->cmbSelectCont.userPick(controllerId - 1);
        program.frmSelectController()->Command1.userClick();
        program.collectUnloaded();
    }

    TestHost host;
    Program program;

    MainForm& main() { return *program.frmSpindex(); }

    // The messages shown since the last call.
    Strings take() { return std::exchange(host.shown, {}); }

    // The user picks the entry with this text; a missing entry fails the test.
    void pick(ListBox& list, const std::string& text) {
        const int index = list.indexOf(text);
        if (index < 0)
            ADD_FAILURE() << list.name << " has no entry \"" << text << "\"";
        else
            list.userPick(index);
    }

    // The calculator's inputs as a user picks them; spans, size and height stay when not given.
    void calculator(const std::string& level, const std::string& drives, const std::string& spans = "",
                    const std::string& size = "", std::optional<bool> halfHeight = std::nullopt) {
        pick(main().cmbRaidLevel, level);
        pick(main().cmbMaxDrives, drives);
        if (!spans.empty())
            pick(main().cmbNumSpans, spans);
        if (!size.empty())
            pick(main().cmbDriveSize, size);
        if (halfHeight)
            main().optDriveH[*halfHeight ? 0 : 1].userClick();
    }

    // Plays a script of user actions separated by ";", a leading count repeating one:
    // "add LEVEL DRIVES [SPANS [SIZE [hh|lp]]]" ("-" leaves an input as it is), "calc ..." (the same
    // inputs without the add), "sets N" (RAID sets per add, a list the window never shows), "tab T",
    // "spare TAB", "global [COUNT]", "type COUNT", "globalsize SIZE", "globalhh", "untick CHANNEL",
    // "storage CHANNEL ENTRY", "delete TAB yes|no", "clear yes|no", "empty TAB", "field TAB K TEXT".
    void play(const std::string& script) {
        std::istringstream commands(script);
        for (std::string command; std::getline(commands, command, ';');) {
            std::istringstream in(command);
            Strings words{std::istream_iterator<std::string>(in), {}};
            const bool counted = words.at(0).find_first_not_of("0123456789") == std::string::npos;
            const int times = counted ? std::stoi(words[0]) : 1;
            words.erase(words.begin(), words.begin() + (counted ? 1 : 0));
            words.resize(6);
            for (std::string& word : words)
                if (word == "-")
                    word.clear();
            for (int n = 0; n < times; ++n)
                act(words);
        }
    }

    // Plays a configuration that must show no message.
    void run(const std::string& script) {
        play(script);
        EXPECT_EQ(take(), Strings{}) << script;
    }

    // One tab as text: the five fields, the drive height and the local spare's count and size.
    std::string tab(int t) {
        std::string text;
        for (int k = 0; k < 5; ++k)
            text += main().Text1[5 * t + k].text() + ",";
        return text + (main().tabHalfHeight(t) ? "HH " : "LP ") + main().txtLocSpr[2 * t].text() + "/" +
               main().txtLocSpr[2 * t + 1].text();
    }

    Strings totals() {
        Strings texts;
        for (const TextBox& box : main().txtSumTotals)
            texts.push_back(box.text());
        return texts;
    }

    // Everything a user sees of the channels, the calculator, the table and the spares, as text.
    Strings snapshot() {
        MainForm& m = main();
        Strings all = totals();
        for (const std::string& text : {std::to_string(program.ControllerType), m.lblController.caption,
                                        m.txtDisplayMaxDrives.text(), m.TxtLogicalCap.text(), m.TxtTotalCap.text(),
                                        m.txtTotalDrives.text(), m.Text2.text(), formatNumber(m.LogDrivesAvail),
                                        std::to_string(m.SSTab1.tab()), std::string(m.lblSpan.visible ? "span" : "")})
            all.push_back(text);
        for (const ListBox* list :
             {&m.cmbRaidLevel, &m.cmbMaxDrives, &m.cmbNumSpans, &m.cmbDriveSize, &m.cmbGlobalHotSpareSize,
              &m.cmbStorageSel[0], &m.cmbStorageSel[1], &m.cmbStorageSel[2], &m.cmbStorageSel[3]}) {
            all.push_back(list->name + (list->enabled ? "" : " disabled") + (list->visible ? " @" : " hidden @") +
                          std::to_string(list->listIndex()));
            all.insert(all.end(), list->items().begin(), list->items().end());
        }
        for (int i = 0; i < 8; ++i)
            all.push_back(tab(i) + (m.SSTab1.tabEnabled[i] ? "" : " disabled"));
        for (int c = 0; c < 4; ++c)
            all.push_back(std::to_string(m.ckChanUsed[c].value()) + (m.ckChanUsed[c].enabled ? "" : " disabled"));
        for (const OptionButton* option : {&m.optDriveH[0], &m.optGlobHotSpr[0], &m.optGlobHotSpH[0]})
            all.push_back(option->name + (option->value() ? " on" : " off"));
        return all;
    }

private:
    void act(const Strings& w) {
        MainForm& m = main();
        const int i = std::atoi(w[1].c_str());
        const MsgAnswer answer = w[1] == "yes" || w[2] == "yes" ? MsgAnswer::Yes : MsgAnswer::No;
        if (w[0] == "add" || w[0] == "calc") {
            calculator(w[1], w[2], w[3], w[4], w[5].empty() ? std::nullopt : std::optional(w[5] == "hh"));
            if (w[0] == "add")
                m.cmdAddLogicals.userClick();
        } else if (w[0] == "sets") {
            if (m.cmbNumRdSets.indexOf(w[1]) < 0)
                m.cmbNumRdSets.addItem(w[1]);
            pick(m.cmbNumRdSets, w[1]);
        } else if (w[0] == "tab") {
            m.SSTab1.userSelectTab(i);
        } else if (w[0] == "spare") {
            m.SSTab1.userSelectTab(i);
            m.optLocHotSpr[2 * i].userClick();
        } else if (w[0] == "delete") {
            m.SSTab1.userSelectTab(i);
            host.answers.push_back(answer);
            m.cmdClearOne.userClick();
        } else if (w[0] == "clear") {
            host.answers.push_back(answer);
            m.cmdClearAll.userClick();
        } else if (w[0] == "global") {
            m.optGlobHotSpr[0].userClick();
            if (!w[1].empty())
                m.Text2.userType(w[1]);
        } else if (w[0] == "type") {
            m.Text2.userType(w[1]);
        } else if (w[0] == "globalsize") {
            pick(m.cmbGlobalHotSpareSize, w[1]);
        } else if (w[0] == "globalhh") {
            m.optGlobHotSpH[0].userClick();
        } else if (w[0] == "untick") {
            m.ckChanUsed[i].userClick();
        } else if (w[0] == "storage") {
            m.cmbStorageSel[i].userPick(std::stoi(w[2]));
        } else if (w[0] == "empty") {
            for (int k = 0; k < 5; ++k)
                m.Text1[5 * i + k].setText("");
        } else if (w[0] == "field") {
            m.Text1[5 * i + std::stoi(w[2])].setText(w[3]);
        } else {
            ADD_FAILURE() << "no such command: " << w[0];
        }
    }
};

} // namespace spindex::test
