#pragma once

// The plan as a document beside the main window: its file, the baseline of the last save or open,
// the modified flag, and the File menu's Open Plan, Save Plan and Save Plan As. The main window
// holds the configuration and knows nothing of files; the document asks before a modified plan is
// discarded and names the plan's file in the window's caption.
//
// One verb per act: a file is read (its bytes checked into a plan), a plan is rebuilt (in a scratch
// program) and replayed (into the running window); the document adopts a replayed plan as the plan
// of its file; opening is all of these, as the user sees it.

#include <cstdint>
#include <optional>
#include <string>

#include "plans/plan.h"

namespace spindex {

class MainForm;

class PlanDocument {
public:
    // A new plan: the window as its load left it is the baseline. Binds the plan items of the File
    // menu and the question before Exit.
    explicit PlanDocument(MainForm& main);
    PlanDocument(const PlanDocument&) = delete;
    PlanDocument& operator=(const PlanDocument&) = delete;

    // Opens the plan file, or shows why not and changes nothing.
    bool open(const std::string& path);
    // A plan from the list of recent plans: asks before a modified plan is discarded, then opens it.
    bool openRecent(const std::string& path);
    // Makes a plan that rebuilt in a scratch program the plan of that file; empty on success, else
    // the reason, with nothing changed.
    std::string adopt(const std::string& path, const Plan& rebuilt);
    // Save Plan (Save Plan As for a plan without a file), Save Plan As, and the save itself; false
    // when nothing was saved, after its message.
    bool save();
    bool saveAs();
    bool saveTo(const std::string& path);
    // Recover Unsaved Plan: asks before a modified plan is discarded, then opens the newest plan kept
    // by a program that has ended, through the rules as Open Plan does, as a plan without a file and
    // modified. The program keeps it from then on in its own place.
    bool recover();
    // Before an action discards a modified plan: asks whether to save it. False when the action must
    // not go on (Cancel, or Yes and the save failed).
    bool keepChanges(bool onlyWithFile);

    // The plan's file as the dialog gave it, none for a new plan never saved.
    const std::optional<std::string>& file() const { return m_file; }
    // Whether Save Plan would now write another plan than at the last save or open.
    bool modified() const;
    // Shows the plan's file and modified flag in the window's caption.
    void showState();

    // A plan never saved is kept for the next start, so that the close box loses nothing. Once a
    // user's action is over: a modified plan without a file is due to be kept; one that got a file or
    // is back to a fresh plan lets go of what was kept.
    void settle();
    // A keep waits for its second to pass: the plan is kept at most once a second.
    bool keepDue() const { return m_keepDue; }
    // Keeps the plan now if it is a modified plan without a file: when its second has passed, and
    // when the main window goes.
    void keep();
    // Said in the status line until the plan first changes: that a plan kept earlier can be
    // recovered, and from when. Empty when there is none.
    const std::string& recoveryNote() const { return m_recoveryNote; }

private:
    void openFromDialog();
    // The rebuilt plan into the window, the windows that showed the old one closed; the reason when
    // it cannot be replayed, with nothing changed.
    std::string replay(const Plan& rebuilt);
    // A plan without a file that holds more than a fresh plan; the calculator's inputs alone are
    // not worth keeping, so a plan cleared back to a fresh one lets go.
    bool keepsThisPlan() const;
    MainForm& m_main;
    std::optional<std::string> m_file;
    Plan m_saved; // what Save Plan wrote last, or would have written after the open or the load
    Plan m_fresh; // the plan as the main window's load left it: a recovered plan is modified against it
    bool m_keepDue = false;
    bool m_kept = false; // what this program keeps now is this plan's
    std::optional<std::uint64_t> m_keptAt;
    std::string m_recoveryNote;
    std::uint64_t m_recoveryNoteAt = 0;
    // The modified flag as last computed, and the change count it was computed at.
    mutable bool m_modified = false;
    mutable std::optional<std::uint64_t> m_modifiedAt;
};

} // namespace spindex
