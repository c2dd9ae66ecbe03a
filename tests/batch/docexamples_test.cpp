// Every example of docs/batch.md, played through the built tool and compared with what the page says
// it prints, so that the page cannot drift from the tool.
//
// How the page writes an example, in fenced blocks:
//   ```input NAME      (any number, optional) a file put in the example's folder before the script runs
//   ```batch           the script
//   ```output          everything the tool prints; "```output status=1" when it exits with 1
//   ```file NAME       (any number, optional) a file the script leaves in the folder, exactly;
//                      "```file NAME crlf" when its lines end in CR LF

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>
#include <vector>

#include "batchtest.h"

namespace {

struct NamedText {
    std::string name;
    std::string text;
    bool crlf = false;
};

struct Example {
    std::string name;
    int line = 0;
    std::string script;
    std::string output;
    int status = 0;
    std::vector<NamedText> inputs, files;
    std::string problem; // the page's example is malformed
};

struct Block {
    std::string kind;
    std::vector<std::string> args;
    std::string text; // every line followed by "\n"
    int line = 0;
    std::string heading;
};

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

// "## What is printed" becomes "WhatIsPrinted".
std::string identifier(const std::string& heading) {
    std::string id;
    bool upper = true;
    for (char c : heading) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            id += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
            upper = false;
        } else {
            upper = true;
        }
    }
    return id;
}

std::vector<Block> fencedBlocks(std::istream& page) {
    std::vector<Block> blocks;
    std::string heading, line;
    Block* open = nullptr;
    for (int number = 1; std::getline(page, line); ++number) {
        if (open) {
            if (line == "```")
                open = nullptr;
            else
                open->text += line + "\n";
            continue;
        }
        if (line.starts_with("```")) {
            std::vector<std::string> info = words(line.substr(3));
            Block& block = blocks.emplace_back();
            block.kind = info.empty() ? "" : info.front();
            block.args.assign(info.begin() + (info.empty() ? 0 : 1), info.end());
            block.line = number;
            block.heading = heading;
            open = &block;
        } else if (line.starts_with("#")) {
            heading = line.substr(line.find_first_not_of('#'));
        }
    }
    return blocks;
}

std::vector<Example> readExamples() {
    std::ifstream page(SPINDEX_BATCH_PAGE);
    // An unreadable page has no examples, and the count of examples below fails.
    std::vector<Example> examples;
    const std::vector<Block> blocks = fencedBlocks(page);
    std::vector<NamedText> inputs;
    Example* current = nullptr;
    auto problem = [&](const Block& b, const std::string& what) {
        Example& e = examples.emplace_back();
        e.name = "Line" + std::to_string(b.line) + "_Malformed";
        e.line = b.line;
        e.problem = "line " + std::to_string(b.line) + ": " + what;
        current = nullptr;
    };
    for (size_t i = 0; i < blocks.size(); ++i) {
        const Block& b = blocks[i];
        if (b.kind == "input") {
            if (b.args.size() != 1)
                problem(b, "```input needs one file name");
            else
                inputs.push_back({b.args[0], b.text});
            current = nullptr;
        } else if (b.kind == "batch") {
            if (!b.args.empty() || i + 1 >= blocks.size() || blocks[i + 1].kind != "output") {
                problem(b, "a ```batch block takes no words and is followed by its ```output block");
                continue;
            }
            const Block& out = blocks[++i];
            Example& e = examples.emplace_back();
            e.name = "Line" + std::to_string(b.line) + "_" + identifier(b.heading);
            e.line = b.line;
            e.script = b.text;
            e.output = out.text;
            e.inputs = std::move(inputs);
            inputs.clear();
            for (const std::string& arg : out.args) {
                if (arg.starts_with("status=") && arg.size() > 7 && std::isdigit(static_cast<unsigned char>(arg[7])))
                    e.status = std::stoi(arg.substr(7));
                else
                    e.problem = "line " + std::to_string(out.line) + ": unknown word " + arg + " after ```output";
            }
            current = &e;
        } else if (b.kind == "file") {
            const bool crlf = b.args.size() == 2 && b.args[1] == "crlf";
            if (!current)
                problem(b, "a ```file block follows the ```output block of its example");
            else if (b.args.size() != 1 && !crlf)
                problem(b, "```file needs one file name and, for CR LF line ends, the word crlf");
            else
                current->files.push_back({b.args[0], b.text, crlf});
        } else if (b.kind == "output") {
            problem(b, "an ```output block without its ```batch block");
        } else {
            current = nullptr;
        }
    }
    if (!inputs.empty())
        problem(blocks.back(), "an ```input block without its example");
    return examples;
}

// Test listings name an example by its place in the page, not by its bytes.
void PrintTo(const Example& e, std::ostream* out) {
    *out << "the example at line " << e.line;
}

const std::vector<Example>& examples() {
    static const std::vector<Example> all = readExamples();
    return all;
}

std::string withCrLf(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

class PageExample : public BatchTest, public testing::WithParamInterface<Example> {};

TEST_P(PageExample, PrintsWhatThePageSays) {
    const Example& e = GetParam();
    ASSERT_EQ(e.problem, "") << SPINDEX_BATCH_PAGE;
    for (const NamedText& input : e.inputs)
        std::ofstream(folder / input.name, std::ios::binary) << input.text;
    const Played played = play(e.script);
    EXPECT_EQ(played.out, e.output) << "the example at line " << e.line;
    EXPECT_EQ(played.status, e.status) << "the example at line " << e.line;
    for (const NamedText& file : e.files) {
        ASSERT_TRUE(std::filesystem::exists(folder / file.name)) << file.name;
        EXPECT_EQ(read(file.name), file.crlf ? withCrLf(file.text) : file.text) << file.name;
    }
}

INSTANTIATE_TEST_SUITE_P(BatchPage, PageExample, testing::ValuesIn(examples()),
                         [](const testing::TestParamInfo<Example>& info) { return info.param.name; });

// The page shows every command and every kind of printed line at work, in an example of its own.
TEST(BatchPage, ExamplesCoverEveryCommandAndEveryKindOfLine) {
    std::set<std::string> commands, lines;
    for (const Example& e : examples()) {
        std::istringstream script(e.script), output(e.output);
        for (std::string line; std::getline(script, line);)
            if (const std::vector<std::string> w = words(line); !w.empty() && !w[0].starts_with("#"))
                commands.insert(w[0]);
        for (std::string line; std::getline(output, line);)
            lines.insert(line.find(" = ") != std::string::npos && line.find(' ') == line.find(" = ")
                             ? "NAME = VALUE"
                             : line.substr(0, line.find(' ')));
    }
    for (const char* command : {"select", "click", "check", "type", "tab", "key", "drag", "wait", "focus", "answer",
                                "savefile", "cancelsave", "openfile", "cancelopen", "get"})
        EXPECT_EQ(commands.count(command), 1u) << command;
    for (const char* kind :
         {"msgbox", "savedialog", "opendialog", "print", "printsetup", "ended", "error:", "NAME = VALUE"})
        EXPECT_EQ(lines.count(kind), 1u) << kind;
    EXPECT_GE(examples().size(), 20u);
}

} // namespace
