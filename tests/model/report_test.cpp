// The configuration report: the text file line by line (CR LF after each line), and the positioned lines
// of the report window: totals at the top, sets 0 to 3 in the left column and 4 to 7 in the right.
// Labels and values are right-aligned in fields of fixed width; a longer text keeps its first characters.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "outputforms.h"
#include "reportlayout.h"
#include "savereport.h"
#include "testsession.h"

namespace spindex {
namespace {

using Strings = std::vector<std::string>;
using report::PrintedLine;

std::string sp(std::size_t n) {
    return std::string(n, ' ');
}

std::string crlf(const Strings &lines) {
    std::string all;
    for (const std::string &line : lines)
        all += line + "\r\n";
    return all;
}

Strings lines(const std::string &file) {
    Strings result;
    std::size_t start = 0;
    for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2)
        result.push_back(file.substr(start, end - start));
    EXPECT_EQ(start, file.size()) << "text after the last line end";
    return result;
}

// The three sets used by several cases, on the Osprey.
void addThreeSets(test::Session &s) {
    ASSERT_TRUE(s.add("5", "12", "", "36.4", false));
    ASSERT_TRUE(s.add("10", "2", "3", "72.8"));
    ASSERT_TRUE(s.add("0", "3", "", "9.1"));
}

const Strings ThreeSetFile{
    sp(13) + "Total Number of Drives" + "  " + sp(5) + "21",
    sp(1) + "GigaBytes Total Usable Drive Space" + "  " + sp(2) + "646.1",
    sp(12) + "Number of Channels Used" + "  " + sp(6) + "1",
    "Total Number Low Profile Drive Slot" + std::string("  ") + sp(5) + "24",
    "",
    "",
    "",
    "Logical Drive 0",
    sp(8) + "Raid Level" + sp(6) + "5",
    sp(2) + "Number of Drives" + sp(5) + "12",
    sp(3) + "Number of Spans" + sp(6) + "1",
    sp(4) + "Drive Capacity" + sp(3) + "36.4",
    sp(4) + "Total Capacity" + sp(2) + "400.4",
    sp(6) + "Drive Height" + sp(4) + "Low Profile",
    "",
    "Logical Drive 1",
    sp(8) + "Raid Level" + sp(5) + "10",
    sp(2) + "Number of Drives" + sp(6) + "2",
    sp(3) + "Number of Spans" + sp(6) + "3",
    sp(4) + "Drive Capacity" + sp(3) + "72.8",
    sp(4) + "Total Capacity" + sp(2) + "218.4",
    sp(6) + "Drive Height" + sp(4) + "Half Height",
    "",
    "Logical Drive 2",
    sp(8) + "Raid Level" + sp(6) + "0",
    sp(2) + "Number of Drives" + sp(6) + "3",
    sp(3) + "Number of Spans" + sp(6) + "1",
    sp(4) + "Drive Capacity" + sp(4) + "9.1",
    sp(4) + "Total Capacity" + sp(3) + "27.3",
    sp(6) + "Drive Height" + sp(4) + "Low Profile",
    "",
};

// ---- Text file ----

TEST(ReportTextFile, NoSetHoldsTheTotalsAndThreeEmptyLines) {
    test::Session s(6);
    const std::string file = report::textFile(reportInput(s.main()));
    const std::string expected =
        crlf({sp(13) + "Total Number of Drives" + "  " + sp(6) + "0",
              sp(1) + "GigaBytes Total Usable Drive Space" + "  " + sp(6) + "0",
              sp(12) + "Number of Channels Used" + "  " + sp(6) + "1",
              "Total Number Low Profile Drive Slot" + std::string("  ") + sp(6) + "0", "", "", ""});
    EXPECT_EQ(file, expected);
}

TEST(ReportTextFile, ThreeSetsByteForByte) {
    test::Session s(6);
    addThreeSets(s);
    const std::string file = report::textFile(reportInput(s.main()));
    EXPECT_EQ(file, crlf(ThreeSetFile));
    EXPECT_EQ(lines(file).size(), 31u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(ThreeSetFile[i].size(), 44u) << i;
}

TEST(ReportTextFile, EightSetsGiveSeventyOneLines) {
    test::Session s(6);
    for (int t = 0; t < 8; ++t)
        ASSERT_TRUE(s.add("0", std::to_string(t + 1), "", "18.2", t == 7));
    const Strings capacity{"18.2", "36.4", "54.6", "72.8", "91", "109.2", "127.4", "145.6"};
    Strings expected{sp(13) + "Total Number of Drives" + "  " + sp(5) + "36",
                     sp(1) + "GigaBytes Total Usable Drive Space" + "  " + sp(2) + "655.2",
                     sp(12) + "Number of Channels Used" + "  " + sp(6) + "1",
                     "Total Number Low Profile Drive Slot" + std::string("  ") + sp(5) + "40",
                     "",
                     "",
                     ""};
    for (std::size_t t = 0; t < 8; ++t) {
        const std::string &cap = capacity[t];
        const Strings block{"Logical Drive " + std::to_string(t),
                            sp(8) + "Raid Level" + sp(6) + "0",
                            sp(2) + "Number of Drives" + sp(6) + std::to_string(t + 1),
                            sp(3) + "Number of Spans" + sp(6) + "1",
                            sp(4) + "Drive Capacity" + sp(3) + "18.2",
                            sp(4) + "Total Capacity" + sp(7 - cap.size()) + cap,
                            sp(6) + "Drive Height" + sp(4) + (t == 7 ? "Half Height" : "Low Profile"),
                            ""};
        expected.insert(expected.end(), block.begin(), block.end());
    }
    ASSERT_EQ(expected.size(), 71u);
    const std::string file = report::textFile(reportInput(s.main()));
    EXPECT_EQ(file, crlf(expected));
    EXPECT_EQ(lines(file).size(), 71u);
}

// A tab that holds a set behind an empty one is not listed (the program never leaves such a gap).
TEST(ReportTextFile, StopsAtTheFirstEmptyTab) {
    test::Session s(6);
    addThreeSets(s);
    MainForm &m = s.main();
    for (int k = 0; k < 5; ++k) {
        m.field(3, k).setText(m.field(2, k).text());
        m.field(2, k).setText("");
    }
    const Strings written = lines(report::textFile(reportInput(m)));
    ASSERT_EQ(written.size(), 23u);
    EXPECT_EQ(written, Strings(ThreeSetFile.begin(), ThreeSetFile.begin() + 23));
}

TEST(ReportTextFile, HalfHeightSet) {
    test::Session s(6);
    ASSERT_TRUE(s.add("5", "4", "", "36.4", true));
    const Strings written = lines(report::textFile(reportInput(s.main())));
    ASSERT_EQ(written.size(), 15u);
    EXPECT_EQ(written[13], sp(6) + "Drive Height" + sp(4) + "Half Height");
    EXPECT_EQ(written[3], "Total Number Low Profile Drive Slot" + std::string("  ") + sp(6) + "6");
}

TEST(ReportTextFile, LongTextsKeepTheirFirstCharacters) {
    report::ReportInput input;
    input.totalLabels = {"Total Number Low Profile Drive Slots Used", "B", "C", "D"};
    input.totalValues = {"123456789", "1", "2", "3"};
    input.sets[0].labels = {"A label of more than eighteen", "b", "c", "d", "e"};
    input.sets[0].values = {"5", "0.123456789", "1", "2", "3"};
    const Strings written = lines(report::textFile(input));
    ASSERT_EQ(written.size(), 15u);
    EXPECT_EQ(written[0], "Total Number Low Profile Drive Slot  1234567");
    EXPECT_EQ(written[8], "A label of more th" + sp(6) + "5");
    EXPECT_EQ(written[9], sp(17) + "b0.12345");
}

TEST(ReportFields, RightAlignPadsOrCuts) {
    EXPECT_EQ(report::rightAlign("GigaBytes Total Usable Drive Space", 35),
              " GigaBytes Total Usable Drive Space");
    EXPECT_EQ(report::rightAlign("Raid Level", 18), sp(8) + "Raid Level");
    EXPECT_EQ(report::rightAlign("Total Number Low Profile Drive Slots Used", 35),
              "Total Number Low Profile Drive Slot");
    EXPECT_EQ(report::rightAlign("", 7), sp(7));
    EXPECT_EQ(report::rightAlign("1234567", 7), "1234567");
}

// ---- The report window ----

std::vector<const PrintedLine *> headings(const std::vector<PrintedLine> &all) {
    std::vector<const PrintedLine *> found;
    for (const PrintedLine &line : all)
        if (line.emphasis) found.push_back(&line);
    return found;
}

TEST(ReportWindow, TotalsAtTheTopLeftInElevenPoints) {
    test::Session s(6);
    addThreeSets(s);
    s.main().cmdDataReport.userClick();
    ReportForm *report = s.program.frmLogicalDriveDisplay();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->visible);
    EXPECT_EQ(report->caption, "Logical Drive Display");
    const std::vector<PrintedLine> &drawn = report->lines;
    ASSERT_GE(drawn.size(), 5u);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(drawn[k].x, 1000);
        EXPECT_EQ(drawn[k].size, 11);
        EXPECT_FALSE(drawn[k].emphasis);
        EXPECT_EQ(drawn[k].text, ThreeSetFile[k]);
    }
    EXPECT_EQ(drawn[0].y, 0);
    EXPECT_LT(drawn[0].y, drawn[1].y);
    EXPECT_LT(drawn[3].y, 1800);
    EXPECT_EQ(drawn[4].text, "\r\r\r");
}

