// The report window and the storage cage graphic as a user meets them: opened from the main
// window's real buttons, drawn from the model, printed to PDF files, slot icons swapped by drop
// events on the icon widgets, and the graphic closing as soon as the focus leaves it.
//
// Every case builds its own Session (and so its own program). A watchdog fails a case that runs
// into a dialog it did not ask for instead of letting it hang.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>
#include <functional>
#include <memory>
#include <unistd.h>

#include "graphicwindow.h"
#include "mainform.h"
#include "outputforms.h"
#include "program.h"
#include "reportwindow.h"
#include "session.h"
#include "smallforms.h"

using spindex::ui::GraphicWindow;
using spindex::ui::ReportWindow;
using spindex::ui::Session;
using spindex::ui::SlotIcon;

namespace {

// Closes every modal dialog that comes up. A case that expects one sets a handler, which deals
// with the dialog first; any other dialog is recorded as a failure.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog() {
        connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::check);
        m_timer.start(50);
    }
    std::function<void(QWidget *)> handler;
    QStringList unexpected;

private:
    void check() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (handler) {
            const auto handle = std::exchange(handler, {});
            handle(modal);
        } else {
            QString what = QString(modal->metaObject()->className()) + " \"" + modal->windowTitle() + "\"";
            if (auto *box = qobject_cast<QMessageBox *>(modal)) what += ": " + box->text();
            unexpected << what;
        }
        if (modal->isVisible()) {
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
        }
    }
    QTimer m_timer;
};

// Catches what is written on standard error while it lives.
class StderrCapture {
public:
    StderrCapture() {
        m_file.open();
        std::fflush(stderr);
        m_saved = dup(2);
        dup2(m_file.handle(), 2);
    }
    ~StderrCapture() { release(); }
    QStringList lines() {
        release();
        m_file.seek(0);
        return QString::fromLocal8Bit(m_file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private:
    void release() {
        if (m_saved < 0) return;
        std::fflush(stderr);
        dup2(m_saved, 2);
        close(m_saved);
        m_saved = -1;
    }
    QTemporaryFile m_file;
    int m_saved = -1;
};

const QStringList IconFiles{"diskblue.ico",  "diskred.ico",      "diskdkturk.ico",
                            "diskgreen.ico", "diskpurple.ico",   "diskdkblue.ico",
                            "diskdkred.ico", "diskdkpurple.ico", "diskredline.ico"};

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Prints through QPrinter into a PDF file, as the print dialog's "Print to File" does.
QByteArray printToPdf(const QString &path, const std::function<void(QPainter &)> &paint) {
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QPainter painter(&printer);
        if (!painter.isActive()) return {};
        paint(painter);
    }
    return readFile(path);
}

int countContaining(const QStringList &lines, const QString &text) {
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [&](const QString &l) { return l.contains(text); }));
}

} // namespace

class OutputWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reportOpensFromTheButtonWithTheReport();
    void reportPressedTwiceIsOneReport();
    void reportMenuItems();
    void reportPrintsToPdf();
    void reportExportThroughItsMenu();

    void graphicOfTheTypicalRequest();
    void graphicCoversUnusedChannel();
    void graphicSwapsByDrop();
    void graphicClosesOnFocusLossAndReopensAfresh();
    void graphicPrintDialogKeepsItOpen();
    void graphicPrintsToPdf();
    void graphicWithMissingIconFiles();

private:
    spindex::Program &program() { return m_session->program(); }
    // A fresh program with its main window up for the Osprey, its icons in the folder.
    spindex::MainForm *openMain(const QString &folder);
    // Osprey, four "Vault/12 - 12 drives", RAID 5, 36.4, low profile, added as set 0.
    void addTypicalSet();
    void clickMainButton(const char *name);
    ReportWindow *reportWindow();
    GraphicWindow *graphicWindow();
    GraphicWindow *openGraphic();
    static bool drop(SlotIcon &target, const QMimeData &data);

    std::unique_ptr<ModalWatchdog> m_watchdog;
    std::unique_ptr<Session> m_session;
    QString m_iconFolder;
};

void OutputWindowsTest::initTestCase() {
    // The build copies the icons beside every program, this test included.
    m_iconFolder = QCoreApplication::applicationDirPath();
    for (const QString &file : IconFiles)
        QVERIFY2(QFile::exists(m_iconFolder + '/' + file), qPrintable(file + " is not beside the test"));
}

