// The plan summary through spindex-batch: `get PlanSummary` prints {"sets":[...],"total":{...}} as
// compact JSON on one line, keys in the plan file's order; File > "Plan Summary" opens frmSummary,
// whose "Save as CSV..." goes through the save dialog.

#include <nlohmann/json.hpp>
#include <sstream>

#include "batchtest.h"

namespace {

class SummaryScript : public Script {};

TEST_P(SummaryScript, PrintsExactly) {
    const Played played = play(GetParam().script);
    EXPECT_EQ(played.out, GetParam().output);
    EXPECT_EQ(played.status, GetParam().status);
}

const std::string Osprey = "click Command1\n";

const Case Values[] = {
    {"BeforeTheMainWindow", "get PlanSummary\n", "error: window frmSpindex is not loaded\n", 1},
    {"EmptyPlan", Osprey + "get PlanSummary\n",
     R"(PlanSummary = {"sets":[],"total":{"sets":0,"drives":0,"spares":0,"rawGB":0,"usableGB":0,"efficiency":0,"slotsUsed":0,"slots":48,"slotsFree":48,"survivesAtLeast":0}})"
     "\n",
     0},
    {"TypicalRequest",
     Osprey + "select cmbRaidLevel 5\nselect cmbDriveSize 36.4\nclick cmdAddLogicals\nget PlanSummary\n",
     R"(PlanSummary = {"sets":[{"set":0,"level":"5","drives":12,"rawGB":436.8,"usableGB":400.4,"efficiency":91.7,"survivesAtLeast":1,"survivesAtMost":1,"localSpare":false}],"total":{"sets":1,"drives":12,"spares":0,"rawGB":436.8,"usableGB":400.4,"efficiency":91.7,"slotsUsed":12,"slots":48,"slotsFree":36,"survivesAtLeast":1}})"
     "\n",
     0},
    {"NoIndexNoWindow", Osprey + "get PlanSummary(1)\nget frmSpindex.PlanSummary\n",
     "error: PlanSummary has no index\nerror: unknown control frmSpindex.PlanSummary\n", 1},
    // The window opens from the File menu, once; it is gone after Close and after Exit.
    {"SummaryWindow",
     Osprey + "get frmSummary\nget mnuPlanSummary\nclick mnuPlanSummary\nget frmSummary.loaded\n"
              "get frmSummary.caption\nget frmSummary.mnuSaveCsv\nclick mnuPlanSummary\nclick frmSummary.mnuClose\n"
              "get frmSummary.loaded\nclick mnuPlanSummary\nclick mnuClose\n",
     "frmSummary = false\nmnuPlanSummary = \"S&ummary\"\nfrmSummary.loaded = true\n"
     "frmSummary.caption = \"Plan Summary\"\nfrmSummary.mnuSaveCsv = \"Save as CSV...\"\n"
     "frmSummary.loaded = false\nended\n",
     0},
    {"SaveCancelled", Osprey + "click mnuPlanSummary\ncancelsave\nclick frmSummary.mnuSaveCsv\n",
     R"(savedialog {"filter":"CSV Files (*.csv)|*.csv","defaultext":"csv","answer":null})"
     "\n",
     0},
    {"SaveIntoAMissingFolder",
     Osprey + "click mnuPlanSummary\nsavefile nowhere/plan.csv\nclick frmSummary.mnuSaveCsv\n",
     R"(savedialog {"filter":"CSV Files (*.csv)|*.csv","defaultext":"csv","answer":"nowhere/plan.csv"})"
     "\n"
     R"(msgbox {"title":"Spindex","icon":"critical","buttons":"ok","text":"Could not save the summary to nowhere/plan.csv: the folder does not exist","answer":"ok"})"
     "\n",
     0},
};
INSTANTIATE_TEST_SUITE_P(Summary, SummaryScript, testing::ValuesIn(Values), rowName);

// The name typed without extension gets ".csv"; the file holds the summary with CR LF line ends.
TEST_F(BatchTest, SummarySavedAsCsv) {
    const Played played = play(Osprey + "select cmbRaidLevel 5\nselect cmbDriveSize 36.4\nclick cmdAddLogicals\n"
                                        "click optLocHotSpr(0)\nclick mnuPlanSummary\nsavefile plan\n"
                                        "click frmSummary.mnuSaveCsv\n");
    EXPECT_EQ(played.out, R"(savedialog {"filter":"CSV Files (*.csv)|*.csv","defaultext":"csv","answer":"plan"})"
                          "\n");
    EXPECT_EQ(played.status, 0);
    EXPECT_EQ(read("plan.csv"),
              "Logical Drive,RAID Level,Drives,Spans,\"Drive Size, GB\",Drive Height,\"Raw, GB\",\"Usable, GB\","
              "\"Efficiency, %\",Survives at Least,Survives at Most,Spares,Covered,\"Rebuild, h\",\"Repair, h\","
              "URE Probability,\"MTTDL, h\",Loss Probability,Read IOPS,Write IOPS,Mixed IOPS,\"Read, MB/s\","
              "\"Write, MB/s\"\r\n"
              "0,5,12,1,36.4,Low Profile,436.8,400.4,91.7,1,1,1,Yes,0.337037037037037,0.337037037037037,"
              "0.00319807522822996,26027167.6177494,0.00168144174350491,1800,450,947.368421052632,660,660\r\n"
              "Total,,12,,,,436.8,400.4,91.7,1,,1,,,,,,0.00168144174350491,,,947.368421052632,660,660\r\n");
}
} // namespace
