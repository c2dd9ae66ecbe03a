#pragma once

// Plan files through the program's surroundings: read with a size limit and checked.

#include <cstdint>
#include <optional>
#include <string>

#include "plans/plan.h"

namespace spindex {

class Host;

inline constexpr const char* PlanFilter = "Spindex Plans (*.spindex)|*.spindex";
inline constexpr const char* PlanExtension = "spindex";
// A plan is a few kilobytes; anything far larger is no plan.
inline constexpr std::int64_t PlanFileLimit = 1024 * 1024;

// Reads the file and checks it: the plan it holds, to be rebuilt, or nothing with the reason.
std::optional<Plan> readPlanFile(Host& host, const std::string& path, std::string& reason);

// The one message of a plan that cannot be opened.
void showOpenFailure(Host& host, const std::string& path, const std::string& reason);

// The file name without its folder, as the caption and the question name the plan.
std::string planFileName(const std::string& path);

} // namespace spindex
