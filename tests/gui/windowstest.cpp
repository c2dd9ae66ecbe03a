// The splash, the selection window, the main window and its menus, driven headless
// through their real widgets: what a user does reaches the model, and what the model then holds is
// what the widgets show.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include "guitest.h"
#include "mainform/mainform.h"
#include "runtime/program.h"

class WindowsTest : public GuiTest {
    Q_OBJECT
private slots:
    void splashHandsOver_data();
    void splashHandsOver();
    void selectionConfiguresThePickedController();
    void eachKindOfWidgetReachesTheModel();
    void menuBarShowsTheModelsMenus();
    void watchdogClosesAnUnexpectedDialog();

private:
    void verifyWidgetsShowTheModel();
};

void WindowsTest::splashHandsOver_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("handsOver");
    QTest::newRow("key") << "key" << true;
    QTest::newRow("click on the logo") << "imgLogo" << true;
    QTest::newRow("click on the version") << "lblVersion" << false;
    QTest::newRow("five seconds") << "timer" << true;
}

void WindowsTest::splashHandsOver() {
    QFETCH(QString, how);
    QFETCH(bool, handsOver);
    start();
    QPointer<QWidget> splash = window("frmSplash");
    if (how == "key") {
        QTest::keyClick(splash, Qt::Key_Q);
    } else if (how == "timer") {
        // The five seconds are the model's to count; the window's part is the real timer that runs
        // them and hands over when it fires, so it is cut short here rather than waited out.
        auto* timer = session->findChild<QTimer*>();
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 5000);
        QVERIFY(program().frmSplash());
        timer->start(1);
        QTRY_VERIFY(!program().frmSplash());
    } else {
        QTest::mouseClick(find("frmSplash", how), Qt::LeftButton);
    }
    QCOMPARE(program().frmSplash() == nullptr, handsOver);
    QTRY_COMPARE(splash && splash->isVisible(), !handsOver);
    QVERIFY(window("frmSelectController")->isVisible());
}

void WindowsTest::selectionConfiguresThePickedController() {
    start();
    QTest::keyClick(window("frmSplash"), Qt::Key_Space);
    pick(find<QComboBox>("frmSelectController", "cmbSelectCont"), "Arvex Lark");
    QTest::mouseClick(find<QPushButton>("frmSelectController", "Command1"), Qt::LeftButton);
    QVERIFY(!program().frmSelectController());
    QVERIFY(QTest::qWaitForWindowActive(window("frmSpindex")));
    QCOMPARE(main<QLabel>("lblController")->text(), QStringLiteral("Arvex Lark Controller"));
    verifyWidgetsShowTheModel();
}

// List, tab bar, button, option button, text box and check box each hand the user's action to the
// model; the widgets then show the model's state, also where the model rolled the action back.
void WindowsTest::eachKindOfWidgetReachesTheModel() {
    startMainWindow();
    QTabBar* bar = main<QTabWidget>("SSTab1")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(5).center());
    QCOMPARE(program().frmSpindex()->SSTab1.tab(), 5);

    pick(main<QComboBox>("cmbMaxDrives"), "40");
    click("cmdAddLogicals");
    QCOMPARE(main<QTabWidget>("SSTab1")->currentIndex(), 0);
    QCOMPARE(main<QLineEdit>("Text1(1)")->text(), QStringLiteral("40"));

    QTest::mouseClick(main<QRadioButton>("optGlobHotSpr(0)"), Qt::LeftButton);
    auto* spares = main<QLineEdit>("Text2");
    QVERIFY(spares->isEnabled());
    spares->setFocus();
    QTest::keyClick(spares, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spares, "2");
    QCOMPARE(main<QLineEdit>("txtSumTotals(3)")->text(), QStringLiteral("42"));

    dog->expect("You have 42 drives configured and your selection only allows 36 drives");
    QTest::mouseClick(main<QCheckBox>("ckChanUsed(0)"), Qt::LeftButton);
    QVERIFY(main<QCheckBox>("ckChanUsed(0)")->isChecked());

    auto* level = main<QComboBox>("cmbRaidLevel");
    auto* drives = main<QComboBox>("cmbMaxDrives");
    pick(level, "5");
    pick(drives, "8");
    // A pick of the entry already shown is a pick too: the level's handler builds the drives list
    // afresh with its preselected count.
    pick(level, "5");
    QCOMPARE(drives->currentText(), QStringLiteral("12"));
    verifyWidgetsShowTheModel();
}