void OutputWindowsTest::init() {
    m_watchdog = std::make_unique<ModalWatchdog>();
}

void OutputWindowsTest::cleanup() {
    const QStringList unexpected = m_watchdog->unexpected;
    m_watchdog.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_session.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(unexpected.isEmpty(), qPrintable("unexpected dialog: " + unexpected.join("; ")));
}

spindex::MainForm *OutputWindowsTest::openMain(const QString &folder) {
    m_session = std::make_unique<Session>(folder);
    m_session->start();
    spindex::Program &p = program();
    if (spindex::SplashForm *splash = p.frmSplash())
        m_session->act(*splash, [splash] { splash->handOver(); });
    if (spindex::SelectControllerForm *select = p.frmSelectController())
        m_session->act(*select, [select] { select->Command1.userClick(); });
    // A user works in the main window once it has the focus; its activation arriving later would
    // take the focus from a graphic opened in the meantime.
    spindex::MainForm *main = p.frmSpindex();
    if (!main || !QTest::qWaitForWindowActive(m_session->windowFor(*main))) return nullptr;
    return main;
}

void OutputWindowsTest::addTypicalSet() {
    spindex::MainForm &main = *program().frmSpindex();
    m_session->act(main, [&main] {
        main.cmbRaidLevel.userPick(main.cmbRaidLevel.indexOf("5"));
        main.cmbDriveSize.userPick(main.cmbDriveSize.indexOf("36.4"));
        main.optDriveH[1].userClick();
        main.cmdAddLogicals.userClick();
    });
}

void OutputWindowsTest::clickMainButton(const char *name) {
    spindex::ui::FormWindow *window = m_session->windowFor(*program().frmSpindex());
    QVERIFY(window);
    auto *button = window->findChild<QPushButton *>(name);
    QVERIFY2(button, name);
    QVERIFY(button->isVisible() && button->isEnabled());
    button->click();
}

ReportWindow *OutputWindowsTest::reportWindow() {
    spindex::ReportForm *form = program().frmLogicalDriveDisplay();
    return form ? qobject_cast<ReportWindow *>(m_session->windowFor(*form)) : nullptr;
}

GraphicWindow *OutputWindowsTest::graphicWindow() {
    spindex::GraphicForm *form = program().frmGraphic();
    return form ? qobject_cast<GraphicWindow *>(m_session->windowFor(*form)) : nullptr;
}

GraphicWindow *OutputWindowsTest::openGraphic() {
    clickMainButton("cmdDisplayGraphic");
    // The graphic closes when it loses the focus, so it may be gone by the time it would be active.
    QPointer<GraphicWindow> window = graphicWindow();
    if (!QTest::qWaitFor([&window] { return window.isNull() || window->isActiveWindow(); })) return nullptr;
    return window && window->isActiveWindow() ? window.data() : nullptr;
}

bool OutputWindowsTest::drop(SlotIcon &target, const QMimeData &data) {
    const QPoint centre = target.rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropEvent(QPointF(centre), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &dropEvent);
    return dropEvent.isAccepted();
}

// --- Report window ---

