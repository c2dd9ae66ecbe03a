#pragma once

// The plan file's JSON, as Save Plan writes it: the keys in the order of the file's description, the
// numbers as the program writes numbers.

#include <nlohmann/json.hpp>
#include <string>

#include "plans/plan.h"

namespace spindex {

// Every key of the plan but the summary, which Save Plan writes last, for other tools.
nlohmann::ordered_json planJson(const Plan& plan);

// The plan's drive types as the file's "driveTypes" holds them (also the types kept for new plans).
nlohmann::ordered_json driveTypesJson(const std::vector<DriveType>& types);

// What Save Plan writes for the main window now (and what `get Plan` prints).
nlohmann::ordered_json savedPlanJson(const MainForm& main);

// The file's text: indented, for people and version control, with a final line feed.
std::string planFileText(const nlohmann::ordered_json& json);

// One line, as the batch tool prints values.
std::string compactJson(const nlohmann::ordered_json& json);

} // namespace spindex
