// Every window on a small screen, at 1x and at a scale factor of 2: each opens at its designed size
// or, where the screen is smaller, at the screen's size, centred on it and entirely on it; the main
// window and the report scroll so that every control and every line stays reachable, the main
// window's in the reading order of its Tab chain; the pictures
// are drawn for the screen's pixels. The test runs once per screen (see CMakeLists.txt); the
// expectations are the same 800 x 600 logical pixels in both.

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

#include "appicon.h"
#include "graphicwindow.h"
#include "guitest.h"
#include "placement.h"
#include "runtime/program.h"

using spindex::ui::GraphicWindow;

class ScreenTest : public GuiTest {
    Q_OBJECT
private slots:
    void theScreen();
    void placementKeepsTheWholeFrameWithin_data();
    void placementKeepsTheWholeFrameWithin();
    void windowsFitTheScreen_data();
    void windowsFitTheScreen();
    void tabReachesEveryControlInReadingOrder();
    void everyLineOfTheReportIsReachable();
    void aLargerWindowSpreadsNothing();
    void picturesAreDrawnForTheScreensPixels();

private:
    static qreal scale() { return qEnvironmentVariable("QT_SCALE_FACTOR") == "2" ? 2.0 : 1.0; }
    // The window started afresh, on a plan with one set for the windows that show sets.
    QWidget* show(const QString& which);
};

QWidget* ScreenTest::show(const QString& which) {
    if (which == "frmSplash" || which == "frmSelectController") {
        start();
        if (which == "frmSelectController")
            QTest::keyClick(window("frmSplash"), Qt::Key_Space);
        return window(qPrintable(which));
    }
    startWithTypicalSet();
    return which == "frmSpindex" ? window("frmSpindex") : open(which);
}

// The platform gives the screen this test is meant for.
void ScreenTest::theScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    QCOMPARE(screen->geometry(), QRect(0, 0, 800, 600));
    QCOMPARE(screen->devicePixelRatio(), scale());
}

// The rule on its own, with the frame openbox draws (a 20-pixel title bar, a border of 1 and a bottom
// edge of 5) and with none: the title bar never goes above the available area.
void ScreenTest::placementKeepsTheWholeFrameWithin_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("corner");
    const QMargins openbox(1, 20, 1, 5);
    const QRect small(0, 0, 800, 600);
    QTest::newRow("larger than the screen") << small << openbox << QSize(1000, 800) << QSize(798, 575) << QPoint(0, 0);
    QTest::newRow("smaller, centred") << small << openbox << QSize(400, 300) << QSize(400, 300) << QPoint(199, 137);
    QTest::newRow("below a panel") << QRect(0, 24, 800, 576) << openbox << QSize(1000, 800) << QSize(798, 551)
                                   << QPoint(0, 24);
    QTest::newRow("no frame") << small << QMargins() << QSize(1000, 800) << QSize(800, 600) << QPoint(0, 0);
}

void ScreenTest::placementKeepsTheWholeFrameWithin() {
    QFETCH(QRect, area);
    QFETCH(QMargins, frame);
    QFETCH(QSize, wanted);
    const spindex::ui::Placement placement = spindex::ui::placeWindow(area, frame, wanted);
    QTEST(placement.size, "size");
    QTEST(placement.framePoint, "corner");
}

void ScreenTest::windowsFitTheScreen_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("scrolls"); // the designed size is larger than the screen
    QTest::newRow("splash") << "frmSplash" << false;
    QTest::newRow("selection") << "frmSelectController" << false;
    QTest::newRow("main window") << "frmSpindex" << true;
    QTest::newRow("report") << "frmLogicalDriveDisplay" << true;
    QTest::newRow("graphic") << "frmGraphic" << false;
    QTest::newRow("about box") << "frmAbout" << false;
    QTest::newRow("summary") << "frmSummary" << true;
    QTest::newRow("drive types") << "frmDriveTypes" << false;
}

