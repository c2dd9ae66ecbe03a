#pragma once

// The assumptions behind the risk and speed figures: eight values kept with the plan, each with its
// default and the range a user may set. A new plan starts with the defaults.

#include <array>
#include <optional>
#include <string>

namespace spindex {

struct Assumptions {
    double mtbfHours = 1000000;
    double bitErrorRate = 1e-15;
    double driveIops = 150;
    double driveMBps = 60;
    double rebuildMBps = 30;
    double replaceHours = 24;
    double readPercent = 70;
    double years = 5;
    bool operator==(const Assumptions&) const = default;
};

struct AssumptionRow {
    const char* key;   // in the plan file and PlanAnalysis
    const char* box;   // the text box of frmAssumptions
    const char* label; // its label
    double Assumptions::*value;
    double lowest, highest;
};

inline constexpr int AssumptionCount = 8;
// In the order of the window and the file.
const std::array<AssumptionRow, AssumptionCount>& assumptionRows();

bool inRange(const AssumptionRow& row, double value);

// "Drive MTBF (hours) must be a number from 1000 to 100000000"
std::string rangeMessage(const AssumptionRow& row);

} // namespace spindex
