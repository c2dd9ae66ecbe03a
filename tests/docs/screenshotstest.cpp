// The manual's pictures: spindex-screenshots, run as the build runs it, writes one picture of each
// window the manual shows, each a real picture of a window and not an empty frame; the manual shows
// every picture, and no picture that the tool does not take.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class ScreenshotsTest : public QObject {
    Q_OBJECT
private slots:
    void onePictureOfEachWindow();
    void manualShowsEachPicture();
    void wrongCommandLine();
};

void ScreenshotsTest::onePictureOfEachWindow() {
    QTemporaryDir folder;
    QProcess tool;
    tool.start(QStringLiteral(SPINDEX_SCREENSHOTS_EXE), {folder.filePath(QStringLiteral("images"))});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QString::fromLocal8Bit(tool.readAllStandardError()), QString());
    QCOMPARE(tool.exitCode(), 0);

    // Each window with the smallest size it can have on the screen the tool sets up.
    const std::pair<const char*, QSize> pictures[] = {
        {"about.png", {300, 150}},   {"alternatives.png", {400, 250}},  {"assumptions.png", {250, 200}},
        {"compare.png", {400, 150}}, {"drivetypes.png", {350, 250}},    {"graphic.png", {300, 300}},
        {"main.png", {800, 450}},    {"proposal-page.png", {600, 850}}, {"proposal.png", {600, 350}},
        {"report.png", {500, 400}},  {"select.png", {200, 80}},         {"spares.png", {800, 450}},
        {"splash.png", {400, 250}},  {"summary.png", {500, 150}},
    };
    QStringList expected;
    for (const auto& [name, smallest] : pictures)
        expected << QString::fromLatin1(name);
    const QDir images(folder.filePath(QStringLiteral("images")));
    QCOMPARE(images.entryList(QDir::Files, QDir::Name), expected);

    for (const auto& [name, smallest] : pictures) {
        const QImage picture(images.filePath(QString::fromLatin1(name)));
        QVERIFY2(!picture.isNull(), name);
        QVERIFY2(picture.width() >= smallest.width() && picture.height() >= smallest.height(),
                 qPrintable(QStringLiteral("%1 is %2x%3").arg(name).arg(picture.width()).arg(picture.height())));
        // A window with its texts and frames has many colours; a blank one has one.
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); y += 3)
            for (int x = 0; x < picture.width(); x += 3)
                colours.insert(picture.pixel(x, y));
        QVERIFY2(colours.size() >= 8, qPrintable(QStringLiteral("%1 has %2 colours").arg(name).arg(colours.size())));
    }
}

void ScreenshotsTest::manualShowsEachPicture() {
    QFile manual(QStringLiteral(SPINDEX_MANUAL));
    QVERIFY(manual.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(manual.readAll());
    QStringList shown;
    const QRegularExpression picture(QStringLiteral(R"(!\[[^\]]*\]\(images/([^)]+)\))"));
    for (const QRegularExpressionMatch& m : picture.globalMatch(text))
        shown << m.captured(1);
    QCOMPARE(shown, (QStringList{"splash.png", "select.png", "main.png", "spares.png", "report.png", "graphic.png",
                                 "summary.png", "assumptions.png", "drivetypes.png", "alternatives.png", "compare.png",
                                 "proposal.png", "proposal-page.png", "about.png"}));
}

void ScreenshotsTest::wrongCommandLine() {
    QProcess tool;
    tool.start(QStringLiteral(SPINDEX_SCREENSHOTS_EXE), {});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 2);
    QCOMPARE(QString::fromLocal8Bit(tool.readAllStandardError()),
             QStringLiteral("usage: spindex-screenshots FOLDER\n"));
}

QTEST_GUILESS_MAIN(ScreenshotsTest)
#include "screenshotstest.moc"
