// The report window and the storage cage graphic as a user meets them: opened from the main
// window's real buttons, drawn from the model, its text copied, slot icons swapped by
// drop events, and the graphic closing as soon as the focus leaves it.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
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
    void graphicShowsSwapsAndClosesOnFocusLoss();
    void missingIconFileIsDrawnInCode();

private:
    GraphicWindow* openGraphic() { return qobject_cast<GraphicWindow*>(open("frmGraphic")); }
    QString picture(int slot) { return QString::fromStdString(program().frmGraphic()->imgLgcDrv.at(slot).picture); }
    static bool drop(SlotIcon& target, const QMimeData& data);
};

bool OutputWindowsTest::drop(SlotIcon& target, const QMimeData& data) {
    const QPoint centre = target.rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QDropEvent dropped(QPointF(centre), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &dropped);
    return enter.isAccepted() && dropped.isAccepted();
}

// The window shows the model's lines at their twips positions in the platform's fixed-pitch font,
// the heading in bold, carriage returns (which only move the position) shown as nothing. Each line
// is text a user can select; Ctrl+C copies the selected piece, or else the whole report.
void OutputWindowsTest::reportFromTheButton() {
    startWithTypicalSet();
    auto* report = qobject_cast<ReportWindow*>(open("frmLogicalDriveDisplay"));
    QVERIFY(report);
    QCOMPARE(report->windowTitle(), QStringLiteral("Logical Drive Display"));
    const QList<QLabel*> lines = report->findChildren<QLabel*>("ReportLine");
    QCOMPARE(lines.size(), 13);
    QStringList sizes; // the point size of each line, "!" after a bold one
    for (QLabel* line : lines) {
        QVERIFY2(!line->text().contains('\r'), qPrintable(line->text()));
        QVERIFY(line->textInteractionFlags() & Qt::TextSelectableByMouse);
        // The platform's fixed-pitch font (the offscreen platform names it "monospace"): every
        // character as wide as any other.
        QCOMPARE(line->font().family(), QStringLiteral("monospace"));
        const QFontMetrics metrics(line->font());
        QCOMPARE(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
        sizes << QString::number(line->font().pointSize()) + (line->font().bold() ? "!" : "");
    }
    QCOMPARE(sizes.join(' '), QStringLiteral("11 11 11 11 11 15! 9 9 9 9 9 9 9"));
    QCOMPARE(lines[10]->text(), QStringLiteral("       Total Capacity  400.4"));
    // The left column's 1000 twips at 15 twips a pixel.
    QCOMPARE(lines[10]->pos(), QPoint(67, 198));

    // The whole report: the model's lines, each ended by a line feed; their words are the model's.
    QApplication::clipboard()->clear();
    QTest::keyClick(report->focusWidget() ? report->focusWidget() : report, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    QVERIFY2(copied.startsWith("             Total Number of Drives       12\n GigaBytes"), qPrintable(copied));
    QCOMPARE(copied.count('\n'), 15);
    QVERIFY(!copied.contains('\r'));
    QLabel* heading = lines[5];
    QCOMPARE(heading->text(), QStringLiteral("  Logical Drive   0    "));
    heading->setFocus(Qt::MouseFocusReason);
    heading->setSelection(2, 13);
    QTest::keyClick(heading, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Logical Drive"));
}

// Twelve drives of set 0 fill the cage labelled "1"; every other slot shows the empty-slot icon. A
// drop swaps two pictures in the model and on the screen; the window goes as soon as the main
// window has the focus, and an unused channel's cage covers its slots when it opens again.
void OutputWindowsTest::graphicShowsSwapsAndClosesOnFocusLoss() {
    startWithTypicalSet();
    QPointer<GraphicWindow> graphic = openGraphic();
    QVERIFY(graphic);
    QCOMPARE(graphic->windowTitle(), QStringLiteral("Graphic Display"));
    QCOMPARE(find<QLabel>("frmGraphic", "txtChannel(0)")->text(), QStringLiteral("1"));
    for (int k = 0; k < 48; ++k) {
        auto* icon = find<SlotIcon>("frmGraphic", QStringLiteral("imgLgcDrv(%1)").arg(k));
        QVERIFY(icon->isVisible());
        QCOMPARE(icon->picture(), QString(k < 12 ? "diskblue.ico" : "diskredline.ico"));
        QVERIFY2(!icon->fallback(), "the icon files are not in ../share/spindex from the program");
    }

    QVERIFY(drop(*graphic->slotIcon(12), *graphic->slotMimeData(3)));
    QCOMPARE(picture(12), QStringLiteral("diskblue.ico"));
    QCOMPARE(picture(3), QStringLiteral("diskredline.ico"));
    QCOMPARE(graphic->slotIcon(12)->picture(), QStringLiteral("diskblue.ico"));
    QCOMPARE(graphic->slotIcon(3)->picture(), QStringLiteral("diskredline.ico"));

    window("frmSpindex")->activateWindow();
    QTRY_VERIFY(!program().frmGraphic());
    QTRY_VERIFY(!graphic);

    // With channel 4 unused its cage is opaque and lies over the channel's icons: nothing is dropped
    // on them. A slot of a used channel lies open to the mouse.
    QTest::mouseClick(main<QCheckBox>("ckChanUsed(3)"), Qt::LeftButton);
    graphic = openGraphic();
    QVERIFY(graphic);
    auto* cage = find("frmGraphic", "StorageCage(3)");
    QVERIFY(cage->property("opaque").toBool());
    auto* area = find("frmGraphic", "GraphicArea");
    for (int k = 36; k < 48; ++k)
        QCOMPARE(area->childAt(graphic->slotIcon(k)->geometry().center()), cage);
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
            for (int k = 0; k < 48; ++k)
                QCOMPARE(graphic->slotIcon(k)->fallback(), k < 12);
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
