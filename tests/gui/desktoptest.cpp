// The program as a desktop user meets it, rule by rule: the keyboard (Enter, Escape, Ctrl+W, the
// menu shortcuts, the Tab chain, read-only boxes), the questions that throw work away, what the
// widgets show without being opened (tab pictures, tooltips, names for assistive tools, the
// graphic's slots), the menus, the kinds of window and their owners, the end of the program in
// every close order, the report's text, and windows that never refer to a model window that is gone.

#include <QAbstractButton>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

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

// The key goes where the keyboard sends it: to the window's focused widget, and up from there.
void press(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key(key), modifiers);
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
    void theQuestionBeforeDiscardingDefaultsToSaving();
    void menuShortcuts();
    void tabFollowsTheReadingOrder();
    void readOnlyBoxesAreValuesNotStops();

    // State you can see
    void tabsShowTheirSets();
    void everyInputHasATipAndEveryUncaptionedControlAName_data();
    void everyInputHasATipAndEveryUncaptionedControlAName();
    void graphicSlotsNameTheirSet();

    // Menus
    void rulesAreOneExclusiveGroup();
    void printerSetupWithoutPrinterSetsUpThePdfPage();

    // Windows
    void windowsOfTheRightKind();
    void lastWindowEndsTheProgram_data();
    void lastWindowEndsTheProgram();
    void windowUnloadedWhileItsPrintDialogIsUp();

    // The report
    void reportTextSelectsAndCopies();

private:
    // Osprey with one set of twelve 36.4 GB low-profile drives at RAID 5 on tab 0.
    void startWithTypicalSet();
    // A set added from the calculator, as its lists and button would add it.
    void addSet(const std::string& level, const std::string& drives, const std::string& size);
    QWidget* openWindow(const QString& which);
};

void DesktopTest::startWithTypicalSet() {
    startMainWindow();
    addSet("5", "12", "36.4");
    QCOMPARE(main<QLineEdit>("Text1(4)")->text(), QStringLiteral("400.4"));
}

void DesktopTest::addSet(const std::string& level, const std::string& drives, const std::string& size) {
    spindex::MainForm& m = *program().frmSpindex();
    session->act(m, [&m, level, drives, size] {
        m.cmbRaidLevel.userPick(m.cmbRaidLevel.indexOf(level));
        m.cmbMaxDrives.userPick(m.cmbMaxDrives.indexOf(drives));
        m.cmbDriveSize.userPick(m.cmbDriveSize.indexOf(size));
        m.cmdAddLogicals.userClick();
    });
}

QWidget* DesktopTest::openWindow(const QString& which) {
    if (which == "frmAbout")
        main<QAction>("mnuAbout")->trigger();
    else if (which == "frmLogicalDriveDisplay")
        click("cmdDataReport");
    else if (which == "frmGraphic")
        click("cmdDisplayGraphic");
    QWidget* opened = window(which.toUtf8().constData());
    // A window of the main window counts as active with it; the keyboard is its own only once the
    // application's active window is it.
    if (!opened || !QTest::qWaitFor([opened] { return QApplication::activeWindow() == opened; }))
        return nullptr;
    return opened;
}

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
        target = window == "frmSpindex" ? this->window("frmSpindex") : openWindow(window);
        QVERIFY(target);
    }
    press(target, key, Qt::KeyboardModifiers(modifiers));
    QStringList loaded;
    for (const spindex::Form* form : program().loadedForms())
        loaded << QString::fromStdString(form->name);
    QCOMPARE(loaded.join(' '), after);
    // A window of the main window that closes gives the keyboard back to it.
    if (after == "frmSpindex")
        QTRY_COMPARE(QApplication::activeWindow(), this->window("frmSpindex"));
}

