// The report window and the storage cage graphic as a user meets them: opened from the main
// window's real buttons, drawn from the model, printed to a PDF file, slot icons swapped by drop
// events, and the graphic closing as soon as the focus leaves it.

#include <QCheckBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <unistd.h>

#include "graphicwindow.h"
#include "guitest.h"
#include "mainform/mainform.h"
#include "outputs/outputforms.h"
#include "reportwindow.h"
#include "runtime/program.h"

using spindex::ui::GraphicWindow;
using spindex::ui::ReportWindow;
using spindex::ui::SlotIcon;

namespace {
// Sends standard error to a file while it lives.
struct StderrTo {
    explicit StderrTo(int file) : saved(dup(2)) {
        std::fflush(stderr);
        dup2(file, 2);
    }
    ~StderrTo() {
        std::fflush(stderr);
        dup2(saved, 2);
        close(saved);
    }
    const int saved;
};
} // namespace

class OutputWindowsTest : public GuiTest {
    Q_OBJECT
private slots:
    void reportFromTheButton();
    void reportPrintsToPdf();
    void reportSavedThroughTheFileDialog();
    void graphicOfTheTypicalRequest();
    void graphicSwapsByDrop();
    void graphicClosesOnFocusLossAndReopensAfresh();
    void unusedChannelIsCoveredFromDrops();
    void missingIconFileIsDrawnInCode();

private:
    // Osprey, four "Vault/12 - 12 drives", RAID 5, 36.4 low profile, added as set 0.
    void startWithTypicalSet(const QString& folder = QCoreApplication::applicationDirPath());
    ReportWindow* openReport();
    GraphicWindow* openGraphic();
    QString picture(int slot) { return QString::fromStdString(program().frmGraphic()->imgLgcDrv.at(slot).picture); }
    static bool drop(SlotIcon& target, const QMimeData& data);
};

void OutputWindowsTest::startWithTypicalSet(const QString& folder) {
    startMainWindow(folder);
    spindex::MainForm& m = *program().frmSpindex();
    session->act(m, [&m] {
        m.cmbRaidLevel.userPick(m.cmbRaidLevel.indexOf("5"));
        m.cmbDriveSize.userPick(m.cmbDriveSize.indexOf("36.4"));
        m.cmdAddLogicals.userClick();
    });
    QCOMPARE(m.Text1[4].text(), std::string("400.4"));
}

ReportWindow* OutputWindowsTest::openReport() {
    click("cmdDataReport");
    return qobject_cast<ReportWindow*>(window("frmLogicalDriveDisplay"));
}

GraphicWindow* OutputWindowsTest::openGraphic() {
    click("cmdDisplayGraphic");
    // The graphic closes when it loses the focus, so it may be gone by the time it would be active.
    QPointer<QWidget> graphic = window("frmGraphic");
    const bool settled = QTest::qWaitFor([&graphic] { return !graphic || graphic->isActiveWindow(); });
    return settled && graphic ? qobject_cast<GraphicWindow*>(graphic.data()) : nullptr;
}

bool OutputWindowsTest::drop(SlotIcon& target, const QMimeData& data) {
    const QPoint centre = target.rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QDropEvent dropped(QPointF(centre), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &dropped);
    return enter.isAccepted() && dropped.isAccepted();
}

