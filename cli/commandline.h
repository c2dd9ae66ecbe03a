#pragma once

// The command line of the window program and of the batch tool, read by QtCore's parser: the help
// with its usage lines and exit statuses, the version, and a mistake as one line on standard error.
// Each program adds its own options and arguments to `parser` and reads them after parse().

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace spindex::cli {

// The status of a command line that is wrong, in both programs.
inline constexpr int WrongCommandLine = 2;

struct ProgramText {
    const char* name;                // as the user types it: "spindex"
    const char* description;         // under the usage lines
    std::vector<std::string> usages; // what follows the name on each usage line
    std::string exitStatuses;        // the lines under "Exit status:"
    std::string epilogue;            // after the exit statuses, or empty
};

class CommandLine {
public:
    explicit CommandLine(ProgramText text);

    QCommandLineParser parser;

    // Reads the arguments (the first is the executable). The status to end with when there is
    // nothing more to do: 0 after printing the help or the version, WrongCommandLine after a
    // mistake; std::nullopt when the program goes on.
    std::optional<int> parse(const QStringList& arguments);
    // One line on standard error, "NAME: REASON Try 'NAME --help'."; returns WrongCommandLine.
    int badUsage(const std::string& reason) const;
    std::string helpText() const;

    // True when the arguments ask for the help or the version only, which needs no display.
    static bool asksOnlyForText(int argc, char* argv[]);

private:
    ProgramText m_text;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
};

QStringList arguments(int argc, char* argv[]);

} // namespace spindex::cli
