#pragma once

// The running program in the window build: the model's Program, the real dialogs through which it
// talks to the user, and one Qt window per loaded model window.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "form.h" // the program destroys its unloaded windows inline
#include "host.h"
#include "program.h"

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
    bool inDialog() const { return m_dialogDepth > 0; }

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

    std::unique_ptr<spindex::Program> m_program;
    std::unique_ptr<ManualWindow> m_manual; // once the user has asked for it
    std::map<const spindex::Form*, FormWindow*> m_windows;
    QTimer m_splashTimer;
    int m_dialogDepth = 0;
    bool m_syncing = false;
    // The window the program last asked the window system to activate, and when.
    const spindex::Form* m_activating = nullptr;
    QElapsedTimer m_activationClock;
    static constexpr int ActivationGraceMs = 400;
};

} // namespace spindex::ui
