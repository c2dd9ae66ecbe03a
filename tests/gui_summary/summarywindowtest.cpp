// The plan summary as a user meets it: the main window's status line after an action, the "Plan
// Summary" window opened from the Plan menu (its table, live, sorted with the total row last, rows
// copied with Ctrl+C, closed with Escape), and the report saved as a PDF whose text a PDF reader
// finds.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>

#include "guitest.h"
#include "mainform/mainform.h"
#include "runtime/program.h"
#include "summary/summaryform.h"
#include "summarywindow.h"

using spindex::ui::SummaryWindow;

namespace {
const QString Dot = QString::fromUtf8(" \u00b7 ");
const QString Dash = QString::fromUtf8(" \u2013 ");

// The output of a poppler tool on a file; a missing tool fails the test that needs it.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return QStringLiteral("MISSING");
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("FAILED: ") + QString::fromLocal8Bit(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

class SummaryWindowTest : public GuiTest {
    Q_OBJECT
private slots:
    void statusLineAfterAnAction();
    void summaryWindowFromThePlanMenu();
    void reportSavedAsPdf();

private:
    // Osprey with three sets: RAID 5 of 12 x 36.4, RAID 10 of 5 spans of 72.8 and RAID 0 of 3 x 9.1
    // with a local spare.
    void startWithThreeSets();
    SummaryWindow* openSummary() { return qobject_cast<SummaryWindow*>(open("frmSummary")); }
    // The cells of a row of the table as the view shows it.
    static QStringList row(const QTableView& table, int r);
};

void SummaryWindowTest::startWithThreeSets() {
    startMainWindow();
    addSet("5", "", "36.4");
    addSet("10", "", "72.8", "5");
    addSet("0", "3", "9.1");
    spindex::MainForm& m = *program().frmSpindex();
    session->act(m, [&m] { m.optLocHotSpr[4].userClick(); });
    QCOMPARE(m.txtSumTotals[0].text(), std::string("26"));
}

QStringList SummaryWindowTest::row(const QTableView& table, int r) {
    QStringList cells;
    for (int c = 0; c < table.model()->columnCount(); ++c)
        cells << table.model()->index(r, c).data().toString();
    return cells;
}

// One line under the main window's own controls, brought up to date by the user's actions.
void SummaryWindowTest::statusLineAfterAnAction() {
    startMainWindow();
    auto* line = main<QLabel>("summaryLine");
    auto* mainWindow = qobject_cast<QMainWindow*>(window("frmSpindex"));
    QVERIFY(mainWindow->statusBar()->isAncestorOf(line));
    QVERIFY(line->isVisible());
    QVERIFY(mainWindow->centralWidget()->geometry().bottom() < mainWindow->statusBar()->geometry().top());
    // No loss risk without a set, and no separator left dangling for it.
    QCOMPARE(line->text(),
             "No RAID sets: 0 drives, 0 spares" + Dot + "0 GB raw, 0 GB usable (0 %)" + Dot + "0 of 48 slots used");

    pick(main<QComboBox>("cmbRaidLevel"), "5");
    pick(main<QComboBox>("cmbDriveSize"), "36.4");
    click("cmdAddLogicals");
    QCOMPARE(line->text(), "1 RAID set: 12 drives, 0 spares" + Dot + "436.8 GB raw, 400.4 GB usable (91.7 %)" + Dot +
                               "12 of 48 slots used" + Dot + "fewest drive failures a set survives: 1" + Dot +
                               "loss risk in 5 years: 0.182 %");
}

// A row per set and the total row; Ctrl+C copies the selected rows in the order the view shows
// them; a click on a heading sorts the sets; the window follows the plan while it is open, the menu shows the open
// window again rather than a second one, and Escape closes it.
void SummaryWindowTest::summaryWindowFromThePlanMenu() {
    startWithThreeSets();
    SummaryWindow* summary = openSummary();
    QVERIFY(summary);
    QCOMPARE(summary->windowTitle(), QStringLiteral("Plan Summary"));
    QTableView* table = summary->table();
    QCOMPARE(table->model()->rowCount(), 4);
    QStringList headers;
    for (int c = 0; c < table->model()->columnCount(); ++c)
        headers << table->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headers, (QStringList{"Logical Drive", "RAID Level", "Drives", "Spans", "Drive Size", "Height", "Raw GB",
                                   "Usable GB", "Efficiency", "Failures Survived", "Local Spare", "Spare", "Rebuild, h",
                                   "Loss in 5 years", "MTTDL, years", "IOPS (70% reads)", "Read MB/s", "Write MB/s"}));
    QVERIFY(table->model()->headerData(13, Qt::Horizontal, Qt::ToolTipRole).toString().contains("MTBF"));
    QCOMPARE(row(*table, 1),
             (QStringList{"1", "10", "10", "5", "72.8 GB", "Half Height", "728", "364", "50 %", "1" + Dash + "5", "No",
                          "No", "0.7", "0.0266 %", "18809", "1154", "600", "300"}));
    QCOMPARE(row(*table, 3),
             (QStringList{"Total", "", "25", "", "", "", "1192.1", "791.7", "66.4 %", "at least 0", "1 spare in all",
                          "2 not covered", "", "12.5 %", "", "2551", "1440", "1140"}));
    QCOMPARE(find<QLabel>("frmSummary", "lblSlots")->text(),
             QStringLiteral("Drive slots: 31 of 48 in use, 17 free (low-profile slot units)"));

    // Rows 2 and 0 selected, in that order: the copy has them as the view shows them.
    auto cellCentre = [table](int r) { return table->visualRect(table->model()->index(r, 1)).center(); };
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(2));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier, cellCentre(0));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "0\t5\t12\t1\t36.4 GB\tLow Profile\t436.8\t400.4\t91.7 %\t1" + Dash +
                                                       "1\tNo\tNo\t0.3\t0.182 %\t2745\t947\t660\t660\n" +
                                                       "2\t0\t3\t1\t9.1 GB\tLow Profile\t27.3\t27.3\t100 %\t0" + Dash +
                                                       "0\tYes\tYes\t\t12.3 %\t38.1\t450\t180\t180\n");

    // A click on a column heading sorts the sets by that column, either way; the total stays last.
    QHeaderView* header = table->horizontalHeader();
    auto clickHeading = [header](int column) {
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2));
    };
    auto order = [table] {
        QStringList sets;
        for (int r = 0; r < table->model()->rowCount(); ++r)
            sets << table->model()->index(r, 0).data().toString();
        return sets;
    };
    QCOMPARE(order(), (QStringList{"0", "1", "2", "Total"}));
    clickHeading(7); // Usable GB
    QCOMPARE(header->sortIndicatorSection(), 7);
    QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    QCOMPARE(order(), (QStringList{"2", "1", "0", "Total"}));
    clickHeading(7);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(order(), (QStringList{"0", "1", "2", "Total"}));
    // Failures survived, the fewest first: RAID 0's none, RAID 5's 1 - 1, RAID 10's 1 - 5.
    clickHeading(9);
    QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    QCOMPARE(order(), (QStringList{"2", "0", "1", "Total"}));
    // Drive height: sets of equal height keep their tab order, either way.
    clickHeading(5);
    QCOMPARE(order(), (QStringList{"0", "2", "1", "Total"}));
    clickHeading(5);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(order(), (QStringList{"1", "0", "2", "Total"}));

    // The user goes back to the main window and deletes the RAID 0 set.
    spindex::MainForm& m = *program().frmSpindex();
    dog->expect("Are You Sure?", QMessageBox::Yes);
    QTest::mouseClick(find<QTabWidget>("frmSpindex", "SSTab1")->tabBar(), Qt::LeftButton, {},
                      find<QTabWidget>("frmSpindex", "SSTab1")->tabBar()->tabRect(2).center());
    QCOMPARE(m.SSTab1.tab(), 2);
    click("cmdClearOne");
    QCOMPARE(window("frmSummary"), summary);
    QCOMPARE(table->model()->rowCount(), 3);
    QCOMPARE(row(*table, 2).mid(0, 3), (QStringList{"Total", "", "22"}));

    main<QAction>("mnuPlanSummary")->trigger();
    QCOMPARE(window("frmSummary"), summary);
    QVERIFY(QTest::qWaitForWindowActive(summary));
    QTest::keyClick(table, Qt::Key_Escape);
    QVERIFY(!program().frmSummary());
    QTRY_VERIFY(!window("frmSummary"));
}