// The window draws the model's lines at their twips positions in the platform's fixed-pitch font,
// the heading in bold, carriage returns (which only move the position) drawn as nothing.
void OutputWindowsTest::reportFromTheButton() {
    startWithTypicalSet();
    ReportWindow* report = openReport();
    QVERIFY(report && report->isVisible());
    QCOMPARE(report->windowTitle(), QStringLiteral("Logical Drive Display"));
    const auto& lines = program().frmLogicalDriveDisplay()->lines;
    const auto& drawn = report->drawnLines();
    QCOMPARE(drawn.size(), size_t(13));
    QCOMPARE(drawn.size(), lines.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
        QCOMPARE(drawn[i].text, QString::fromStdString(lines[i].text).remove('\r'));
        QCOMPARE(drawn[i].topLeft, QPoint(report->twipsX(lines[i].x), report->twipsY(lines[i].y)));
        QCOMPARE(drawn[i].font.pointSize(), lines[i].size);
        QCOMPARE(drawn[i].font.bold(), lines[i].emphasis);
        // The platform's fixed-pitch font (the offscreen platform names it "monospace"): every
        // character as wide as any other.
        QCOMPARE(drawn[i].font.family(), QStringLiteral("monospace"));
        const QFontMetrics metrics(drawn[i].font);
        QCOMPARE(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
    }
    QCOMPARE(drawn[0].text, QStringLiteral("             Total Number of Drives       12"));
    QCOMPARE(drawn[5].text, QStringLiteral("  Logical Drive   0    "));
    QVERIFY(drawn[5].font.bold());
    QCOMPARE(drawn[10].text, QStringLiteral("       Total Capacity  400.4"));
}

void OutputWindowsTest::reportPrintsToPdf() {
    startWithTypicalSet();
    ReportWindow* report = openReport();
    QVERIFY(report);
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("report.pdf"));
    {
        QPainter painter(&printer);
        QVERIFY(painter.isActive());
        report->print(painter);
    }
    QFile pdf(folder.filePath("report.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QVERIFY(content.startsWith("%PDF"));
    // The report is on the page as text in a font; an empty page has none.
    QVERIFY(content.contains("/FontDescriptor"));
}

// The name typed without extension gets ".txt"; the file has CR LF line ends on every platform.
void OutputWindowsTest::reportSavedThroughTheFileDialog() {
    startWithTypicalSet();
    QVERIFY(openReport());
    QTemporaryDir folder;
    dog->expect("QFileDialog", QMessageBox::NoButton, [&folder](QDialog& dialog) {
        static_cast<QFileDialog&>(dialog).selectFile(folder.filePath("config"));
        dialog.accept();
    });
    find<QAction>("frmLogicalDriveDisplay", "mnuPtoFile")->trigger();
    QFile saved(folder.filePath("config.txt"));
    QVERIFY2(saved.open(QIODevice::ReadOnly), "no report was saved");
    const QByteArray text = saved.readAll();
    QVERIFY(text.startsWith("             Total Number of Drives       12\r\n"));
    QVERIFY(text.contains("\r\nLogical Drive 0\r\n"));
    QCOMPARE(text.count("\r\n"), 15);
    QCOMPARE(text.count('\n'), 15);
}

// Twelve drives of set 0 fill the cage labelled "1"; every other slot shows the empty-slot icon.
void OutputWindowsTest::graphicOfTheTypicalRequest() {
    startWithTypicalSet();
    GraphicWindow* graphic = openGraphic();
    QVERIFY(graphic);
    QCOMPARE(graphic->windowTitle(), QStringLiteral("Graphic Display"));
    QCOMPARE(find<QLabel>("frmGraphic", "txtChannel(0)")->text(), QStringLiteral("1"));
    for (int k = 0; k < 48; ++k) {
        auto* icon = find<SlotIcon>("frmGraphic", QStringLiteral("imgLgcDrv(%1)").arg(k));
        QVERIFY(icon->isVisible());
        QCOMPARE(icon->picture(), QString(k < 12 ? "diskblue.ico" : "diskredline.ico"));
        QVERIFY2(!icon->fallback(), "the icon files are not in ../share/spindex from the program");
    }
}

void OutputWindowsTest::graphicSwapsByDrop() {
    startWithTypicalSet();
    GraphicWindow* graphic = openGraphic();
    QVERIFY(graphic);
    QVERIFY(drop(*graphic->slotIcon(12), *graphic->slotMimeData(3)));
    QCOMPARE(picture(12), QStringLiteral("diskblue.ico"));
    QCOMPARE(picture(3), QStringLiteral("diskredline.ico"));
    QCOMPARE(graphic->slotIcon(12)->picture(), QStringLiteral("diskblue.ico"));
    QCOMPARE(graphic->slotIcon(3)->picture(), QStringLiteral("diskredline.ico"));
    // An icon dropped on itself stays as it is.
    QVERIFY(drop(*graphic->slotIcon(5), *graphic->slotMimeData(5)));
    QCOMPARE(picture(5), QStringLiteral("diskblue.ico"));
    QCOMPARE(graphic->slotIcon(5)->picture(), QStringLiteral("diskblue.ico"));
}

void OutputWindowsTest::graphicClosesOnFocusLossAndReopensAfresh() {
    startWithTypicalSet();
    QPointer<GraphicWindow> graphic = openGraphic();
    QVERIFY(graphic);
    QVERIFY(drop(*graphic->slotIcon(12), *graphic->slotMimeData(0)));
    QCOMPARE(picture(12), QStringLiteral("diskblue.ico"));

    window("frmSpindex")->activateWindow();
    QTRY_VERIFY(!program().frmGraphic());
    QTRY_VERIFY(!graphic);

    graphic = openGraphic();
    QVERIFY(graphic);
    QCOMPARE(picture(12), QStringLiteral("diskredline.ico"));
    QCOMPARE(picture(0), QStringLiteral("diskblue.ico"));
    QCOMPARE(graphic->slotIcon(12)->picture(), QStringLiteral("diskredline.ico"));
}

// With channel 4 unused its cage is opaque and lies over the channel's icons: nothing is dropped on
// them.
void OutputWindowsTest::unusedChannelIsCoveredFromDrops() {
    startWithTypicalSet();
    QTest::mouseClick(main<QCheckBox>("ckChanUsed(3)"), Qt::LeftButton);
    GraphicWindow* graphic = openGraphic();
    QVERIFY(graphic);
    auto* cage = find("frmGraphic", "StorageCage(3)");
    QVERIFY(cage->property("opaque").toBool());
    auto* area = find("frmGraphic", "GraphicArea");
    for (int k = 36; k < 48; ++k)
        QCOMPARE(area->childAt(graphic->slotIcon(k)->geometry().center()), cage);
    // A slot of a used channel lies open to the mouse.
    QCOMPARE(area->childAt(graphic->slotIcon(0)->geometry().center()), graphic->slotIcon(0));
}

// An installation without the set-0 icon: those slots get a disk drawn in code, and standard error
// says once which file is missing, however often the graphic opens.
void OutputWindowsTest::missingIconFileIsDrawnInCode() {
    QTemporaryDir folder;
    for (const char* file : {"diskred.ico", "diskdkturk.ico", "diskgreen.ico", "diskpurple.ico", "diskdkblue.ico",
                             "diskdkred.ico", "diskdkpurple.ico", "diskredline.ico"})
        QVERIFY(
            QFile::copy(QCoreApplication::applicationDirPath() + "/../share/spindex/" + file, folder.filePath(file)));
    QTemporaryFile errors;
    QVERIFY(errors.open());
    {
        const StderrTo redirect(errors.handle());
        startWithTypicalSet(folder.path());
        for (int opening = 0; opening < 2; ++opening) {
            GraphicWindow* graphic = openGraphic();
            QVERIFY(graphic);
            for (int k = 0; k < 48; ++k) {
                QVERIFY(graphic->slotIcon(k)->isVisible());
                QCOMPARE(graphic->slotIcon(k)->picture(), QString(k < 12 ? "diskblue.ico" : "diskredline.ico"));
                QCOMPARE(graphic->slotIcon(k)->fallback(), k < 12);
            }
            QVERIFY(!graphic->grab().isNull());
        }
    }
    errors.seek(0);
    const QStringList lines = QString::fromLocal8Bit(errors.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines[0].contains(folder.filePath("diskblue.ico")));
}

QTEST_MAIN(OutputWindowsTest)
#include "outputwindowstest.moc"
