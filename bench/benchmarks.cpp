// How long single user actions take in the model: each should stay far below 50 microseconds.

#include <benchmark/benchmark.h>

#include "analysis/alternatives.h"
#include "analysis/analysis.h"

#include "forms/smallforms.h"
#include "mainform/mainform.h"
#include "plans/plan.h"
#include "plans/plandocument.h"
#include "plans/planrebuild.h"
#include "runtime/program.h"
#include "runtime/quiethost.h"
#include "summary/summary.h"

namespace {

using namespace spindex;

MainForm& openMain(Program& program) {
    program.Main();
    program.frmSelectController()->Command1.userClick();
    return *program.frmSpindex();
}

void pick(ListBox& list, const std::string& text) {
    list.userPick(list.indexOf(text));
}

// Start-up through "Configure Controller": the main window's load with the Osprey set-up.
void BM_MainWindowLoad(benchmark::State& state) {
    for (auto _ : state) {
        QuietHost host;
        Program program(host);
        benchmark::DoNotOptimize(&openMain(program));
    }
}
BENCHMARK(BM_MainWindowLoad);

// A change of RAID level rebuilds the span and drives lists and recalculates once.
void BM_RaidLevelChange(benchmark::State& state) {
    QuietHost host;
    Program program(host);
    MainForm& main = openMain(program);
    bool toggle = false;
    for (auto _ : state) {
        pick(main.cmbRaidLevel, toggle ? "50" : "10");
        toggle = !toggle;
    }
}
BENCHMARK(BM_RaidLevelChange);

// The longest chain: RAID 50 with 16 spans, 16 drives picked, thirteen messages down to 3 spans.
void BM_FortyEightDriveChain(benchmark::State& state) {
    QuietHost host;
    Program program(host);
    MainForm& main = openMain(program);
    pick(main.cmbRaidLevel, "50");
    for (auto _ : state) {
        state.PauseTiming();
        pick(main.cmbMaxDrives, "3");
        pick(main.cmbNumSpans, "16");
        state.ResumeTiming();
        pick(main.cmbMaxDrives, "16");
    }
    if (main.cmbNumSpans.text() != "3")
        state.SkipWithError("the chain did not end at 3 spans");
}
BENCHMARK(BM_FortyEightDriveChain);

// Adding a set and clearing the table again.
void BM_AddAndClear(benchmark::State& state) {
    QuietHost host;
    Program program(host);
    MainForm& main = openMain(program);
    pick(main.cmbRaidLevel, "5");
    for (auto _ : state) {
        main.cmdAddLogicals.userClick();
        main.cmdClearAll.userClick();
    }
}
BENCHMARK(BM_AddAndClear);

// Eight sets of several levels, spans and heights with local and global spares on the Osprey.
MainForm& eightSets(Program& program) {
    MainForm& main = openMain(program);
    for (const char* level : {"0", "5", "10", "50", "1", "5", "0", "10"}) {
        pick(main.cmbRaidLevel, level);
        pick(main.cmbMaxDrives, main.cmbMaxDrives.items().front());
        main.cmdAddLogicals.userClick();
    }
    main.SSTab1.userSelectTab(3);
    main.optLocHotSpr[6].userClick();
    main.optGlobHotSpr[0].userClick();
    main.Text2.userType("2");
    return main;
}

// The modified flag, recomputed after every user action: what Save Plan would write against what it
// wrote last, on a plan of eight sets.
void BM_PlanModifiedCheck(benchmark::State& state) {
    QuietHost host;
    Program program(host);
    eightSets(program);
    for (auto _ : state)
        benchmark::DoNotOptimize(program.planDocument()->modified());
}
BENCHMARK(BM_PlanModifiedCheck);

// The plan summary, read by the main window's status line after every user action, and its JSON as
// `get PlanSummary` and the plan file write it, on a plan of eight sets.
void BM_PlanSummary(benchmark::State& state) {
    QuietHost host;
    Program program(host);
    MainForm& main = eightSets(program);
    for (auto _ : state)
        benchmark::DoNotOptimize(planSummary(main));
}
BENCHMARK(BM_PlanSummary);

void BM_PlanSummaryJson(benchmark::State& state) {
    QuietHost host;
    Program program(host);
    MainForm& main = eightSets(program);
    for (auto _ : state)
        benchmark::DoNotOptimize(summaryJson(main).dump());
}
BENCHMARK(BM_PlanSummaryJson);

// The risk and speed figures of an eight-set plan, read from the main window as the summary window
// and the status line read them (goal: at most 5 microseconds).
void BM_PlanAnalysisEightSets(benchmark::State& state) {
    QuietHost host;
    Program program(host);
    MainForm& main = eightSets(program);
    if (planAnalysis(main).sets.size() != 8)
        state.SkipWithError("the plan does not hold eight sets");
    for (auto _ : state)
        benchmark::DoNotOptimize(planAnalysis(main));
}
BENCHMARK(BM_PlanAnalysisEightSets);

// Opening checks a plan by rebuilding it in a scratch program: start-up, the controller, eight sets
// with their spares, the calculator and the rule set.
void BM_PlanRebuildEightSets(benchmark::State& state) {
    QuietHost host;
    Program program(host);
    const Plan plan = capturePlan(eightSets(program));
    if (plan.sets.size() != 8 || !plan.globalSpares)
        state.SkipWithError("the plan does not hold eight sets and global spares");
    for (auto _ : state) {
        std::string reason;
        benchmark::DoNotOptimize(rebuildPlan(plan, reason));
    }
}
BENCHMARK(BM_PlanRebuildEightSets);

// Replaying the rebuilt plan into the running program: the controller set up afresh and the plan played
// again, quietly, then checked.
void BM_PlanApplyEightSets(benchmark::State& state) {
    QuietHost host;
    Program program(host);
    MainForm& main = eightSets(program);
    const Plan plan = capturePlan(main);
    for (auto _ : state)
        if (!replayPlan(main, plan).empty())
            state.SkipWithError("the plan did not replay");
}
BENCHMARK(BM_PlanApplyEightSets);

// The Osprey's whole list of layouts for 36.4 GB drives: a scratch program holding the plan, then
// every level, span and drive count set in its calculator. Must stay within 20 ms.
void BM_OspreyAlternatives(benchmark::State& state) {
    QuietHost host;
    Program program(host);
    MainForm& main = openMain(program);
    pick(main.cmbDriveSize, "36.4");
    for (auto _ : state)
        if (alternatives(main).size() != 150)
            state.SkipWithError("not the Osprey's 150 layouts");
}
BENCHMARK(BM_OspreyAlternatives)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
