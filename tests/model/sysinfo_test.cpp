// The about box and its system information launcher. GetKeyValue reads one registry value (a text loses
// one trailing NUL; a number becomes the hexadecimal codes of its characters read back as a number);
// StartSysInfo starts the tool found through the registry or says it is unavailable.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "registry.h"
#include "testsession.h"

namespace spindex {
namespace {

using Strings = std::vector<std::string>;

class FakeRegistry : public Registry {
public:
    std::map<std::tuple<std::uint32_t, std::string, std::string>, RegistryValue> values;
    std::vector<std::string> queries;

    void setText(const std::string &key, const std::string &name, const std::string &text) {
        values[{HKEY_LOCAL_MACHINE_ROOT, key, name}] = {REG_SZ_TYPE, {text.begin(), text.end()}};
    }

    std::optional<RegistryValue> queryValue(std::uint32_t root, const std::string &key,
                                            const std::string &valueName) override {
        queries.push_back(key + "|" + valueName);
        const auto it = values.find({root, key, valueName});
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
};

const char *const MsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char *const LocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const char *const Unavailable = "System Information Is Unavailable At This Time";

std::string withNul(const std::string &text) {
    return text + std::string(1, '\0');
}

// ---- GetKeyValue ----

TEST(GetKeyValue, TextWithTrailingNulLosesIt) {
    FakeRegistry registry;
    registry.setText(MsinfoKey, "PATH", withNul("C:\\Tools\\MSINFO32.EXE"));
    std::string value = "before";
    EXPECT_TRUE(GetKeyValue(&registry, HKEY_LOCAL_MACHINE_ROOT, MsinfoKey, "PATH", value));
    EXPECT_EQ(value, "C:\\Tools\\MSINFO32.EXE");
}

TEST(GetKeyValue, TextWithoutTrailingNulIsWhole) {
    FakeRegistry registry;
    registry.setText(MsinfoKey, "PATH", "C:\\Tools\\MSINFO32.EXE");
    std::string value;
    EXPECT_TRUE(GetKeyValue(&registry, HKEY_LOCAL_MACHINE_ROOT, MsinfoKey, "PATH", value));
    EXPECT_EQ(value, "C:\\Tools\\MSINFO32.EXE");
}

TEST(GetKeyValue, OnlyOneTrailingNulGoes) {
    FakeRegistry registry;
    registry.setText(MsinfoKey, "PATH", withNul(withNul("abc")));
    std::string value;
    EXPECT_TRUE(GetKeyValue(&registry, HKEY_LOCAL_MACHINE_ROOT, MsinfoKey, "PATH", value));
    EXPECT_EQ(value, withNul("abc"));
}

struct NumberRow {
    const char *name;
    std::vector<std::uint8_t> bytes;
    const char *text;
};

void PrintTo(const NumberRow &row, std::ostream *os) {
    *os << row.name;
}

class GetKeyValueNumber : public ::testing::TestWithParam<NumberRow> {};

// The kept characters, last to first, as hexadecimal codes after "&h", read back as a number.
TEST_P(GetKeyValueNumber, HexadecimalCodesReadBack) {
    FakeRegistry registry;
    registry.values[{HKEY_LOCAL_MACHINE_ROOT, LocationKey, "MSINFO"}] = {REG_DWORD_TYPE, GetParam().bytes};
    std::string value = "before";
    EXPECT_TRUE(GetKeyValue(&registry, HKEY_LOCAL_MACHINE_ROOT, LocationKey, "MSINFO", value));
    EXPECT_EQ(value, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueNumber,
    ::testing::Values(NumberRow{"FortyTwoLosesItsNulByte", {0x2A, 0x00, 0x00, 0x00}, "42"},
                      NumberRow{"FourBytesWithoutNul", {0x01, 0x02, 0x03, 0x04}, "17185"},
                      NumberRow{"CodesWithoutLeadingZeros", {0x34, 0x12, 0x00, 0x00}, "4660"}),
    [](const ::testing::TestParamInfo<NumberRow> &info) { return std::string(info.param.name); });

TEST(GetKeyValue, OtherTypeLeavesTheValueAndSucceeds) {
    FakeRegistry registry;
    registry.values[{HKEY_LOCAL_MACHINE_ROOT, MsinfoKey, "PATH"}] = {3, {0x41, 0x42}};
    std::string value = "before";
    EXPECT_TRUE(GetKeyValue(&registry, HKEY_LOCAL_MACHINE_ROOT, MsinfoKey, "PATH", value));
    EXPECT_EQ(value, "before");
}

TEST(GetKeyValue, MissingKeyFailsAndEmptiesTheValue) {
    FakeRegistry registry;
    std::string value = "before";
    EXPECT_FALSE(GetKeyValue(&registry, HKEY_LOCAL_MACHINE_ROOT, MsinfoKey, "PATH", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(GetKeyValue(nullptr, HKEY_LOCAL_MACHINE_ROOT, MsinfoKey, "PATH", value));
}

// ---- The about box and StartSysInfo ----

class AboutBox : public ::testing::Test {
protected:
    AboutForm &open() {
        s.program.registry = &registry;
        s.main().mnuAbout.userClick();
        AboutForm *about = s.program.frmAbout();
        EXPECT_NE(about, nullptr);
        return *about;
    }
    void expectUnavailable() {
        ASSERT_EQ(s.host.messages.size(), 1u);
        EXPECT_EQ(s.host.messages[0].text, Unavailable);
        EXPECT_EQ(s.host.messages[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(s.host.messages[0].title, "Spindex");
    }

    test::Session s{6};
    FakeRegistry registry;
};

TEST_F(AboutBox, ShowsTheProgramsIdentity) {
    const AboutForm &about = open();
    EXPECT_TRUE(about.visible);
    EXPECT_EQ(about.caption, "About Spindex");
    EXPECT_EQ(about.lblTitle.caption, "Spindex");
    EXPECT_EQ(about.lblVersion.caption, "Version 1.1.7");
    EXPECT_EQ(
        about.lblDescription.caption,
        "This program is a RAID calculator with built in rules for each of Corvanes RAID controllers.  "
        "Logical "
        "Drives can be split accross physical drives, but that is not implimented here.  Only the basic "
        "configurations.");
    EXPECT_FALSE(about.lblComments.caption.empty());
    EXPECT_EQ(about.cmdSysInfo.caption, "&System Info...");
}

TEST_F(AboutBox, OkAndFocusLossClose) {
    open().cmdOK.userClick();
    EXPECT_EQ(s.program.frmAbout(), nullptr);
    open();
    s.program.focus(&s.main());
    EXPECT_EQ(s.program.frmAbout(), nullptr);
}

TEST_F(AboutBox, PathValueIsStarted) {
    registry.setText(MsinfoKey, "PATH", withNul("C:\\Tools\\MSINFO32.EXE"));
    registry.setText(LocationKey, "MSINFO", withNul("D:\\Other"));
    open().cmdSysInfo.userClick();
    EXPECT_EQ(s.host.started, Strings{"C:\\Tools\\MSINFO32.EXE"});
    EXPECT_TRUE(s.host.messages.empty());
}

TEST_F(AboutBox, FolderValueWithTheProgramIsStarted) {
    registry.setText(LocationKey, "MSINFO", withNul("C:\\Common\\MSInfo"));
    s.host.existingFiles.insert("C:\\Common\\MSInfo\\MSINFO32.EXE");
    open().cmdSysInfo.userClick();
    EXPECT_EQ(s.host.existenceChecks, Strings{"C:\\Common\\MSInfo\\MSINFO32.EXE"});
    EXPECT_EQ(s.host.started, Strings{"C:\\Common\\MSInfo\\MSINFO32.EXE"});
    EXPECT_TRUE(s.host.messages.empty());
}

TEST_F(AboutBox, FolderWithoutTheProgramIsUnavailable) {
    registry.setText(LocationKey, "MSINFO", withNul("C:\\Common\\MSInfo"));
    open().cmdSysInfo.userClick();
    EXPECT_EQ(s.host.existenceChecks, Strings{"C:\\Common\\MSInfo\\MSINFO32.EXE"});
    EXPECT_TRUE(s.host.started.empty());
    expectUnavailable();
}

TEST_F(AboutBox, NeitherValueIsUnavailable) {
    open().cmdSysInfo.userClick();
    EXPECT_EQ(registry.queries,
              (Strings{std::string(MsinfoKey) + "|PATH", std::string(LocationKey) + "|MSINFO"}));
    EXPECT_TRUE(s.host.started.empty());
    expectUnavailable();
}

TEST_F(AboutBox, NoRegistryIsUnavailable) {
    AboutForm &about = open();
    s.program.registry = nullptr;
    about.cmdSysInfo.userClick();
    expectUnavailable();
}

TEST_F(AboutBox, ProgramThatWillNotStartIsUnavailable) {
    registry.setText(MsinfoKey, "PATH", "C:\\Tools\\MSINFO32.EXE");
    s.host.startableFiles.insert("C:\\Elsewhere\\other.exe");
    open().cmdSysInfo.userClick();
    EXPECT_EQ(s.host.started, Strings{"C:\\Tools\\MSINFO32.EXE"});
    expectUnavailable();
}

// A value of another type reads as success with nothing in it; starting nothing fails.
TEST_F(AboutBox, PathOfAnotherTypeTriesAndFails) {
    registry.values[{HKEY_LOCAL_MACHINE_ROOT, MsinfoKey, "PATH"}] = {3, {0x43, 0x3A}};
    open().cmdSysInfo.userClick();
    EXPECT_EQ(s.host.started, Strings{""});
    expectUnavailable();
}

} // namespace
} // namespace spindex
