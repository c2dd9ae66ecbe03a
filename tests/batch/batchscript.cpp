#include "batchscript.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace spindex::batchtest {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "spindex-batch-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

namespace {
std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

BatchResult run(const std::string& command, const fs::path& outputFile) {
    const int raw = std::system(command.c_str());
    BatchResult result;
    result.status = raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.output = readFile(outputFile);
    return result;
}
} // namespace

namespace {
BatchResult runWith(const std::string& environment, const std::string& script, bool throughStdin) {
    const TempFolder folder;
    const fs::path scriptFile = folder.path() / "script.txt";
    const fs::path outputFile = folder.path() / "output.txt";
    std::ofstream(scriptFile, std::ios::binary) << script;
    const std::string command = environment + quoted(SPINDEX_BATCH_EXE) + (throughStdin ? " < " : " ") +
                                quoted(scriptFile) + " > " + quoted(outputFile);
    return run(command, outputFile);
}
} // namespace

BatchResult runScript(const std::string& script, bool throughStdin) { return runWith("", script, throughStdin); }

BatchResult runScriptWithoutDisplay(const std::string& script) {
    return runWith("env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=none "
                   "QT_PLUGIN_PATH=/nonexistent ",
                   script, false);
}

BatchResult runScriptFile(const fs::path& script) {
    const TempFolder folder;
    const fs::path outputFile = folder.path() / "output.txt";
    return run(quoted(SPINDEX_BATCH_EXE) + " " + quoted(script) + " > " + quoted(outputFile) + " 2> /dev/null",
               outputFile);
}

} // namespace spindex::batchtest
