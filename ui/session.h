#pragma once

// The running program in the window build: the model's Program, the real dialogs through which it
// talks to the user, and one Qt window per loaded model window.
//
// A Qt window never outlives its model window's hold on it: after every user action the windows of
// the model windows unloaded during it let go of them (FormWindow::detach) before the program
// destroys them (Program::settle). The Qt window itself is deleted later, once no event loop of
// ours (a modal dialog, a drag) is running above code that may still be inside it.

#include <QElapsedTimer>
#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QFileDialog;

#include "runtime/form.h" // the program destroys its unloaded windows inline
#include "runtime/host.h"
#include "runtime/program.h"

namespace spindex::ui {

class FormWindow;
class ManualWindow;

class Session : public QObject, public spindex::Host {
    Q_OBJECT
public:
    explicit Session(QString programFolder, QObject* parent = nullptr);
    ~Session() override;

    spindex::Program& program() { return *m_program; }
    // Starts the program: the splash screen with the selection window behind it, or, with a plan
    // file, the main window with that plan.
    void start(const QString& plan = {});

    // A user's action on a window: the window gets the focus, the action runs, every window is
    // shown again.
    void act(spindex::Form& form, const std::function<void()>& action);
    // The user moved the focus to another window (or away from this one).
    void focusChanged(spindex::Form* form);
    // The window frame's close box.
    void closeRequested(spindex::Form& form);
    // Brings the Qt windows in line with the model: creates, refreshes, shows, hides and closes them.
    void sync();

    FormWindow* windowFor(const spindex::Form& form) const;
    // The manual's window, once it has been shown.
    ManualWindow* manualWindow() const { return m_manual.get(); }
    // A modal dialog of ours is up: focus changes it causes are not the user's.
    bool inDialog() const { return m_dialogs > 0; }

    // Marks the time an event loop of ours runs inside a window's code (a modal dialog, a drag):
    // windows let go of in the meantime are deleted only after it.
    class NestedLoop {
    public:
        enum Kind { Dialog, Drag };
        NestedLoop(Session& session, Kind kind);
        ~NestedLoop();
        NestedLoop(const NestedLoop&) = delete;
        NestedLoop& operator=(const NestedLoop&) = delete;

    private:
        Session& m_session;
        const Kind m_kind;
    };

    // Host
    spindex::MsgAnswer messageBox(const std::string& text, spindex::MsgButtons buttons, spindex::MsgIcon icon,
                                  const std::string& title) override;
    std::optional<std::string> saveFileName(const std::string& filter, const std::string& defaultExt) override;
    std::optional<std::string> openFileName(const std::string& filter) override;
    std::string writeFile(const std::string& path, const std::string& content) override;
    std::string readFile(const std::string& path, std::string& content, std::int64_t limit) override;
    void printWindow(const std::string& window) override;
    void printerSetup(const std::string& window) override;
    bool startProgram(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    std::string showDocument(const std::string& path) override;
    void programEnded() override;
    void planFileUsed(const std::string& path) override;

signals:
    void ended();

private:
    FormWindow* createWindow(spindex::Form& form);
    QWidget* dialogParent() const;
    // Runs a file dialog as a nested loop: the chosen file, or nothing on Cancel.
    std::optional<std::string> chosenFile(QFileDialog& dialog);
    // After a user's action: the windows of unloaded model windows let go, the program settles,
    // the windows show the outcome.
    void settle();
    // The windows whose model windows are no longer loaded let go of them and go.
    void releaseUnloaded();
    void release(FormWindow& window);

    std::unique_ptr<spindex::Program> m_program;
    std::unique_ptr<ManualWindow> m_manual; // once the user has asked for it
    std::map<const spindex::Form*, FormWindow*> m_windows;
    std::vector<QPointer<FormWindow>> m_released; // let go of during a nested event loop
    QPointer<QWidget> m_handBack;                 // the owner of a closed window that had the keyboard
    QTimer m_splashTimer;
    int m_nested = 0;  // event loops of ours running
    int m_dialogs = 0; // of them, modal dialogs
    bool m_syncing = false;
    // The page set up in Printer Setup, used by every later printout of this run.
    std::optional<QPageLayout> m_pageLayout;
    // The window the program last asked the window system to activate, and when.
    const spindex::Form* m_activating = nullptr;
    QElapsedTimer m_activationClock;
    static constexpr int ActivationGraceMs = 400;
};

} // namespace spindex::ui
