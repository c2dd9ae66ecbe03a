// The tool's command line as a user meets it: --help and --version answer and play nothing, a
// mistake is one line on standard error with exit status 2, and "-" is standard input.

#include "batchtest.h"

namespace {

class CommandLine : public BatchTest {
protected:
    struct Answer {
        std::string out, err;
        int status = -1;
    };
    // Runs the tool with the arguments; script.txt holds a script that prints one value.
    Answer run(const std::string& args) {
        Answer answer;
        const Played played = play("get ControllerType\n", args + " 2>stderr.txt");
        answer.out = played.out;
        answer.status = played.status;
        answer.err = read("stderr.txt");
        return answer;
    }
};

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

TEST_F(CommandLine, HelpShowsUsageOptionsAndExitStatusesAndPlaysNothing) {
    for (const char* args : {"--help", "-h", "--help script.txt", "script.txt --help"}) {
        const Answer answer = run(args);
        EXPECT_EQ(answer.status, 0) << args;
        EXPECT_EQ(answer.err, "") << args;
        EXPECT_EQ(firstLine(answer.out), "Usage: spindex-batch [options] [SCRIPT]") << args;
        for (const char* part :
             {"\n  -h, --help ", "\n  -v, --version ", "\n  SCRIPT ", "\nExit status:\n",
              "\n  0  every line of the script was carried out\n", "\n  1  at least one line printed an error line\n",
              "\n  2  the script cannot be read, or the command line is wrong\n"})
            EXPECT_NE(answer.out.find(part), std::string::npos) << args << ": " << part;
        EXPECT_EQ(answer.out.find("ControllerType"), std::string::npos) << args;
    }
}

TEST_F(CommandLine, VersionIsTheProjectsVersion) {
    for (const char* args : {"--version", "-v"}) {
        const Answer answer = run(args);
        EXPECT_EQ(answer.out, "spindex-batch 1.1.7\n") << args;
        EXPECT_EQ(answer.err, "") << args;
        EXPECT_EQ(answer.status, 0) << args;
    }
}

TEST_F(CommandLine, MistakesAreOneLineOnStandardErrorWithStatusTwo) {
    const std::pair<const char*, const char*> cases[] = {
        {"--frobnicate script.txt", "spindex-batch: Unknown option 'frobnicate'. Try 'spindex-batch --help'.\n"},
        {"-x", "spindex-batch: Unknown option 'x'. Try 'spindex-batch --help'.\n"},
        {"script.txt other.txt",
         "spindex-batch: Only one script can be played at a time. Try 'spindex-batch --help'.\n"},
        {"missing.txt", "spindex-batch: cannot read the script missing.txt\n"},
        {".", "spindex-batch: cannot read the script .\n"},
    };
    for (const auto& [args, message] : cases) {
        const Answer answer = run(args);
        EXPECT_EQ(answer.out, "") << args;
        EXPECT_EQ(answer.err, message) << args;
        EXPECT_EQ(answer.status, 2) << args;
    }
}

TEST_F(CommandLine, DashAndNoScriptReadStandardInput) {
    for (const char* args : {"- < script.txt", "< script.txt"}) {
        const Answer answer = run(args);
        EXPECT_EQ(answer.out, "ControllerType = 6\n") << args;
        EXPECT_EQ(answer.err, "") << args;
        EXPECT_EQ(answer.status, 0) << args;
    }
}

// After "--" a script whose name begins with a dash is a script, not an option.
TEST_F(CommandLine, ScriptNamedLikeAnOptionAfterDoubleDash) {
    std::ofstream(folder / "-odd.txt", std::ios::binary) << "get frmSplash.visible\n";
    const Answer answer = run("-- -odd.txt");
    EXPECT_EQ(answer.out, "frmSplash.visible = true\n");
    EXPECT_EQ(answer.status, 0);
}

} // namespace
