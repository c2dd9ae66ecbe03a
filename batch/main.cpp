// spindex-batch [SCRIPT]: plays a script of user actions against the program's model, without a
// display, and prints what a user would have seen. The contract is the batch protocol document.
//
// Exit status: 0 when every line was carried out, 1 when at least one line printed an error line,
// 2 when the script cannot be read.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "batchhost.h"
#include "batchoutput.h"
#include "commandrunner.h"
#include "form.h" // Program::collectUnloaded destroys Forms inline
#include "program.h"

namespace {

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

} // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: spindex-batch [SCRIPT]\n";
        return 2;
    }
    if (argc == 1 || std::string(argv[1]) == "-")
        return play(std::cin, true, argv[0]);
    std::ifstream file(argv[1], std::ios::binary);
    if (!file || std::filesystem::is_directory(argv[1])) {
        std::cerr << "spindex-batch: cannot read the script " << argv[1] << "\n";
        return 2;
    }
    return play(file, false, argv[0]);
}
