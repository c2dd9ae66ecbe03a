#pragma once

// Numbers in the program's JSON (plans, the plan summary, the batch tool's lines) as the program
// writes numbers: at most 15 significant digits and no trailing zeros. A whole value below 10^15 is
// stored as an integer, so that 728 is not written 728.0, and any other value as the double that its
// 15-digit text reads back as, so that 436.8 + 728 + 291.2 is written 1456 and not
// 1456.0000000000002, and 10^15 is written 1e+15 as formatNumber writes it. A value that is no number
// (infinite, not a number) is null: it has no text to read back.

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>

#include "runtime/numbers.h"

namespace spindex {

inline nlohmann::ordered_json jsonNumber(double value) {
    if (!std::isfinite(value))
        return nullptr;
    const double shown = parseNumber(formatNumber(value)).value_or(0);
    if (std::trunc(shown) == shown && std::fabs(shown) < 1.0e15)
        return static_cast<std::int64_t>(shown);
    return shown;
}

} // namespace spindex
