// The main window as the user first sees it: every control of the model has its widget under its
// name, with its caption, and the hidden ones are hidden; the tabs follow the model.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "guitest.h"
#include "mainform.h"
#include "program.h"

namespace {
// The text a user reads on a widget, whatever its kind.
QString shownText(QObject* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return box->text();
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return list->currentText();
    return QStringLiteral("<%1>").arg(QString::fromUtf8(widget->metaObject()->className()));
}
} // namespace

class MainWindowTest : public GuiTest {
    Q_OBJECT
private slots:
    void everyControlHasOneWidget();
    void captionsAtLoad_data();
    void captionsAtLoad();
    void hiddenControlsAtLoad_data();
    void hiddenControlsAtLoad();
    void lockedBoxesAreReadOnly();
    void globalSpareCountTypedInItsBox();
    void tabsFollowTheModel();
    void reservedTabsCannotBeChosen();
    void fitsSmallScreens();
};

void MainWindowTest::everyControlHasOneWidget() {
    startMainWindow();
    spindex::ui::FormWindow* main = window("frmSpindex");
    for (const spindex::Control* control : mainForm().controls()) {
        const QString name = QString::fromStdString(control->name);
        const QList<QObject*> found = main->findChildren<QObject*>(name);
        QVERIFY2(found.size() == 1,
                 qPrintable(QStringLiteral("%1 has %2 widgets").arg(name).arg(found.size())));
    }
}

void MainWindowTest::captionsAtLoad_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    const std::initializer_list<std::pair<const char*, const char*>> rows{
        {"Frame5", "RAID Channel Connected"},
        {"lblDispalyMaxDrives", "Maximum drives available for storage selected"},
        {"Label11(0)", "Total Number of Drives"},
        {"Label11(1)", "GigaBytes Total Usable Drive Space"},
        {"Label11(3)", "Total Number Low Profile Drive Slots Used"},
        {"txtSumTotals(0)", "0"},
        {"txtSumTotals(2)", "1"},
        {"Frame1", "RAID Capacity Calculator"},
        {"Label2", "RAID Level"},
        {"Label1", "Maximum Drives per RAID Set"},
        {"Label3", "Drive Size"},
        {"optDriveH(0)", "Half Height"},
        {"optDriveH(1)", "Low Profile"},
        {"Label6", "GigaBytes - Total Capacity"},
        {"Label13", "Total Drives for this configuration"},
        {"Option5(0)", "&Performance"},
        {"CmdCalc", "&Calculate"},
        {"cmdAddLogicals", "&Add to Next Available RAID Set"},
        {"cmdClearOne", "&Delete Current RAID Set"},
        {"cmdClearAll", "C&Lear all RAID Sets"},
        {"cmdDataReport", "Display/&Print all Logical Drives"},
        {"cmdDisplayGraphic", "Display Graphics"},
        {"Frame3", "Global Hot Spare"},
        {"optGlobHotSpr(0)", "Yes"},
        {"optGlobHotSpr(1)", "No"},
        {"optGlobHotSpH(0)", "Half Height"},
        {"Label9(0)", "No. Spares"},
        {"Text2", "0"},
        {"Label9(1)", "Drive Size"},
        {"Label8(35)", "Raid Level"},
        {"Label8(39)", "Total Capacity"},
        {"Frame2(7)", "Local Hot Spare"},
        {"optLocHotSpr(15)", "No"},
        {"Label9(17)", "Drive Size"},
        {"txtLocSpr(14)", "0"},
        {"optLogDriveH(14)", "Half Height"},
    };
    for (const auto& [control, text] : rows)
        QTest::newRow(control) << QString::fromUtf8(control) << QString::fromUtf8(text);
}

void MainWindowTest::captionsAtLoad() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    startMainWindow();
    QObject* widget = mainWidget<QObject>(control);
    QVERIFY(widget);
    QCOMPARE(shownText(widget), text);
}

void MainWindowTest::hiddenControlsAtLoad_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("shown");
    for (const char* hidden :
         {"txtSumTotals(2)", "Label11(2)", "Label4", "cmbNumRdSets", "Label12", "Option5(0)", "Option5(1)",
          "Option5(2)", "Label5", "TxtLogicalCap", "CmdCalc", "lblRule", "lblSpan", "cmbNumSpans"})
        QTest::newRow(hidden) << QString::fromUtf8(hidden) << false;
    for (const char* shown :
         {"txtSumTotals(3)", "Label11(0)", "cmbRaidLevel", "cmbMaxDrives", "cmbDriveSize", "frameDHCalc",
          "TxtTotalCap", "txtTotalDrives", "lblController", "SSTab1", "cmdDisplayGraphic", "Frame3", "Frame4",
          "cmbGlobalHotSpareSize", "ckChanUsed(3)"})
        QTest::newRow(shown) << QString::fromUtf8(shown) << true;
}

void MainWindowTest::hiddenControlsAtLoad() {
    QFETCH(QString, control);
    QFETCH(bool, shown);
    startMainWindow();
    auto* widget = mainWidget<QWidget>(control);
    QVERIFY(widget);
    QCOMPARE(widget->isVisible(), shown);
}

