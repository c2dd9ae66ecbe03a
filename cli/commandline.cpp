#include "commandline.h"

#include <cstring>
#include <iostream>

#include "appinfo.h"

namespace spindex::cli {

CommandLine::CommandLine(ProgramText text)
    : m_text(std::move(text)),
      m_help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")),
      m_version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version and exit.")) {
    parser.setApplicationDescription(QString::fromUtf8(m_text.description));
    parser.addOption(m_help);
    parser.addOption(m_version);
}

std::optional<int> CommandLine::parse(const QStringList& arguments) {
    if (!parser.parse(arguments))
        return badUsage(parser.errorText().toStdString());
    if (parser.isSet(m_help)) {
        std::cout << helpText();
        return 0;
    }
    if (parser.isSet(m_version)) {
        std::cout << m_text.name << ' ' << appinfo::Version << '\n';
        return 0;
    }
    return std::nullopt;
}

int CommandLine::badUsage(const std::string& reason) const {
    std::cerr << m_text.name << ": " << reason << " Try '" << m_text.name << " --help'.\n";
    return WrongCommandLine;
}

// The parser's own help names the executable as it was typed, or not at all without an application
// object: its first line gives way to the usage lines with the program's name.
std::string CommandLine::helpText() const {
    std::string help;
    for (std::size_t i = 0; i < m_text.usages.size(); ++i)
        help += std::string(i == 0 ? "Usage: " : "       ") + m_text.name + ' ' + m_text.usages[i] + '\n';
    const QString text = parser.helpText();
    help += text.mid(text.indexOf('\n') + 1).toStdString();
    help += "\nExit status:\n" + m_text.exitStatuses;
    if (!m_text.epilogue.empty())
        help += '\n' + m_text.epilogue;
    return help;
}

bool CommandLine::asksOnlyForText(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

QStringList arguments(int argc, char* argv[]) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

} // namespace spindex::cli