void OutputWindowsTest::reportOpensFromTheButtonWithTheReport() {
    QVERIFY(openMain(m_iconFolder));
    addTypicalSet();
    QCOMPARE(program().frmSpindex()->txtSumTotals[0].text(), std::string("12"));
    clickMainButton("cmdDataReport");

    ReportWindow *window = reportWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QString("Logical Drive Display"));

    // The totals at the top left, then set 0 at the top of the left column.
    const std::vector<std::pair<QString, QPoint>> expected{
        {"             Total Number of Drives       12", {1000, 0}},
        {" GigaBytes Total Usable Drive Space    400.4", {1000, 253}},
        {"            Number of Channels Used        1", {1000, 506}},
        {"Total Number Low Profile Drive Slot       12", {1000, 759}},
        {"\r\r\r", {0, 1012}},
        {"  Logical Drive   0    ", {1000, 1800}},
        {"           Raid Level      5", {1000, 2145}},
        {"     Number of Drives     12", {1000, 2352}},
        {"      Number of Spans      1", {1000, 2559}},
        {"       Drive Capacity   36.4", {1000, 2766}},
        {"       Total Capacity  400.4", {1000, 2973}},
        {"         Drive Height    Low Profile", {1000, 3180}},
        {"\r", {0, 3387}},
    };
    const auto &lines = program().frmLogicalDriveDisplay()->lines;
    QCOMPARE(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        QCOMPARE(QString::fromStdString(lines[i].text), expected[i].first);
        QCOMPARE(lines[i].x, expected[i].second.x());
        QCOMPARE(lines[i].y, expected[i].second.y());
    }
    QCOMPARE(lines[5].size, 15);
    QVERIFY(lines[5].emphasis);

    // The widget draws exactly those lines, carriage returns drawn as nothing, in a fixed-pitch
    // font that the system really resolves to fixed pitch, the heading bold.
    const auto &drawn = window->drawnLines();
    QCOMPARE(drawn.size(), lines.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
        QCOMPARE(drawn[i].text, QString::fromStdString(lines[i].text).remove('\r'));
        QCOMPARE(drawn[i].topLeft, QPoint(window->twipsX(lines[i].x), window->twipsY(lines[i].y)));
        QCOMPARE(drawn[i].font.pointSize(), lines[i].size);
        QCOMPARE(drawn[i].font.bold(), lines[i].emphasis);
        QVERIFY(QFontInfo(drawn[i].font).fixedPitch());
    }
    QVERIFY(drawn[4].text.isEmpty());
    auto *area = window->findChild<QWidget *>("ReportArea");
    QVERIFY(area);
    QCOMPARE(area->size(), QSize(window->twipsX(10920), window->twipsY(10305)));
    // The longest line, a total line of 44 characters at 11 points, fits the area.
    QVERIFY(drawn[0].topLeft.x() + QFontMetrics(drawn[0].font).horizontalAdvance(drawn[0].text) <
            area->width());
}

void OutputWindowsTest::reportPressedTwiceIsOneReport() {
    QVERIFY(openMain(m_iconFolder));
    addTypicalSet();
    clickMainButton("cmdDataReport");
    QPointer<ReportWindow> first = reportWindow();
    QVERIFY(first);
    clickMainButton("cmdDataReport");
    QVERIFY(reportWindow());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The first window went with its model window; the new one draws one copy of the report.
    QVERIFY(first.isNull() || !first->isVisible());
    int shown = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        shown += qobject_cast<ReportWindow *>(w) && w->isVisible() ? 1 : 0;
    QCOMPARE(shown, 1);
    QCOMPARE(reportWindow()->drawnLines().size(), size_t{13});
}

void OutputWindowsTest::reportMenuItems() {
    QVERIFY(openMain(m_iconFolder));
    clickMainButton("cmdDataReport");
    ReportWindow *window = reportWindow();
    QVERIFY(window);
    // With no set the report is the four totals and the spacing line.
    QCOMPARE(window->drawnLines().size(), size_t{5});

    auto *file = window->findChild<QMenu *>("mnuP");
    QVERIFY(file);
    QCOMPARE(file->title(), QString("&File"));
    QStringList names, texts;
    for (QAction *action : file->actions()) {
        names << action->objectName();
        texts << (action->isSeparator() ? "-" : action->text());
    }
    QCOMPARE(names, QStringList({"mnuPrint", "mnuPrinterSetup", "mnuPtoFile", "mnuLine", "mnuClose"}));
    QCOMPARE(texts, QStringList({"Print", "Printer Setup", "Output to a text File", "-", "&Close"}));

    // Printer Setup opens the set-up dialog; cancelling it changes nothing.
    bool setupShown = false;
    m_watchdog->handler = [&](QWidget *modal) { setupShown = qobject_cast<QDialog *>(modal) != nullptr; };
    window->findChild<QAction *>("mnuPrinterSetup")->trigger();
    QVERIFY(setupShown);
    QVERIFY(program().frmLogicalDriveDisplay());

    // Close unloads the window and hands the focus back to the main window.
    QPointer<ReportWindow> closing = window;
    window->findChild<QAction *>("mnuClose")->trigger();
    QVERIFY(!program().frmLogicalDriveDisplay());
    QCOMPARE(program().focused(), program().frmSpindex());
    QTRY_VERIFY(closing.isNull());
}