// "Save as PDF..." beside the report's other ways out: the same drawing as the printout, with its
// fonts embedded, so that a PDF reader finds the report's text.
void SummaryWindowTest::reportSavedAsPdf() {
    startWithThreeSets();
    QVERIFY(open("frmLogicalDriveDisplay"));
    QAction* savePdf = find<QAction>("frmLogicalDriveDisplay", "mnuSavePdf");
    QCOMPARE(savePdf->text(), QStringLiteral("Save as PDF..."));
    const QList<QAction*> items = find<QMenu>("frmLogicalDriveDisplay", "mnuP")->actions();
    QCOMPARE(items.indexOf(savePdf), items.indexOf(find<QAction>("frmLogicalDriveDisplay", "mnuPtoFile")) + 1);

    QTemporaryDir folder;
    QString filter;
    chooseFile(folder.filePath("three sets"), &filter);
    savePdf->trigger();
    QCOMPARE(filter, QStringLiteral("PDF Files (*.pdf)"));
    const QString path = folder.filePath("three sets.pdf");
    QFile pdf(path);
    QVERIFY2(pdf.open(QIODevice::ReadOnly), "no PDF was saved");
    QVERIFY(pdf.readAll().startsWith("%PDF-"));

    const QString text = popplerOutput("pdftotext", {"-layout", path, "-"});
    QVERIFY2(text != "MISSING", "pdftotext (poppler-utils) is not installed");
    QStringList lines;
    for (const QString& line : text.split('\n'))
        lines << line.simplified();
    for (const char* expected : {"Total Number of Drives 26", "GigaBytes Total Usable Drive Space 791.7",
                                 "Total Number Low Profile Drive Slot 31", "Logical Drive 0", "Raid Level 5",
                                 "Total Capacity 400.4", "Drive Height Half Height", "Logical Drive 2"})
        QVERIFY2(lines.contains(QString::fromUtf8(expected)), qPrintable(QString("not in the PDF: ") + expected));

    const QString fonts = popplerOutput("pdffonts", {path});
    QVERIFY2(fonts != "MISSING", "pdffonts (poppler-utils) is not installed");
    const QStringList fontLines = fonts.split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY2(!fontLines.isEmpty(), qPrintable(fonts));
    for (const QString& font : fontLines) {
        const QStringList columns = font.simplified().split(' ');
        QVERIFY2(columns.size() >= 5 && columns[columns.size() - 5] == "yes", qPrintable("not embedded: " + font));
    }
}

QTEST_MAIN(SummaryWindowTest)
#include "summarywindowtest.moc"
