#pragma once

// The plan summary: what each RAID set costs (raw capacity, efficiency) and what it buys (the drive
// failures it survives), and the same for the whole plan. It is read from the RAID set table and
// the totals the main window already keeps, at the moment it is asked for, and changes nothing; the
// summary window, the main window's status line, the plan file and the batch tool all show this one
// reading.

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace spindex {

class MainForm;

struct SetSummary {
    int set = 0;              // tab number
    std::string level;        // RAID level text
    double drivesPerSpan = 0; // as on the tab
    double spans = 0;
    std::string driveSize; // drive capacity text, as on the tab
    bool halfHeight = false;
    double drives = 0; // all drives of the set: drives per span times spans
    double rawGB = 0;  // drives times drive capacity, not rounded
    double usableGB = 0;
    double efficiency = 0; // percent, one decimal
    int survivesAtLeast = 0;
    int survivesAtMost = 0;
    bool localSpare = false;
};

struct PlanTotal {
    int sets = 0;
    double drives = 0; // drives of the sets, spares not counted
    double spares = 0; // local spares, and the global spare count while a global spare is chosen
    double rawGB = 0;
    double usableGB = 0;
    double efficiency = 0;
    double slotsUsed = 0; // LPSlotsUsed
    int maxSlots = 0;     // MaxSlots (the word "slots" is taken by Qt)
    double slotsFree = 0;
    int survivesAtLeast = 0; // the fewest any set survives
};

struct PlanSummary {
    std::vector<SetSummary> sets; // in tab order
    PlanTotal total;
};

PlanSummary planSummary(const MainForm& main);

// 100 x usable / raw rounded to one decimal, exact halves to the even neighbour; 0 without raw
// capacity. The quotient is first taken to 15 significant digits, as the program writes numbers,
// so that 93.75 computed as 93.74999999999999 still counts as a half.
double efficiencyPercent(double usableGB, double rawGB);

// {"sets":[...],"total":{...}} with the keys in the plan file's order.
nlohmann::ordered_json summaryJson(const PlanSummary& summary);
nlohmann::ordered_json summaryJson(const MainForm& main);

// The main window's status line.
std::string summaryStatusLine(const PlanSummary& summary);

} // namespace spindex
