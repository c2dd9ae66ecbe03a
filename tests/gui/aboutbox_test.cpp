// The about box: opened from the Help menu, it shows the program's identity and closes on OK or
// as soon as another window takes the focus.

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "guitest.h"
#include "program.h"

class AboutBoxTest : public GuiTest {
    Q_OBJECT
private slots:
    void showsTheProgramsIdentity();
    void closesOnOk();
    void closesWhenTheFocusLeaves();
    void systemInformationIsUnavailableHere();
    void reopensAfterClosing();

private:
    QWidget* openAbout();
};

QWidget* AboutBoxTest::openAbout() {
    startMainWindow();
    mainWidget<QAction>("mnuAbout")->trigger();
    QWidget* about = window("frmAbout");
    if (about && QTest::qWaitForWindowActive(about))
        return about;
    return nullptr;
}

void AboutBoxTest::showsTheProgramsIdentity() {
    QWidget* about = openAbout();
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("About Spindex"));
    QCOMPARE(find<QLabel>("frmAbout", "lblTitle")->text(), QStringLiteral("Spindex"));
    QCOMPARE(find<QLabel>("frmAbout", "lblVersion")->text(), QStringLiteral("Version 1.1.7"));
    QVERIFY(find<QLabel>("frmAbout", "lblDescription")
                ->text()
                .startsWith("This program is a RAID calculator with built in rules for each of Corvanes RAID "
                            "controllers."));
    QVERIFY(!find<QLabel>("frmAbout", "lblComments")->text().isEmpty());
    QVERIFY(!find<QLabel>("frmAbout", "picIcon")->pixmap().isNull());
    QCOMPARE(find<QPushButton>("frmAbout", "cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(find<QPushButton>("frmAbout", "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    // The main window stays open beside it: the about box is not modal.
    QVERIFY(!about->isModal());
    QVERIFY(window("frmSpindex")->isVisible());
}

void AboutBoxTest::closesOnOk() {
    QPointer<QWidget> about = openAbout();
    QVERIFY(about);
    QTest::mouseClick(find<QPushButton>("frmAbout", "cmdOK"), Qt::LeftButton);
    QVERIFY(!program().frmAbout());
    QVERIFY(!about || !about->isVisible());
    QVERIFY(program().frmSpindex());
}

void AboutBoxTest::closesWhenTheFocusLeaves() {
    QPointer<QWidget> about = openAbout();
    QVERIFY(about);
    QWidget* main = window("frmSpindex");
    main->activateWindow();
    QTRY_VERIFY(!program().frmAbout());
    QVERIFY(!about || !about->isVisible());
    QVERIFY(main->isVisible());
}

// There is no registry here: the button reports that the tool is unavailable, and the message box
// taking the focus does not close the about box behind it.
void AboutBoxTest::systemInformationIsUnavailableHere() {
    QPointer<QWidget> about = openAbout();
    QVERIFY(about);
    dog->expectMessage(QStringLiteral("System Information Is Unavailable At This Time"));
    QTest::mouseClick(find<QPushButton>("frmAbout", "cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(dog->messages().size(), size_t(1));
    QCOMPARE(dog->messages()[0].title, QStringLiteral("Spindex"));
    QCOMPARE(dog->messages()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(program().frmAbout());
    QVERIFY(about && about->isVisible());
}

void AboutBoxTest::reopensAfterClosing() {
    QVERIFY(openAbout());
    QTest::mouseClick(find<QPushButton>("frmAbout", "cmdOK"), Qt::LeftButton);
    QVERIFY(!program().frmAbout());
    mainWidget<QAction>("mnuAbout")->trigger();
    QVERIFY(program().frmAbout());
    QVERIFY(window("frmAbout")->isVisible());
    QCOMPARE(find<QLabel>("frmAbout", "lblVersion")->text(), QStringLiteral("Version 1.1.7"));
}

SPINDEX_GUI_TEST(AboutBoxTest);
#include "aboutbox_test.moc"
