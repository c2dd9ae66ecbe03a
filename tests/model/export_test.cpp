// The text export: the user names a file in the save dialog and the report is written there. A file is
// replaced only by a complete new one; a failure is reported with the path, and the old content stays.
// Cancelling writes nothing and shows nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "outputforms.h"
#include "reportlayout.h"
#include "savereport.h"
#include "testsession.h"

namespace spindex {
namespace {

namespace fs = std::filesystem;

class TextExport : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        m_folder = fs::temp_directory_path() / ("spindex-export-" + std::to_string(random()));
        fs::create_directories(m_folder);
    }
    void TearDown() override {
        std::error_code ec;
        for (const auto &entry : fs::recursive_directory_iterator(m_folder, ec))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_folder, ec);
    }

    static std::string read(const fs::path &path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }
    static void write(const fs::path &path, const std::string &content) {
        std::ofstream(path, std::ios::binary) << content;
    }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()));
    }

    static void expectFailureMessage(const test::TestHost &host, const std::string &path) {
        ASSERT_EQ(host.messages.size(), 1u);
        const test::Message &msg = host.messages[0];
        const std::string start = "Could not save the report to " + path;
        EXPECT_EQ(msg.text.substr(0, start.size()), start) << msg.text;
        const std::string rest = msg.text.substr(std::min(start.size(), msg.text.size()));
        EXPECT_TRUE(rest.empty() || rest.substr(0, 2) == ": ") << msg.text;
        EXPECT_EQ(msg.buttons, MsgButtons::Ok);
        EXPECT_EQ(msg.icon, MsgIcon::Critical);
        EXPECT_EQ(msg.title, "Spindex");
    }

    fs::path m_folder;
};

TEST_F(TextExport, SaveDataAsWritesTheReport) {
    test::Session s(6);
    ASSERT_TRUE(s.add("5", "12", "", "36.4"));
    const fs::path path = m_folder / "typical.txt";
    s.host.saveAnswers.push_back(path.string());
    s.main().mnuSave.userClick();
    EXPECT_TRUE(s.host.messages.empty()) << test::messageTexts(s.host);
    ASSERT_EQ(s.host.saveDialogs.size(), 1u);
    EXPECT_EQ(s.host.saveDialogs[0].filter, "Text Files (*.txt)|*.txt");
    EXPECT_EQ(s.host.saveDialogs[0].defaultExt, "txt");
    const std::string content = read(path);
    EXPECT_EQ(content, report::textFile(reportInput(s.main())));
    EXPECT_NE(content.find("Logical Drive 0\r\n" + std::string(8, ' ') + "Raid Level      5\r\n"),
              std::string::npos);
    EXPECT_EQ(filesInFolder(), 1u); // no temporary file left behind
}

TEST_F(TextExport, ExistingFileIsReplacedNotAppended) {
    test::Session s(6);
    const fs::path path = m_folder / "old.txt";
    write(path, std::string(5000, 'x'));
    s.host.saveAnswers.push_back(path.string());
    s.main().mnuSave.userClick();
    EXPECT_EQ(read(path), report::textFile(reportInput(s.main())));
    EXPECT_TRUE(s.host.messages.empty());
}

TEST_F(TextExport, ReportWindowWritesTheSameFile) {
    test::Session s(6);
    ASSERT_TRUE(s.add("0", "3"));
    s.main().cmdDataReport.userClick();
    const fs::path path = m_folder / "from-report.txt";
    s.host.saveAnswers.push_back(path.string());
    s.program.frmLogicalDriveDisplay()->mnuPtoFile.userClick();
    EXPECT_EQ(read(path), report::textFile(reportInput(s.main())));
}

TEST_F(TextExport, CancelWritesNothingAndShowsNothing) {
    test::Session s(6);
    s.host.saveAnswers.push_back(std::nullopt);
    s.main().mnuSave.userClick();
    EXPECT_EQ(s.host.saveDialogs.size(), 1u);
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_EQ(filesInFolder(), 0u);
}

TEST_F(TextExport, MissingFolderIsReported) {
    test::Session s(6);
    const fs::path path = m_folder / "no such folder" / "report.txt";
    s.host.saveAnswers.push_back(path.string());
    s.main().mnuSave.userClick();
    expectFailureMessage(s.host, path.string());
    EXPECT_FALSE(fs::exists(path.parent_path()));
}

// Also when the tests run as root, a file without write permission keeps its content.
TEST_F(TextExport, ReadOnlyFileIsReportedAndKeepsItsContent) {
    test::Session s(6);
    ASSERT_TRUE(s.add("0", "3"));
    const fs::path path = m_folder / "locked.txt";
    write(path, "old content\r\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    s.host.saveAnswers.push_back(path.string());
    s.main().mnuSave.userClick();
    expectFailureMessage(s.host, path.string());
    EXPECT_EQ(read(path), "old content\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(TextExport, FolderInPlaceOfTheFileIsReported) {
    test::Session s(6);
    const fs::path path = m_folder / "a folder.txt";
    fs::create_directory(path);
    s.host.saveAnswers.push_back(path.string());
    s.main().mnuSave.userClick();
    expectFailureMessage(s.host, path.string());
    EXPECT_TRUE(fs::is_directory(path));
}

} // namespace
} // namespace spindex
