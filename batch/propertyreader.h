#pragma once

// The value that `get` prints, as JSON: the referenced thing's default property or the one named
// after the dot (see the protocol's table of values). Reading changes nothing.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "nameresolver.h"

namespace spindex::batch {

// The value, or nothing with the reason in error (an unknown property, a window not loaded).
std::optional<nlohmann::ordered_json> readValue(const Program& program, const Reference& ref, std::string& error);

} // namespace spindex::batch
