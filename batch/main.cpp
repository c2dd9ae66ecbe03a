// spindex-batch [--help] [--version] [SCRIPT]: plays a script of user actions against the program's
// model, without a display, and prints what a user would have seen. docs/batch.md describes the
// script language and every line the tool prints.
//
// Exit status: 0 when every line was carried out, 1 when at least one line printed an error line,
// 2 when the script cannot be read or the command line is wrong.
//
// spindex-batch --summary [--json] PLAN...: one table of the plans' figures, each plan opened as
// Open Plan opens it, in a program of its own. Exit status 0 when every plan opened, 1 when any did
// not, 2 without a plan.
//
// The command line is read by QtCore's parser alone, without a QCoreApplication: an application
// object would switch the C library to the user's locale, and the tool needs neither its event loop
// nor a platform plugin.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "analysis/comparison.h"
#include "batchhost.h"
#include "batchoutput.h"
#include "commandline.h"
#include "commandrunner.h"
#include "files.h"
#include "plans/planfile.h"
#include "runtime/form.h" // Program::collectUnloaded destroys Forms inline
#include "runtime/program.h"
#include "runtime/quiethost.h"
#include "summary/summarycsv.h"

namespace {

constexpr const char* ToolName = "spindex-batch";
constexpr int CannotRead = spindex::cli::WrongCommandLine;

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
    batch::BatchHost host(out, programFolder(argv0));
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

// Plans are read from the disk; nothing else reaches the user.
class PlanReader : public spindex::QuietHost {
public:
    std::string readFile(const std::string& path, std::string& content, std::int64_t limit) override {
        return spindex::files::readWhole(path, content, limit);
    }
};

int summarise(const QStringList& plans, bool json) {
    using namespace spindex;
    std::ios::sync_with_stdio(false);
    PlanReader reader;
    bool allOpened = true;
    if (!json) {
        std::vector<std::string> header{"File"};
        for (const std::string& h : comparisonHeaders())
            header.push_back(h);
        std::cout << csvRow(header);
    }
    for (const QString& argument : plans) {
        const std::string path = argument.toLocal8Bit().toStdString();
        const PlanFigures plan = planFileFigures(reader, path, path);
        if (!plan.error.empty()) {
            std::cout.flush();
            std::cerr << path << ": " << plan.error << '\n';
            allOpened = false;
            continue;
        }
        if (json) {
            const nlohmann::ordered_json line{{"file", path},
                                              {"summary", summaryJson(*plan.summary)},
                                              {"analysis", analysisJson(*plan.analysis)},
                                              {"bom", bomJson(*plan.bom)}};
            std::cout << line.dump() << '\n';
        } else {
            std::vector<std::string> row{path};
            for (std::string& cell : comparisonCells(plan))
                row.push_back(std::move(cell));
            std::cout << csvRow(row);
        }
    }
    std::cout.flush();
    return allOpened ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    spindex::cli::CommandLine line({ToolName,
                                    "Plays a script of Spindex user actions without a display and prints what a user\n"
                                    "would have seen: message boxes, dialogs, print jobs and the values asked for.",
                                    {"[options] [SCRIPT]", "--summary [--json] PLAN..."},
                                    "  0  every line of the script was carried out\n"
                                    "  1  at least one line printed an error line\n"
                                    "  2  the script cannot be read, or the command line is wrong\n"
                                    "With --summary: 0 when every plan opened, 1 when any did not, 2 without a plan.\n",
                                    "The script language and every line printed: man spindex-batch, and batch.md in\n"
                                    "Spindex's documentation folder (share/doc/spindex).\n"});
    QCommandLineParser& parser = line.parser;
    const QCommandLineOption summary(QStringLiteral("summary"),
                                     QStringLiteral("Print one CSV table of the figures of the PLAN files given\n"
                                                    "instead of playing a script."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("With --summary: one JSON object per plan and line instead."));
    parser.addOption(summary);
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("SCRIPT"),
                                 QStringLiteral("The script to play. Without it, or with -, the script is\n"
                                                "read from standard input."),
                                 QStringLiteral("[SCRIPT]"));
    if (const std::optional<int> status = line.parse(spindex::cli::arguments(argc, argv)))
        return *status;
    if (parser.isSet(summary)) {
        const QStringList plans = parser.positionalArguments();
        if (plans.isEmpty())
            return line.badUsage("--summary needs at least one plan file.");
        return summarise(plans, parser.isSet(json));
    }
    if (parser.isSet(json))
        return line.badUsage("--json goes with --summary.");
    const QStringList scripts = parser.positionalArguments();
    if (scripts.size() > 1)
        return line.badUsage("Only one script can be played at a time.");

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