TEST(ReportWindow, SixSetsInTwoColumns) {
    test::Session s(6);
    for (int t = 0; t < 6; ++t)
        ASSERT_TRUE(s.add("0", std::to_string(t + 1), "", "18.2", t == 4));
    s.main().cmdDataReport.userClick();
    const std::vector<PrintedLine> &drawn = s.program.frmLogicalDriveDisplay()->lines;
    const std::vector<const PrintedLine *> heads = headings(drawn);
    ASSERT_EQ(heads.size(), 6u);
    for (std::size_t t = 0; t < 6; ++t) {
        EXPECT_EQ(heads[t]->text, "  Logical Drive   " + std::to_string(t) + "    ");
        EXPECT_EQ(heads[t]->size, 15);
        EXPECT_EQ(heads[t]->x, t < 4 ? 1000 : 5500) << t;
    }
    EXPECT_EQ(heads[0]->y, 1800);
    EXPECT_EQ(heads[4]->y, 1800);
    EXPECT_LT(heads[0]->y, heads[1]->y);
    EXPECT_LT(heads[2]->y, heads[3]->y);
    EXPECT_LT(heads[4]->y, heads[5]->y);
    EXPECT_EQ(heads[1]->y - heads[0]->y, heads[5]->y - heads[4]->y);

    // The block of set 4: five fields and the height in 9 points at the right column, then the
    // carriage return at the left edge.
    const auto it =
        std::find_if(drawn.begin(), drawn.end(), [&](const PrintedLine &l) { return &l == heads[4]; });
    ASSERT_LE(it + 8, drawn.end());
    const Strings block{"   " + sp(8) + "Raid Level" + sp(6) + "0",
                        "   " + sp(2) + "Number of Drives" + sp(6) + "5",
                        "   " + sp(3) + "Number of Spans" + sp(6) + "1",
                        "   " + sp(4) + "Drive Capacity" + sp(3) + "18.2",
                        "   " + sp(4) + "Total Capacity" + sp(5) + "91",
                        "   " + sp(6) + "Drive Height" + sp(4) + "Half Height"};
    for (std::size_t k = 0; k < block.size(); ++k) {
        const PrintedLine &line = *(it + 1 + static_cast<std::ptrdiff_t>(k));
        EXPECT_EQ(line.text, block[k]) << k;
        EXPECT_EQ(line.x, 5500) << k;
        EXPECT_EQ(line.size, 9) << k;
        EXPECT_FALSE(line.emphasis) << k;
        EXPECT_GT(line.y, heads[4]->y) << k;
    }
    EXPECT_EQ((it + 7)->text, "\r");
    EXPECT_EQ((it + 7)->x, 0);
    EXPECT_EQ(block[0].size(), 28u);
    EXPECT_EQ(block[5].size(), 36u);
}