void ScreenTest::windowsFitTheScreen() {
    QFETCH(QString, window);
    QFETCH(bool, scrolls);
    auto* shown = qobject_cast<spindex::ui::FormWindow*>(show(window));
    QVERIFY(shown);
    const QRect area = shown->screen()->availableGeometry();
    const QRect frame = shown->frameGeometry();
    const QString where =
        QStringLiteral("%1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height());
    QVERIFY2(area.contains(frame), qPrintable(where));
    const QSize designed = shown->designedSize();
    QCOMPARE(designed.width() > area.width() || designed.height() > area.height(), scrolls);
    if (!scrolls) {
        // At its designed size, centred.
        QCOMPARE(shown->size(), designed);
        QVERIFY2(qAbs(frame.center().x() - area.center().x()) <= 1, qPrintable(where));
        QVERIFY2(qAbs(frame.center().y() - area.center().y()) <= 1, qPrintable(where));
    } else {
        // The window's content scrolls, or, in the summary, its table.
        QAbstractScrollArea* scroller = shown->scrollArea();
        if (!scroller)
            scroller = shown->findChild<QAbstractScrollArea*>("summaryTable");
        QVERIFY(scroller);
        QVERIFY(scroller->verticalScrollBar()->maximum() > 0 || scroller->horizontalScrollBar()->maximum() > 0);
        // As large as the screen lets it be in the direction it scrolls.
        if (designed.height() > area.height())
            QVERIFY(frame.height() >= area.height() - 40);
        if (designed.width() > area.width())
            QCOMPARE(frame.width(), area.width());
    }
}

// Tab walks the main window in reading order: the channel rows, the calculator from "RAID Level"
// down, the commands, the tab bar and the controls of the shown tab, the global hot spare. Hidden,
// disabled and read-only controls are passed over; after the last control Tab comes round again.
// The window scrolls to show the control that has the focus.
void ScreenTest::tabReachesEveryControlInReadingOrder() {
    QVERIFY(show("frmSpindex"));
    QScrollArea* scroller = window("frmSpindex")->scrollArea();
    QVERIFY(scroller->horizontalScrollBar()->maximum() > 0);
    QVERIFY(scroller->verticalScrollBar()->maximum() > 0);
    QWidget* viewport = scroller->viewport();
    QStringList unseen;
    const auto walk = [&] {
        QStringList visited;
        main("ckChanUsed(0)")->setFocus(Qt::TabFocusReason);
        for (int step = 0; step < 60; ++step) {
            QWidget* focused = QApplication::focusWidget();
            if (!focused)
                return visited.join(' ') + " (none)";
            if (step > 0 && focused->objectName() == "ckChanUsed(0)")
                break;
            visited << focused->objectName();
            // Of the tab bar, wider than the window, the current tab shows.
            auto* bar = qobject_cast<QTabBar*>(focused);
            const QRect part = bar ? bar->tabRect(bar->currentIndex()) : focused->rect();
            if (!viewport->rect().contains(QRect(focused->mapTo(viewport, part.topLeft()), part.size())))
                unseen << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        return visited.join(' ');
    };
    const QString channels = "ckChanUsed(0) cmbStorageSel(0) ckChanUsed(1) cmbStorageSel(1) "
                             "ckChanUsed(2) cmbStorageSel(2) ckChanUsed(3) cmbStorageSel(3)";
    const QString commands = "cmdAddLogicals cmdClearOne cmdClearAll cmdDataReport cmdDisplayGraphic";
    QCOMPARE(walk(), channels + " cmbRaidLevel cmbMaxDrives cmbDriveSize optDriveH(0) optDriveH(1) " + commands +
                         " qt_tabwidget_tabbar optLogDriveH(0) optLogDriveH(1) optLocHotSpr(0) optLocHotSpr(1) "
                         "optGlobHotSpr(0) optGlobHotSpr(1) optGlobHotSpH(0) optGlobHotSpH(1) cmbGlobalHotSpareSize");

    // RAID 50 shows the span list in its place; a global spare opens its count and size; tab 3 shows its
    // own controls.
    pick(main<QComboBox>("cmbRaidLevel"), "50");
    QTest::mouseClick(main<QRadioButton>("optGlobHotSpr(0)"), Qt::LeftButton);
    QTabBar* tabs = main<QTabWidget>("SSTab1")->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    QCOMPARE(walk(), channels + " cmbRaidLevel cmbMaxDrives cmbNumSpans cmbDriveSize optDriveH(0) optDriveH(1) " +
                         commands +
                         " qt_tabwidget_tabbar optLogDriveH(6) optLogDriveH(7) optLocHotSpr(6) optLocHotSpr(7) "
                         "optGlobHotSpr(0) optGlobHotSpr(1) optGlobHotSpH(0) optGlobHotSpH(1) Text2 "
                         "cmbGlobalHotSpareSize");
    QCOMPARE(unseen.join(' '), QString());

    // The arrow keys walk the tab bar; the window follows to the last tab.
    QTabBar* bar = main<QTabWidget>("SSTab1")->tabBar();
    bar->setFocus(Qt::TabFocusReason);
    for (int tab = 1; tab < 8; ++tab)
        QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->currentIndex(), 7);
    const QRect last(bar->mapTo(viewport, bar->tabRect(7).topLeft()), bar->tabRect(7).size());
    QVERIFY(viewport->rect().contains(last));
    // The totals at the bottom right come into sight with the scroll bars at their ends.
    scroller->horizontalScrollBar()->setValue(scroller->horizontalScrollBar()->maximum());
    scroller->verticalScrollBar()->setValue(scroller->verticalScrollBar()->maximum());
    for (const char* total : {"txtSumTotals(0)", "txtSumTotals(3)", "cmbGlobalHotSpareSize"}) {
        const QRect where(main(total)->mapTo(viewport, QPoint(0, 0)), main(total)->size());
        QVERIFY2(viewport->rect().contains(where), total);
    }
}

void ScreenTest::everyLineOfTheReportIsReachable() {
    auto* report = qobject_cast<spindex::ui::FormWindow*>(show("frmLogicalDriveDisplay"));
    QVERIFY(report);
    QScrollArea* scroller = report->scrollArea();
    QVERIFY(scroller->verticalScrollBar()->maximum() > 0);
    // The page keeps the report's size and scrolls within the window.
    QCOMPARE(scroller->widget()->size(), QSize(728, 687));
    const QList<QLabel*> lines = report->findChildren<QLabel*>("ReportLine");
    QCOMPARE(lines.size(), 13);
    for (QLabel* line : lines) {
        if (line->isHidden())
            continue;
        scroller->ensureWidgetVisible(line);
        const QRect where(line->mapTo(scroller->viewport(), QPoint(0, 0)), line->size());
        QVERIFY2(scroller->viewport()->rect().contains(where), qPrintable(line->text()));
    }
}

// Made larger than the screen's room allowed, the main window shows more of its content but keeps
// every control where it was designed: no row spreads over the height.
void ScreenTest::aLargerWindowSpreadsNothing() {
    QWidget* shown = show("frmSpindex");
    QVERIFY(shown);
    QWidget* content = window("frmSpindex")->scrollArea()->widget();
    const auto places = [content] {
        QStringList where;
        for (const char* name :
             {"cmbRaidLevel", "cmbDriveSize", "txtTotalDrives", "SSTab1", "Text1(4)", "Frame3", "txtSumTotals(3)"}) {
            auto* widget = content->findChild<QWidget*>(name);
            const QRect r(widget->mapTo(content, QPoint(0, 0)), widget->size());
            where << QStringLiteral("%1 %2,%3 %4x%5").arg(name).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        }
        return where.join("; ");
    };
    // The layout the window settles on once its pending events are handled is the designed one.
    QTest::qWait(50);
    const QString designed = places();
    const QSize contentSize = content->size();
    shown->resize(1400, 1000);
    QTest::qWait(50);
    QCOMPARE(content->size(), contentSize);
    QCOMPARE(places(), designed);
}

// The logo, the application icon and the drive icons are drawn with every pixel the screen has: at
// 2x the logo and the icons carry twice the pixels, not an enlarged 1x picture.
void ScreenTest::picturesAreDrawnForTheScreensPixels() {
    QWidget* splash = show("frmSplash");
    QVERIFY(splash);
    // The logo is drawn when it is first painted.
    QLabel* logoLabel = find<QLabel>("frmSplash", "imgLogo");
    QTRY_VERIFY(!logoLabel->pixmap().isNull());
    const QPixmap logo = logoLabel->pixmap();
    QCOMPARE(logo.devicePixelRatio(), scale());
    QCOMPARE(logo.size(), QSize(128, 128) * scale());

    const QPixmap icon = spindex::ui::applicationIcon().pixmap(QSize(128, 128), scale());
    QCOMPARE(icon.size(), QSize(128, 128) * scale());
    QCOMPARE(icon.devicePixelRatio(), scale());

    session.reset();
    auto* graphic = qobject_cast<GraphicWindow*>(show("frmGraphic"));
    QVERIFY(graphic);
    QCOMPARE(graphic->devicePixelRatioF(), scale());
    // A slot is 32 logical pixels square; it shows the file's image of as many device pixels.
    QCOMPARE(graphic->slotIcon(0)->size(), QSize(32, 32));
    const QPixmap drive = graphic->slotIcon(0)->shownImage(graphic->devicePixelRatioF());
    QCOMPARE(drive.size() * 1, QSize(32, 32) * scale());
    // The image is the file's own at that size: no pixel between the drive's rows and the transparent
    // rows above them is blended.
    const QImage pixels = drive.toImage();
    const int top = pixels.height() / 4; // the drive fills rows a quarter to three quarters down
    QCOMPARE(pixels.pixelColor(pixels.width() / 2, top - 1).alpha(), 0);
    QCOMPARE(pixels.pixelColor(pixels.width() / 2, top).alpha(), 255);
}

QTEST_MAIN(ScreenTest)
#include "screentest.moc"
