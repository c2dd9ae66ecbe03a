// The splash, the selection window, the main window, its menus and the about box, driven headless
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
    void configureOpensTheChosenController_data();
    void configureOpensTheChosenController();
    void typicalRequestThroughTheLists();
    void eachKindOfWidgetReachesTheModel();
    void menuItems_data();
    void menuItems();
    void controllerSwitchAsksFirst();
    void exitClosesEveryWindow();
    void aboutBoxClosesOnOkAndOnFocusLoss();
    void watchdogClosesAnUnexpectedDialog();

private:
    void verifyWidgetsShowTheModel();
    // The controller, the rule label, the rule check marks and the loaded windows.
    QString state();
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

void WindowsTest::configureOpensTheChosenController_data() {
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("controller");
    QTest::addColumn<QString>("maxSlots");
    QTest::newRow("the default") << ""
                                 << "Arvex Osprey Controller"
                                 << "48";
    QTest::newRow("picked from the list") << "Arvex Lark"
                                          << "Arvex Lark Controller"
                                          << "12";
}

void WindowsTest::configureOpensTheChosenController() {
    QFETCH(QString, picked);
    QFETCH(QString, controller);
    QFETCH(QString, maxSlots);
    start();
    QTest::keyClick(window("frmSplash"), Qt::Key_Space);
    if (!picked.isEmpty())
        pick(find<QComboBox>("frmSelectController", "cmbSelectCont"), picked);
    QTest::mouseClick(find<QPushButton>("frmSelectController", "Command1"), Qt::LeftButton);
    QVERIFY(!program().frmSelectController());
    QVERIFY(QTest::qWaitForWindowActive(window("frmSpindex")));
    QCOMPARE(window("frmSpindex")->windowTitle(), QStringLiteral("Spindex (Beta 1.1.7)"));
    QCOMPARE(main<QLabel>("lblController")->text(), controller);
    QCOMPARE(main<QLineEdit>("txtDisplayMaxDrives")->text(), "Maximum low profile drives slots = " + maxSlots);
    verifyWidgetsShowTheModel();
}

// Osprey, four "Vault/12 - 12 drives", RAID 5 with 36.4 GB low-profile drives.
void WindowsTest::typicalRequestThroughTheLists() {
    startMainWindow();
    auto* level = main<QComboBox>("cmbRaidLevel");
    auto* drives = main<QComboBox>("cmbMaxDrives");
    pick(level, "5");
    QCOMPARE(drives->currentText(), QStringLiteral("12"));
    pick(drives, "8");
    QCOMPARE(main<QLineEdit>("txtTotalDrives")->text(), QStringLiteral("8"));
    // A pick of the entry already shown is a pick too: the level's handler builds the drives list
    // afresh with its preselected count.
    pick(level, "5");
    QCOMPARE(drives->currentText(), QStringLiteral("12"));
    pick(main<QComboBox>("cmbDriveSize"), "36.4");
    QVERIFY(main<QRadioButton>("optDriveH(1)")->isChecked());
    QCOMPARE(main<QLineEdit>("TxtTotalCap")->text(), QStringLiteral("400.4"));
    QCOMPARE(main<QLineEdit>("txtTotalDrives")->text(), QStringLiteral("12"));
}

// Tab bar, button, option button, text box and check box each hand the user's action to the model;
// the widgets then show the model's state, also where the model rolled the action back.
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
    verifyWidgetsShowTheModel();
}

void WindowsTest::menuItems_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("after");
    const auto row = [](const char* item, const char* menu, const char* caption, const char* after,
                        const char* dialog = "", int button = QMessageBox::NoButton) {
        QTest::newRow(item) << item << menu << caption << dialog << button << after;
    };
    const char* const Switch = "This will clear all current logical drives!  Do you want to continue?";
    row("mnuSave", "&File", "Save Data As", "6 Standard Rules 1000 frmSpindex", "QFileDialog");
    row("mnuDisplay", "&File", "Display Configuration", "6 Standard Rules 1000 frmSpindex frmLogicalDriveDisplay");
    row("mnuPrint", "&File", "Print Configuration", "6 Standard Rules 1000 frmSpindex frmLogicalDriveDisplay",
        "QPrintDialog");
    row("mnuPrintSetup", "&File", "Printer Setup", "6 Standard Rules 1000 frmSpindex", "QPageSetupDialog");
    row("mnuClose", "&File", "Exit", "ended");
    // The items of a menu the model fills come from one loop each: one item of each proves the
    // wiring, the model's own tests hold what every controller and rule set does.
    row("mnuController(4)", "Con&troller", "&Arvex Heron", "4 Standard Rules 1000 frmSpindex", Switch,
        QMessageBox::Yes);
    row("mnuController(7)", "Con&troller", "Keel Embedded Arvex", "7 Standard Rules 1000 frmSpindex", Switch,
        QMessageBox::Yes);
    row("mnuRules(3)", "Rules", "Microsoft Clustering Services", "6 Microsoft Cluster Server Rules 0001 frmSpindex");
    row("mnuEmail", "&Help", "Email", "6 Standard Rules 1000 frmSpindex", "Send suggestions to ", QMessageBox::Ok);
    row("mnuAbout", "&Help", "A&bout", "6 Standard Rules 1000 frmSpindex frmAbout");
}

