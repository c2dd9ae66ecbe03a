#pragma once

// How safe and how fast each RAID set is: rebuild and repair time, the chance of an unrecoverable
// read error during a rebuild, the mean time to data loss, the chance of a loss within the period,
// and the I/O rates, for each set and for the plan. A pure function of the set table, the spares and
// the assumptions, computed when it is read or shown; every level's figures come from its record
// in the RAID level table.

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "analysis/assumptions.h"

namespace spindex {

class MainForm;

// What the analysis needs of one set.
struct AnalysedSet {
    int set = 0;
    std::string level;
    double drivesPerSpan = 0;
    double spans = 0;
    double driveGB = 0;
    bool localSpare = false;
    // The assumptions for drives of a type with figures of its own; none: the plan's.
    std::optional<Assumptions> own = std::nullopt;
};

struct GlobalSpareCover {
    bool on = false; // "Yes" is chosen
    double count = 0;
    std::optional<double> driveGB; // none while no size is chosen
};

struct SetAnalysis {
    int set = 0;
    std::string level;
    bool covered = false;
    // None for a level with nothing to rebuild (RAID 0).
    std::optional<double> rebuildHours, repairHours, ureProbability;
    double mttdlHours = 0;
    double lossProbability = 0;
    double readIops = 0, writeIops = 0, mixedIops = 0;
    double readMBps = 0, writeMBps = 0;
};

struct AnalysisTotal {
    int sets = 0;
    int uncovered = 0;
    double lossProbability = 0;
    double mixedIops = 0, readMBps = 0, writeMBps = 0;
};

struct PlanAnalysis {
    Assumptions assumptions;
    std::vector<SetAnalysis> sets;
    AnalysisTotal total;
};

PlanAnalysis analysePlan(const std::vector<AnalysedSet>& sets, const GlobalSpareCover& spares,
                         const Assumptions& assumptions);
// The main window's plan under its assumptions.
PlanAnalysis planAnalysis(const MainForm& main);
// The assumptions for a set of drives of that size when the size is one of the plan's types.
std::optional<Assumptions> ownAssumptions(const MainForm& main, const std::string& size);
// The main window's global spares as the analysis sees them.
GlobalSpareCover globalSpareCover(const MainForm& main);

nlohmann::ordered_json assumptionsJson(const Assumptions& assumptions);
// {"assumptions":{...},"sets":[...],"total":{...}}
nlohmann::ordered_json analysisJson(const PlanAnalysis& analysis);

// "loss risk in 5 years: 0.182 %": the plan's loss probability as the status line names it; nothing
// without a set.
std::string lossStatus(const PlanAnalysis& analysis);

// Figures rounded for people: a probability as a percentage with three significant digits, hours to
// one decimal, hours as years.
std::string percentText(double probability);
std::string hoursText(double hours);
std::string yearsText(double hours);

} // namespace spindex
