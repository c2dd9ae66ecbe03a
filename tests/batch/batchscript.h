#pragma once

// Runs the built spindex-batch on a script, in a fresh temporary folder per test.

#include <filesystem>
#include <string>

namespace spindex::batchtest {

struct BatchResult {
    std::string output; // everything the tool printed on standard output
    int status = -1;    // its exit status
};

// A folder of its own, removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    // The path of a file in the folder, as text for a script.
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// Plays the script (given as its text) from a file, or through standard input.
BatchResult runScript(const std::string& script, bool throughStdin = false);
// Plays the script with no display, no session bus and no Qt platform plugin to be found.
BatchResult runScriptWithoutDisplay(const std::string& script);
// Plays a script file that may not exist.
BatchResult runScriptFile(const std::filesystem::path& script);

std::string readFile(const std::filesystem::path& path);

} // namespace spindex::batchtest