// Every item is in its menu with its caption and runs its handler through its real QAction; the
// watchdog checks that the dialog it should open came.
void WindowsTest::menuItems() {
    QFETCH(QString, item);
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QString, dialog);
    QFETCH(int, button);
    QFETCH(QString, after);
    startMainWindow();
    auto* action = main<QAction>(item);
    QCOMPARE(action->text(), caption);
    QString shownIn;
    for (QAction* top : window("frmSpindex")->menuBar()->actions())
        if (top->menu() && top->menu()->actions().contains(action))
            shownIn = top->text();
    QCOMPARE(shownIn, menu);
    if (!dialog.isEmpty())
        dog->expect(dialog, QMessageBox::StandardButton(button));
    action->trigger();
    QCOMPARE(state(), after);
}

// Yes clears the sets without a second question and sets the new controller up; No changes nothing.
void WindowsTest::controllerSwitchAsksFirst() {
    startMainWindow();
    pick(main<QComboBox>("cmbRaidLevel"), "5");
    click("cmdAddLogicals");
    dog->expect("This will clear all current logical drives!", QMessageBox::No);
    main<QAction>("mnuController(2)")->trigger();
    QCOMPARE(program().ControllerType, 6);
    QCOMPARE(main<QLineEdit>("Text1(0)")->text(), QStringLiteral("5"));

    dog->expect("This will clear all current logical drives!", QMessageBox::Yes);
    main<QAction>("mnuController(2)")->trigger();
    QCOMPARE(dog->messages().size(), size_t(2));
    QCOMPARE(dog->messages()[1].title, QStringLiteral("Spindex"));
    QCOMPARE(dog->messages()[1].icon, QMessageBox::NoIcon);
    QCOMPARE(dog->messages()[1].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(program().ControllerType, 2);
    QCOMPARE(main<QLabel>("lblController")->text(), QStringLiteral("Arvex Wren Controller"));
    QVERIFY(main<QLineEdit>("Text1(0)")->text().isEmpty());
    QCOMPARE(main<QLineEdit>("txtDisplayMaxDrives")->text(), QStringLiteral("Maximum low profile drives slots = 12"));
}

void WindowsTest::exitClosesEveryWindow() {
    startMainWindow();
    QSignalSpy ended(session.get(), &spindex::ui::Session::ended);
    click("cmdDataReport");
    click("cmdDisplayGraphic");
    const QList<QPointer<QWidget>> windows{window("frmSpindex"), window("frmLogicalDriveDisplay"),
                                           window("frmGraphic")};
    for (const QPointer<QWidget>& w : windows)
        QVERIFY(w && w->isVisible());
    main<QAction>("mnuClose")->trigger();
    QCOMPARE(ended.count(), 1);
    QVERIFY(program().loadedForms().empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<QWidget>& w : windows)
        QVERIFY(!w);
}

void WindowsTest::aboutBoxClosesOnOkAndOnFocusLoss() {
    startMainWindow();
    main<QAction>("mnuAbout")->trigger();
    QVERIFY(QTest::qWaitForWindowActive(window("frmAbout")));
    QCOMPARE(window("frmAbout")->windowTitle(), QStringLiteral("About Spindex"));
    QCOMPARE(find<QLabel>("frmAbout", "lblVersion")->text(), QStringLiteral("Version 1.1.7"));
    QTest::mouseClick(find<QPushButton>("frmAbout", "cmdOK"), Qt::LeftButton);
    QVERIFY(!program().frmAbout());

    main<QAction>("mnuAbout")->trigger();
    QPointer<QWidget> about = window("frmAbout");
    QVERIFY(QTest::qWaitForWindowActive(about));
    window("frmSpindex")->activateWindow();
    QTRY_VERIFY(!program().frmAbout());
    QTRY_VERIFY(!about);
    QVERIFY(window("frmSpindex")->isVisible());
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

QString WindowsTest::state() {
    if (program().ended())
        return QStringLiteral("ended");
    QString marks;
    for (int i = 0; i < 4; ++i)
        marks += main<QAction>(QStringLiteral("mnuRules(%1)").arg(i))->isChecked() ? '1' : '0';
    QStringList state{QString::number(program().ControllerType), main<QLabel>("lblRule")->text(), marks};
    for (const spindex::Form* form : program().loadedForms())
        state << QString::fromStdString(form->name);
    return state.join(' ');
}

QTEST_MAIN(WindowsTest)
#include "windowstest.moc"
