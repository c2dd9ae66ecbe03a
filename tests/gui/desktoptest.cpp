// The program as a desktop user meets it, rule by rule: the keyboard (Enter, Escape, Ctrl+W, the
// menu shortcuts, read-only boxes; the Tab chain is the small-screen test's), the questions that
// throw work away, what the widgets show without being opened (tab pictures, tooltips, names for
// assistive tools, the graphic's slots), the menus, the kinds of window and their owners, the end of the program in
// every close order, and windows that never refer to a model window that is gone.

#include <QAbstractButton>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include "graphicwindow.h"
#include "guitest.h"
#include "mainform/mainform.h"
#include "runtime/program.h"

using spindex::ui::GraphicWindow;
using spindex::ui::SlotIcon;

namespace {

// The key goes where the keyboard sends it: to the window's focused widget, and up from there.
void press(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

// Answers a message box with a key, noting its default and Escape buttons as "default/escape".
std::function<void(QDialog&)> answerWithKey(int key, QString& buttons) {
    return [key, &buttons](QDialog& dialog) {
        auto& box = static_cast<QMessageBox&>(dialog);
        buttons = (box.defaultButton() ? box.defaultButton()->text() : QString()) + '/' +
                  (box.escapeButton() ? box.escapeButton()->text() : QString());
        QTest::keyClick(&box, Qt::Key(key));
    };
}

} // namespace

class DesktopTest : public GuiTest {
    Q_OBJECT
private slots:
    // The keyboard
    void enterAndEscapeInEachWindow_data();
    void enterAndEscapeInEachWindow();
    void questionsThatThrowWorkAwayDefaultToNo_data();
    void questionsThatThrowWorkAwayDefaultToNo();
    void resultBoxesAndTabPicturesShowTheModel();

    // State you can see
    void everyInputHasATipAndEveryUncaptionedControlAName_data();
    void everyInputHasATipAndEveryUncaptionedControlAName();

    // Menus
    void rulesAreOneExclusiveGroup();
    void printerSetupWithoutPrinterSetsUpThePdfPage();

    // Windows
    void windowsOfTheRightKind();
    void lastWindowEndsTheProgram_data();
    void lastWindowEndsTheProgram();
    void windowUnloadedWhileItsPrintDialogIsUp();
};

// ---- The keyboard ----------------------------------------------------------------------------

void DesktopTest::enterAndEscapeInEachWindow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after"); // the windows loaded afterwards
    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("selection: Enter configures")
        << "frmSelectController" << int(Qt::Key_Return) << none << "frmSpindex";
    QTest::newRow("selection: keypad Enter configures")
        << "frmSelectController" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "frmSpindex";
    QTest::newRow("selection: Escape leaves it open")
        << "frmSelectController" << int(Qt::Key_Escape) << none << "frmSelectController";
    QTest::newRow("about: Enter is OK") << "frmAbout" << int(Qt::Key_Return) << none << "frmSpindex";
    QTest::newRow("about: Escape closes") << "frmAbout" << int(Qt::Key_Escape) << none << "frmSpindex";
    QTest::newRow("report: Escape closes") << "frmLogicalDriveDisplay" << int(Qt::Key_Escape) << none << "frmSpindex";
    QTest::newRow("report: Ctrl+W closes") << "frmLogicalDriveDisplay" << int(Qt::Key_W) << ctrl << "frmSpindex";
    QTest::newRow("report: Enter does nothing")
        << "frmLogicalDriveDisplay" << int(Qt::Key_Return) << none << "frmSpindex frmLogicalDriveDisplay";
    QTest::newRow("graphic: Escape closes") << "frmGraphic" << int(Qt::Key_Escape) << none << "frmSpindex";
    QTest::newRow("graphic: Ctrl+W closes") << "frmGraphic" << int(Qt::Key_W) << ctrl << "frmSpindex";
    QTest::newRow("main window: Escape keeps it") << "frmSpindex" << int(Qt::Key_Escape) << none << "frmSpindex";
    QTest::newRow("main window: Ctrl+W keeps it") << "frmSpindex" << int(Qt::Key_W) << ctrl << "frmSpindex";
}

