// Spindex: plans the disk storage behind one RAID controller.
//
// The program is the model's Program; the session shows its windows and answers its questions
// with real dialogs. The program ends only through the model (Exit, or the main window's close
// box): the session then reports ended() and the application quits.
//
//   spindex [PLAN]      PLAN: a plan file to open at start, as a file manager passes it

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "appicon.h"
#include "appinfo.h"
#include "session.h"

#ifdef _WIN32
#include "winregistry.h"
#endif

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Plans the disk storage behind one RAID controller: RAID sets, hot spares, drive slots and "
                       "capacity.\n\n"
                       "With a PLAN (a .spindex file saved by Spindex), Spindex starts with that plan open, without "
                       "the splash screen and the controller selection. A plan that cannot be opened is reported "
                       "in a message, and Spindex then starts as usual.\n\n"
                       "Exit status: 0 when Spindex ends through Exit or the main window's close box, and after "
                       "--help or --version; 1 when the command line is wrong."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("PLAN"), QStringLiteral("A plan file (.spindex) to open at start."),
                                 QStringLiteral("[PLAN]"));
}

// --help and --version need no display: they are answered before the window system is opened.
bool onlyAsksForText(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (qstrcmp(argv[i], option) == 0)
                return true;
    return false;
}

void identify() {
    QCoreApplication::setApplicationName(QString::fromUtf8(spindex::appinfo::Title));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(spindex::appinfo::Version));
    QCoreApplication::setOrganizationName(QString::fromUtf8(spindex::appinfo::CompanyName));
}

} // namespace

int main(int argc, char* argv[]) {
    if (onlyAsksForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        identify();
        QCommandLineParser parser;
        describe(parser);
        parser.process(app); // prints the text, or what is wrong, and ends the program
        return 0;
    }

    // The window system takes its own options (-platform, -style, ...) out of the arguments first.
    QApplication app(argc, argv);
    identify();
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    const QStringList plans = parser.positionalArguments();
    if (plans.size() > 1) {
        std::fprintf(stderr, "spindex: one PLAN at most, not %lld\n", static_cast<long long>(plans.size()));
        return 1;
    }

    QApplication::setWindowIcon(spindex::ui::applicationIcon());
    // Windows come and go as the model loads and unloads them; between the splash and the
    // selection window none may be shown for a moment.
    QApplication::setQuitOnLastWindowClosed(false);

    spindex::ui::Session session(QCoreApplication::applicationDirPath());
#ifdef _WIN32
    spindex::WinRegistry registry;
    session.program().registry = &registry;
#endif
    QObject::connect(&session, &spindex::ui::Session::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    session.start(plans.isEmpty() ? QString() : plans.front());
    return QApplication::exec();
}
