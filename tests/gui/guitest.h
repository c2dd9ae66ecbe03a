#pragma once

// The base of the window tests: a fresh program per test, started as a user starts it, a watchdog
// for its dialogs, and helpers that reach the real widgets by their control names and act on them as
// a user does.

#include <QComboBox>
#include <QtTest>
#include <memory>
#include <string>

#include "formwindow.h"
#include "modalwatchdog.h"
#include "session.h"

class GuiTest : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<spindex::ui::Session> session;
    ModalWatchdog* dog = nullptr;

    spindex::Program& program() { return session->program(); }
    // Starts the program from the folder it loads its icons from: the splash, the selection behind it.
    // keptPlans: where plans never saved are kept; none keeps nothing.
    void start(const QString& folder = QCoreApplication::applicationDirPath(), const QString& keptPlans = {});
    // Passes the splash with a key and confirms the controller shown with the real button.
    void startMainWindow(const QString& folder = QCoreApplication::applicationDirPath(), const QString& keptPlans = {});
    // A set added from the calculator, as its lists and button would add it; no drives keeps the
    // count the level preselects.
    void addSet(const std::string& level, const std::string& drives, const std::string& size,
                const std::string& spans = {});
    // Osprey, four "Vault/12 - 12 drives", one set of twelve 36.4 GB low-profile drives at RAID 5.
    void startWithTypicalSet(const QString& folder = QCoreApplication::applicationDirPath());
    // Opens a window of the main window from its button or menu item; null unless it becomes the
    // application's active window, which is when the keyboard is its own.
    QWidget* open(const QString& form);

    // The Qt window of a loaded model window; null when the window is not loaded.
    spindex::ui::FormWindow* window(const char* form);
    // The loaded model windows by name, in loading order.
    QString loaded();
    // A widget or action of a loaded window by its control name. A missing one is a window built
    // wrong, and stops the run with its name.
    template <class W = QWidget> W* find(const char* form, const QString& name) {
        spindex::ui::FormWindow* w = window(form);
        W* found = w ? w->findChild<W*>(name) : nullptr;
        if (!found)
            qFatal("%s has no %s", form, qPrintable(name));
        return found;
    }
    template <class W = QWidget> W* main(const QString& name) { return find<W>("frmSpindex", name); }
    // The next dialog is a file dialog; the user types the path into its name box and accepts it.
    // filters: where the dialog's name filters are written, joined by ';'.
    void chooseFile(const QString& path, QString* filters = nullptr);
    // The user clicks a button of the main window.
    void click(const QString& button);
    // The user opens the list, walks to the entry with the arrow keys and presses Enter.
    static void pick(QComboBox* box, const QString& text);

private slots:
    void initTestCase();
    void init();
    void cleanup();
};
