// spindex-batch [--help] [--version] [SCRIPT]: plays a script of user actions against the program's
// model, without a display, and prints what a user would have seen. docs/batch.md describes the
// script language and every line the tool prints.
//
// Exit status: 0 when every line was carried out, 1 when at least one line printed an error line,
// 2 when the script cannot be read or the command line is wrong.
//
// The command line is read by QtCore's parser alone, without a QCoreApplication: an application
// object would switch the C library to the user's locale, and the tool needs neither its event loop
// nor a platform plugin.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "appinfo.h"
#include "batchhost.h"
#include "batchoutput.h"
#include "commandrunner.h"
#include "runtime/form.h" // Program::collectUnloaded destroys Forms inline
#include "runtime/program.h"

namespace {

constexpr const char* ToolName = "spindex-batch";
constexpr int CannotRead = 2;

// The folder of this executable, where the program's files lie beside it.
std::string programFolder(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path self = fs::canonical("/proc/self/exe", ec);
    if (ec && argv0)
        self = fs::absolute(argv0, ec);
    if (ec || !self.has_parent_path())
        return ".";
    return self.parent_path().string();
}

int play(std::istream& script, bool interactive, const char* argv0) {
    using namespace spindex;
    std::ios::sync_with_stdio(false);
    batch::BatchOutput out(std::cout);
    batch::BatchHost host(out);
    Program program(host, programFolder(argv0));
    program.Main();
    program.collectUnloaded();
    batch::CommandRunner runner(program, host, out);

    std::string line;
    while (std::getline(script, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        runner.run(line);
        // Someone typing the script sees each answer at once.
        if (out.takePrinted() && interactive)
            out.flush();
    }
    out.flush();
    return out.anyError() ? 1 : 0;
}

// The parser's own help names the executable as it was typed, or not at all without an
// application object; the first line is written here with the tool's name.
std::string helpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    text = text.mid(text.indexOf('\n') + 1);
    return std::string("Usage: ") + ToolName + " [options] [SCRIPT]\n" + text.toStdString() +
           "\n"
           "Exit status:\n"
           "  0  every line of the script was carried out\n"
           "  1  at least one line printed an error line\n"
           "  2  the script cannot be read, or the command line is wrong\n"
           "\n"
           "The script language and every line printed: man spindex-batch, and batch.md in\n"
           "Spindex's documentation folder (share/doc/spindex).\n";
}

// A mistake on the command line: one line on standard error, and the status of a script that
// cannot be read.
int badUsage(const std::string& reason) {
    std::cerr << ToolName << ": " << reason << " Try '" << ToolName << " --help'.\n";
    return CannotRead;
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays a script of Spindex user actions without a display and prints what a user\n"
                       "would have seen: message boxes, dialogs, print jobs and the values asked for."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("SCRIPT"),
                                 QStringLiteral("The script to play. Without it, or with -, the script is\n"
                                                "read from standard input."),
                                 QStringLiteral("[SCRIPT]"));

    if (!parser.parse(arguments))
        return badUsage(parser.errorText().toStdString());
    if (parser.isSet(help)) {
        std::cout << helpText(parser);
        return 0;
    }
    if (parser.isSet(version)) {
        std::cout << ToolName << ' ' << spindex::appinfo::Version << '\n';
        return 0;
    }
    const QStringList scripts = parser.positionalArguments();
    if (scripts.size() > 1)
        return badUsage("Only one script can be played at a time.");

    if (scripts.isEmpty() || scripts.first() == QStringLiteral("-"))
        return play(std::cin, true, argv[0]);
    const std::string path = scripts.first().toLocal8Bit().toStdString();
    std::ifstream file(path, std::ios::binary);
    if (!file || std::filesystem::is_directory(path)) {
        std::cerr << ToolName << ": cannot read the script " << path << "\n";
        return CannotRead;
    }
    return play(file, false, argv[0]);
}