void OutputWindowsTest::reportPrintsToPdf() {
    QVERIFY(openMain(m_iconFolder));
    addTypicalSet();
    clickMainButton("cmdDataReport");
    ReportWindow *window = reportWindow();
    QVERIFY(window);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray blank = printToPdf(dir.filePath("blank.pdf"), [](QPainter &) {});
    const QByteArray pdf =
        printToPdf(dir.filePath("report.pdf"), [window](QPainter &p) { window->print(p); });
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    // The printout carries the report as text in a font, which an empty page does not.
    QVERIFY(pdf.contains("/FontDescriptor"));
    QVERIFY(!blank.contains("/FontDescriptor"));
    QVERIFY(pdf.size() > blank.size() + 1000);
}

void OutputWindowsTest::reportExportThroughItsMenu() {
    QVERIFY(openMain(m_iconFolder));
    addTypicalSet();
    clickMainButton("cmdDataReport");
    ReportWindow *window = reportWindow();
    QVERIFY(window);

    QTemporaryDir dir;
    const QString path = dir.filePath("config.txt");
    bool asked = false;
    m_watchdog->handler = [&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        asked = dialog != nullptr;
        if (!dialog) return;
        // Types the name as a user would, once the dialog shows the folder.
        dialog->setDirectory(dir.path());
        auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
        for (int tries = 0; name && tries < 40 && dialog->selectedFiles() != QStringList{path}; ++tries) {
            name->setText("config.txt");
            QTest::qWait(50);
        }
        static_cast<QDialog *>(dialog)->accept(); // runs the dialog's own OK checks
    };
    window->findChild<QAction *>("mnuPtoFile")->trigger();
    QVERIFY(asked);
    const QByteArray text = readFile(path);
    // Seven lines of totals and spacing, eight for the set, each ended by CR LF.
    QCOMPARE(text.count("\r\n"), 15);
    QVERIFY(text.startsWith("             Total Number of Drives       12\r\n"));
    QVERIFY(text.contains("\r\nLogical Drive 0\r\n"));
    QVERIFY(text.endsWith("      Drive Height    Low Profile\r\n\r\n"));
}

// --- Graphic window ---

void OutputWindowsTest::graphicOfTheTypicalRequest() {
    QVERIFY(openMain(m_iconFolder));
    addTypicalSet();
    GraphicWindow *window = openGraphic();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Graphic Display"));
    const spindex::GraphicForm &form = *program().frmGraphic();

    auto *controller = window->findChild<QLabel *>("lblController");
    QVERIFY(controller);
    QCOMPARE(controller->text(), QString("Arvex Osprey Controller"));
    QCOMPARE(controller->font().family(), QString("Arial"));
    for (int c = 0; c < 4; ++c) {
        auto *number = window->findChild<QLabel *>(QString("txtChannel(%1)").arg(c));
        QVERIFY(number);
        QVERIFY(number->isVisible());
        QCOMPARE(number->text(), QString::number(c + 1));
    }

    // Twelve drives of set 0 fill the cage labelled "1"; every other slot is free.
    auto *area = window->findChild<QWidget *>("GraphicArea");
    QVERIFY(area);
    for (int k = 0; k < 48; ++k) {
        const QString expected = k < 12 ? "diskblue.ico" : "diskredline.ico";
        QCOMPARE(QString::fromStdString(form.imgLgcDrv[static_cast<size_t>(k)].picture), expected);
        SlotIcon *icon = window->findChild<SlotIcon *>(QString("imgLgcDrv(%1)").arg(k));
        QVERIFY(icon);
        QCOMPARE(icon, window->slotIcon(k));
        QVERIFY(icon->isVisible());
        QCOMPARE(icon->property("picture").toString(), expected);
        QVERIFY(!icon->property("fallback").toBool());
        const spindex::Geometry &g = form.imgLgcDrv[static_cast<size_t>(k)].geometry;
        QCOMPARE(icon->pos(), QPoint(window->twipsX(g.left), window->twipsY(g.top)));
        // The cage in use lies above its icons but lets the mouse reach them.
        QCOMPARE(area->childAt(icon->geometry().center()), icon);
    }
    for (int c = 0; c < 4; ++c) {
        auto *cage = window->findChild<QWidget *>(QString("StorageCage(%1)").arg(c));
        QVERIFY(cage);
        QVERIFY(cage->isVisible());
        QVERIFY(!cage->property("opaque").toBool());
        QCOMPARE(cage->height(), window->twipsY(1200 + 381 * 12) - window->twipsY(1200));
    }
    QVERIFY(window->findChild<QAction *>("mnuPrintGraphics"));
    QCOMPARE(window->findChild<QAction *>("mnuPrintGraphics")->text(), QString("Print"));
}

