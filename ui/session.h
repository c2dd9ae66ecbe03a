#pragma once

// The running program in the window build: the model's Program, the dialog host through which it
// talks to the user, and one Qt window per loaded model window.
//
// A Qt window never outlives its model window's hold on it: after every user action the windows of
// the model windows unloaded during it let go of them (FormWindow::detach) before the program
// destroys them (Program::settle). The Qt window itself is deleted later, once no event loop of
// ours (a modal dialog, a drag) is running above code that may still be inside it.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "dialoghost.h"
#include "runtime/form.h" // the program destroys its unloaded windows inline
#include "runtime/program.h"
#include "windowactions.h"

namespace spindex::ui {

class FormWindow;
class ManualWindow;

class Session : public QObject, public WindowActions {
    Q_OBJECT
public:
    // keptPlans: the folder where plans never saved are kept for the next start; none keeps nothing.
    explicit Session(QString programFolder, QString keptPlans = {}, QObject* parent = nullptr);
    ~Session() override;

    spindex::Program& program() { return *m_program; }
    // Starts the program: the splash screen with the selection window behind it, or, with a plan
    // file, the main window with that plan.
    void start(const QString& plan = {});

    void act(spindex::Form& form, const std::function<void()>& action) override;
    void activated(spindex::Form& form) override;
    void closeRequested(spindex::Form& form) override;
    EventLoops& loops() override { return m_loops; }

    // Brings the Qt windows in line with the model: creates, refreshes, shows, hides and closes them.
    void sync();
    FormWindow* windowFor(const spindex::Form& form) const;
    // The manual's window, once it has been shown.
    ManualWindow* manualWindow() const { return m_host->manualWindow(); }

signals:
    void ended();

protected:
    // Sees the user's clicks and keys on our windows: they settle which window the user works in.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The focus moves where the user put it.
    void userFocus(spindex::Form& form);
    // After a user's action: the windows of unloaded model windows let go, the program settles,
    // the windows show the outcome.
    void settle();
    // The windows whose model windows are no longer loaded let go of them and go.
    void releaseUnloaded();
    void release(FormWindow& window);

    EventLoops m_loops;
    std::unique_ptr<DialogHost> m_host;
    std::unique_ptr<spindex::Program> m_program;
    std::map<const spindex::Form*, FormWindow*> m_windows;
    QPointer<QWidget> m_handBack; // the owner of a closed window that had the keyboard
    // A child of the session, so that a test can find the real timer and cut its wait short.
    QTimer m_splashTimer{this};
    // A plan never saved is kept a second after the change that made it due: at most once a second.
    QTimer m_keepTimer{this};
    bool m_syncing = false;
    bool m_iconSet = false; // the program's icon, set once the first window is on screen
    // The window the program asked the window system to activate, until the window system has
    // activated it or the user has clicked or typed elsewhere: activations of other windows that
    // arrive meanwhile were decided before the request, not by the user.
    const spindex::Form* m_activating = nullptr;
};

} // namespace spindex::ui