void DesktopTest::enterAndEscapeInEachWindow() {
    QFETCH(QString, window);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QWidget* target = nullptr;
    if (window == "frmSelectController") {
        start();
        QTest::keyClick(this->window("frmSplash"), Qt::Key_Space);
        target = this->window("frmSelectController");
        QVERIFY(QTest::qWaitForWindowActive(target));
        // The list has the focus, as it has when the window opens.
        QCOMPARE(target->focusWidget()->objectName(), QStringLiteral("cmbSelectCont"));
    } else {
        startMainWindow();
        target = window == "frmSpindex" ? this->window("frmSpindex") : open(window);
        QVERIFY(target);
    }
    press(target, key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(loaded(), after);
    // A window of the main window that closes gives the keyboard back to it.
    if (after == "frmSpindex")
        QTRY_COMPARE(QApplication::activeWindow(), this->window("frmSpindex"));
}

void DesktopTest::questionsThatThrowWorkAwayDefaultToNo_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("defaults"); // the default button and the Escape button
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("follows"); // the dialog the answer opens
    const auto row = [](const QString& name, const char* command, const char* question, int key) -> QTestData& {
        return QTest::newRow(qPrintable(name)) << command << question << key;
    };
    const char* const Switch = "This will clear all current logical drives!  Do you want to continue?";
    const char* const Save = "Save the changes to the new plan?";
    const int yesNo = QMessageBox::Yes | QMessageBox::No;
    const int yesNoCancel = yesNo | QMessageBox::Cancel;
    for (auto [key, name] : {std::pair{int(Qt::Key_Return), "Enter"}, std::pair{int(Qt::Key_Escape), "Escape"}}) {
        for (auto [command, what, question] : {std::tuple{"cmdClearOne", "delete", "Are You Sure?"},
                                               std::tuple{"cmdClearAll", "clear all", "Are you sure?"},
                                               std::tuple{"mnuController(2)", "controller switch", Switch}})
            row(QString("%1, %2").arg(what, name), command, question, key)
                << yesNo << "&No/&No" << int(QMessageBox::NoIcon) << "";
    }
    // Before a plan is opened, the changes are kept by default: Enter saves (the plan has no file
    // yet, so the save dialog asks for one), Escape goes back.
    row("open, Enter", "ctrlO", Save, Qt::Key_Return)
        << yesNoCancel << "&Yes/Cancel" << int(QMessageBox::Warning) << "QFileDialog";
    row("open, Escape", "ctrlO", Save, Qt::Key_Escape)
        << yesNoCancel << "&Yes/Cancel" << int(QMessageBox::Warning) << "";
}

// The question keeps its text and its buttons; the default and the Escape button keep the work, so
// that neither Enter nor Escape throws the sets away.
void DesktopTest::questionsThatThrowWorkAwayDefaultToNo() {
    QFETCH(QString, command);
    QFETCH(QString, question);
    QFETCH(int, key);
    QFETCH(QString, follows);
    startWithTypicalSet();
    QString defaults;
    dog->expect(question, QMessageBox::NoButton, answerWithKey(key, defaults));
    if (!follows.isEmpty())
        dog->expect(follows);
    if (command == "ctrlO")
        press(window("frmSpindex"), Qt::Key_O, Qt::ControlModifier);
    else if (command.startsWith("mnu"))
        main<QAction>(command)->trigger();
    else
        click(command);
    QCOMPARE(dog->problems(), QString());
    QCOMPARE(dog->messages().size(), size_t(1));
    QCOMPARE(dog->messages()[0].text, question);
    QCOMPARE(dog->messages()[0].title, QStringLiteral("Spindex"));
    QTEST(int(dog->messages()[0].buttons), "buttons");
    QTEST(int(dog->messages()[0].icon), "icon");
    QTEST(defaults, "defaults");
    // Nothing was thrown away.
    QCOMPARE(program().ControllerType, 6);
    QCOMPARE(main<QLineEdit>("Text1(0)")->text(), QStringLiteral("5"));
    QCOMPARE(main<QLineEdit>("txtSumTotals(0)")->text(), QStringLiteral("12"));
}

