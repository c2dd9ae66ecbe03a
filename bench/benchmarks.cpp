// How long single user actions take in the model: each should stay far below 50 microseconds.

#include <benchmark/benchmark.h>

#include "mainform.h"
#include "program.h"
#include "quiethost.h"
#include "smallforms.h"

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

} // namespace

BENCHMARK_MAIN();
