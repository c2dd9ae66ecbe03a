#include "analysis/assumptions.h"

#include "runtime/numbers.h"

namespace spindex {

const std::array<AssumptionRow, AssumptionCount>& assumptionRows() {
    static const std::array<AssumptionRow, AssumptionCount> rows{{
        {"mtbfHours", "txtMtbfHours", "Drive MTBF (hours)", &Assumptions::mtbfHours, 1000, 100000000},
        {"bitErrorRate", "txtBitErrorRate", "Unrecoverable read errors per bit", &Assumptions::bitErrorRate, 1e-18,
         1e-10},
        {"driveIops", "txtDriveIops", "Random I/O per second, one drive", &Assumptions::driveIops, 1, 1000000},
        {"driveMBps", "txtDriveMBps", "Sequential MB/s, one drive", &Assumptions::driveMBps, 1, 100000},
        {"rebuildMBps", "txtRebuildMBps", "Rebuild rate (MB/s)", &Assumptions::rebuildMBps, 1, 100000},
        {"replaceHours", "txtReplaceHours", "Hours to replace a drive without a spare", &Assumptions::replaceHours, 0,
         8760},
        {"readPercent", "txtReadPercent", "Reads in the workload (%)", &Assumptions::readPercent, 0, 100},
        {"years", "txtYears", "Period for the loss risk (years)", &Assumptions::years, 1, 50},
    }};
    return rows;
}

bool inRange(const AssumptionRow& row, double value) {
    return value >= row.lowest && value <= row.highest;
}

std::string rangeMessage(const AssumptionRow& row) {
    return std::string(row.label) + " must be a number from " + formatNumber(row.lowest) + " to " +
           formatNumber(row.highest);
}

} // namespace spindex
