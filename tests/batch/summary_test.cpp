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
std::string controller(const std::string& name) {
    return "select cmbSelectCont \"" + name + "\"\nclick Command1\n";
}

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
    // 4 drives x 2 spans of 9.1 on the Fibre Channel controller's three channels of 12 slots.
    {"FibreChannelRaid0Plus1",
     controller("Fibre Channel Vault/12FC") + "select cmbRaidLevel 0+1\nselect cmbMaxDrives 4\nselect cmbNumSpans 2\n"
                                              "select cmbDriveSize 9.1\nclick cmdAddLogicals\nget PlanSummary\n",
     R"(PlanSummary = {"sets":[{"set":0,"level":"0+1","drives":8,"rawGB":72.8,"usableGB":36.4,"efficiency":50,"survivesAtLeast":1,"survivesAtMost":4,"localSpare":false}],"total":{"sets":1,"drives":8,"spares":0,"rawGB":72.8,"usableGB":36.4,"efficiency":50,"slotsUsed":8,"slots":36,"slotsFree":28,"survivesAtLeast":1}})"
     "\n",
     0},
    // RAID 50 of 3 drives x 4 spans of 18.2 on the Heron, with a local spare and a global one:
    // 218.4 raw, 8 x 18.2 = 145.6 usable, one parity drive per span.
    {"HeronRaid50WithSpares",
     controller("Arvex Heron") +
         "select cmbRaidLevel 50\nselect cmbNumSpans 4\nselect cmbMaxDrives 3\n"
         "click cmdAddLogicals\nclick optLocHotSpr(0)\nclick optGlobHotSpr(0)\nget PlanSummary\n",
     R"(PlanSummary = {"sets":[{"set":0,"level":"50","drives":12,"rawGB":218.4,"usableGB":145.6,"efficiency":66.7,"survivesAtLeast":1,"survivesAtMost":4,"localSpare":true}],"total":{"sets":1,"drives":12,"spares":2,"rawGB":218.4,"usableGB":145.6,"efficiency":66.7,"slotsUsed":14,"slots":36,"slotsFree":22,"survivesAtLeast":1}})"
     "\n",
     0},
    // RAID 10 of 5 spans of two 72.8 drives (half height) and a RAID 0 set of three 9.1 drives.
    {"OspreyRaid10AndRaid0",
     Osprey + "select cmbRaidLevel 10\nselect cmbNumSpans 5\nselect cmbDriveSize 72.8\nclick cmdAddLogicals\n"
              "select cmbRaidLevel 0\nselect cmbMaxDrives 3\nselect cmbDriveSize 9.1\nclick cmdAddLogicals\n"
              "get PlanSummary\n",
     R"(PlanSummary = {"sets":[{"set":0,"level":"10","drives":10,"rawGB":728,"usableGB":364,"efficiency":50,"survivesAtLeast":1,"survivesAtMost":5,"localSpare":false},{"set":1,"level":"0","drives":3,"rawGB":27.3,"usableGB":27.3,"efficiency":100,"survivesAtLeast":0,"survivesAtMost":0,"localSpare":false}],"total":{"sets":2,"drives":13,"spares":0,"rawGB":755.3,"usableGB":391.3,"efficiency":51.8,"slotsUsed":18,"slots":48,"slotsFree":30,"survivesAtLeast":0}})"
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

// Every RAID level of every controller, added with the calculator's preselected spans, prints one set with every key of
// the plan file in its order and numbers of the right kind.
} // namespace
