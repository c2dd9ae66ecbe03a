// Plans through spindex-batch and real files: the bad inputs of the file system and of the file's
// content, each with its one message and nothing changed; saves that fail; the names the dialogs
// give; the question's Cancel.

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <nlohmann/json.hpp>

#include "batchtest.h"
#include "plantext.h"

namespace {

namespace fs = std::filesystem;

// The set-up of each bad input in the test's folder.
struct BadFile {
    const char* name;
    std::function<void(const fs::path& folder)> make;
    std::string reason;
};

void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

const std::string Channels4 =
    R"("channels":[{"used":true,"storage":"Vault/12 - 12 drives"},{"used":true,"storage":"Vault/12 - 12 drives"},)"
    R"({"used":true,"storage":"Vault/12 - 12 drives"},{"used":true,"storage":"Vault/12 - 12 drives"}])";
std::string plan(const std::string& controller, const std::string& sets, const std::string& rest = "",
                 const std::string& channels = Channels4) {
    return spindex::test::planText(controller, channels, sets, rest);
}
std::string set(const std::string& level, int drives, int spans, const std::string& size,
                const std::string& height = "low profile") {
    return spindex::test::setText(level, drives, spans, size, height);
}
std::function<void(const fs::path&)> file(std::string bytes) {
    return [bytes](const fs::path& folder) { write(folder / "bad.spindex", bytes); };
}

// A text as the protocol's lines write it inside a JSON string.
std::string escaped(const std::string& text) {
    std::string json;
    for (char c : text)
        json += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return json;
}

// Opens PATH over a modified plan and expects the one message with REASON, and the plan, its file,
// its modified flag and the caption as they were.
class BadPlan : public BatchTest {
protected:
    void expectRefused(const std::string& path, const std::string& reason) {
        const Played played =
            play("click Command1\nselect cmbRaidLevel 5\nclick cmdAddLogicals\nget Plan\nopenfile " + path +
                 "\nanswer no\nclick mnuOpenPlan\nget Plan\nget PlanFile\nget PlanModified\nget frmSpindex.caption\n");
        const std::string planLine = played.out.substr(0, played.out.find('\n') + 1);
        ASSERT_EQ(
            planLine.rfind("Plan = {\"format\":\"spindex-plan\",\"version\":1,\"controller\":\"Arvex Osprey\"", 0), 0u);
        EXPECT_EQ(
            played.out,
            planLine +
                R"(msgbox {"title":"Spindex","icon":"exclamation","buttons":"yesnocancel","text":"Save the changes to the new plan?","answer":"no"})"
                "\n"
                R"(opendialog {"filter":"Spindex Plans (*.spindex)|*.spindex","answer":")" +
                path + "\"}\n" +
                R"(msgbox {"title":"Spindex","icon":"critical","buttons":"ok","text":"Could not open the plan )" +
                path + ": " + escaped(reason) + "\",\"answer\":\"ok\"}\n" + planLine +
                "PlanFile = null\nPlanModified = true\nfrmSpindex.caption = \"Spindex (Beta 1.1.7)\"\n");
        EXPECT_EQ(played.status, 0);
    }
};

TEST_F(BadPlan, FilesOfTheFileSystemChangeNothing) {
    // The reasons a plan's content is refused are the reader's, checked beside it; here the files that
    // only a real file system makes, and one refusal through the whole path.
    const BadFile rows[] = {
        {"missing", [](const fs::path&) {}, "the file does not exist"},
        {"folder", [](const fs::path& folder) { fs::create_directory(folder / "bad.spindex"); }, "it is a folder"},
        {"pipe nobody writes to", [](const fs::path& folder) { mkfifo((folder / "bad.spindex").c_str(), 0644); },
         "the file is empty"},
        {"2 MiB", file(std::string(2 * 1024 * 1024, ' ')), "it is larger than 1 MiB"},
        {"level the controller lacks",
         file(plan(
             "Arvex Finch", set("30", 3, 2, "18.2"), "",
             R"("channels":[{"used":true,"storage":"Vault/12 - 12 drives"},{"used":true,"storage":"Vault/12 - 12 drives"},)"
             R"({"used":false,"storage":""},{"used":false,"storage":""}])")),
         "logical drive 0: level \"30\" is not offered by the Arvex Finch"},
    };
    for (const BadFile& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(folder / "bad.spindex");
        row.make(folder);
        expectRefused("bad.spindex", row.reason);
    }
}

