// The main window's menu bar: every item is there with its caption and access key, and each one
// does its work through its real QAction.

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>

#include "guitest.h"
#include "mainform.h"
#include "outputforms.h"
#include "program.h"

class MenusTest : public GuiTest {
    Q_OBJECT
private slots:
    void menuBar();
    void itemCaptions_data();
    void itemCaptions();
    void emailNamesTheSuggestionsAddress();
    void displayConfigurationOpensTheReport();
    void saveDataAsWritesTheReport();
    void printConfigurationAsksForAPrinter();
    void printerSetupShowsThePageSetup();
    void controllerSwitchOnYes();
    void controllerSwitchOnNoChangesNothing();
    void ruleSetMovesTheCheckMarkOnly();
    void accessKeysOpenMenusAndPressButtons();
    void exitClosesEveryWindow();

private:
    // The Osprey with one RAID 5 set of twelve drives on tab 0.
    void mainWindowWithOneSet();
};

void MenusTest::mainWindowWithOneSet() {
    startMainWindow();
    QVERIFY(pickWithKeys(mainWidget<QComboBox>("cmbRaidLevel"), QStringLiteral("5")));
    QTest::mouseClick(mainWidget<QPushButton>("cmdAddLogicals"), Qt::LeftButton);
    QCOMPARE(mainWidget<QLineEdit>("Text1(0)")->text(), QStringLiteral("5"));
}

void MenusTest::menuBar() {
    startMainWindow();
    QStringList titles;
    for (QAction* top : window("frmSpindex")->menuBar()->actions())
        titles << top->text();
    QCOMPARE(titles, (QStringList{"&File", "Con&troller", "Rules", "&Help"}));
    QStringList file;
    for (QAction* item : mainWidget<QMenu>("mnuFile")->actions())
        if (!item->isSeparator())
            file << item->objectName();
    QCOMPARE(file, (QStringList{"mnuSave", "mnuDisplay", "mnuPrint", "mnuPrintSetup", "mnuClose"}));
}

void MenusTest::itemCaptions_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("checkable");
    const std::initializer_list<std::tuple<const char*, const char*, const char*, bool>> rows{
        {"mnuFile", "mnuSave", "Save Data As", false},
        {"mnuFile", "mnuDisplay", "Display Configuration", false},
        {"mnuFile", "mnuPrint", "Print Configuration", false},
        {"mnuFile", "mnuPrintSetup", "Printer Setup", false},
        {"mnuFile", "mnuClose", "Exit", false},
        {"mnuControllerTop", "mnuController(1)", "Arvex Lark", false},
        {"mnuControllerTop", "mnuController(2)", "Arvex Wren", false},
        {"mnuControllerTop", "mnuController(3)", "Arvex Finch", false},
        {"mnuControllerTop", "mnuController(4)", "&Arvex Heron", false},
        {"mnuControllerTop", "mnuController(5)", "&Fibre Channel Vault/12FC", false},
        {"mnuControllerTop", "mnuController(6)", "Arvex &Osprey", false},
        {"mnuControllerTop", "mnuController(7)", "Keel Embedded Arvex", false},
        {"mnuControllerTop", "mnuController(8)", "Mast Embedded Arvex", false},
        {"mnuRule", "mnuRules(0)", "Standard", true},
        {"mnuRule", "mnuRules(1)", "Marathon", true},
        {"mnuRule", "mnuRules(2)", "Netware Cluster Services", true},
        {"mnuRule", "mnuRules(3)", "Microsoft Clustering Services", true},
        {"mnuHelp", "mnuEmail", "Email", false},
        {"mnuHelp", "mnuAbout", "A&bout", false},
    };
    for (const auto& [menu, item, caption, checkable] : rows)
        QTest::newRow(item) << QString::fromUtf8(menu) << QString::fromUtf8(item)
                            << QString::fromUtf8(caption) << checkable;
}

void MenusTest::itemCaptions() {
    QFETCH(QString, menu);
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(bool, checkable);
    startMainWindow();
    auto* action = mainWidget<QAction>(item);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QVERIFY(mainWidget<QMenu>(menu)->actions().contains(action));
    QCOMPARE(action->isCheckable(), checkable);
    QCOMPARE(action->isChecked(), item == "mnuRules(0)");
    QVERIFY(action->isEnabled());
}