void OutputWindowsTest::graphicCoversUnusedChannel() {
    spindex::MainForm *main = openMain(m_iconFolder);
    QVERIFY(main);
    // Channel 4 off and channel 3 on six slots: the fourth cage covers its channel, the third is
    // six slots high with six icons.
    m_session->act(*main, [main] {
        main->ckChanUsed[3].userClick();
        main->cmbStorageSel[2].userPick(main->cmbStorageSel[2].indexOf("Vault/12 - 6 drives"));
    });
    QCOMPARE(main->ckChanUsed[3].value(), 0);
    GraphicWindow *window = openGraphic();
    QVERIFY(window);
    auto *area = window->findChild<QWidget *>("GraphicArea");

    auto *covered = window->findChild<QWidget *>("StorageCage(3)");
    QVERIFY(covered->property("opaque").toBool());
    QVERIFY(!window->findChild<QLabel *>("txtChannel(3)")->isVisible());
    for (int j = 0; j < 12; ++j) {
        SlotIcon *icon = window->slotIcon(36 + j);
        // The model leaves the unused channel's icons as designed; the cage hides them and keeps
        // them from being dragged or dropped on.
        QVERIFY(icon->property("picture").toString().isEmpty());
        QCOMPARE(area->childAt(icon->geometry().center()), covered);
    }

    auto *third = window->findChild<QWidget *>("StorageCage(2)");
    QVERIFY(!third->property("opaque").toBool());
    QCOMPARE(third->height(), window->twipsY(1200 + 381 * 6) - window->twipsY(1200));
    for (int j = 0; j < 12; ++j)
        QCOMPARE(window->slotIcon(24 + j)->isVisible(), j < 6);
}

void OutputWindowsTest::graphicSwapsByDrop() {
    QVERIFY(openMain(m_iconFolder));
    addTypicalSet();
    GraphicWindow *window = openGraphic();
    QVERIFY(window);
    const spindex::GraphicForm &form = *program().frmGraphic();
    auto picture = [&](int k) {
        return QString::fromStdString(form.imgLgcDrv[static_cast<size_t>(k)].picture);
    };

    // Slot 3 of channel 1 onto slot 0 of channel 2: the pictures change places.
    auto blueFrom3 = window->slotMimeData(3);
    QVERIFY(drop(*window->slotIcon(12), *blueFrom3));
    QCOMPARE(picture(12), QString("diskblue.ico"));
    QCOMPARE(picture(3), QString("diskredline.ico"));
    QCOMPARE(window->slotIcon(12)->property("picture").toString(), QString("diskblue.ico"));
    QCOMPARE(window->slotIcon(3)->property("picture").toString(), QString("diskredline.ico"));
    // The RAID set itself is untouched.
    QCOMPARE(program().frmSpindex()->Text1[1].text(), std::string("12"));

    // An icon dropped on itself stays as it is.
    auto self = window->slotMimeData(5);
    QVERIFY(drop(*window->slotIcon(5), *self));
    QCOMPARE(picture(5), QString("diskblue.ico"));

    // Anything but a slot of this window is refused.
    QMimeData text;
    text.setText("imgLgcDrv(0)");
    QVERIFY(!drop(*window->slotIcon(20), text));
    QMimeData nonsense;
    nonsense.setData(GraphicWindow::SlotMimeType, "x:y");
    QVERIFY(!drop(*window->slotIcon(20), nonsense));
    QCOMPARE(picture(20), QString("diskredline.ico"));

    // A drag begun in an earlier opening of the graphic does not reach this one.
    auto stale = window->slotMimeData(0);
    clickMainButton("cmdDisplayGraphic");
    GraphicWindow *reopened = graphicWindow();
    QVERIFY(reopened && reopened != window);
    QVERIFY(!drop(*reopened->slotIcon(20), *stale));
    QCOMPARE(QString::fromStdString(program().frmGraphic()->imgLgcDrv[20].picture),
             QString("diskredline.ico"));
}

