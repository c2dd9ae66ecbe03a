// The calculator and the channel rows, driven through their widgets: what the user picks reaches
// the model, and what the model then holds is what the widgets show.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "guitest.h"
#include "mainform.h"
#include "program.h"

class CalculatorTest : public GuiTest {
    Q_OBJECT
private slots:
    void typicalRequest();
    void spanChoiceComesWithSpannedLevels();
    void pickingTheSelectedLevelAgainRebuildsTheDrivesList();
    void driveHeightFollowsTheDriveSize();
    void refusedHeightClickShowsTheModelsChoice();
    void storageChangeIsRolledBackWithItsMessage();
    void neededChannelStaysTicked();
};

// Osprey, four "Vault/12 - 12 drives", RAID 5 with 36.4 GB low-profile drives.
void CalculatorTest::typicalRequest() {
    startMainWindow();
    QVERIFY(pickWithKeys(mainWidget<QComboBox>("cmbRaidLevel"), QStringLiteral("5")));
    auto* drives = mainWidget<QComboBox>("cmbMaxDrives");
    QCOMPARE(drives->count(), 14);
    QCOMPARE(drives->itemText(0), QStringLiteral("3"));
    QCOMPARE(drives->currentText(), QStringLiteral("12"));
    QVERIFY(pickWithMouse(mainWidget<QComboBox>("cmbDriveSize"), QStringLiteral("36.4")));
    QVERIFY(mainWidget<QRadioButton>("optDriveH(1)")->isChecked());
    QVERIFY(!mainWidget<QRadioButton>("optDriveH(0)")->isChecked());
    QCOMPARE(mainWidget<QLineEdit>("TxtTotalCap")->text(), QStringLiteral("400.4"));
    QCOMPARE(mainWidget<QLineEdit>("txtTotalDrives")->text(), QStringLiteral("12"));
    QCOMPARE(mainForm().TxtLogicalCap.text(), std::string("400.4"));
    QVERIFY(mainWidget<QLineEdit>("TxtTotalCap")->isReadOnly());
}

void CalculatorTest::spanChoiceComesWithSpannedLevels() {
    startMainWindow();
    auto* caption = mainWidget<QLabel>("lblSpan");
    auto* spans = mainWidget<QComboBox>("cmbNumSpans");
    QVERIFY(caption->isHidden());
    QVERIFY(spans->isHidden());

    QVERIFY(pickFromOpenList(mainWidget<QComboBox>("cmbRaidLevel"), QStringLiteral("50")));
    QVERIFY(!caption->isHidden());
    QVERIFY(!spans->isHidden());
    QVERIFY(spans->isEnabled());
    QCOMPARE(caption->text(), QStringLiteral("Number of Spans"));
    QCOMPARE(spans->toolTip(), QStringLiteral("Select the number of RAID spans"));
    QCOMPARE(spans->count(), 15);
    QCOMPARE(spans->currentText(), QStringLiteral("2"));
    QVERIFY(pickWithMouse(spans, QStringLiteral("4")));
    QCOMPARE(mainForm().cmbNumSpans.text(), std::string("4"));
    // 4 spans of 12 drives: 48 drives in all.
    QCOMPARE(mainWidget<QLineEdit>("txtTotalDrives")->text(), QStringLiteral("48"));

    QVERIFY(pickFromOpenList(mainWidget<QComboBox>("cmbRaidLevel"), QStringLiteral("5")));
    QVERIFY(caption->isHidden());
    QVERIFY(spans->isHidden());
    QCOMPARE(mainWidget<QLineEdit>("txtTotalDrives")->text(), QStringLiteral("12"));
}

// The list reports every pick, also of the entry it already shows: the RAID level's handler then
// builds the drives list afresh with its preselected count.
void CalculatorTest::pickingTheSelectedLevelAgainRebuildsTheDrivesList() {
    startMainWindow();
    auto* level = mainWidget<QComboBox>("cmbRaidLevel");
    auto* drives = mainWidget<QComboBox>("cmbMaxDrives");
    QVERIFY(pickFromOpenList(level, QStringLiteral("5")));
    QVERIFY(pickFromOpenList(drives, QStringLiteral("8")));
    QCOMPARE(mainWidget<QLineEdit>("txtTotalDrives")->text(), QStringLiteral("8"));
    QVERIFY(pickFromOpenList(level, QStringLiteral("5")));
    QCOMPARE(drives->currentText(), QStringLiteral("12"));
    QCOMPARE(mainWidget<QLineEdit>("txtTotalDrives")->text(), QStringLiteral("12"));
}