// Every item of the model's menus is in its menu, with its caption and shortcut; the menus a loop
// fills show one item per controller and rule set. What each item does is the model's; that an
// item's QAction runs it the other tests show, item by item.
void WindowsTest::menuBarShowsTheModelsMenus() {
    startMainWindow();
    QStringList menus;
    for (QAction* top : window("frmSpindex")->menuBar()->actions()) {
        QStringList items;
        for (QAction* item : top->menu()->actions())
            if (!item->isSeparator())
                items << (item->objectName() + ' ' + item->text() + ' ' + item->shortcut().toString()).trimmed();
        menus << top->text() + ": " + items.join(", ");
    }
    QCOMPARE(menus,
             (QStringList{"&File: mnuOpenPlan &Open Plan... Ctrl+O, mnuSavePlan &Save Plan Ctrl+S, mnuSavePlanAs Save "
                          "Plan &As... Ctrl+Shift+S, mnuRecover &Recover Unsaved Plan, Recent Plans, mnuSave Save Data "
                          "As, mnuDisplay Display Configuration, mnuPrint Print Configuration Ctrl+P, mnuPrintSetup "
                          "Printer Setup, mnuClose Exit Ctrl+Q",
                          "&Plan: mnuPlanSummary S&ummary, mnuAssumptions &Assumptions..., mnuAlternatives "
                          "A&lternatives..., mnuComparePlans &Compare Plans..., mnuProposal &Proposal..., "
                          "mnuDriveTypes &Drive Types...",
                          "Con&troller: mnuController(1) Arvex Lark, mnuController(2) Arvex Wren, mnuController(3) "
                          "Arvex Finch, mnuController(4) &Arvex Heron, mnuController(5) &Fibre Channel Vault/12FC, "
                          "mnuController(6) Arvex &Osprey, mnuController(7) Keel Embedded Arvex, mnuController(8) "
                          "Mast Embedded Arvex",
                          "Rules: mnuRules(0) Standard, mnuRules(1) Marathon, mnuRules(2) Netware Cluster Services, "
                          "mnuRules(3) Microsoft Clustering Services",
                          "&Help: mnuManual Spindex &Manual F1, mnuEmail Email, mnuAbout A&bout"}));
}

// A dialog nobody expected is closed at once, so the test goes on to fail instead of hanging.
void WindowsTest::watchdogClosesAnUnexpectedDialog() {
    startMainWindow();
    main<QAction>("mnuEmail")->trigger();
    dog->expect("QPrintDialog");
    const QString problems = dog->problems();
    QVERIFY(problems.startsWith("unexpected dialog: QMessageBox \"Send suggestions to "));
    QVERIFY(problems.endsWith("; expected dialog never came: QPrintDialog"));
    dog->reset();
}

void WindowsTest::verifyWidgetsShowTheModel() {
    spindex::ui::FormWindow* mainWindow = window("frmSpindex");
    for (const spindex::Control* control : program().frmSpindex()->controls()) {
        const QString name = QString::fromStdString(control->name);
        const QList<QObject*> found = mainWindow->findChildren<QObject*>(name);
        QVERIFY2(found.size() == 1, qPrintable(QStringLiteral("%1 has %2 widgets").arg(name).arg(found.size())));
        auto* widget = qobject_cast<QWidget*>(found[0]);
        if (!widget || qobject_cast<QMenu*>(widget))
            continue;
        QVERIFY2(widget->isHidden() == !control->visible, qPrintable(name));
        QVERIFY2(widget->testAttribute(Qt::WA_ForceDisabled) == !control->enabled, qPrintable(name));
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            QCOMPARE(box->text(), QString::fromStdString(static_cast<const spindex::TextBox*>(control)->text()));
        if (auto* list = qobject_cast<QComboBox*>(widget))
            QCOMPARE(list->currentText(),
                     QString::fromStdString(static_cast<const spindex::ListBox*>(control)->text()));
    }
}

QTEST_MAIN(WindowsTest)
#include "windowstest.moc"
