#pragma once

// Reads a plan file. What the bytes must be: UTF-8 JSON, one object, the format and version this
// program writes, every required key with a value of the right kind. Whether the plan keeps the
// controller's rules is not decided here: the rebuild decides that (planrebuild.h).

#include <optional>
#include <string>
#include <string_view>

#include "plans/plan.h"

namespace spindex {

// The plan the bytes hold, or nothing with the reason in words for the user: where the bytes are
// no UTF-8 or no JSON (line and column, from 1), or which key is missing or has a value of the
// wrong kind.
std::optional<Plan> readPlan(std::string_view bytes, std::string& reason);

// Drive types as the file's "driveTypes" holds them, or nothing with the reason.
std::optional<std::vector<DriveType>> readDriveTypes(std::string_view json, std::string& reason);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points past Unicode).
bool isUtf8(std::string_view bytes);

} // namespace spindex
