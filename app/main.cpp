// spindex [--help] [--version] [PLAN]: plans the disk storage behind one RAID controller.
//
// How the program runs, from one user action to the next:
//   1. the user acts on a widget (ui/): its window hands the action over (WindowActions::act);
//   2. the session gives that window the focus in the model and runs the model's handler (model/),
//      which may raise further events and run nested handlers; every rule is there;
//   3. what the handlers ask of the surroundings goes through the host interface (runtime/host.h),
//      which the dialog host answers with message boxes, file dialogs, files, printing and the manual;
//      the splash screen's timer is a real timer of the session;
//   4. once the handler is done, the program settles (unloaded windows go, the caption follows the
//      plan), and the session brings every window in line with the model's fields.
// The program ends only through the model (Exit, or the main window's close box): the host then
// reports ended() and the application quits. PLAN is a plan file to open at start, as a file manager
// passes it.
//
// Exit status: 0 when the program ends through Exit or the close box, and after --help or --version;
// 2 when the command line is wrong.

#include <QApplication>
#include <QStandardPaths>
#include <optional>

#include "appinfo.h"
#include "commandline.h"
#include "firstwindowclock.h"
#include "session.h"

#ifdef _WIN32
#include "winregistry.h"
#endif

namespace {

spindex::cli::ProgramText programText() {
    return {"spindex",
            "Plans the disk storage behind one RAID controller: RAID sets, hot spares, drive\n"
            "slots and capacity, shown in windows, printed, and saved as plans.",
            {"[options] [PLAN]"},
            "  0  Spindex ended through Exit or the main window's close box, or printed its\n"
            "     help or version\n"
            "  2  the command line is wrong\n",
            {}};
}

// Reads the command line: the plan to open ("" for none), or the exit status when there is nothing
// to start (the help, the version, a mistake).
std::optional<int> read(spindex::cli::CommandLine& line, const QStringList& arguments, QString& plan) {
    if (const std::optional<int> status = line.parse(arguments))
        return status;
    const QStringList plans = line.parser.positionalArguments();
    if (plans.size() > 1)
        return line.badUsage("Only one plan can be opened at start.");
    plan = plans.isEmpty() ? QString() : plans.first();
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    spindex::cli::CommandLine line(programText());
    line.parser.addPositionalArgument(QStringLiteral("PLAN"),
                                      QStringLiteral("A plan file (.spindex) to open at start: Spindex starts with\n"
                                                     "that plan, without the splash screen's wait and the\n"
                                                     "selection window. A plan that cannot be opened is\n"
                                                     "reported, and Spindex then starts as usual."),
                                      QStringLiteral("[PLAN]"));
    QString plan;
    // --help and --version need no display: they are answered before the window system is opened.
    if (spindex::cli::CommandLine::asksOnlyForText(argc, argv))
        return read(line, spindex::cli::arguments(argc, argv), plan).value_or(0);

    // The window system takes its own options (-platform, -style, ...) out of the arguments first.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(spindex::appinfo::Title));
    QApplication::setApplicationVersion(QString::fromUtf8(spindex::appinfo::Version));
    QApplication::setOrganizationName(QString::fromUtf8(spindex::appinfo::CompanyName));
    if (const std::optional<int> status = read(line, QCoreApplication::arguments(), plan))
        return *status;
    // Windows come and go as the model loads and unloads them; between the splash and the
    // selection window none may be shown for a moment.
    QApplication::setQuitOnLastWindowClosed(false);
    spindex::ui::FirstWindowClock::installIfAsked(app);

    spindex::ui::Session session(QCoreApplication::applicationDirPath(),
                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
#ifdef _WIN32
    spindex::WinRegistry registry;
    session.program().registry = &registry;
#endif
    QObject::connect(&session, &spindex::ui::Session::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    session.start(plan);
    return QApplication::exec();
}