// An unreadable file: one without read permission, or, for an administrator, whom permissions do not
// stop, a kernel file that nobody may read.
TEST_F(BadPlan, UnreadableFileChangesNothing) {
    std::string path = (folder / "locked.spindex").string();
    write(path, "{}");
    chmod(path.c_str(), 0);
    if (access(path.c_str(), R_OK) == 0) {
        path = "/proc/sys/vm/drop_caches";
        if (access(path.c_str(), F_OK) != 0 || access(path.c_str(), R_OK) == 0)
            GTEST_SKIP() << "running as an administrator, and no file here that cannot be read";
    }
    expectRefused(path, "it cannot be read (Permission denied)");
}

// The save dialog's name with ".spindex" appended where it had no extension, not made absolute; the
// plan opens again as it was saved; Save Plan then writes to its file without a dialog.
TEST_F(BatchTest, SaveAndOpenWithTheDialogsNames) {
    fs::create_directory(folder / "plans");
    const Played played = play("click Command1\nget mnuOpenPlan\nget mnuSavePlan\nget mnuSavePlanAs\n"
                               "select cmbRaidLevel 10\nselect cmbNumSpans 3\nclick cmdAddLogicals\n"
                               "savefile plans/ten\nclick mnuSavePlan\nget PlanFile\nget frmSpindex.caption\n"
                               "savefile plans/ten.v2\nclick mnuSavePlanAs\nget PlanFile\n"
                               "click optGlobHotSpr(0)\nget PlanModified\nclick mnuSavePlan\nget PlanModified\n"
                               "answer yes\nclick cmdClearAll\nget frmSpindex.caption\n"
                               "openfile plans/ten.spindex\nanswer no\nclick mnuOpenPlan\nget Text1(0)\nget Text2\n"
                               "get PlanFile\nget frmSpindex.caption\n");
    EXPECT_EQ(
        played.out,
        "mnuOpenPlan = \"&Open Plan...\"\nmnuSavePlan = \"&Save Plan\"\nmnuSavePlanAs = \"Save Plan &As...\"\n"
        R"(savedialog {"filter":"Spindex Plans (*.spindex)|*.spindex","defaultext":"spindex","answer":"plans/ten"})"
        "\nPlanFile = \"plans/ten.spindex\"\nfrmSpindex.caption = \"ten.spindex - Spindex (Beta 1.1.7)\"\n"
        R"(savedialog {"filter":"Spindex Plans (*.spindex)|*.spindex","defaultext":"spindex","answer":"plans/ten.v2"})"
        "\nPlanFile = \"plans/ten.v2\"\nPlanModified = true\nPlanModified = false\n"
        R"(msgbox {"title":"Spindex","icon":"none","buttons":"yesno","text":"Are you sure?","answer":"yes"})"
        "\nfrmSpindex.caption = \"ten.v2* - Spindex (Beta 1.1.7)\"\n"
        R"(msgbox {"title":"Spindex","icon":"exclamation","buttons":"yesnocancel","text":"Save the changes to ten.v2?","answer":"no"})"
        "\n"
        R"(opendialog {"filter":"Spindex Plans (*.spindex)|*.spindex","answer":"plans/ten.spindex"})"
        "\nText1(0) = \"10\"\nText2 = \"0\"\nPlanFile = \"plans/ten.spindex\"\n"
        "frmSpindex.caption = \"ten.spindex - Spindex (Beta 1.1.7)\"\n");
    EXPECT_EQ(played.status, 0);
    // The second file holds the global spare, the first does not.
    EXPECT_NE(read("plans/ten.v2").find("\"globalSpares\": {\n    \"count\": 1,"), std::string::npos);
    EXPECT_NE(read("plans/ten.spindex").find("\"globalSpares\": null,"), std::string::npos);
}

