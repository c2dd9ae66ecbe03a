// Plans in the window build: saved and opened through the real File menu and its file dialogs, the
// caption in the window's title, the question at the close box, the Recent Plans submenu, the
// program started with a plan, and plans that the window build and spindex-batch pass each other.

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "guitest.h"
#include "keptplans.h"
#include "mainform/mainform.h"
#include "plans/planjson.h"
#include "recentplans.h"
#include "runtime/program.h"

class PlansTest : public GuiTest {
    Q_OBJECT
public:
    // The recent plans of these tests stay out of the user's settings.
    PlansTest() { QStandardPaths::setTestModeEnabled(true); }

private slots:
    void roundTripThroughTheFileMenu();
    void recentPlansOpenAndForgetMissingOnes();
    void aPlanNeverSavedIsKeptAndRecovered();
    void startsWithAPlanOrAsUsual();
    void windowBuildAndBatchToolAgree();
    void commandLine_data();
    void commandLine();

private:
    // The plan as spindex-batch prints `get Plan`.
    QString plan() { return QString::fromStdString(spindex::compactJson(spindex::savedPlanJson(*main()))); }
    spindex::MainForm* main() { return program().frmSpindex(); }
    using GuiTest::main;
    QString title() { return window("frmSpindex")->windowTitle(); }
    // A user's action on the main window's model, as a widget hands it over.
    void act(const std::function<void(spindex::MainForm&)>& action) {
        session->act(*main(), [this, action] { action(*main()); });
    }
    // Plays a script through spindex-batch in the folder; its output.
    QString batch(const QString& script, const QString& folder);
};

// Save Plan asks for a file for a plan without one; the title names the file and stars a change;
// Open and the close box ask before a change is lost.
void PlansTest::roundTripThroughTheFileMenu() {
    startMainWindow();
    QTemporaryDir folder;
    pick(main<QComboBox>("cmbRaidLevel"), "50");
    pick(main<QComboBox>("cmbNumSpans"), "3");
    pick(main<QComboBox>("cmbMaxDrives"), "4");
    pick(main<QComboBox>("cmbDriveSize"), "36.4");
    QTest::mouseClick(main<QRadioButton>("optDriveH(0)"), Qt::LeftButton);
    click("cmdAddLogicals");
    act([](spindex::MainForm& m) { m.mnuRules[2].userClick(); });
    QCOMPARE(title(), QStringLiteral("Spindex (Beta 1.1.7)"));
    const QString saved = plan();

    // Save Plan for a plan without a file asks for one; the default extension goes on.
    chooseFile(folder.filePath("round"));
    QTest::keyClick(window("frmSpindex"), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(folder.filePath("round.spindex")));
    QCOMPARE(title(), QStringLiteral("round.spindex - Spindex (Beta 1.1.7)"));

    dog->expect("This will clear all current logical drives!", QMessageBox::Yes);
    main<QAction>("mnuController(1)")->trigger();
    QCOMPARE(title(), QStringLiteral("round.spindex* - Spindex (Beta 1.1.7)"));

    // Back from the message boxes, the user works in the main window again.
    window("frmSpindex")->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window("frmSpindex")));
    dog->expect("Save the changes to round.spindex?", QMessageBox::No);
    chooseFile(folder.filePath("round.spindex"));
    QTest::keyClick(window("frmSpindex"), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(plan(), saved);
    QCOMPARE(title(), QStringLiteral("round.spindex - Spindex (Beta 1.1.7)"));
    QCOMPARE(main<QLineEdit>("Text1(4)")->text(), QStringLiteral("327.6"));
    QVERIFY(main<QAction>("mnuRules(2)")->isChecked());

    // The close box: Cancel keeps the program running, Yes saves the plan and ends it.
    dog->expect("Are you sure?", QMessageBox::Yes);
    click("cmdClearAll");
    QSignalSpy ended(session.get(), &spindex::ui::Session::ended);
    dog->expect("Save the changes to round.spindex?", QMessageBox::Cancel);
    window("frmSpindex")->close();
    QCOMPARE(ended.count(), 0);
    QVERIFY(window("frmSpindex")->isVisible());
    dog->expect("Save the changes to round.spindex?", QMessageBox::Yes);
    window("frmSpindex")->close();
    QCOMPARE(ended.count(), 1);
    QFile file(folder.filePath("round.spindex"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\"sets\": [],"));
}