// Result boxes show values: the window's background instead of an edit field's, no Tab stop, but
// a click selects their text and Ctrl+C copies it. The one box a user types in looks like one.
void DesktopTest::resultBoxesAndTabPicturesShowTheModel() {
    startWithTypicalSet();
    QTest::mouseClick(main<QRadioButton>("optGlobHotSpr(0)"), Qt::LeftButton);
    int values = 0;
    for (QLineEdit* box : window("frmSpindex")->findChildren<QLineEdit*>()) {
        const QPalette& palette = box->palette();
        const bool sameAsWindow = palette.color(QPalette::Base) == palette.color(QPalette::Window);
        if (box->objectName() == "Text2") {
            QVERIFY(!box->isReadOnly());
            QCOMPARE(box->focusPolicy(), Qt::StrongFocus);
            QVERIFY2(!sameAsWindow, "the global spare count must look editable");
            continue;
        }
        ++values;
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
        QVERIFY2(box->focusPolicy() == Qt::ClickFocus, qPrintable(box->objectName()));
        QVERIFY2(sameAsWindow, qPrintable(box->objectName() + " looks like an input"));
    }
    // The slot total, four totals, three calculator results, five fields and two spare fields a tab.
    QCOMPARE(values, 1 + 4 + 3 + 8 * (5 + 2));

    auto* capacity = main<QLineEdit>("TxtTotalCap");
    QTest::mouseClick(capacity, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), capacity);
    QTest::keyClick(capacity, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(capacity, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("400.4"));
    // Typing changes nothing in a value.
    QTest::keyClicks(capacity, "9");
    QCOMPARE(capacity->text(), QStringLiteral("400.4"));

    // A tab holding a set shows a drive in the set's colour; an empty tab shows none; a tab held back
    // for a spanned set is greyed. The pictures follow the plan: a controller switch clears them.
    addSet("1", "2", "18.2");
    auto* tabs = main<QTabWidget>("SSTab1");
    const auto picture = [tabs](int tab) { return tabs->tabIcon(tab).pixmap(QSize(16, 16), 1.0).toImage(); };
    const QImage first = picture(0), none = picture(7);
    QVERIFY(first != none && picture(1) != none && first != picture(1));
    for (int t = 2; t < 7; ++t)
        QCOMPARE(picture(t), none);
    // Every tab keeps its width whether it holds a set or not.
    QCOMPARE(tabs->tabBar()->tabRect(0).width(), tabs->tabBar()->tabRect(2).width());

    // On the Heron, RAID 50 over two spans holds tab 7 back for its second span: that tab is greyed.
    dog->expect("This will clear all current logical drives!", QMessageBox::Yes);
    main<QAction>("mnuController(4)")->trigger();
    QCOMPARE(picture(0), none);
    pick(main<QComboBox>("cmbRaidLevel"), "50");
    pick(main<QComboBox>("cmbNumSpans"), "2");
    click("cmdAddLogicals");
    QCOMPARE(picture(0), first);
    QVERIFY(!tabs->isTabEnabled(7));
    QVERIFY(tabs->isTabEnabled(6));
}

// ---- State you can see -----------------------------------------------------------------------

void DesktopTest::everyInputHasATipAndEveryUncaptionedControlAName_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << "frmSpindex";
    QTest::newRow("selection window") << "frmSelectController";
    QTest::newRow("about box") << "frmAbout";
    QTest::newRow("graphic") << "frmGraphic";
}

