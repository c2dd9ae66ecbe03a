#include "guitest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>

#include "mainform.h"
#include "program.h"
#include "smallforms.h"

std::map<QString, GuiTestFactory>& guiTests() {
    static std::map<QString, GuiTestFactory> tests;
    return tests;
}

GuiTestRegistration::GuiTestRegistration(const char* name, GuiTestFactory factory) {
    guiTests().emplace(QString::fromUtf8(name), std::move(factory));
}

void GuiTest::init() {
    dog = new ModalWatchdog(this);
    session = std::make_unique<spindex::ui::Session>(QCoreApplication::applicationDirPath());
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

spindex::MainForm& GuiTest::mainForm() {
    spindex::MainForm* main = program().frmSpindex();
    Q_ASSERT(main);
    return *main;
}

void GuiTest::start() {
    session->start();
    QVERIFY(window("frmSplash"));
    QVERIFY(QTest::qWaitForWindowExposed(window("frmSplash")));
}

void GuiTest::startMainWindow() {
    start();
    QTest::keyClick(window("frmSplash"), Qt::Key_Space);
    QVERIFY(!program().frmSplash());
    auto* configure = find<QPushButton>("frmSelectController", QStringLiteral("Command1"));
    QVERIFY(configure);
    QTest::mouseClick(configure, Qt::LeftButton);
    QVERIFY(program().frmSpindex());
    QVERIFY(QTest::qWaitForWindowExposed(window("frmSpindex")));
}

spindex::ui::FormWindow* GuiTest::window(const char* formName) {
    spindex::Form* form = program().form(formName);
    return form ? session->windowFor(*form) : nullptr;
}

QStringList GuiTest::items(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

bool GuiTest::pickWithMouse(QComboBox* box, const QString& text) {
    const int row = box->findText(text);
    if (row < 0)
        return false;
    box->showPopup();
    QAbstractItemView* view = box->view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        return false;
    // A release too soon after the list opened counts as the end of the opening click.
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    // The entry as the opened list shows it: the middle of its row, inside the list.
    const QRect rect = view->visualRect(view->model()->index(row, 0)).intersected(view->viewport()->rect());
    if (rect.isEmpty())
        return false;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    return QTest::qWaitFor([view] { return !view->window()->isVisible(); }, 1000);
}

bool GuiTest::pickWithKeys(QComboBox* box, const QString& text) {
    if (box->findText(text) < 0)
        return false;
    box->setFocus();
    QTest::keyClicks(box, text);
    return box->currentText() == text;
}

bool GuiTest::pickFromOpenList(QComboBox* box, const QString& text) {
    const int row = box->findText(text);
    if (row < 0)
        return false;
    box->showPopup();
    QAbstractItemView* view = box->view();
    for (int guard = 0; view->currentIndex().row() != row && guard < box->count(); ++guard)
        QTest::keyClick(view, view->currentIndex().row() < row ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Return);
    return !view->window()->isVisible();
}