void PlansTest::recentPlansOpenAndForgetMissingOnes() {
    spindex::ui::RecentPlans::clear();
    startMainWindow();
    QTemporaryDir folder;
    const QString a = folder.filePath("a.spindex"), b = folder.filePath("b.spindex");
    auto* recent = main<QMenu>("mnuRecentPlans");
    // The items as the menu shows them once the event loop has removed the old ones.
    const auto shown = [recent] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList items;
        for (QAction* item : recent->actions())
            items << item->text() + (item->isEnabled() ? "" : " (disabled)");
        return items;
    };
    QCOMPARE(shown(), QStringList{"No plans yet (disabled)"});
    for (const char* name : {"a", "b"}) {
        chooseFile(folder.filePath(name));
        main<QAction>("mnuSavePlanAs")->trigger();
    }
    QCOMPARE(shown(), (QStringList{"&1 " + b, "&2 " + a}));

    recent->actions()[1]->trigger();
    QCOMPARE(title(), QStringLiteral("a.spindex - Spindex (Beta 1.1.7)"));
    QCOMPARE(shown(), (QStringList{"&1 " + a, "&2 " + b}));

    QVERIFY(QFile::remove(b));
    dog->expect("Could not open the plan " + b + ": the file does not exist");
    recent->actions()[1]->trigger();
    QCOMPARE(dog->messages().back().icon, QMessageBox::Critical);
    QCOMPARE(shown(), QStringList{"&1 " + a});
    QCOMPARE(QSettings().value("recentPlans").toStringList(), QStringList{a});
}

// The close box ends the program without a question for a plan never saved, and loses nothing: the
// next start offers it, and a second program running meanwhile keeps its own plan beside it.
void PlansTest::aPlanNeverSavedIsKeptAndRecovered() {
    QTemporaryDir data;
    const QString first = data.filePath("unsaved.spindex");
    startMainWindow(QCoreApplication::applicationDirPath(), data.path());
    QVERIFY(!main<QAction>("mnuRecover")->isEnabled());
    click("cmdAddLogicals");
    QTRY_VERIFY(QFile::exists(first)); // a second after the change
    spindex::files::KeptPlans beside(data.path());
    QVERIFY(beside.keep("{}").empty());
    QCOMPARE(QDir(data.path()).entryList({"*.spindex"}, QDir::Files, QDir::Name),
             QStringList(
                 {"unsaved-" + QString::number(QCoreApplication::applicationPid()) + ".spindex", "unsaved.spindex"}));
    beside.forget();
    QSignalSpy ended(session.get(), &spindex::ui::Session::ended);
    window("frmSpindex")->close();
    QCOMPARE(ended.count(), 1);
    session.reset();

    startMainWindow(QCoreApplication::applicationDirPath(), data.path());
    auto* recover = main<QAction>("mnuRecover");
    QVERIFY(recover->isEnabled());
    QVERIFY(main<QLabel>("summaryLine")
                ->text()
                .startsWith("An unsaved plan from " + QDate::currentDate().toString("yyyy-MM-dd ")));
    recover->trigger();
    QCOMPARE(main<QLineEdit>("Text1(0)")->text(), QStringLiteral("0"));
    QVERIFY(!recover->isEnabled());
    // Recovered, the plan is this program's to keep; the file it came from is gone.
    QCOMPARE(QDir(data.path()).entryList({"*.spindex"}), QStringList{"unsaved.spindex"});
}

