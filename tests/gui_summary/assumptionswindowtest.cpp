// The assumptions as a user meets them: Plan > Assumptions opens a dialog of eight labelled boxes; OK
// (Enter) names the first bad box and keeps the dialog, or takes every value and closes; Escape and
// Cancel change nothing; Restore Defaults fills the boxes. The proposal's prices and the drive types
// through their windows.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "analysis/assumptionsform.h"
#include "drivetypes/drivetypesform.h"
#include "guitest.h"
#include "mainform/mainform.h"
#include "proposal/proposalform.h"
#include "runtime/program.h"

class AssumptionsWindowTest : public GuiTest {
    Q_OBJECT
private slots:
    void okTakesAllEscapeAndCancelNothing();
    void proposalPricesEditedInTheTable();
    void driveTypeAddedThroughTheWindow();

private:
    QLineEdit* box(const char* name) { return find<QLineEdit>("frmAssumptions", name); }
    void retype(const char* name, const QString& text) {
        QLineEdit* edit = box(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
};

// Escape and Cancel change nothing; Restore Defaults fills the boxes; OK (Enter) names the first bad
// box and keeps the dialog, or takes every value and closes.
void AssumptionsWindowTest::okTakesAllEscapeAndCancelNothing() {
    startMainWindow();
    const spindex::MainForm& m = *program().frmSpindex();
    main<QAction>("mnuAssumptions")->trigger();
    retype("txtReadPercent", "20");
    QTest::keyClick(box("txtReadPercent"), Qt::Key_Escape);
    QVERIFY(!program().frmAssumptions());
    QCOMPARE(m.PlanAssumptions.readPercent, 70.0);

    main<QAction>("mnuAssumptions")->trigger();
    QCOMPARE(box("txtReadPercent")->text(), QStringLiteral("70"));
    retype("txtReadPercent", "20");
    QTest::mouseClick(find<QPushButton>("frmAssumptions", "cmdDefaults"), Qt::LeftButton);
    QCOMPARE(box("txtReadPercent")->text(), QStringLiteral("70"));
    retype("txtReadPercent", "20");
    QTest::mouseClick(find<QPushButton>("frmAssumptions", "cmdCancel"), Qt::LeftButton);
    QVERIFY(!program().frmAssumptions());
    QCOMPARE(m.PlanAssumptions.readPercent, 70.0);

    auto* dialog = qobject_cast<spindex::ui::FormWindow*>(open("frmAssumptions"));
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Assumptions"));
    QCOMPARE(dialog->defaultButton(), find<QPushButton>("frmAssumptions", "cmdOK"));
    QCOMPARE(box("txtBitErrorRate")->text(), QStringLiteral("1e-15"));
    retype("txtDriveIops", "200");
    retype("txtYears", "0");
    retype("txtMtbfHours", "500");
    // Two boxes are bad: the message names the first of them, and the dialog stays.
    dog->expect("Drive MTBF (hours) must be", QMessageBox::Ok);
    QTest::keyClick(box("txtYears"), Qt::Key_Return);
    QCOMPARE(dog->messages().size(), size_t(1));
    QVERIFY(window("frmAssumptions"));
    QCOMPARE(m.PlanAssumptions.driveIops, 150.0);

    retype("txtMtbfHours", "5E5");
    retype("txtYears", "10");
    QTest::mouseClick(find<QPushButton>("frmAssumptions", "cmdOK"), Qt::LeftButton);
    QVERIFY(!program().frmAssumptions());
    QCOMPARE(m.PlanAssumptions.mtbfHours, 500000.0);
    QCOMPARE(m.PlanAssumptions.driveIops, 200.0);
    QCOMPARE(m.PlanAssumptions.years, 10.0);
}

// The proposal window's unit prices are typed into the table's cells; a bad one is refused with its
// message and the cell shows the price as it was. Escape closes the window.
void AssumptionsWindowTest::proposalPricesEditedInTheTable() {
    startMainWindow();
    QWidget* proposal = open("frmProposal");
    QVERIFY(proposal);
    QCOMPARE(proposal->windowTitle(), QStringLiteral("Proposal"));
    auto* table = find<QTableWidget>("frmProposal", "bomTable");
    QCOMPARE(table->rowCount(), 3); // the controller, the enclosure, the total
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Arvex Osprey"));

    table->item(1, 3)->setText("1450.5");
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("1450.50"));
    QCOMPARE(table->item(1, 4)->text(), QStringLiteral("5802.00"));
    QCOMPARE(table->item(1, 3)->textAlignment() & Qt::AlignRight, int(Qt::AlignRight));

    dog->expect("A price must be", QMessageBox::Ok);
    table->item(1, 3)->setText("-3");
    QCOMPARE(dog->messages().size(), size_t(1));
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("1450.50"));
    QCOMPARE(program().frmSpindex()->PlanProposal.prices.at("Vault/12 - 12 drives"), 1450.5);

    QTest::keyClick(proposal, Qt::Key_Escape);
    QVERIFY(!program().frmProposal());
}

// The drive types window's boxes, its list and its buttons reach the model: a type added shows in
// the window's list and in the calculator's sizes; the size box comes first; Escape closes it.
void AssumptionsWindowTest::driveTypeAddedThroughTheWindow() {
    startMainWindow();
    QWidget* types = open("frmDriveTypes");
    QVERIFY(types);
    QCOMPARE(types->windowTitle(), QStringLiteral("Drive Types"));
    auto* size = find<QLineEdit>("frmDriveTypes", "txtSize");
    QWidget* next = size->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    QCOMPARE(next, find<QWidget>("frmDriveTypes", "ckHalfHeight")); // Tab goes from the size to its heights
    QTest::keyClicks(size, "1200");
    QTest::mouseClick(find<QCheckBox>("frmDriveTypes", "ckHalfHeight"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>("frmDriveTypes", "cmdAdd"), Qt::LeftButton);
    auto* list = find<QListWidget>("frmDriveTypes", "lstDriveTypes");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("1200"));
    QCOMPARE(size->text(), QString());
    QCOMPARE(main<QComboBox>("cmbDriveSize")->itemText(0), QStringLiteral("1200"));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QCOMPARE(program().frmDriveTypes()->lstDriveTypes.listIndex(), 0);
    QTest::mouseClick(find<QPushButton>("frmDriveTypes", "cmdRemove"), Qt::LeftButton);
    QCOMPARE(list->count(), 0);
    QTest::keyClick(types, Qt::Key_Escape);
    QVERIFY(!program().frmDriveTypes());
}

QTEST_MAIN(AssumptionsWindowTest)
#include "assumptionswindowtest.moc"
