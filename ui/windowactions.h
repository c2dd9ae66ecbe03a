#pragma once

// What a window hands over to the running program, and the one thing it must say about its own code:
// that an event loop of ours runs inside it. The windows know the program only through this.

#include <QPointer>
#include <functional>
#include <vector>

namespace spindex {
class Form;
}

namespace spindex::ui {

class FormWindow;

// Counts the event loops of ours running inside a window's code (a modal dialog, a drag). A window
// let go of in the meantime may still have code running under the loop: it is deleted only once
// every loop has returned.
class EventLoops {
public:
    enum Kind { Dialog, Drag };

    void enter(Kind kind);
    void leave(Kind kind);
    // A modal dialog of ours is up: focus changes it causes are not the user's.
    bool inDialog() const { return m_dialogs > 0; }
    // Deletes the window now, or once the running loops have returned.
    void dispose(FormWindow& window);
    // The windows still waiting for a loop to return, handed over for deletion at the end.
    std::vector<QPointer<FormWindow>> takeWaiting();

private:
    int m_nested = 0;
    int m_dialogs = 0;
    std::vector<QPointer<FormWindow>> m_waiting;
};

// Marks the time one loop runs.
class NestedLoop {
public:
    NestedLoop(EventLoops& loops, EventLoops::Kind kind) : m_loops(loops), m_kind(kind) { m_loops.enter(kind); }
    ~NestedLoop() { m_loops.leave(m_kind); }
    NestedLoop(const NestedLoop&) = delete;
    NestedLoop& operator=(const NestedLoop&) = delete;

private:
    EventLoops& m_loops;
    const EventLoops::Kind m_kind;
};

class WindowActions {
public:
    virtual ~WindowActions() = default;
    // A user's action on a window: the window gets the focus, the action runs, every window is
    // shown again.
    virtual void act(spindex::Form& form, const std::function<void()>& action) = 0;
    // The window system made this window the active one.
    virtual void activated(spindex::Form& form) = 0;
    // The window frame's close box, or Escape and Ctrl+W on a window that belongs to another.
    virtual void closeRequested(spindex::Form& form) = 0;
    virtual EventLoops& loops() = 0;
};

} // namespace spindex::ui