void CalculatorTest::driveHeightFollowsTheDriveSize() {
    startMainWindow();
    auto* half = mainWidget<QRadioButton>("optDriveH(0)");
    auto* low = mainWidget<QRadioButton>("optDriveH(1)");
    auto* size = mainWidget<QComboBox>("cmbDriveSize");
    QTest::mouseClick(half, Qt::LeftButton);
    QVERIFY(half->isChecked());
    QVERIFY(!low->isChecked());
    QVERIFY(pickWithMouse(size, QStringLiteral("9.1")));
    QVERIFY(low->isChecked());
    QVERIFY(!half->isChecked());
    QVERIFY(pickWithMouse(size, QStringLiteral("72.8")));
    QVERIFY(half->isChecked());
    QVERIFY(!low->isChecked());
}

// A click the model refuses leaves the widgets on the model's choice, not on the click.
void CalculatorTest::refusedHeightClickShowsTheModelsChoice() {
    startMainWindow();
    auto* half = mainWidget<QRadioButton>("optDriveH(0)");
    auto* low = mainWidget<QRadioButton>("optDriveH(1)");
    QVERIFY(pickWithMouse(mainWidget<QComboBox>("cmbDriveSize"), QStringLiteral("9.1")));
    const QString capacity = mainWidget<QLineEdit>("TxtTotalCap")->text();
    QTest::mouseClick(half, Qt::LeftButton);
    QVERIFY(!half->isChecked());
    QVERIFY(low->isChecked());
    QVERIFY(mainForm().optDriveH[1].value());
    // Clicking the selected button again changes nothing either.
    QTest::mouseClick(low, Qt::LeftButton);
    QVERIFY(low->isChecked());
    QCOMPARE(mainWidget<QLineEdit>("TxtTotalCap")->text(), capacity);
}

void CalculatorTest::storageChangeIsRolledBackWithItsMessage() {
    startMainWindow();
    QVERIFY(pickFromOpenList(mainWidget<QComboBox>("cmbMaxDrives"), QStringLiteral("48")));
    QTest::mouseClick(mainWidget<QPushButton>("cmdAddLogicals"), Qt::LeftButton);
    QCOMPARE(mainWidget<QLineEdit>("txtSumTotals(3)")->text(), QStringLiteral("48"));

    dog->expectMessage(
        QStringLiteral("Your Selection is being rolled back.  You have 48 drives configured and your "
                       "selection only allows 38 drives"));
    auto* storage = mainWidget<QComboBox>("cmbStorageSel(3)");
    QVERIFY(pickWithMouse(storage, QStringLiteral("2 lp drives Internal Storage")));
    QVERIFY2(dog->problems().isEmpty(), qPrintable(dog->problems()));
    QCOMPARE(dog->messages().size(), size_t(1));
    QCOMPARE(dog->messages()[0].title, QStringLiteral("Spindex"));
    QCOMPARE(dog->messages()[0].icon, QMessageBox::NoIcon);
    QCOMPARE(dog->messages()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(storage->currentText(), QStringLiteral("Vault/12 - 12 drives"));
    QCOMPARE(mainWidget<QLineEdit>("txtDisplayMaxDrives")->text(),
             QStringLiteral("Maximum low profile drives slots = 48"));
}

void CalculatorTest::neededChannelStaysTicked() {
    startMainWindow();
    QVERIFY(pickFromOpenList(mainWidget<QComboBox>("cmbMaxDrives"), QStringLiteral("48")));
    QTest::mouseClick(mainWidget<QPushButton>("cmdAddLogicals"), Qt::LeftButton);

    dog->expectMessage(QStringLiteral("only allows 36 drives"));
    auto* used = mainWidget<QCheckBox>("ckChanUsed(0)");
    QTest::mouseClick(used, Qt::LeftButton);
    QCOMPARE(dog->messages().size(), size_t(1));
    QVERIFY(used->isChecked());
    QVERIFY(mainWidget<QComboBox>("cmbStorageSel(0)")->isEnabled());
    QCOMPARE(mainWidget<QLineEdit>("txtDisplayMaxDrives")->text(),
             QStringLiteral("Maximum low profile drives slots = 48"));
}

SPINDEX_GUI_TEST(CalculatorTest);
#include "calculator_test.moc"
