#pragma once

// Plays scripts through the built spindex-batch. Each test has a folder of its own, which is also the
// tool's working folder, so that a script names the files it saves relative to it.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

struct Played {
    std::string out; // everything printed on standard output
    int status = -1; // exit status; -1 when the tool did not exit by itself
};

class BatchTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "spindex-batch-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Writes the script to script.txt and runs `ENV spindex-batch ARGS` in the folder.
    Played play(const std::string& script, const std::string& args = "script.txt", const std::string& env = "") {
        std::ofstream(folder / "script.txt", std::ios::binary) << script;
        const std::string command = "cd '" + folder.string() + "' && " + env + " '" SPINDEX_BATCH_EXE "' " + args;
        Played played;
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            return played;
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            played.out.append(buffer, n);
        const int raw = pclose(pipe);
        if (raw != -1 && WIFEXITED(raw))
            played.status = WEXITSTATUS(raw);
        return played;
    }

    std::string read(const std::string& name) const {
        std::ifstream in(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path folder;
};

// A script and everything it prints, for tables of cases.
struct Case {
    const char* name;
    std::string script;
    std::string output;
    int status;
};

class Script : public BatchTest, public testing::WithParamInterface<Case> {};

// Names a row in test listings after its name field, instead of its bytes.
inline std::string rowName(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}
inline void PrintTo(const Case& row, std::ostream* out) {
    *out << row.name;
}
