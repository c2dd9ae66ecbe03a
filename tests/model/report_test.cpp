// The configuration report: the text file with CR LF after every line, the positioned lines of the
// report window (totals at the top, sets 0 to 3 in the left column and 4 to 7 in the right), and the
// export. Labels and values are right-aligned in fields of fixed width; a longer label keeps its first
// characters, a longer value is written whole after a blank. Cancel writes nothing and shows nothing.

#include <algorithm>

#include "outputs/outputforms.h"
#include "outputs/savereport.h"
#include "reportlayout.h"
#include "testsession.h"

namespace spindex {
namespace {

using test::Strings;

std::string crlf(const Strings& lines) {
    std::string all;
    for (const std::string& line : lines)
        all += line + "\r\n";
    return all;
}

// The fourth channel unticked: the report lists the channels in use as they are.
const std::string ThreeSets = "add 5 12 - 36.4 lp; add 10 2 3 72.8; add 0 3 - 9.1";
const std::string ThreeSetConfiguration = "untick 3; " + ThreeSets;
const char* const EightSetConfiguration =
    "add 0 1 - 18.2 lp; add 0 2; add 0 3; add 0 4; add 0 5; add 0 6; add 0 7; add 0 8 - - hh";

// The totals (the slot label cut to its first 35 characters), three empty lines, then seven lines and an
// empty one for each set.
const Strings ThreeSetFile{"             Total Number of Drives       21",
                           " GigaBytes Total Usable Drive Space    646.1",
                           "            Number of Channels Used        3",
                           "Total Number Low Profile Drive Slot       24",
                           "",
                           "",
                           "",
                           "Logical Drive 0",
                           "        Raid Level      5",
                           "  Number of Drives     12",
                           "   Number of Spans      1",
                           "    Drive Capacity   36.4",
                           "    Total Capacity  400.4",
                           "      Drive Height    Low Profile",
                           "",
                           "Logical Drive 1",
                           "        Raid Level     10",
                           "  Number of Drives      2",
                           "   Number of Spans      3",
                           "    Drive Capacity   72.8",
                           "    Total Capacity  218.4",
                           "      Drive Height    Half Height",
                           "",
                           "Logical Drive 2",
                           "        Raid Level      0",
                           "  Number of Drives      3",
                           "   Number of Spans      1",
                           "    Drive Capacity    9.1",
                           "    Total Capacity   27.3",
                           "      Drive Height    Low Profile",
                           ""};

TEST(ReportFile, ByteForByte) {
    test::Session s(6);
    EXPECT_EQ(report::textFile(reportInput(s.main())),
              crlf({"             Total Number of Drives        0", " GigaBytes Total Usable Drive Space        0",
                    "            Number of Channels Used        4", "Total Number Low Profile Drive Slot        0", "",
                    "", ""}));
    s.run(ThreeSetConfiguration);
    EXPECT_EQ(report::textFile(reportInput(s.main())), crlf(ThreeSetFile));
    // A set behind an empty tab is not listed (the program itself never leaves such a gap).
    s.run("add 0 4; empty 2");
    const std::string gap = report::textFile(reportInput(s.main()));
    EXPECT_EQ(std::count(gap.begin(), gap.end(), '\n'), 23);
    EXPECT_EQ(gap.find("Logical Drive 2"), std::string::npos);
    EXPECT_EQ(gap.find("Logical Drive 3"), std::string::npos);
}

// Sets 0 to 3 in the left column at 1000 twips, 4 to 7 in the right at 5500, both from 1800 down; the
// carriage return after each block goes to the left edge.
// A value of exactly seven characters fills its field; a longer one is written whole after one blank,
// in the window's lines as in the file's.
TEST(ReportLayout, ValueLongerThanItsFieldWrittenWhole) {
    report::ReportInput input;
    input.totalLabels = {"Total Number of Drives", "GigaBytes Total Usable Drive Space", "Number of Channels Used",
                         "Total Number Low Profile Drive Slots Used"};
    input.totalValues = {"48", "479999.52", "4", "48"};
    input.sets[0] = {{"Raid Level", "Number of Drives", "Number of Spans", "Drive Capacity", "Total Capacity"},
                     {"0", "48", "1", "9999.99", "479999.52"}};
    const Strings lines = report::textLines(input);
    EXPECT_EQ(
        Strings(lines.begin(), lines.begin() + 4),
        (Strings{"             Total Number of Drives       48", " GigaBytes Total Usable Drive Space   479999.52",
                 "            Number of Channels Used        4", "Total Number Low Profile Drive Slot       48"}));
    EXPECT_EQ(lines[11], "    Drive Capacity9999.99");
    EXPECT_EQ(lines[12], "    Total Capacity 479999.52");
    EXPECT_EQ(report::displayLines(input)[10].text, "       Total Capacity 479999.52");
}

TEST(ReportWindow, TotalsAndTwoColumnsOfSets) {
    test::Session s(6);
    s.run(EightSetConfiguration);
    s.main().cmdDataReport.userClick();
    const ReportForm* report = s.program.frmLogicalDriveDisplay();
    ASSERT_NE(report, nullptr);
    auto line = [](const report::PrintedLine& l) {
        return std::to_string(l.x) + " " + std::to_string(l.size) + (l.emphasis ? "! " : " ") + l.text;
    };
    ASSERT_EQ(report->lines.size(), 69u);
    EXPECT_EQ(line(report->lines[0]), "1000 11              Total Number of Drives       36");
    EXPECT_EQ(line(report->lines[4]), "0 11 \r\r\r");
    EXPECT_EQ(line(report->lines[5]), "1000 15!   Logical Drive   0    ");
    EXPECT_EQ(line(report->lines[6]), "1000 9            Raid Level      0");
    EXPECT_EQ(line(report->lines[12]), "0 9 \r");
    EXPECT_EQ(line(report->lines[37]), "5500 15!   Logical Drive   4    ");
    EXPECT_EQ(line(report->lines[67]), "5500 9          Drive Height    Half Height");
    EXPECT_EQ(line(report->lines[68]), "0 9 \r");
    for (size_t i = 1; i < report->lines.size(); ++i) {
        if (i == 5 || i == 5 + 4 * 8) // the headings of sets 0 and 4
            EXPECT_EQ(report->lines[i].y, 1800) << i;
        else
            EXPECT_GT(report->lines[i].y, report->lines[i - 1].y) << i;
    }
}

// "Save Data As" and the report window's own export write the same text file through the dialog;
// Cancel writes nothing. The report is a snapshot, and each opening shows one fresh report: the
// button, "Display Configuration", and "Print Configuration", which prints it as the report window's
// Print does.
TEST(ReportWindow, ExportsPrintsAndCloses) {
    test::Session s(6);
    MainForm& m = s.main();
    s.run(ThreeSetConfiguration);
    s.host.saveAnswers = {"typical.txt", std::nullopt, "from-report.txt"};
    m.mnuSave.userClick();
    EXPECT_EQ(s.host.files["typical.txt"], crlf(ThreeSetFile));
    m.mnuSave.userClick();
    m.cmdDataReport.userClick();
    const std::vector<report::PrintedLine> first = s.program.frmLogicalDriveDisplay()->lines;
    EXPECT_EQ(first.at(2).text, "            Number of Channels Used        3");
    s.program.frmLogicalDriveDisplay()->mnuPtoFile.userClick();
    EXPECT_EQ(s.host.files["from-report.txt"], s.host.files["typical.txt"]);
    EXPECT_EQ(s.host.saveDialogs, Strings(3, "Text Files (*.txt)|*.txt txt"));
    EXPECT_EQ(s.host.files.size(), 2u);

    // A snapshot: clearing the table does not reach the report shown.
    s.program.focus(&m);
    s.play("clear yes");
    EXPECT_EQ(s.program.frmLogicalDriveDisplay()->lines, first);
    EXPECT_EQ(s.take(), Strings{"Spindex (yes/no): Are you sure?"});
    s.run(ThreeSets);
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
    EXPECT_EQ(s.take(), Strings{});
}

} // namespace
} // namespace spindex
