#pragma once

// The base of the window tests: a fresh program per test, started as a user starts it, with a
// watchdog for its dialogs, and helpers that act on the real widgets as a user would.

#include <QComboBox>
#include <QObject>
#include <QPointer>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>

#include "formwindow.h"
#include "modalwatchdog.h"
#include "session.h"

namespace spindex {
class MainForm;
}

class GuiTest : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<spindex::ui::Session> session;
    ModalWatchdog* dog = nullptr;

    spindex::Program& program() { return session->program(); }
    spindex::MainForm& mainForm();

    // Starts the program: the splash screen with the selection window behind it.
    void start();
    // Starts the program, passes the splash with a key and confirms the controller shown.
    void startMainWindow();

    // The Qt window of a loaded model window; null when the window is not loaded.
    spindex::ui::FormWindow* window(const char* formName);
    // A widget or action of a loaded window, by control name; fails the test when it is missing.
    template <class W> W* find(const char* formName, const QString& name) {
        spindex::ui::FormWindow* w = window(formName);
        if (!w) {
            QTest::qFail(qPrintable(QStringLiteral("window %1 is not loaded").arg(formName)), __FILE__,
                         __LINE__);
            return nullptr;
        }
        W* found = w->findChild<W*>(name);
        if (!found)
            QTest::qFail(qPrintable(QStringLiteral("%1 has no %2").arg(formName, name)), __FILE__, __LINE__);
        return found;
    }
    template <class W> W* mainWidget(const QString& name) { return find<W>("frmSpindex", name); }

    // The user opens the list and clicks the entry.
    static bool pickWithMouse(QComboBox* box, const QString& text);
    // The user focuses the closed list and types the entry; each key picks the first entry that
    // starts with what has been typed.
    static bool pickWithKeys(QComboBox* box, const QString& text);
    // The user opens the list, walks to the entry with the arrow keys and presses Enter.
    static bool pickFromOpenList(QComboBox* box, const QString& text);

    static QStringList items(const QComboBox* box);

private slots:
    void init();
    void cleanup();
};

// Test classes register themselves; the test program runs the ones named on its command line.
using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;
std::map<QString, GuiTestFactory>& guiTests();
struct GuiTestRegistration {
    GuiTestRegistration(const char* name, GuiTestFactory factory);
};
#define SPINDEX_GUI_TEST(Class)                                                                              \
    static const GuiTestRegistration registration##Class(#Class, [] { return std::make_unique<Class>(); })
