#pragma once

// A plan: everything a user builds in the main window, as the plan file holds it. The controller,
// the rule set, the four channel rows, the RAID sets in tab order with their heights and local
// spares, the global spares and the calculator's inputs. Taken from the main window at any time;
// two plans are equal when Save Plan would write the same file for both (without the summary).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/assumptions.h"
#include "drivetypes/drivetypes.h"
#include "proposal/prices.h"
#include "rules/limits.h"

namespace spindex {

class MainForm;

inline constexpr const char* HalfHeight = "half height";
inline constexpr const char* LowProfile = "low profile";

// A key or a value as the reasons for refusing a plan name it: "driveSize", "Arvex Lark".
inline std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

struct PlanChannel {
    bool used = false;
    std::string storage; // the entry shown in the channel's storage list; "" in a file: as the set-up leaves it
    bool operator==(const PlanChannel&) const = default;
};

struct PlanSet {
    std::string level;
    std::int64_t drives = 0; // per span
    std::int64_t spans = 0;
    std::string driveSize;
    std::string height; // HalfHeight or LowProfile
    bool localSpare = false;
    std::optional<double> capacityGB; // written for readers; opening ignores it
    bool operator==(const PlanSet&) const = default;
};

struct PlanGlobalSpares {
    std::int64_t count = 0;
    std::optional<std::string> driveSize; // none while no size is selected
    std::string height;
    bool operator==(const PlanGlobalSpares&) const = default;
};

struct PlanCalculator {
    std::string level;
    std::int64_t drives = 0;
    std::int64_t spans = 0;
    std::string driveSize;
    std::string height;
    std::int64_t sets = 0;
    bool operator==(const PlanCalculator&) const = default;
};

struct Plan {
    static constexpr int Channels = spindex::Channels;
    static constexpr int MaxSets = LogicalDrives;

    std::string controller; // an entry of the controller selection list
    std::string rules = "Standard";
    std::array<PlanChannel, Channels> channels;
    std::vector<PlanSet> sets;
    std::optional<PlanGlobalSpares> globalSpares; // none while "No" is selected
    std::optional<PlanCalculator> calculator;     // none in a file without one: left as the last add left it
    Assumptions assumptions;                      // the defaults in a file without them
    Proposal proposal;                            // none in a new plan
    std::vector<DriveType> driveTypes;            // the plan's own drive types, in the order added
    bool operator==(const Plan&) const = default;
};

// The plan the main window holds now.
Plan capturePlan(const MainForm& main);

} // namespace spindex