void OutputWindowsTest::graphicClosesOnFocusLossAndReopensAfresh() {
    spindex::MainForm *main = openMain(m_iconFolder);
    QVERIFY(main);
    addTypicalSet();
    GraphicWindow *window = openGraphic();
    QVERIFY(window);
    QVERIFY(drop(*window->slotIcon(12), *window->slotMimeData(0)));
    QCOMPARE(program().frmGraphic()->imgLgcDrv[12].picture, std::string("diskblue.ico"));

    // The user turns to the main window: the graphic is gone, model and widget.
    QPointer<GraphicWindow> old = window;
    spindex::ui::FormWindow *mainWindow = m_session->windowFor(*main);
    mainWindow->activateWindow();
    QTRY_VERIFY(!program().frmGraphic());
    QCOMPARE(program().focused(), main);
    QTRY_VERIFY(old.isNull());

    // The next opening starts afresh: the swap is forgotten.
    window = openGraphic();
    QVERIFY(window);
    QCOMPARE(program().frmGraphic()->imgLgcDrv[12].picture, std::string("diskredline.ico"));
    QCOMPARE(program().frmGraphic()->imgLgcDrv[0].picture, std::string("diskblue.ico"));
    QCOMPARE(window->slotIcon(12)->property("picture").toString(), QString("diskredline.ico"));
}

void OutputWindowsTest::graphicPrintDialogKeepsItOpen() {
    QVERIFY(openMain(m_iconFolder));
    GraphicWindow *window = openGraphic();
    QVERIFY(window);

    // The print dialog takes the focus from the graphic for a while; that is not the user leaving it.
    bool printDialog = false;
    bool loadedDuringDialog = false;
    m_watchdog->handler = [&](QWidget *modal) {
        printDialog = qobject_cast<QPrintDialog *>(modal) != nullptr;
        QTest::qWait(200);
        loadedDuringDialog = program().frmGraphic() != nullptr;
    };
    window->findChild<QAction *>("mnuPrintGraphics")->trigger();
    QVERIFY(printDialog);
    QVERIFY(loadedDuringDialog);
    QTest::qWait(200);
    QVERIFY(program().frmGraphic());
    QCOMPARE(graphicWindow(), window);
}

void OutputWindowsTest::graphicPrintsToPdf() {
    QVERIFY(openMain(m_iconFolder));
    addTypicalSet();
    GraphicWindow *window = openGraphic();
    QVERIFY(window);
    QTemporaryDir dir;
    const QByteArray blank = printToPdf(dir.filePath("blank.pdf"), [](QPainter &) {});
    const QByteArray pdf =
        printToPdf(dir.filePath("graphic.pdf"), [window](QPainter &p) { window->print(p); });
    QVERIFY(pdf.startsWith("%PDF"));
    // The window's image is on the page.
    QVERIFY(pdf.contains("/Subtype /Image"));
    QVERIFY(!blank.contains("/Subtype /Image"));
    QVERIFY(pdf.size() > blank.size() + 1000);
}

void OutputWindowsTest::graphicWithMissingIconFiles() {
    // An installation without the set-0 icon and with a damaged empty-slot icon.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &file : IconFiles)
        if (file != "diskblue.ico") QVERIFY(QFile::copy(m_iconFolder + '/' + file, dir.filePath(file)));
    {
        QFile damaged(dir.filePath("diskredline.ico"));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("this is not an icon");
    }

    QStringList errors;
    {
        StderrCapture capture;
        spindex::MainForm *main = openMain(dir.path());
        QVERIFY(main);
        addTypicalSet();
        GraphicWindow *window = openGraphic();
        QVERIFY(window);
        for (int k = 0; k < 48; ++k) {
            SlotIcon *icon = window->slotIcon(k);
            QVERIFY(icon->isVisible());
            QCOMPARE(icon->property("picture").toString(),
                     QString(k < 12 ? "diskblue.ico" : "diskredline.ico"));
            QVERIFY(icon->property("fallback").toBool());
        }
        QVERIFY(!window->grab().isNull()); // the stand-in pictures paint
        // A second opening reads the files again but says nothing new.
        window = openGraphic();
        QVERIFY(window);
        QVERIFY(window->slotIcon(0)->property("fallback").toBool());
        errors = capture.lines();
    }
    QCOMPARE(countContaining(errors, dir.filePath("diskblue.ico")), 1);
    QCOMPARE(countContaining(errors, dir.filePath("diskredline.ico")), 1);
    QVERIFY(errors.filter("diskblue.ico").first().contains("missing"));
    QVERIFY(errors.filter("diskredline.ico").first().contains("cannot be read"));
    QCOMPARE(countContaining(errors, "Spindex: the icon file"), 2);
}

QTEST_MAIN(OutputWindowsTest)
#include "outputwindowstest.moc"