// A save that fails: the message, the old file intact, the plan's file and modified flag kept, and
// Exit waiting for the save does not go on.
TEST_F(BatchTest, FailingSavesKeepTheOldFile) {
    write(folder / "old.spindex", "old content");
    chmod((folder / "old.spindex").c_str(), 0444);
    const Played played = play("click Command1\nclick cmdAddLogicals\n"
                               "savefile missing/plan\nclick mnuSavePlanAs\nget PlanFile\nget PlanModified\n"
                               "savefile old\nclick mnuSavePlanAs\nget PlanFile\n"
                               "savefile mine\nclick mnuSavePlanAs\nclick optGlobHotSpr(0)\n"
                               "savefile old.spindex\nclick mnuSavePlanAs\nget PlanFile\nget PlanModified\n"
                               "answer cancel\nclick mnuClose\nanswer no\nclick mnuClose\n");
    const std::string critical =
        R"(msgbox {"title":"Spindex","icon":"critical","buttons":"ok","text":"Could not save the plan to )";
    const std::string dialog =
        R"(savedialog {"filter":"Spindex Plans (*.spindex)|*.spindex","defaultext":"spindex","answer":)";
    EXPECT_EQ(
        played.out,
        dialog + "\"missing/plan\"}\n" + critical +
            "missing/plan.spindex: the folder does not exist\",\"answer\":\"ok\"}\n"
            "PlanFile = null\nPlanModified = true\n" +
            dialog + "\"old\"}\n" + critical +
            "old.spindex: no permission to write it\",\"answer\":\"ok\"}\n"
            "PlanFile = null\n" +
            dialog + "\"mine\"}\n" + dialog + "\"old.spindex\"}\n" + critical +
            "old.spindex: no permission to write it\",\"answer\":\"ok\"}\n"
            "PlanFile = \"mine.spindex\"\nPlanModified = true\n"
            R"(msgbox {"title":"Spindex","icon":"exclamation","buttons":"yesnocancel","text":"Save the changes to mine.spindex?","answer":"cancel"})"
            "\n"
            R"(msgbox {"title":"Spindex","icon":"exclamation","buttons":"yesnocancel","text":"Save the changes to mine.spindex?","answer":"no"})"
            "\nended\n");
    EXPECT_EQ(played.status, 0);
    EXPECT_EQ(read("old.spindex"), "old content");
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

// The README's example plan opens, and Spindex gives back exactly what the example says.
TEST_F(BatchTest, ReadmeExamplePlanOpensAsWritten) {
    std::ifstream readme(SPINDEX_README, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(readme), {}};
    const size_t section = text.find("\n## Plans\n");
    ASSERT_NE(section, std::string::npos);
    const size_t start = text.find("```json\n", section);
    ASSERT_NE(start, std::string::npos);
    const size_t end = text.find("\n```\n", start);
    const std::string example = text.substr(start + 8, end - start - 8 + 1);
    write(folder / "example.spindex", example);
    const Played played = play("click Command1\nopenfile example.spindex\nclick mnuOpenPlan\nget Plan\n");
    const size_t plan = played.out.find("Plan = ");
    ASSERT_NE(plan, std::string::npos) << played.out;
    EXPECT_EQ(played.out.substr(0, plan),
              R"(opendialog {"filter":"Spindex Plans (*.spindex)|*.spindex","answer":"example.spindex"})"
              "\n");
    nlohmann::ordered_json opened = nlohmann::ordered_json::parse(played.out.substr(plan + 7));
    opened.erase("summary"); // written for readers; the example may leave them out
    opened.erase("analysis");
    opened.erase("bom");
    EXPECT_EQ(opened, nlohmann::ordered_json::parse(example));
    EXPECT_EQ(played.status, 0);
}

} // namespace
