// From the start to the main window: the splash screen hands over to the controller selection
// window, which opens the main window for the chosen controller.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "guitest.h"
#include "mainform.h"
#include "program.h"

class StartupTest : public GuiTest {
    Q_OBJECT
private slots:
    void splashShowsTheProgramAndHidesTheSelection();
    void keyPressHandsOver();
    void clicksThatHandOver_data();
    void clicksThatHandOver();
    void timerHandsOverAfterFiveSeconds();
    void configureOpensTheDefaultController();
    void pickedControllerOpensWithItsChannels();
    void closingTheSelectionWindowEndsTheProgram();
};

void StartupTest::splashShowsTheProgramAndHidesTheSelection() {
    start();
    auto* product = find<QLabel>("frmSplash", "lblProductName");
    QVERIFY(product);
    QCOMPARE(product->text(), QStringLiteral("Spindex"));
    QCOMPARE(find<QLabel>("frmSplash", "lblVersion")->text(), QStringLiteral("Version 1.1.7"));
    QCOMPARE(find<QLabel>("frmSplash", "lblWarning")->text(),
             QStringLiteral("Brought to you by the Halden Pre-Sales Team"));
    QVERIFY(!find<QLabel>("frmSplash", "imgLogo")->pixmap().isNull());
    QCOMPARE(product->font().family(), QStringLiteral("Arial"));
    // The selection window is loaded behind the splash and already stands on the Osprey.
    QVERIFY(window("frmSelectController"));
    QCOMPARE(program().ControllerType, 6);
    QTRY_VERIFY(window("frmSplash")->isActiveWindow());
}

void StartupTest::keyPressHandsOver() {
    start();
    QPointer<QWidget> splash = window("frmSplash");
    QTest::keyClick(splash, Qt::Key_Q);
    QVERIFY(!program().frmSplash());
    QTRY_VERIFY(!splash || !splash->isVisible());
    spindex::ui::FormWindow* select = window("frmSelectController");
    QVERIFY(select);
    QVERIFY(select->isVisible());
    QCOMPARE(select->windowTitle(), QStringLiteral("RAID Storage Selection"));
    auto* list = find<QComboBox>("frmSelectController", "cmbSelectCont");
    QCOMPARE(items(list),
             (QStringList{"Arvex Lark", "Arvex Wren", "Arvex Finch", "Arvex Heron",
                          "Fibre Channel Vault/12FC", "Arvex Osprey", "Keel Embedded", "Mast Embedded"}));
    QCOMPARE(list->currentText(), QStringLiteral("Arvex Osprey"));
    QCOMPARE(find<QLabel>("frmSelectController", "Label1")->text(), QStringLiteral("Select Controller"));
    QCOMPARE(find<QPushButton>("frmSelectController", "Command1")->text(),
             QStringLiteral("Configure Controller"));
    QTRY_VERIFY(select->isActiveWindow());
}

void StartupTest::clicksThatHandOver_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("handsOver");
    QTest::newRow("product name") << "lblProductName" << true;
    QTest::newRow("platform") << "lblPlatform" << true;
    QTest::newRow("logo") << "imgLogo" << true;
    QTest::newRow("frame") << "Frame1" << true;
    QTest::newRow("version") << "lblVersion" << false;
    QTest::newRow("company") << "lblCompany" << false;
    QTest::newRow("warning") << "lblWarning" << false;
    QTest::newRow("licensee") << "lblLicenseTo" << false;
}

void StartupTest::clicksThatHandOver() {
    QFETCH(QString, control);
    QFETCH(bool, handsOver);
    start();
    auto* widget = find<QWidget>("frmSplash", control);
    QVERIFY(widget);
    QVERIFY2(!widget->size().isEmpty(), "a user could not click it");
    // Frame1 is clicked on its border, away from the labels inside it.
    const QPoint where = control == "Frame1" ? QPoint(4, widget->height() / 2) : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, where);
    QCOMPARE(program().frmSplash() == nullptr, handsOver);
    QVERIFY(window("frmSelectController"));
}