void DesktopTest::questionsThatThrowWorkAwayDefaultToNo_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("key");
    const char* const Switch = "This will clear all current logical drives!  Do you want to continue?";
    for (auto [key, name] : {std::pair{int(Qt::Key_Return), "Enter"}, std::pair{int(Qt::Key_Escape), "Escape"}}) {
        QTest::addRow("delete, %s", name) << "cmdClearOne"
                                          << "Are You Sure?" << key;
        QTest::addRow("clear all, %s", name) << "cmdClearAll"
                                             << "Are you sure?" << key;
        QTest::addRow("controller switch, %s", name) << "mnuController(2)" << Switch << key;
    }
}

// The question keeps its text and its Yes and No; No is the default and the Escape button, so that
// neither Enter nor Escape throws the sets away.
void DesktopTest::questionsThatThrowWorkAwayDefaultToNo() {
    QFETCH(QString, command);
    QFETCH(QString, question);
    QFETCH(int, key);
    startWithTypicalSet();
    QString defaultButton, escapeButton;
    dog->expect(question, QMessageBox::NoButton, [&](QDialog& dialog) {
        auto& box = static_cast<QMessageBox&>(dialog);
        defaultButton = box.defaultButton() ? box.defaultButton()->text() : QString();
        escapeButton = box.escapeButton() ? box.escapeButton()->text() : QString();
        QTest::keyClick(&box, Qt::Key(key));
    });
    if (command.startsWith("mnu"))
        main<QAction>(command)->trigger();
    else
        click(command);
    QCOMPARE(dog->messages().size(), size_t(1));
    QCOMPARE(dog->messages()[0].text, question);
    QCOMPARE(dog->messages()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(defaultButton, QStringLiteral("&No"));
    QCOMPARE(escapeButton, QStringLiteral("&No"));
    // Nothing was thrown away.
    QCOMPARE(program().ControllerType, 6);
    QCOMPARE(main<QLineEdit>("Text1(0)")->text(), QStringLiteral("5"));
    QCOMPARE(main<QLineEdit>("txtSumTotals(0)")->text(), QStringLiteral("12"));
}

// "Save the changes?" keeps the work by default: Enter saves, Escape goes back and changes nothing.
void DesktopTest::theQuestionBeforeDiscardingDefaultsToSaving() {
    startWithTypicalSet();
    QString defaultButton, escapeButton;
    const auto answer = [&](int key) {
        return [&, key](QDialog& dialog) {
            auto& box = static_cast<QMessageBox&>(dialog);
            defaultButton = box.defaultButton() ? box.defaultButton()->text() : QString();
            escapeButton = box.escapeButton() ? box.escapeButton()->text() : QString();
            QTest::keyClick(&box, Qt::Key(key));
        };
    };
    dog->expect("Save the changes to the new plan?", QMessageBox::NoButton, answer(Qt::Key_Escape));
    press(window("frmSpindex"), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(dog->messages().size(), size_t(1));
    QCOMPARE(dog->messages()[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(defaultButton, QStringLiteral("&Yes"));
    QCOMPARE(escapeButton, QStringLiteral("Cancel"));
    QCOMPARE(dog->problems(), QString()); // no open dialog followed

    // Enter saves: the plan has no file yet, so the save dialog asks for one.
    QTRY_COMPARE(QApplication::activeWindow(), window("frmSpindex"));
    dog->expect("Save the changes to the new plan?", QMessageBox::NoButton, answer(Qt::Key_Return));
    dog->expect("QFileDialog");
    press(window("frmSpindex"), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(dog->problems(), QString());
    QCOMPARE(main<QLineEdit>("Text1(0)")->text(), QStringLiteral("5"));
}

void DesktopTest::menuShortcuts() {
    startWithTypicalSet();
    QCOMPARE(main<QAction>("mnuPrint")->shortcut(), QKeySequence("Ctrl+P"));
    QCOMPARE(main<QAction>("mnuClose")->shortcut(), QKeySequence("Ctrl+Q"));

    // Ctrl+P prints the configuration: the report opens and the print dialog asks.
    dog->expect("QPrintDialog");
    press(window("frmSpindex"), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(program().frmLogicalDriveDisplay());
    QCOMPARE(dog->problems(), QString());

    // Ctrl+Q is Exit, also from the report the printout left open.
    QVERIFY(QTest::qWaitForWindowActive(window("frmLogicalDriveDisplay")));
    QSignalSpy ended(session.get(), &spindex::ui::Session::ended);
    press(window("frmLogicalDriveDisplay"), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(ended.count(), 1);
    QVERIFY(program().loadedForms().empty());
}

// Tab walks the main window in reading order: the channel rows, the calculator from "RAID Level"
// down, the commands, the tab bar and the controls of the shown tab, the global hot spare. Hidden,
// disabled and read-only controls are passed over; after the last control Tab comes round again.
void DesktopTest::tabFollowsTheReadingOrder() {
    startMainWindow();
    const auto walk = [this] {
        QStringList visited;
        main<QCheckBox>("ckChanUsed(0)")->setFocus(Qt::TabFocusReason);
        for (int step = 0; step < 60; ++step) {
            QWidget* focused = QApplication::focusWidget();
            const QString name = focused ? focused->objectName() : QStringLiteral("(none)");
            if (step > 0 && name == QStringLiteral("ckChanUsed(0)"))
                break;
            visited << name;
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
    QTabBar* bar = main<QTabWidget>("SSTab1")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
    QCOMPARE(walk(), channels + " cmbRaidLevel cmbMaxDrives cmbNumSpans cmbDriveSize optDriveH(0) optDriveH(1) " +
                         commands +
                         " qt_tabwidget_tabbar optLogDriveH(6) optLogDriveH(7) optLocHotSpr(6) optLocHotSpr(7) "
                         "optGlobHotSpr(0) optGlobHotSpr(1) optGlobHotSpH(0) optGlobHotSpH(1) Text2 "
                         "cmbGlobalHotSpareSize");
}

// Result boxes show values: the window's background instead of an edit field's, no Tab stop, but
// a click selects their text and Ctrl+C copies it. The one box a user types in looks like one.
void DesktopTest::readOnlyBoxesAreValuesNotStops() {
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
}

// ---- State you can see -----------------------------------------------------------------------

// A tab holding a set shows a drive in the set's colour; an empty tab shows none. A delete moves
// the later sets down, and their pictures with them; a tab held back for a spanned set is greyed.
void DesktopTest::tabsShowTheirSets() {
    startWithTypicalSet();
    addSet("1", "2", "18.2");
    auto* tabs = main<QTabWidget>("SSTab1");
    const auto picture = [tabs](int tab) { return tabs->tabIcon(tab).pixmap(QSize(16, 16), 1.0).toImage(); };
    const QImage first = picture(0), none = picture(7);
    QVERIFY(first != none && picture(1) != none && first != picture(1));
    for (int t = 2; t < 7; ++t)
        QCOMPARE(picture(t), none);
    // Every tab keeps its width whether it holds a set or not.
    QCOMPARE(tabs->tabBar()->tabRect(0).width(), tabs->tabBar()->tabRect(2).width());

    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(0).center());
    dog->expect("Are You Sure?", QMessageBox::Yes);
    click("cmdClearOne");
    // The RAID 1 set is set 0 now, in set 0's colour as the graphic draws it.
    QCOMPARE(main<QLineEdit>("Text1(0)")->text(), QStringLiteral("1"));
    QCOMPARE(picture(0), first);
    QCOMPARE(picture(1), none);

    // On the Heron, RAID 50 over two spans holds tab 7 back for its second span: that tab is greyed.
    dog->expect("This will clear all current logical drives!", QMessageBox::Yes);
    main<QAction>("mnuController(4)")->trigger();
    QCOMPARE(picture(0), none);
    pick(main<QComboBox>("cmbRaidLevel"), "50");
    pick(main<QComboBox>("cmbNumSpans"), "2");
    click("cmdAddLogicals");
    QCOMPARE(main<QLineEdit>("Text1(0)")->text(), QStringLiteral("50"));
    QCOMPARE(picture(0), first);
    QVERIFY(!tabs->isTabEnabled(7));
    QVERIFY(tabs->isTabEnabled(6));
}

void DesktopTest::everyInputHasATipAndEveryUncaptionedControlAName_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << "frmSpindex";
    QTest::newRow("selection window") << "frmSelectController";
    QTest::newRow("about box") << "frmAbout";
    QTest::newRow("graphic") << "frmGraphic";
}

// Every control a user acts on explains itself in a tooltip; every control without a caption of
// its own has a name that assistive tools read out.
void DesktopTest::everyInputHasATipAndEveryUncaptionedControlAName() {
    QFETCH(QString, window);
    if (window == "frmSelectController") {
        start();
        QTest::keyClick(this->window("frmSplash"), Qt::Key_Space);
    } else {
        startWithTypicalSet();
        QVERIFY(window == "frmSpindex" || openWindow(window));
    }
    spindex::ui::FormWindow* shown = this->window(window.toUtf8().constData());
    QVERIFY(shown);
    int inputs = 0, uncaptioned = 0;
    for (const spindex::Control* control : shown->form()->controls()) {
        auto* widget = shown->findChild<QWidget*>(QString::fromStdString(control->name));
        if (!widget)
            continue; // menus and drawn shapes
        auto* tabs = qobject_cast<QTabWidget*>(widget);
        QWidget* input = tabs ? tabs->tabBar() : widget;
        auto* box = qobject_cast<QLineEdit*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const bool acts = button || tabs || qobject_cast<QComboBox*>(widget) || (box && !box->isReadOnly()) ||
                          qobject_cast<SlotIcon*>(widget);
        const bool captioned = (button && !button->text().isEmpty()) || qobject_cast<QLabel*>(widget) ||
                               qobject_cast<QGroupBox*>(widget) || tabs;
        if (acts) {
            ++inputs;
            if (qobject_cast<SlotIcon*>(widget) && !widget->isVisible())
                continue;
            QVERIFY2(!input->toolTip().isEmpty(),
                     qPrintable(QString::fromStdString(control->name + " has no tooltip")));
        }
        if (!captioned && (acts || box)) {
            ++uncaptioned;
            if (qobject_cast<SlotIcon*>(widget) && !widget->isVisible())
                continue;
            QVERIFY2(!widget->accessibleName().isEmpty(),
                     qPrintable(QString::fromStdString(control->name + " has no accessible name")));
        }
    }
    QVERIFY(inputs > 0);
    if (window == "frmSpindex") {
        // 41 option buttons, 6 buttons, 4 channel boxes, 10 lists, the tab bar, the spare count.
        QCOMPARE(inputs, 41 + 6 + 4 + 10 + 1 + 1);
        QCOMPARE(main("ckChanUsed(0)")->accessibleName(), QStringLiteral("Channel 1 used"));
        QCOMPARE(main("ckChanUsed(3)")->accessibleName(), QStringLiteral("Channel 4 used"));
        QCOMPARE(main("cmbStorageSel(1)")->accessibleName(), QStringLiteral("Channel 2 storage"));
        // Boxes with a label beside them are named by it.
        QCOMPARE(main("cmbRaidLevel")->accessibleName(), QStringLiteral("RAID Level"));
        QCOMPARE(main("Text1(6)")->accessibleName(), QStringLiteral("Number of Drives"));
        QCOMPARE(main("txtSumTotals(1)")->accessibleName(), QStringLiteral("GigaBytes Total Usable Drive Space"));
        QCOMPARE(main("Text2")->accessibleName(), QStringLiteral("No. Spares"));
        QCOMPARE(main("cmbNumSpans")->toolTip(), QStringLiteral("Select the number of RAID spans"));
        QCOMPARE(main<QLabel>("Label2")->buddy(), main("cmbRaidLevel"));
    }
    if (window == "frmSelectController")
        QCOMPARE(find("frmSelectController", "cmbSelectCont")->accessibleName(), QStringLiteral("Select Controller"));
}

// Each drive icon says which logical drive and set it belongs to, also after a swap moved it; a
// free slot says so.
void DesktopTest::graphicSlotsNameTheirSet() {
    startWithTypicalSet();
    addSet("1", "2", "18.2");
    auto* graphic = qobject_cast<GraphicWindow*>(openWindow("frmGraphic"));
    QVERIFY(graphic);
    QCOMPARE(graphic->slotIcon(0)->toolTip(), QStringLiteral("Logical Drive 0: RAID 5, 36.4 GB"));
    QCOMPARE(graphic->slotIcon(11)->toolTip(), QStringLiteral("Logical Drive 0: RAID 5, 36.4 GB"));
    QCOMPARE(graphic->slotIcon(12)->toolTip(), QStringLiteral("Logical Drive 1: RAID 1, 18.2 GB"));
    QCOMPARE(graphic->slotIcon(13)->toolTip(), QStringLiteral("Logical Drive 1: RAID 1, 18.2 GB"));
    QCOMPARE(graphic->slotIcon(14)->toolTip(), QStringLiteral("Empty slot"));
    QCOMPARE(graphic->slotIcon(47)->accessibleName(), QStringLiteral("Empty slot"));

    graphic->dropSlot(12, 47);
    QCOMPARE(graphic->slotIcon(47)->toolTip(), QStringLiteral("Logical Drive 1: RAID 1, 18.2 GB"));
    QCOMPARE(graphic->slotIcon(12)->toolTip(), QStringLiteral("Empty slot"));
}

// ---- Menus -----------------------------------------------------------------------------------

void DesktopTest::rulesAreOneExclusiveGroup() {
    startMainWindow();
    QActionGroup* group = main<QAction>("mnuRules(0)")->actionGroup();
    QVERIFY(group);
    QVERIFY(group->isExclusive());
    QCOMPARE(group->actions().size(), 4);
    for (int i = 0; i < 4; ++i) {
        auto* item = main<QAction>(QStringLiteral("mnuRules(%1)").arg(i));
        QCOMPARE(item->actionGroup(), group);
        QVERIFY(item->isCheckable());
        QCOMPARE(item->isChecked(), i == 0);
    }
    main<QAction>("mnuRules(1)")->trigger();
    QCOMPARE(group->checkedAction(), main<QAction>("mnuRules(1)"));
    QCOMPARE(main<QLabel>("lblRule")->text(), QStringLiteral("Marathon Rules"));
    // The chosen item stays chosen when it is chosen again.
    main<QAction>("mnuRules(1)")->trigger();
    QVERIFY(main<QAction>("mnuRules(1)")->isChecked());
    main<QAction>("mnuRules(3)")->trigger();
    QStringList marks;
    for (QAction* item : group->actions())
        marks << (item->isChecked() ? "x" : "-");
    QCOMPARE(marks.join(""), QStringLiteral("---x"));
    QCOMPARE(main<QLabel>("lblRule")->text(), QStringLiteral("Microsoft Cluster Server Rules"));
}

// Without a printer the page set-up still works for PDF output, says nothing on standard error, and
// the page it sets up is the page of the next printout.
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

    QPageLayout::Orientation printed = QPageLayout::Portrait;
    dog->expect("QPrintDialog", QMessageBox::NoButton, [&](QDialog& dialog) {
        printed = static_cast<QPrintDialog&>(dialog).printer()->pageLayout().orientation();
        dialog.reject();
    });
    main<QAction>("mnuPrint")->trigger();
    QCOMPARE(printed, QPageLayout::Landscape);
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
        QWidget* opened = openWindow(form);
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
    row("main window closed", "splashKey configure close:frmSpindex", 3);
    row("main window closed with the report and the about box open",
        "splashKey configure open:frmLogicalDriveDisplay open:frmAbout close:frmSpindex", 5);
    row("report closed, then the main window",
        "splashKey configure open:frmLogicalDriveDisplay close:frmLogicalDriveDisplay close:frmSpindex", 5);
    row("graphic open, then Ctrl+Q", "splashKey configure open:frmGraphic ctrlQ", 4);
    row("report open, then Ctrl+Q", "splashKey configure open:frmLogicalDriveDisplay ctrlQ", 4);
}

// However the windows are closed, the program ends with its last window, once, and leaves no
// window behind.
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
            QVERIFY(openWindow(step.mid(5)));
        } else if (step.startsWith("close:")) {
            QWidget* closing = window(step.mid(6).toUtf8().constData());
            QVERIFY2(closing, qPrintable(step));
            closing->close(); // the window frame's close box
        } else if (step == "ctrlQ") {
            press(window("frmSpindex"), Qt::Key_Q, Qt::ControlModifier);
        }
        QCOMPARE(ended.count(), i + 1 >= endsAfter ? 1 : 0);
    }
    QVERIFY(program().ended());
    QVERIFY(program().loadedForms().empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<spindex::ui::FormWindow*>(top) || !top->isVisible(), qPrintable(top->objectName()));
}

// The graphic is unloaded while its own print dialog is up (a nested event loop inside the
// window's code). The window lets go of the gone model window at once but lives on until the
// dialog is over; then nothing is printed of it, and it goes.
void DesktopTest::windowUnloadedWhileItsPrintDialogIsUp() {
    startWithTypicalSet();
    QPointer<QWidget> graphic = openWindow("frmGraphic");
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
        dialog.accept();
    });
    find<QAction>("frmGraphic", "mnuPrintGraphics")->trigger();
    QCOMPARE(dog->problems(), QString());
    QVERIFY(keptDuringTheDialog);
    QVERIFY(!program().frmGraphic());
    QVERIFY2(!QFile::exists(pdf), "a window that is gone was printed");
    QTRY_VERIFY(!graphic);
    QVERIFY(window("frmSpindex")->isVisible());
}

// ---- The report ------------------------------------------------------------------------------

// Each line is text a user can select; Ctrl+C copies the selected piece, or else the whole report as
// the text export writes its lines.
void DesktopTest::reportTextSelectsAndCopies() {
    startWithTypicalSet();
    auto* report = qobject_cast<ReportWindow*>(openWindow("frmLogicalDriveDisplay"));
    QVERIFY(report);

    QApplication::clipboard()->clear();
    press(report, Qt::Key_C, Qt::ControlModifier);
    const QString whole = "             Total Number of Drives       12\n"
                          " GigaBytes Total Usable Drive Space    400.4\n"
                          "            Number of Channels Used        4\n"
                          "Total Number Low Profile Drive Slot       12\n"
                          "\n\n\n"
                          "Logical Drive 0\n"
                          "        Raid Level      5\n"
                          "  Number of Drives     12\n"
                          "   Number of Spans      1\n"
                          "    Drive Capacity   36.4\n"
                          "    Total Capacity  400.4\n"
                          "      Drive Height    Low Profile\n"
                          "\n";
    QCOMPARE(QApplication::clipboard()->text(), whole);

    QList<QLabel*> lines = report->findChildren<QLabel*>("ReportLine");
    QCOMPARE(lines.size(), 13);
    QLabel* heading = nullptr;
    for (QLabel* line : lines) {
        QVERIFY(line->textInteractionFlags() & Qt::TextSelectableByMouse);
        if (line->text() == "  Logical Drive   0    ")
            heading = line;
    }
    QVERIFY(heading);
    QVERIFY(heading->font().bold());
    heading->setFocus(Qt::MouseFocusReason);
    heading->setSelection(2, 13);
    press(report, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Logical Drive"));
}

QTEST_MAIN(DesktopTest)
#include "desktoptest.moc"
