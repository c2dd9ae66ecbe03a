// spindex-batch --summary [--json] PLAN...: one table for many plans, each opened as Open Plan opens
// it; a plan that does not open is named on standard error and turns the status to 1.

#include <algorithm>

#include "batchtest.h"

namespace {

class BulkSummary : public BatchTest {
protected:
    // Saves the typical request (RAID 5, twelve 36.4 GB drives) as good.spindex, and a file that is
    // no plan as bad.spindex.
    void SetUp() override {
        BatchTest::SetUp();
        const Played saved = play("wait 5000\nclick Command1\nselect cmbRaidLevel \"5\"\nselect cmbMaxDrives "
                                  "\"12\"\nselect cmbDriveSize \"36.4\"\nclick cmdAddLogicals\n"
                                  "savefile good.spindex\nclick mnuSavePlanAs\n");
        ASSERT_EQ(saved.status, 0) << saved.out;
        std::ofstream(folder / "bad.spindex") << "{\"format\":\"something else\"}";
    }
    Played summary(const std::string& args) { return play("", args + " 2>stderr.txt"); }
};

const char* const Header = "File,Controller,Sets,Drives,\"Raw, GB\",\"Usable, GB\",\"Efficiency, %\",Survives at "
                           "Least,Loss Probability,Mixed IOPS,Slots Used,Slots,Price\r\n";

TEST_F(BulkSummary, CsvRowPerPlanThatOpensInCommandLineOrder) {
    const Played all = summary("--summary good.spindex bad.spindex missing.spindex ./good.spindex");
    EXPECT_EQ(all.out, std::string(Header) + "good.spindex,Arvex Osprey,1,12,436.8,400.4,91.7,1,0.00181995721902376,"
                                             "947.368421052632,12,48,\r\n"
                                             "./good.spindex,Arvex Osprey,1,12,436.8,400.4,91.7,1,0.00181995721902376,"
                                             "947.368421052632,12,48,\r\n");
    EXPECT_EQ(all.status, 1);
    const std::string err = read("stderr.txt");
    EXPECT_EQ(err.find("bad.spindex: "), 0u) << err;
    EXPECT_NE(err.find("\nmissing.spindex: "), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;

    const Played good = summary("--summary good.spindex");
    EXPECT_EQ(good.status, 0);
    EXPECT_EQ(read("stderr.txt"), "");
}

TEST_F(BulkSummary, JsonLinePerPlan) {
    const Played json = summary("--json --summary good.spindex bad.spindex");
    EXPECT_EQ(json.status, 1);
    ASSERT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 1) << json.out;
    EXPECT_EQ(json.out.find("{\"file\":\"good.spindex\",\"summary\":{\"sets\":[{\"set\":0,\"level\":\"5\""), 0u)
        << json.out;
    EXPECT_NE(json.out.find(",\"analysis\":{\"assumptions\":{\"mtbfHours\":1000000,"), std::string::npos);
    EXPECT_NE(json.out.find("\"total\":{\"sets\":1,\"uncovered\":1,\"lossProbability\":0.00181995721902376,"),
              std::string::npos);
    EXPECT_NE(json.out.find(",\"bom\":{\"currency\":\"\",\"items\":[{\"item\":\"Arvex Osprey\",\"kind\":"
                            "\"controller\",\"quantity\":1,\"unitPrice\":null,\"price\":null},"),
              std::string::npos)
        << json.out;
}

TEST_F(BulkSummary, PriceOnlyOnceEveryItemHasOne) {
    const char* const priceTwo = "wait 5000\nclick Command1\nopenfile good.spindex\nclick mnuOpenPlan\nclick "
                                 "mnuProposal\ntype frmProposal.txtPrice(0) 6200\n"
                                 "type frmProposal.txtPrice(1) 1450.50\n";
    ASSERT_EQ(play(std::string(priceTwo) + "savefile part.spindex\nclick mnuSavePlanAs\n").status, 0);
    ASSERT_EQ(play(std::string(priceTwo) + "type frmProposal.txtPrice(2) 189.50\nsavefile full.spindex\n"
                                           "click mnuSavePlanAs\n")
                  .status,
              0);
    const Played both = summary("--summary part.spindex full.spindex");
    EXPECT_EQ(both.out, std::string(Header) + "part.spindex,Arvex Osprey,1,12,436.8,400.4,91.7,1,0.00181995721902376,"
                                              "947.368421052632,12,48,\r\n"
                                              "full.spindex,Arvex Osprey,1,12,436.8,400.4,91.7,1,0.00181995721902376,"
                                              "947.368421052632,12,48,14276\r\n");
}

TEST_F(BulkSummary, WithoutAPlanTheCommandLineIsWrong) {
    for (const char* args : {"--summary", "--summary --json", "--json good.spindex"}) {
        const Played bad = summary(args);
        EXPECT_EQ(bad.status, 2) << args;
        EXPECT_EQ(bad.out, "") << args;
        EXPECT_NE(read("stderr.txt").find("Try 'spindex-batch --help'."), std::string::npos) << args;
    }
}

} // namespace
