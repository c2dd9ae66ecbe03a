#include "guitest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <map>

#include "mainform/mainform.h"
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

void GuiTest::addSet(const std::string& level, const std::string& drives, const std::string& size,
                     const std::string& spans) {
    spindex::MainForm& m = *program().frmSpindex();
    session->act(m, [&m, level, drives, size, spans] {
        m.cmbRaidLevel.userPick(m.cmbRaidLevel.indexOf(level));
        if (!spans.empty())
            m.cmbNumSpans.userPick(m.cmbNumSpans.indexOf(spans));
        if (!drives.empty())
            m.cmbMaxDrives.userPick(m.cmbMaxDrives.indexOf(drives));
        m.cmbDriveSize.userPick(m.cmbDriveSize.indexOf(size));
        m.cmdAddLogicals.userClick();
    });
}

void GuiTest::chooseFile(const QString& path, QString* filters) {
    dog->expect("QFileDialog", QMessageBox::NoButton, [path, filters](QDialog& dialog) {
        if (filters)
            *filters = static_cast<QFileDialog&>(dialog).nameFilters().join(';');
        // Typed into the name box: selectFile() leaves the box alone while it has the focus, and the
        // dialog's folder, read in the background, may still be filling it in.
        if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        else
            static_cast<QFileDialog&>(dialog).selectFile(path);
        dialog.accept();
    });
}

void GuiTest::startWithTypicalSet(const QString& folder) {
    startMainWindow(folder);
    addSet("5", "", "36.4");
    QCOMPARE(main<QLineEdit>("Text1(4)")->text(), QStringLiteral("400.4"));
}

QWidget* GuiTest::open(const QString& form) {
    const std::map<QString, QString> items{{"frmAbout", "mnuAbout"},
                                           {"frmSummary", "mnuPlanSummary"},
                                           {"frmAssumptions", "mnuAssumptions"},
                                           {"frmProposal", "mnuProposal"},
                                           {"frmDriveTypes", "mnuDriveTypes"}};
    if (form == "frmLogicalDriveDisplay")
        click("cmdDataReport");
    else if (form == "frmGraphic")
        click("cmdDisplayGraphic");
    else
        main<QAction>(items.at(form))->trigger();
    QWidget* opened = window(form.toUtf8().constData());
    // A window of the main window counts as active with it; the keyboard is its own only once the
    // application's active window is it.
    if (!opened || !QTest::qWaitFor([opened] { return QApplication::activeWindow() == opened; }))
        return nullptr;
    return opened;
}

QString GuiTest::loaded() {
    QStringList names;
    for (const spindex::Form* form : program().loadedForms())
        names << QString::fromStdString(form->name);
    return names.join(' ');
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
