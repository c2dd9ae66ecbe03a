#pragma once

// Drive types a plan adds to the built-in sizes: a size, the heights it is made in and, where known,
// its own reliability and speed. The size lists, the size and height coupling, capacity, slots and the
// analysis read one table: the built-in sizes and the plan's types together.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/assumptions.h"
#include "rules/catalogue.h"

namespace spindex {

struct DriveType {
    std::string size; // as the program writes numbers: "1200", "600.5"
    bool halfHeight = false;
    bool lowProfile = false;
    // Where given, the analysis of a set of this size takes them instead of the plan's assumptions.
    std::optional<double> mtbfHours = std::nullopt, bitErrorRate = std::nullopt, driveIops = std::nullopt,
                          driveMBps = std::nullopt;
    bool operator==(const DriveType&) const = default;
};

// A figure a type may give: its key in the plan file, its box, the assumption it stands for.
struct DriveFigure {
    const char* key;
    const char* box;
    std::optional<double> DriveType::*value;
    const AssumptionRow& assumption;
};
// In the order of the window's boxes and of the plan file.
const std::array<DriveFigure, 4>& driveFigures();

// The size a user typed as the lists show it ("1200.0" is "1200"); none unless it is a number from
// 1 to 100000 with at most two decimals.
std::optional<std::string> driveSizeText(const std::string& typed);
inline constexpr const char* DriveSizeMessage =
    "The drive size must be a number from 1 to 100000 GB with at most two decimals";

// Every size a set or a spare can have, the built-in ones and the plan's types, smallest first.
std::vector<DriveSize> driveSizes(const std::vector<DriveType>& types);
// The size of an entry text, built in or a type; none for another text.
std::optional<DriveSize> findDriveSize(const std::vector<DriveType>& types, const std::string& text);
// The type of that size, compared as numbers; null when the size is no type of the plan.
const DriveType* findDriveType(const std::vector<DriveType>& types, const std::string& size);

// The assumptions for a set of drives of this type: the plan's, with the type's own figures.
Assumptions assumptionsFor(const std::vector<DriveType>& types, const std::string& size, Assumptions plan);

} // namespace spindex