void StartupTest::timerHandsOverAfterFiveSeconds() {
    start();
    QTest::qWait(4500);
    QVERIFY2(program().frmSplash(), "the splash went before its five seconds");
    QTRY_VERIFY_WITH_TIMEOUT(!program().frmSplash(), 2000);
    QVERIFY(window("frmSelectController")->isVisible());
    QCOMPARE(program().ControllerType, 6);
}

void StartupTest::configureOpensTheDefaultController() {
    startMainWindow();
    QVERIFY(!program().frmSelectController());
    spindex::ui::FormWindow* main = window("frmSpindex");
    QCOMPARE(main->windowTitle(), QStringLiteral("Spindex (Beta 1.1.7)"));
    QTRY_VERIFY(main->isActiveWindow());
    for (int i = 0; i < 4; ++i) {
        auto* used = mainWidget<QCheckBox>(QStringLiteral("ckChanUsed(%1)").arg(i));
        auto* storage = mainWidget<QComboBox>(QStringLiteral("cmbStorageSel(%1)").arg(i));
        QVERIFY(used->isChecked());
        QVERIFY(used->isEnabled());
        QVERIFY(storage->isEnabled());
        QCOMPARE(storage->currentText(), QStringLiteral("Vault/12 - 12 drives"));
        QCOMPARE(storage->count(), 10);
    }
    QCOMPARE(mainWidget<QLineEdit>("txtDisplayMaxDrives")->text(),
             QStringLiteral("Maximum low profile drives slots = 48"));
    auto* level = mainWidget<QComboBox>("cmbRaidLevel");
    QCOMPARE(items(level), (QStringList{"0", "1", "5", "10", "50"}));
    QCOMPARE(level->currentText(), QStringLiteral("0"));
    QCOMPARE(mainWidget<QComboBox>("cmbDriveSize")->currentText(), QStringLiteral("18.2"));
    QCOMPARE(mainWidget<QComboBox>("cmbGlobalHotSpareSize")->currentIndex(), -1);
    QCOMPARE(mainWidget<QLabel>("lblController")->text(), QStringLiteral("Arvex Osprey Controller"));
    for (int i = 0; i < 40; ++i)
        QVERIFY(mainWidget<QLineEdit>(QStringLiteral("Text1(%1)").arg(i))->text().isEmpty());
}

void StartupTest::pickedControllerOpensWithItsChannels() {
    start();
    QTest::keyClick(window("frmSplash"), Qt::Key_Escape);
    auto* list = find<QComboBox>("frmSelectController", "cmbSelectCont");
    QVERIFY(pickWithMouse(list, QStringLiteral("Arvex Lark")));
    QCOMPARE(program().ControllerType, 1);
    QTest::mouseClick(find<QPushButton>("frmSelectController", "Command1"), Qt::LeftButton);
    QVERIFY(program().frmSpindex());
    QVERIFY(mainWidget<QCheckBox>("ckChanUsed(0)")->isChecked());
    for (int i = 1; i < 4; ++i) {
        QVERIFY(!mainWidget<QCheckBox>(QStringLiteral("ckChanUsed(%1)").arg(i))->isChecked());
        QVERIFY(!mainWidget<QCheckBox>(QStringLiteral("ckChanUsed(%1)").arg(i))->isEnabled());
        QVERIFY(!mainWidget<QComboBox>(QStringLiteral("cmbStorageSel(%1)").arg(i))->isEnabled());
    }
    QCOMPARE(mainWidget<QLineEdit>("txtDisplayMaxDrives")->text(),
             QStringLiteral("Maximum low profile drives slots = 12"));
    QCOMPARE(mainWidget<QLabel>("lblController")->text(), QStringLiteral("Arvex Lark Controller"));
}

void StartupTest::closingTheSelectionWindowEndsTheProgram() {
    QSignalSpy ended(session.get(), &spindex::ui::Session::ended);
    start();
    QTest::keyClick(window("frmSplash"), Qt::Key_Space);
    QPointer<QWidget> select = window("frmSelectController");
    QVERIFY(select);
    select->close();
    QCOMPARE(ended.count(), 1);
    QVERIFY(program().ended());
    QVERIFY(program().loadedForms().empty());
}

SPINDEX_GUI_TEST(StartupTest);
#include "startup_test.moc"
