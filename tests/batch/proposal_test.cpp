// PDFs through the batch tool, read back with poppler's tools: the customer's proposal with typed and
// imported prices, and the report's printout. The bill as CSV is the model's and the page's.

#include <sys/stat.h>

#include <cstdio>
#include <fstream>

#include "batchtest.h"

namespace {

// What a command prints on standard output.
std::string output(const std::string& command) {
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return text;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    pclose(pipe);
    return text;
}

const std::string Typical =
    "click Command1\nselect cmbRaidLevel 5\nselect cmbDriveSize 36.4\nclick cmdAddLogicals\n"
    "select cmbRaidLevel 1\nselect cmbDriveSize 18.2\nclick optDriveH(0)\nclick cmdAddLogicals\n"
    "click mnuProposal\n";

TEST_F(BatchTest, ProposalSavedAsPdf) {
    std::ofstream(folder / "prices.csv", std::ios::binary) << "Item,Price,Note\r\n"
                                                              "\"Arvex Osprey\",6200,\"the controller, boxed\"\r\n"
                                                              "Vault/12 - 12 drives,1450.5\r\n";
    std::ofstream(folder / "old.pdf", std::ios::binary) << "old content";
    chmod((folder / "old.pdf").c_str(), 0444);
    const Played played = play(Typical + "type frmProposal.txtCustomer \"Nordbank AG\"\n"
                                         "type frmProposal.txtCurrency EUR\n"
                                         "openfile prices.csv\nclick frmProposal.mnuImportPrices\n"
                                         "type frmProposal.txtPrice(2) 189.5\ntype frmProposal.txtPrice(3) 99\n"
                                         "savefile proposal\nclick frmProposal.mnuSavePdf\n"
                                         "savefile old\nclick frmProposal.mnuSavePdf\n"
                                         "get frmProposal.txtPrice(2)\n");
    EXPECT_EQ(
        played.out,
        R"(opendialog {"filter":"CSV Files (*.csv)|*.csv","answer":"prices.csv"})"
        "\n"
        R"(savedialog {"filter":"PDF Files (*.pdf)|*.pdf","defaultext":"pdf","answer":"proposal"})"
        "\n"
        R"(savedialog {"filter":"PDF Files (*.pdf)|*.pdf","defaultext":"pdf","answer":"old"})"
        "\n"
        R"(msgbox {"title":"Spindex","icon":"critical","buttons":"ok","text":"Could not save the file to old.pdf: )"
        R"(no permission to write it","answer":"ok"})"
        "\n"
        R"(frmProposal.txtPrice(2) = "189.50")"
        "\n");
    EXPECT_EQ(played.status, 0);
    EXPECT_EQ(read("old.pdf"), "old content");

    const std::string pdf = (folder / "proposal.pdf").string();
    const std::string text = output("pdftotext -layout '" + pdf + "' -");
    for (const char* wanted :
         {"Storage proposal", "Nordbank AG", "Arvex Osprey", "Vault/12 - 12 drives", "36.4 GB low profile drive",
          "18.2 GB half height drive", "6200.00 EUR", "14474.00 EUR", "Cost per usable TB: 34577.16 EUR",
          "Channel 3: Vault/12 - 12 drives", "Drive MTBF (hours): 1000000"})
        EXPECT_NE(text.find(wanted), std::string::npos) << wanted << "\n" << text;
    EXPECT_EQ(output("pdfinfo '" + pdf + "' | grep -E '^(Pages|Page size):'"),
              "Pages:           1\nPage size:       595 x 842 pts (A4)\n");
    // Every font embedded: the third column from the right of each font's row.
    const std::string fonts = output("pdffonts '" + pdf + "' | tail -n +3 | awk '{print $(NF-4)}' | sort -u");
    EXPECT_EQ(fonts, "yes\n");
}

// The report window's "Save as PDF..." draws the printout's page; a read-only file keeps its content.
TEST_F(BatchTest, ReportSavedAsPdf) {
    std::ofstream(folder / "old.pdf", std::ios::binary) << "old report";
    chmod((folder / "old.pdf").c_str(), 0444);
    const Played played = play(Typical + "click frmProposal.mnuClose\nclick cmdDataReport\n"
                                         "savefile report\nclick frmLogicalDriveDisplay.mnuSavePdf\n"
                                         "savefile old\nclick frmLogicalDriveDisplay.mnuSavePdf\n");
    EXPECT_EQ(
        played.out,
        R"(savedialog {"filter":"PDF Files (*.pdf)|*.pdf","defaultext":"pdf","answer":"report"})"
        "\n"
        R"(savedialog {"filter":"PDF Files (*.pdf)|*.pdf","defaultext":"pdf","answer":"old"})"
        "\n"
        R"(msgbox {"title":"Spindex","icon":"critical","buttons":"ok","text":"Could not save the report to old.pdf: )"
        R"(no permission to write it","answer":"ok"})"
        "\n");
    EXPECT_EQ(read("old.pdf"), "old report");
    const std::string text = output("pdftotext -layout '" + (folder / "report.pdf").string() + "' - | tr -s ' '");
    for (const char* wanted : {"Total Number of Drives 14", "Logical Drive 1", "Raid Level 1", "Total Capacity 18.2",
                               "Drive Height Half Height"})
        EXPECT_NE(text.find(wanted), std::string::npos) << wanted << "\n" << text;
}

} // namespace