// Every control a user acts on explains itself in a tooltip; every control without a caption of
// its own has a name that assistive tools read out; the graphic's slots name their sets.
void DesktopTest::everyInputHasATipAndEveryUncaptionedControlAName() {
    QFETCH(QString, window);
    if (window == "frmSelectController") {
        start();
        QTest::keyClick(this->window("frmSplash"), Qt::Key_Space);
    } else {
        startWithTypicalSet();
        if (window == "frmGraphic")
            addSet("1", "2", "18.2");
        QVERIFY(window == "frmSpindex" || open(window));
    }
    spindex::ui::FormWindow* shown = this->window(window.toUtf8().constData());
    QVERIFY(shown);
    int inputs = 0;
    for (const spindex::Control* control : shown->form()->controls()) {
        auto* widget = shown->findChild<QWidget*>(QString::fromStdString(control->name));
        // Menus and drawn shapes have no widget; the graphic's unused slots are hidden.
        if (!widget || (qobject_cast<SlotIcon*>(widget) && !widget->isVisible()))
            continue;
        auto* tabs = qobject_cast<QTabWidget*>(widget);
        QWidget* input = tabs ? tabs->tabBar() : widget;
        auto* box = qobject_cast<QLineEdit*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const bool acts = button || tabs || qobject_cast<QComboBox*>(widget) || (box && !box->isReadOnly()) ||
                          qobject_cast<SlotIcon*>(widget);
        const bool captioned = (button && !button->text().isEmpty()) || qobject_cast<QLabel*>(widget) ||
                               qobject_cast<QGroupBox*>(widget) || tabs;
        inputs += acts;
        QVERIFY2(!acts || !input->toolTip().isEmpty(),
                 qPrintable(QString::fromStdString(control->name + " has no tooltip")));
        QVERIFY2(captioned || !(acts || box) || !widget->accessibleName().isEmpty(),
                 qPrintable(QString::fromStdString(control->name + " has no accessible name")));
    }
    QVERIFY(inputs > 0);
    if (window == "frmSpindex") {
        // 41 option buttons, 6 buttons, 4 channel boxes, 10 lists, the tab bar, the spare count.
        QCOMPARE(inputs, 41 + 6 + 4 + 10 + 1 + 1);
        // The channel rows are named by their number; boxes with a label beside them by the label.
        QStringList names;
        for (const char* name : {"ckChanUsed(3)", "cmbStorageSel(1)", "cmbRaidLevel", "Text1(6)", "Text2"})
            names << main(name)->accessibleName();
        QCOMPARE(names.join(", "),
                 QStringLiteral("Channel 4 used, Channel 2 storage, RAID Level, Number of Drives, No. Spares"));
        QCOMPARE(main("cmbNumSpans")->toolTip(), QStringLiteral("Select the number of RAID spans"));
        QCOMPARE(main<QLabel>("Label2")->buddy(), main("cmbRaidLevel"));
    }
    if (window == "frmSelectController")
        QCOMPARE(find("frmSelectController", "cmbSelectCont")->accessibleName(), QStringLiteral("Select Controller"));
    if (window == "frmGraphic") {
        // Each drive icon says which logical drive and set it belongs to, also after a swap moved it;
        // a free slot says so.
        auto* graphic = static_cast<GraphicWindow*>(shown);
        QCOMPARE(graphic->slotIcon(0)->toolTip(), QStringLiteral("Logical Drive 0: RAID 5, 36.4 GB"));
        QCOMPARE(graphic->slotIcon(12)->toolTip(), QStringLiteral("Logical Drive 1: RAID 1, 18.2 GB"));
        QCOMPARE(graphic->slotIcon(14)->toolTip(), QStringLiteral("Empty slot"));
        QCOMPARE(graphic->slotIcon(47)->accessibleName(), QStringLiteral("Empty slot"));
        graphic->dropSlot(12, 47);
        QCOMPARE(graphic->slotIcon(47)->toolTip(), QStringLiteral("Logical Drive 1: RAID 1, 18.2 GB"));
        QCOMPARE(graphic->slotIcon(12)->toolTip(), QStringLiteral("Empty slot"));
    }
}

// ---- Menus -----------------------------------------------------------------------------------