// Started with a plan, the program opens it straight in the main window; with a plan it cannot open
// it says why and starts as usual.
void PlansTest::startsWithAPlanOrAsUsual() {
    QTemporaryDir folder;
    const QString path = folder.filePath("ten.spindex");
    startMainWindow();
    act([](spindex::MainForm& m) {
        m.cmbRaidLevel.userPick(m.cmbRaidLevel.indexOf("10"));
        m.cmdAddLogicals.userClick();
    });
    chooseFile(path);
    main<QAction>("mnuSavePlanAs")->trigger();
    const QString saved = plan();
    session.reset();

    session = std::make_unique<spindex::ui::Session>(QCoreApplication::applicationDirPath());
    session->start(path);
    QVERIFY(!program().frmSplash());
    QVERIFY(!program().frmSelectController());
    QVERIFY(QTest::qWaitForWindowExposed(window("frmSpindex")));
    QCOMPARE(title(), QStringLiteral("ten.spindex - Spindex (Beta 1.1.7)"));
    QCOMPARE(plan(), saved);
    QCOMPARE(main<QLineEdit>("Text1(0)")->text(), QStringLiteral("10"));
    session.reset();

    const QString none = folder.filePath("none.spindex");
    session = std::make_unique<spindex::ui::Session>(QCoreApplication::applicationDirPath());
    dog->expect("Could not open the plan " + none + ": the file does not exist");
    session->start(none);
    QVERIFY(QTest::qWaitForWindowExposed(window("frmSplash")));
    QVERIFY(program().frmSelectController());
    QVERIFY(!program().frmSpindex());
}

QString PlansTest::batch(const QString& script, const QString& folder) {
    QProcess tool;
    tool.setWorkingDirectory(folder);
    tool.start(QStringLiteral(SPINDEX_BATCH_EXE), {});
    tool.write(script.toUtf8());
    tool.closeWriteChannel();
    if (!tool.waitForFinished(20000))
        return QStringLiteral("spindex-batch did not finish");
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// A plan saved by the window build opens in spindex-batch with the same `get Plan`.
void PlansTest::windowBuildAndBatchToolAgree() {
    startMainWindow();
    QTemporaryDir folder;
    act([](spindex::MainForm& m) {
        m.cmbRaidLevel.userPick(m.cmbRaidLevel.indexOf("5"));
        m.cmbDriveSize.userPick(m.cmbDriveSize.indexOf("72.8"));
        m.cmdAddLogicals.userClick();
        m.optGlobHotSpr[0].userClick();
        m.mnuRules[1].userClick();
    });
    chooseFile(folder.filePath("window"));
    main<QAction>("mnuSavePlanAs")->trigger();
    QCOMPARE(
        batch("click Command1\nopenfile window.spindex\nclick mnuOpenPlan\nget Plan\nget PlanFile\n", folder.path()),
        "opendialog {\"filter\":\"Spindex Plans (*.spindex)|*.spindex\",\"answer\":\"window.spindex\"}\n"
        "Plan = " +
            plan() + "\nPlanFile = \"window.spindex\"\n");
}

void PlansTest::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: spindex [options] [PLAN]\n"
                          << "";
    QTest::newRow("version") << QStringList{"-v"} << 0 << "spindex 1.1.7\n"
                             << "";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << ""
                                    << "spindex: Unknown option 'bogus'. Try 'spindex --help'.\n";
    QTest::newRow("two plans") << QStringList{"a.spindex", "b.spindex"} << 2 << ""
                               << "spindex: Only one plan can be opened at start. Try 'spindex --help'.\n";
}

// The command line as a file manager and a user give it; no window opens for any of these.
void PlansTest::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess spindex;
    spindex.start(QStringLiteral(SPINDEX_EXE), arguments);
    QVERIFY(spindex.waitForFinished(20000));
    QCOMPARE(spindex.exitCode(), status);
    const QString printed = QString::fromUtf8(spindex.readAllStandardOutput());
    if (QTest::currentDataTag() == QStringLiteral("help")) {
        QVERIFY2(printed.startsWith(out), qPrintable(printed));
        QVERIFY(printed.contains("\nExit status:\n  0  Spindex ended through Exit or the main window's close box, or"));
        QVERIFY(printed.contains("\n  2  the command line is wrong\n"));
        QVERIFY(printed.contains("  PLAN           A plan file (.spindex) to open at start: Spindex starts with\n"));
    } else {
        QCOMPARE(printed, out);
    }
    // The window system may add its own notes before the line.
    const QString complaint = QString::fromUtf8(spindex.readAllStandardError());
    QVERIFY2(err.isEmpty() ? complaint.isEmpty() : complaint.endsWith(err), qPrintable(complaint));
}

QTEST_MAIN(PlansTest)
#include "planstest.moc"
