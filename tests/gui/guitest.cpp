#include "guitest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>

#include "runtime/program.h"

void GuiTest::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    // Numbers are compared as the program writes them, whatever the machine's locale.
    QLocale::setDefault(QLocale::c());
}

void GuiTest::init() {
    dog = new ModalWatchdog(this);
}

void GuiTest::cleanup() {
    const QString problems = dog->problems();
    session.reset();
    delete dog;
    dog = nullptr;
    // Windows the session let go of are deleted before the next test starts.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void GuiTest::start(const QString& folder, const QString& keptPlans) {
    session = std::make_unique<spindex::ui::Session>(folder, keptPlans);
    session->start();
    QVERIFY(window("frmSplash"));
    QVERIFY(QTest::qWaitForWindowExposed(window("frmSplash")));
}

void GuiTest::startMainWindow(const QString& folder, const QString& keptPlans) {
    start(folder, keptPlans);
    QTest::keyClick(window("frmSplash"), Qt::Key_Space);
    QTest::mouseClick(find<QPushButton>("frmSelectController", "Command1"), Qt::LeftButton);
    QVERIFY(program().frmSpindex());
    // A user works in the main window once it has the focus; its activation arriving later would take
    // the focus from a window opened in the meantime.
    QVERIFY(QTest::qWaitForWindowActive(window("frmSpindex")));
}

spindex::ui::FormWindow* GuiTest::window(const char* form) {
    spindex::Form* loaded = program().form(form);
    return loaded ? session->windowFor(*loaded) : nullptr;
}

void GuiTest::click(const QString& button) {
    QTest::mouseClick(main<QPushButton>(button), Qt::LeftButton);
}

void GuiTest::pick(QComboBox* box, const QString& text) {
    const int row = box->findText(text);
    QVERIFY2(row >= 0, qPrintable(box->objectName() + " has no " + text));
    box->showPopup();
    QAbstractItemView* view = box->view();
    for (int guard = 0; view->currentIndex().row() != row && guard < box->count(); ++guard)
        QTest::keyClick(view, view->currentIndex().row() < row ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(!view->window()->isVisible());
}