void MainWindowTest::lockedBoxesAreReadOnly() {
    startMainWindow();
    for (const char* locked :
         {"Text1(0)", "Text1(39)", "txtLocSpr(0)", "txtDisplayMaxDrives", "txtSumTotals(1)"})
        QVERIFY2(mainWidget<QLineEdit>(locked)->isReadOnly(), locked);
    // The global spare count is the one box the user types in.
    QVERIFY(!mainWidget<QLineEdit>("Text2")->isReadOnly());
}

// What the user types reaches the model at once, and the box then shows the count the model kept.
void MainWindowTest::globalSpareCountTypedInItsBox() {
    startMainWindow();
    auto* count = mainWidget<QLineEdit>("Text2");
    QVERIFY(!count->isEnabled());
    QTest::mouseClick(mainWidget<QAbstractButton>("optGlobHotSpr(0)"), Qt::LeftButton);
    QVERIFY(count->isEnabled());
    QCOMPARE(count->text(), QStringLiteral("1"));
    QCOMPARE(mainWidget<QComboBox>("cmbGlobalHotSpareSize")->currentText(), QStringLiteral("9.1"));
    QCOMPARE(mainWidget<QLineEdit>("txtSumTotals(0)")->text(), QStringLiteral("1"));

    count->setFocus();
    QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(count, QStringLiteral("7"));
    QCOMPARE(count->text(), QStringLiteral("4"));
    QCOMPARE(mainForm().Text2.text(), std::string("4"));
    QCOMPARE(mainWidget<QLineEdit>("txtSumTotals(0)")->text(), QStringLiteral("4"));

    QTest::mouseClick(mainWidget<QAbstractButton>("optGlobHotSpr(1)"), Qt::LeftButton);
    QCOMPARE(count->text(), QStringLiteral("0"));
    QVERIFY(!count->isEnabled());
    QCOMPARE(mainWidget<QComboBox>("cmbGlobalHotSpareSize")->currentIndex(), -1);
    QCOMPARE(mainWidget<QLineEdit>("txtSumTotals(0)")->text(), QStringLiteral("0"));
}

void MainWindowTest::tabsFollowTheModel() {
    startMainWindow();
    auto* tabs = mainWidget<QTabWidget>("SSTab1");
    QCOMPARE(tabs->count(), 8);
    for (int t = 0; t < 8; ++t)
        QCOMPARE(tabs->tabText(t), QStringLiteral("Logical Drive %1").arg(t));
    QCOMPARE(tabs->currentIndex(), 0);
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(5).center());
    QCOMPARE(mainForm().SSTab1.tab(), 5);
    QVERIFY(mainWidget<QLineEdit>("Text1(25)")->isVisible());
    QVERIFY(!mainWidget<QLineEdit>("Text1(0)")->isVisible());

    // Adding a set goes to the first free tab and shows it.
    QVERIFY(pickWithKeys(mainWidget<QComboBox>("cmbRaidLevel"), QStringLiteral("5")));
    QTest::mouseClick(mainWidget<QPushButton>("cmdAddLogicals"), Qt::LeftButton);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(mainWidget<QLineEdit>("Text1(0)")->text(), QStringLiteral("5"));
    QCOMPARE(mainWidget<QLineEdit>("Text1(1)")->text(), QStringLiteral("12"));
    QCOMPARE(mainWidget<QLineEdit>("txtSumTotals(0)")->text(), QStringLiteral("12"));
}

// On the Heron a spanned RAID 50 set of two spans takes a second logical drive: the last tab is
// then disabled and a click on it changes nothing.
void MainWindowTest::reservedTabsCannotBeChosen() {
    startMainWindow();
    dog->expectMessage(QStringLiteral("This will clear all current logical drives!"), QMessageBox::Yes);
    mainWidget<QAction>("mnuController(4)")->trigger();
    QCOMPARE(program().ControllerType, 4);
    QVERIFY(pickFromOpenList(mainWidget<QComboBox>("cmbRaidLevel"), QStringLiteral("50")));
    QCOMPARE(mainWidget<QComboBox>("cmbNumSpans")->currentText(), QStringLiteral("2"));
    QTest::mouseClick(mainWidget<QPushButton>("cmdAddLogicals"), Qt::LeftButton);
    auto* tabs = mainWidget<QTabWidget>("SSTab1");
    QVERIFY(!tabs->isTabEnabled(7));
    QVERIFY(tabs->isTabEnabled(6));
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(7).center());
    QCOMPARE(mainForm().SSTab1.tab(), 0);
    QCOMPARE(tabs->currentIndex(), 0);
}

void MainWindowTest::fitsSmallScreens() {
    startMainWindow();
    const QSize size = window("frmSpindex")->sizeHint();
    QVERIFY2(size.width() <= 1000 && size.height() <= 700,
             qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
}

SPINDEX_GUI_TEST(MainWindowTest);
#include "mainwindow_test.moc"
