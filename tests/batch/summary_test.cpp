// The plan summary through spindex-batch: the names a script reads it by, frmSummary opened from the
// Plan menu, and its "Save as CSV..." against the real file system. The summary's figures and the
// CSV's bytes are the model's, checked beside it; the typical request's summary and its CSV file are
// played by the page's examples.

#include "batchtest.h"

namespace {

const std::string Osprey = "click Command1\n";

const Case Values[] = {
    {"BeforeTheMainWindow", "get PlanSummary\n", "error: window frmSpindex is not loaded\n", 1},
    {"NoIndexNoWindow", Osprey + "get PlanSummary(1)\nget frmSpindex.PlanSummary\n",
     "error: PlanSummary has no index\nerror: unknown control frmSpindex.PlanSummary\n", 1},
    // The window opens from the Plan menu, once; it is gone after Close and after Exit.
    {"SummaryWindow",
     Osprey + "get frmSummary\nget mnuPlanSummary\nclick mnuPlanSummary\nget frmSummary.loaded\n"
              "get frmSummary.caption\nget frmSummary.mnuSaveCsv\nclick mnuPlanSummary\nclick frmSummary.mnuClose\n"
              "get frmSummary.loaded\nclick mnuPlanSummary\nclick mnuClose\n",
     "frmSummary = false\nmnuPlanSummary = \"S&ummary\"\nfrmSummary.loaded = true\n"
     "frmSummary.caption = \"Plan Summary\"\nfrmSummary.mnuSaveCsv = \"Save as CSV...\"\n"
     "frmSummary.loaded = false\nended\n",
     0},
    {"SaveIntoAMissingFolder",
     Osprey + "click mnuPlanSummary\nsavefile nowhere/plan.csv\nclick frmSummary.mnuSaveCsv\n",
     R"(savedialog {"filter":"CSV Files (*.csv)|*.csv","defaultext":"csv","answer":"nowhere/plan.csv"})"
     "\n"
     R"(msgbox {"title":"Spindex","icon":"critical","buttons":"ok","text":"Could not save the summary to nowhere/plan.csv: the folder does not exist","answer":"ok"})"
     "\n",
     0},
};
INSTANTIATE_TEST_SUITE_P(Summary, Script, testing::ValuesIn(Values), rowName);

} // namespace