void DesktopTest::rulesAreOneExclusiveGroup() {
    startMainWindow();
    QActionGroup* group = main<QAction>("mnuRules(0)")->actionGroup();
    QVERIFY(group && group->isExclusive());
    const auto marks = [group] {
        QString marks;
        for (QAction* item : group->actions())
            marks += item->isCheckable() ? (item->isChecked() ? 'x' : '-') : '?';
        return marks;
    };
    QCOMPARE(marks(), QStringLiteral("x---"));
    main<QAction>("mnuRules(3)")->trigger();
    QCOMPARE(marks(), QStringLiteral("---x"));
    // The chosen item stays chosen when it is chosen again.
    main<QAction>("mnuRules(3)")->trigger();
    QCOMPARE(marks(), QStringLiteral("---x"));
    QCOMPARE(main<QLabel>("lblRule")->text(), QStringLiteral("Microsoft Cluster Server Rules"));
}

// Without a printer the page set-up still works for PDF output, says nothing on standard error, and
// the page it sets up is the page of the next printout, which Ctrl+P starts: the report, drawn on
// the printer as text in its fonts.
void DesktopTest::printerSetupWithoutPrinterSetsUpThePdfPage() {
    startWithTypicalSet();
    // Qt's own complaint about a printer that is not a native one is no news to the user.
    QTest::failOnWarning(QRegularExpression("QPageSetupDialog"));
    bool landscapeOffered = false;
    dog->expect("QPageSetupDialog", QMessageBox::NoButton, [&](QDialog& dialog) {
        auto* landscape = dialog.findChild<QRadioButton*>("landscape");
        landscapeOffered = landscape && landscape->isEnabled();
        if (landscape)
            landscape->click();
        dialog.accept();
    });
    main<QAction>("mnuPrintSetup")->trigger();
    QVERIFY(landscapeOffered);

    QTemporaryDir folder;
    QPageLayout::Orientation printed = QPageLayout::Portrait;
    dog->expect("QPrintDialog", QMessageBox::NoButton, [&](QDialog& dialog) {
        QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
        printed = printer->pageLayout().orientation();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(folder.filePath("report.pdf"));
        // Accepted as it stands: accept() would first take the printer back from the dialog's fields.
        dialog.done(QDialog::Accepted);
    });
    QTRY_COMPARE(QApplication::activeWindow(), window("frmSpindex"));
    press(window("frmSpindex"), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(dog->problems(), QString());
    QCOMPARE(printed, QPageLayout::Landscape);
    QFile pdf(folder.filePath("report.pdf"));
    QVERIFY2(pdf.open(QIODevice::ReadOnly), "the report was not printed");
    const QByteArray content = pdf.readAll();
    QVERIFY(content.startsWith("%PDF"));
    // The report is on the page as text in a font; an empty page has none.
    QVERIFY(content.contains("/FontDescriptor"));
}

// ---- Windows ---------------------------------------------------------------------------------

// The splash is a splash screen; the selection window and the about box are dialogs, the about box
// the main window's; the report and the graphic are windows of the main window.
void DesktopTest::windowsOfTheRightKind() {
    start();
    QCOMPARE(window("frmSplash")->windowType(), Qt::SplashScreen);
    QCOMPARE(window("frmSelectController")->windowType(), Qt::Dialog);
    QCOMPARE(window("frmSelectController")->parentWidget(), nullptr);
    QTest::keyClick(window("frmSplash"), Qt::Key_Space);
    QTest::keyClick(window("frmSelectController"), Qt::Key_Return);
    QVERIFY(QTest::qWaitForWindowActive(window("frmSpindex")));
    QWidget* mainWindow = window("frmSpindex");
    QCOMPARE(mainWindow->windowType(), Qt::Window);
    QCOMPARE(mainWindow->parentWidget(), nullptr);
    for (const char* form : {"frmLogicalDriveDisplay", "frmGraphic", "frmAbout"}) {
        QWidget* opened = open(form);
        QVERIFY2(opened, form);
        QCOMPARE(opened->parentWidget(), mainWindow);
        QCOMPARE(opened->windowType(), QString(form) == "frmAbout" ? Qt::Dialog : Qt::Window);
        QVERIFY(opened->isWindow());
    }
}

void DesktopTest::lastWindowEndsTheProgram_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("endsAfter"); // the step after which the program has ended, counted from 1
    const auto row = [](const char* name, const char* steps, int endsAfter) {
        QTest::newRow(name) << QString(steps).split(' ') << endsAfter;
    };
    row("selection window closed", "splashKey close:frmSelectController", 2);
    row("selection window closed while the splash shows", "close:frmSelectController splashKey", 2);
    row("main window closed with the report and the about box open",
        "splashKey configure open:frmLogicalDriveDisplay open:frmAbout close:frmSpindex", 5);
    row("report closed, then the main window",
        "splashKey configure open:frmLogicalDriveDisplay close:frmLogicalDriveDisplay close:frmSpindex", 5);
    row("report open, then Ctrl+Q in it", "splashKey configure open:frmLogicalDriveDisplay ctrlQ", 4);
    row("report and graphic open, then Ctrl+Q in the graphic",
        "splashKey configure open:frmLogicalDriveDisplay open:frmGraphic ctrlQ", 5);
}

