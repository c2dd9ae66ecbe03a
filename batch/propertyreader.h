#pragma once

// The value that `get` prints, as JSON text: the referenced thing's default property or the one named
// after the dot (see the protocol's table of values). Reading changes nothing.

#include <optional>
#include <string>

#include "nameresolver.h"

namespace spindex::batch {

// The value, or nothing with the reason in error (an unknown property, a window not loaded).
std::optional<std::string> readValue(const Program& program, const Reference& ref, std::string& error);

} // namespace spindex::batch