void MenusTest::emailNamesTheSuggestionsAddress() {
    startMainWindow();
    dog->expectMessage(QStringLiteral("Send suggestions to "));
    mainWidget<QAction>("mnuEmail")->trigger();
    QCOMPARE(dog->messages().size(), size_t(1));
    const ModalWatchdog::Message& message = dog->messages()[0];
    QVERIFY(message.text.startsWith("Send suggestions to "));
    QVERIFY(message.text.contains('@'));
    QCOMPARE(message.title, QStringLiteral("Spindex"));
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void MenusTest::displayConfigurationOpensTheReport() {
    mainWindowWithOneSet();
    mainWidget<QAction>("mnuDisplay")->trigger();
    spindex::ReportForm* report = program().frmLogicalDriveDisplay();
    QVERIFY(report);
    QVERIFY(!report->lines.empty());
    QVERIFY(window("frmLogicalDriveDisplay"));
    QTRY_VERIFY(window("frmLogicalDriveDisplay")->isActiveWindow());
}

void MenusTest::saveDataAsWritesTheReport() {
    mainWindowWithOneSet();
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("configuration.txt");
    dog->expectDialog("QFileDialog", [path](QDialog& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        files.selectFile(path);
        dialog.accept();
    });
    mainWidget<QAction>("mnuSave")->trigger();
    QFile saved(path);
    QVERIFY2(saved.open(QIODevice::ReadOnly), "no report was saved");
    const QString text = QString::fromUtf8(saved.readAll());
    QVERIFY(text.contains("Total Number of Drives"));
    QVERIFY(text.contains("Logical Drive 0"));
    QVERIFY(text.contains("200.2"));
}

void MenusTest::printConfigurationAsksForAPrinter() {
    mainWindowWithOneSet();
    dog->expectDialog("QPrintDialog", [](QDialog& dialog) { dialog.reject(); });
    mainWidget<QAction>("mnuPrint")->trigger();
    QCOMPARE(dog->dialogsSeen(), 1);
    // The report it prints is the one the report window shows.
    QVERIFY(program().frmLogicalDriveDisplay());
}

void MenusTest::printerSetupShowsThePageSetup() {
    startMainWindow();
    dog->expectDialog("QPageSetupDialog", [](QDialog& dialog) { dialog.reject(); });
    mainWidget<QAction>("mnuPrintSetup")->trigger();
    QCOMPARE(dog->dialogsSeen(), 1);
}

// Yes clears the sets without a second question and sets the new controller up.
void MenusTest::controllerSwitchOnYes() {
    mainWindowWithOneSet();
    dog->expectMessage(
        QStringLiteral("This will clear all current logical drives!  Do you want to continue?"),
        QMessageBox::Yes);
    mainWidget<QAction>("mnuController(2)")->trigger();
    QCOMPARE(dog->messages().size(), size_t(1));
    QCOMPARE(dog->messages()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(dog->messages()[0].title, QStringLiteral("Spindex"));
    QCOMPARE(program().ControllerType, 2);
    QCOMPARE(mainWidget<QLabel>("lblController")->text(), QStringLiteral("Arvex Wren Controller"));
    QVERIFY(mainWidget<QLineEdit>("Text1(0)")->text().isEmpty());
    QCOMPARE(mainWidget<QLineEdit>("txtSumTotals(0)")->text(), QStringLiteral("0"));
    QVERIFY(!mainWidget<QCheckBox>("ckChanUsed(1)")->isChecked());
    QVERIFY(!mainWidget<QCheckBox>("ckChanUsed(1)")->isEnabled());
    auto* drives = mainWidget<QComboBox>("cmbMaxDrives");
    QCOMPARE(drives->count(), 14);
    QCOMPARE(drives->currentText(), QStringLiteral("12"));
    QCOMPARE(mainWidget<QLineEdit>("txtDisplayMaxDrives")->text(),
             QStringLiteral("Maximum low profile drives slots = 12"));
}

void MenusTest::controllerSwitchOnNoChangesNothing() {
    mainWindowWithOneSet();
    const QStringList levels = items(mainWidget<QComboBox>("cmbRaidLevel"));
    const QString capacity = mainWidget<QLineEdit>("TxtTotalCap")->text();
    dog->expectMessage(QStringLiteral("This will clear all current logical drives!"), QMessageBox::No);
    mainWidget<QAction>("mnuController(1)")->trigger();
    QCOMPARE(dog->messages().size(), size_t(1));
    QCOMPARE(program().ControllerType, 6);
    QCOMPARE(mainWidget<QLabel>("lblController")->text(), QStringLiteral("Arvex Osprey Controller"));
    QCOMPARE(mainWidget<QLineEdit>("Text1(0)")->text(), QStringLiteral("5"));
    QCOMPARE(mainWidget<QLineEdit>("txtSumTotals(0)")->text(), QStringLiteral("12"));
    QCOMPARE(items(mainWidget<QComboBox>("cmbRaidLevel")), levels);
    QCOMPARE(mainWidget<QComboBox>("cmbRaidLevel")->currentText(), QStringLiteral("5"));
    QCOMPARE(mainWidget<QLineEdit>("TxtTotalCap")->text(), capacity);
    QVERIFY(mainWidget<QCheckBox>("ckChanUsed(3)")->isChecked());
}

void MenusTest::ruleSetMovesTheCheckMarkOnly() {
    mainWindowWithOneSet();
    const QString capacity = mainWidget<QLineEdit>("TxtTotalCap")->text();
    mainWidget<QAction>("mnuRules(1)")->trigger();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(mainWidget<QAction>(QStringLiteral("mnuRules(%1)").arg(i))->isChecked(), i == 1);
    QCOMPARE(mainForm().RuleSet, 1);
    QCOMPARE(mainWidget<QLabel>("lblRule")->text(), QStringLiteral("Marathon Rules"));
    QCOMPARE(mainWidget<QLineEdit>("TxtTotalCap")->text(), capacity);
    QCOMPARE(mainWidget<QLineEdit>("Text1(0)")->text(), QStringLiteral("5"));
    // Choosing the checked set again keeps its mark: the menu never leaves all four unchecked.
    mainWidget<QAction>("mnuRules(1)")->trigger();
    QVERIFY(mainWidget<QAction>("mnuRules(1)")->isChecked());
}

// Alt and the marked letter open a menu, the item's letter runs it; a button's letter presses it.
void MenusTest::accessKeysOpenMenusAndPressButtons() {
    startMainWindow();
    spindex::ui::FormWindow* main = window("frmSpindex");
    QTRY_VERIFY(main->isActiveWindow());
    // A button pressed by its key goes down and comes up a moment later.
    QTest::keyClick(main, Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(mainWidget<QLineEdit>("Text1(0)")->text(), QStringLiteral("0"));

    auto* controller = mainWidget<QMenu>("mnuControllerTop");
    QTest::keyClick(main, Qt::Key_T, Qt::AltModifier);
    QTRY_VERIFY(controller->isVisible());
    dog->expectMessage(QStringLiteral("This will clear all current logical drives!"), QMessageBox::No);
    QTest::keyClick(controller, Qt::Key_O);
    QCOMPARE(dog->messages().size(), size_t(1));
    QVERIFY(!controller->isVisible());
}

void MenusTest::exitClosesEveryWindow() {
    QSignalSpy ended(session.get(), &spindex::ui::Session::ended);
    mainWindowWithOneSet();
    QTest::mouseClick(mainWidget<QPushButton>("cmdDataReport"), Qt::LeftButton);
    QPointer<QWidget> report = window("frmLogicalDriveDisplay");
    QVERIFY(report);
    QTest::mouseClick(mainWidget<QPushButton>("cmdDisplayGraphic"), Qt::LeftButton);
    QPointer<QWidget> graphic = window("frmGraphic");
    QVERIFY(graphic);
    QVERIFY(report->isVisible());
    QVERIFY(graphic->isVisible());
    QPointer<QWidget> main = window("frmSpindex");

    mainWidget<QAction>("mnuClose")->trigger();
    QCOMPARE(ended.count(), 1);
    QVERIFY(program().ended());
    QVERIFY(program().loadedForms().empty());
    for (const QPointer<QWidget>& w : {report, graphic, main})
        QVERIFY(!w || !w->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!report);
    QVERIFY(!graphic);
    QVERIFY(!main);
}

SPINDEX_GUI_TEST(MenusTest);
#include "menus_test.moc"