// However the windows are closed, the program ends with its last window, once, and leaves no
// window behind. Ctrl+Q is Exit from whichever window has the keyboard.
void DesktopTest::lastWindowEndsTheProgram() {
    QFETCH(QStringList, steps);
    QFETCH(int, endsAfter);
    start();
    QSignalSpy ended(session.get(), &spindex::ui::Session::ended);
    for (int i = 0; i < steps.size(); ++i) {
        const QString step = steps[i];
        if (step == "splashKey") {
            QTest::keyClick(window("frmSplash"), Qt::Key_Space);
        } else if (step == "configure") {
            QTest::keyClick(window("frmSelectController"), Qt::Key_Return);
            QVERIFY(QTest::qWaitForWindowActive(window("frmSpindex")));
        } else if (step.startsWith("open:")) {
            QVERIFY(open(step.mid(5)));
        } else if (step.startsWith("close:")) {
            QWidget* closing = window(step.mid(6).toUtf8().constData());
            QVERIFY2(closing, qPrintable(step));
            closing->close(); // the window frame's close box
        } else if (step == "ctrlQ") {
            press(QApplication::activeWindow(), Qt::Key_Q, Qt::ControlModifier);
        }
        QCOMPARE(ended.count(), i + 1 >= endsAfter ? 1 : 0);
    }
    QVERIFY(program().ended());
    QVERIFY(program().loadedForms().empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<spindex::ui::FormWindow*>(top), qPrintable(top->objectName()));
}

// The graphic is unloaded while its own print dialog is up (a nested event loop inside the
// window's code). The window lets go of the gone model window at once but lives on until the
// dialog is over; then nothing is printed of it, and it goes.
void DesktopTest::windowUnloadedWhileItsPrintDialogIsUp() {
    startWithTypicalSet();
    QPointer<QWidget> graphic = open("frmGraphic");
    QVERIFY(graphic);
    QTemporaryDir folder;
    const QString pdf = folder.filePath("graphic.pdf");
    bool keptDuringTheDialog = false;
    dog->expect("QPrintDialog", QMessageBox::NoButton, [&](QDialog& dialog) {
        // An action on the main window takes the focus there, which closes the graphic.
        session->act(*program().frmSpindex(), [] {});
        QVERIFY(!program().frmGraphic());
        // The event loop runs on while the dialog is up, deleted objects included.
        QTest::qWait(20);
        keptDuringTheDialog = graphic && !graphic->isVisible();
        QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        dialog.done(QDialog::Accepted); // with the file set here, as above
    });
    find<QAction>("frmGraphic", "mnuPrintGraphics")->trigger();
    QCOMPARE(dog->problems(), QString());
    QVERIFY(keptDuringTheDialog);
    QVERIFY(!program().frmGraphic());
    QVERIFY2(!QFile::exists(pdf), "a window that is gone was printed");
    QTRY_VERIFY(!graphic);
    QVERIFY(window("frmSpindex")->isVisible());
}

QTEST_MAIN(DesktopTest)
#include "desktoptest.moc"
