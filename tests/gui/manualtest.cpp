// Help, "Spindex Manual" (F1): the manual opens from the real menu item in a window of its own, with
// its pictures; without an installed manual a message says where it belongs.

#include <QImage>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <memory>

#include "guitest.h"
#include "manualwindow.h"

class ManualTest : public GuiTest {
    Q_OBJECT
private slots:
    void f1OpensTheManualWithItsPictures();
    void missingManualSaysWhereItBelongs();

private:
    // An installation in a folder of its own: bin/ for the program and, unless bare, the manual with
    // one picture in share/doc/spindex.
    QString install(bool bare = false);
    std::unique_ptr<QTemporaryDir> m_root;
};

QString ManualTest::install(bool bare) {
    m_root = std::make_unique<QTemporaryDir>();
    QDir root(m_root->path());
    root.mkpath(QStringLiteral("bin"));
    if (!bare) {
        root.mkpath(QStringLiteral("share/doc/spindex/images"));
        QFile manual(root.filePath(QStringLiteral("share/doc/spindex/manual.md")));
        if (!manual.open(QIODevice::WriteOnly))
            qFatal("cannot write the test's manual");
        manual.write("# A manual for the test\n\nThe main window:\n\n![The main window](images/main.png)\n");
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(root.filePath(QStringLiteral("share/doc/spindex/images/main.png")));
    }
    return root.filePath(QStringLiteral("bin"));
}

void ManualTest::f1OpensTheManualWithItsPictures() {
    startMainWindow(install());
    QVERIFY(!session->manualWindow());
    QTest::keyClick(window("frmSpindex"), Qt::Key_F1);
    spindex::ui::ManualWindow* manual = session->manualWindow();
    QVERIFY(manual);
    QVERIFY(QTest::qWaitForWindowExposed(manual));
    QCOMPARE(manual->windowTitle(), QStringLiteral("Spindex Manual"));
    QTextBrowser* text = manual->findChild<QTextBrowser*>(QStringLiteral("manual"));
    QVERIFY(text);
    QVERIFY(text->toPlainText().startsWith(QStringLiteral("A manual for the test\n")));
    // The picture is found beside the manual, and it is the picture that lies there.
    const QVariant picture =
        text->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("images/main.png")));
    QImage shown;
    QVERIFY(shown.loadFromData(picture.toByteArray()) || !(shown = picture.value<QImage>()).isNull());
    QCOMPARE(shown.size(), QSize(40, 20));

    // A second F1 shows the same window again, from the beginning.
    manual->close();
    main<QAction>("mnuManual")->trigger();
    QCOMPARE(session->manualWindow(), manual);
    QVERIFY(manual->isVisible());
}

void ManualTest::missingManualSaysWhereItBelongs() {
    const QString bin = install(true);
    startMainWindow(bin);
    const QString expected = QDir::cleanPath(bin + "/../share/doc/spindex/manual.md");
    dog->expect(QStringLiteral("The Spindex manual is not installed. It belongs at ") + expected, QMessageBox::Ok);
    main<QAction>("mnuManual")->trigger();
    QCOMPARE(dog->messages().size(), size_t(1));
    QCOMPARE(dog->messages()[0].icon, QMessageBox::Warning);
    QVERIFY(!session->manualWindow());
}

QTEST_MAIN(ManualTest)
#include "manualtest.moc"
