// The configuration report: the text file with CR LF after every line, the positioned lines of the
// report window (totals at the top, sets 0 to 3 in the left column and 4 to 7 in the right), and the
// export. Labels and values are right-aligned in fields of fixed width; a longer text keeps its first
// characters. A file is replaced only by a complete new one; a failed export is reported with the
// path and leaves the old content; Cancel writes nothing and shows nothing.

#include <sstream>

#include "outputs/outputforms.h"
#include "outputs/savereport.h"
#include "testsession.h"

namespace spindex {
namespace {

using test::Strings;

std::string right(const std::string& text, std::size_t width) {
    return std::string(width - text.size(), ' ') + text;
}

// The totals (the slot label cut to its first 35 characters), three empty lines, then for each set,
// given as "level,drives,spans,size,capacity,HH or LP", seven lines and an empty one.
Strings fileLines(const Strings& totals, const Strings& sets) {
    const char* const totalLabels[] = {"Total Number of Drives", "GigaBytes Total Usable Drive Space",
                                       "Number of Channels Used", "Total Number Low Profile Drive Slot"};
    const char* const setLabels[] = {"Raid Level", "Number of Drives", "Number of Spans", "Drive Capacity",
                                     "Total Capacity"};
    Strings lines;
    for (size_t k = 0; k < 4; ++k)
        lines.push_back(right(totalLabels[k], 35) + "  " + right(totals[k], 7));
    lines.insert(lines.end(), 3, "");
    for (size_t t = 0; t < sets.size(); ++t) {
        lines.push_back("Logical Drive " + std::to_string(t));
        std::istringstream fields(sets[t]);
        std::string value;
        for (size_t k = 0; k < 5 && std::getline(fields, value, ','); ++k)
            lines.push_back(right(setLabels[k], 18) + right(value, 7));
        std::getline(fields, value);
        lines.push_back(right("Drive Height", 18) + right(value == "HH" ? "Half Height" : "Low Profile", 15));
        lines.push_back("");
    }
    return lines;
}

std::string crlf(const Strings& lines) {
    std::string all;
    for (const std::string& line : lines)
        all += line + "\r\n";
    return all;
}

const char* const ThreeSetConfiguration = "add 5 12 - 36.4 lp; add 10 2 3 72.8; add 0 3 - 9.1";
const Strings ThreeSets{"5,12,1,36.4,400.4,LP", "10,2,3,72.8,218.4,HH", "0,3,1,9.1,27.3,LP"};
const Strings ThreeSetTotals{"21", "646.1", "4", "24"};
const char* const EightSetConfiguration =
    "add 0 1 - 18.2 lp; add 0 2; add 0 3; add 0 4; add 0 5; add 0 6; add 0 7; add 0 8 - - hh";
const Strings EightSets{"0,1,1,18.2,18.2,LP", "0,2,1,18.2,36.4,LP",  "0,3,1,18.2,54.6,LP",  "0,4,1,18.2,72.8,LP",
                        "0,5,1,18.2,91,LP",   "0,6,1,18.2,109.2,LP", "0,7,1,18.2,127.4,LP", "0,8,1,18.2,145.6,HH"};

TEST(ReportFile, ByteForByte) {
    const struct {
        const char* name;
        std::string configuration;
        Strings totals, sets;
        size_t lines;
    } rows[] = {{"NoSet", "", {"0", "0", "4", "0"}, {}, 7},
                {"ThreeSets", ThreeSetConfiguration, ThreeSetTotals, ThreeSets, 31},
                {"EightSets", EightSetConfiguration, {"36", "655.2", "4", "40"}, EightSets, 71},
                // A set behind an empty tab is not listed (the program itself never leaves such a gap).
                {"EmptyTabBeforeAFilledOne",
                 ThreeSetConfiguration + std::string("; add 0 4; empty 2"),
                 {"25", "682.5", "4", "28"},
                 {ThreeSets[0], ThreeSets[1]},
                 23},
                {"HalfHeightSet", "add 5 4 - 36.4 hh", {"4", "109.2", "4", "6"}, {"5,4,1,36.4,109.2,HH"}, 15}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(6);
        s.run(row.configuration);
        const Strings expected = fileLines(row.totals, row.sets);
        EXPECT_EQ(expected.size(), row.lines);
        EXPECT_EQ(report::textFile(reportInput(s.main())), crlf(expected));
    }
    const Strings three = fileLines(ThreeSetTotals, ThreeSets);
    EXPECT_EQ(three[1], " GigaBytes Total Usable Drive Space    646.1");
    EXPECT_EQ(three[3], "Total Number Low Profile Drive Slot       24");
    EXPECT_EQ(three[8], "        Raid Level      5");
    EXPECT_EQ(three[13], "      Drive Height    Low Profile");
}

// Sets 0 to 3 in the left column at 1000 twips, 4 to 7 in the right at 5500, both from 1800 down; the
// carriage return after each block goes to the left edge.
TEST(ReportWindow, TotalsAndTwoColumnsOfSets) {
    test::Session s(6);
    s.run(EightSetConfiguration);
    s.main().cmdDataReport.userClick();
    const ReportForm* report = s.program.frmLogicalDriveDisplay();
    ASSERT_NE(report, nullptr);
    const Strings file = fileLines(s.totals(), EightSets);
    auto line = [](int x, int size, bool emphasis, const std::string& text) {
        return std::to_string(x) + " " + std::to_string(size) + (emphasis ? "! " : " ") + text;
    };
    Strings expected;
    for (size_t k = 0; k < 4; ++k)
        expected.push_back(line(1000, 11, false, file[k]));
    expected.push_back(line(0, 11, false, "\r\r\r"));
    for (size_t t = 0; t < 8; ++t) {
        const int column = t < 4 ? 1000 : 5500;
        expected.push_back(line(column, 15, true, "  Logical Drive   " + std::to_string(t) + "    "));
        for (size_t k = 1; k < 7; ++k)
            expected.push_back(line(column, 9, false, "   " + file[7 + 8 * t + k]));
        expected.push_back(line(0, 9, false, "\r"));
    }
    EXPECT_EQ(expected[6], "1000 9    " + std::string(8, ' ') + "Raid Level      0");
    Strings drawn;
    for (const report::PrintedLine& l : report->lines)
        drawn.push_back(line(l.x, l.size, l.emphasis, l.text));
    ASSERT_EQ(drawn, expected);
    for (size_t i = 1; i < report->lines.size(); ++i) {
        if (i == 5 || i == 5 + 4 * 8) // the headings of sets 0 and 4
            EXPECT_EQ(report->lines[i].y, 1800) << i;
        else
            EXPECT_GT(report->lines[i].y, report->lines[i - 1].y) << i;
    }
}

// The report is a snapshot, and each opening shows one fresh report: the button, "Display
// Configuration", and "Print Configuration", which prints it as the report window's Print does.
TEST(ReportWindow, OneSnapshotPerOpeningPrintAndClose) {
    test::Session s(6);
    MainForm& m = s.main();
    s.run(ThreeSetConfiguration);
    m.cmdDataReport.userClick();
    const std::vector<report::PrintedLine> first = s.program.frmLogicalDriveDisplay()->lines;
    s.program.focus(&m);
    s.play("clear yes");
    EXPECT_EQ(s.program.frmLogicalDriveDisplay()->lines, first);
    EXPECT_EQ(s.take(), Strings{"Spindex (yes/no): Are you sure?"});
    s.run(ThreeSetConfiguration);
    m.mnuDisplay.userClick();
    EXPECT_EQ(s.program.frmLogicalDriveDisplay()->lines, first);
    m.mnuPrint.userClick();
    ReportForm& report = *s.program.frmLogicalDriveDisplay();
    EXPECT_EQ(report.lines, first);
    report.mnuPrint.userClick();
    report.mnuPrinterSetup.userClick();
    m.mnuPrintSetup.userClick();
    EXPECT_EQ(s.host.printed, Strings(2, "frmLogicalDriveDisplay"));
    EXPECT_EQ(s.host.printerSetups, (Strings{"frmLogicalDriveDisplay", "frmSpindex"}));
    report.mnuClose.userClick();
    EXPECT_EQ(s.program.frmLogicalDriveDisplay(), nullptr);
    EXPECT_EQ(s.program.focused(), &m);
}

// "Save Data As" writes the report through the host; Cancel writes nothing; the report window
// writes the same file.
TEST(TextExport, WritesTheReport) {
    test::Session s{6};
    s.run("add 5 12 - 36.4");
    s.host.saveAnswers = {"typical.txt", std::nullopt, "from-report.txt"};
    s.main().mnuSave.userClick();
    EXPECT_EQ(s.host.files["typical.txt"], crlf(fileLines({"12", "400.4", "4", "12"}, {"5,12,1,36.4,400.4,LP"})));
    s.main().mnuSave.userClick();
    s.main().cmdDataReport.userClick();
    s.program.frmLogicalDriveDisplay()->mnuPtoFile.userClick();
    EXPECT_EQ(s.host.files["from-report.txt"], s.host.files["typical.txt"]);
    EXPECT_EQ(s.host.saveDialogs, Strings(3, "Text Files (*.txt)|*.txt txt"));
    EXPECT_EQ(s.take(), Strings{});
    EXPECT_EQ(s.host.files.size(), 2u);
}

// The hidden count of channels in use follows every tick and every controller, and the report and the
// text export list it as it is at that moment.
TEST(ChannelsUsed, ListedInTheReportAndTheExport) {
    const struct {
        const char* name;
        int controller;
        const char* actions;
        const char* line;
    } rows[] = {
        {"Lark", 1, "", "            Number of Channels Used        1"},
        {"Keel", 7, "add 5 4 - 36.4", "            Number of Channels Used        2"},
        {"OspreyTwoUnticked", 6, "untick 1; untick 3", "            Number of Channels Used        2"},
        {"OspreyTickedAgain", 6, "untick 1; untick 3; untick 3", "            Number of Channels Used        3"},
        {"Osprey", 6, "add 5 12 - 36.4", "            Number of Channels Used        4"},
        // Unticking a channel whose slots are in use is rolled back: all four stay in use.
        {"OspreyRolledBack", 6, "add 5 12 - 36.4; add 5 12; add 5 12; add 5 12; untick 2",
         "            Number of Channels Used        4"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(row.controller);
        s.play(row.actions);
        s.take();
        s.host.saveAnswers = {"report.txt"};
        s.main().mnuSave.userClick();
        const std::string file = s.host.files["report.txt"];
        const std::size_t third = file.find("\r\n", file.find("\r\n") + 2) + 2;
        EXPECT_EQ(file.substr(third, file.find("\r\n", third) - third), row.line);
        s.main().cmdDataReport.userClick();
        ASSERT_NE(s.program.frmLogicalDriveDisplay(), nullptr);
        EXPECT_EQ(s.program.frmLogicalDriveDisplay()->lines.at(2).text, row.line);
    }
}

// A controller with fewer channels counts only those; the count is right again at once.
TEST(ChannelsUsed, FollowsTheController) {
    test::Session s(6);
    s.host.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    s.main().mnuController[7].userClick();
    EXPECT_EQ(s.main().txtSumTotals[2].text(), "2");
    s.main().mnuController[1].userClick();
    EXPECT_EQ(s.main().txtSumTotals[2].text(), "1");
    EXPECT_FALSE(s.main().txtSumTotals[2].visible);
}

// A failed export must not pass for a saved one: the user hears of it once, with the host's reason.
TEST(TextExport, FailureIsReported) {
    test::Session s{6};
    s.host.failingWrites["/nowhere/report.txt"] = "the folder does not exist";
    s.host.saveAnswers = {"/nowhere/report.txt"};
    s.main().mnuSave.userClick();
    EXPECT_EQ(
        s.take(),
        Strings{"Spindex (critical): Could not save the report to /nowhere/report.txt: the folder does not exist"});
    EXPECT_TRUE(s.host.files.empty());
}

} // namespace
} // namespace spindex