TEST(ReportWindow, FourSetsLeaveTheRightColumnEmpty) {
    test::Session s(6);
    for (int t = 0; t < 4; ++t)
        ASSERT_TRUE(s.add("0", "2"));
    s.main().cmdDataReport.userClick();
    for (const PrintedLine &line : s.program.frmLogicalDriveDisplay()->lines)
        EXPECT_NE(line.x, 5500) << line.text;
    EXPECT_EQ(headings(s.program.frmLogicalDriveDisplay()->lines).size(), 4u);
}

TEST(ReportWindow, NoSetShowsOnlyTheTotals) {
    test::Session s(6);
    s.main().cmdDataReport.userClick();
    const std::vector<PrintedLine> &drawn = s.program.frmLogicalDriveDisplay()->lines;
    ASSERT_EQ(drawn.size(), 5u);
    EXPECT_EQ(drawn[1].text, sp(1) + "GigaBytes Total Usable Drive Space" + "  " + sp(6) + "0");
}

TEST(ReportWindow, PressingTwiceGivesOneReport) {
    test::Session s(6);
    addThreeSets(s);
    MainForm &m = s.main();
    m.cmdDataReport.userClick();
    const std::vector<PrintedLine> first = s.program.frmLogicalDriveDisplay()->lines;
    s.program.focus(&m);
    m.cmdDataReport.userClick();
    ASSERT_NE(s.program.frmLogicalDriveDisplay(), nullptr);
    EXPECT_EQ(s.program.frmLogicalDriveDisplay()->lines, first);
    EXPECT_EQ(headings(s.program.frmLogicalDriveDisplay()->lines).size(), 3u);
}

// The report is a snapshot: later changes in the main window do not reach it.
TEST(ReportWindow, SnapshotIsNotUpdated) {
    test::Session s(6);
    addThreeSets(s);
    MainForm &m = s.main();
    m.mnuDisplay.userClick();
    const std::vector<PrintedLine> shown = s.program.frmLogicalDriveDisplay()->lines;
    s.program.focus(&m);
    s.clearAll(MsgAnswer::Yes);
    EXPECT_EQ(s.program.frmLogicalDriveDisplay()->lines, shown);
}

TEST(ReportWindow, MenuPrintsCloseReturnsToTheMainWindow) {
    test::Session s(6);
    MainForm &m = s.main();
    m.cmdDataReport.userClick();
    ReportForm &report = *s.program.frmLogicalDriveDisplay();
    report.mnuPrint.userClick();
    report.mnuPrinterSetup.userClick();
    EXPECT_EQ(s.host.printed, Strings{"frmLogicalDriveDisplay"});
    EXPECT_EQ(s.host.printerSetups, Strings{"frmLogicalDriveDisplay"});
    report.mnuClose.userClick();
    EXPECT_EQ(s.program.frmLogicalDriveDisplay(), nullptr);
    EXPECT_EQ(s.program.focused(), &m);
}

} // namespace
} // namespace spindex
