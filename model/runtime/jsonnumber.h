#pragma once

// Numbers in the program's JSON (plans, the plan summary) as the program writes numbers: at most 15
// significant digits and no trailing zeros. A whole value is stored as an integer, so that 728 is not
// written 728.0, and a fraction as the double that its 15-digit text reads back as, so that
// 436.8 + 728 + 291.2 is written 1456 and not 1456.0000000000002.

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>

#include "runtime/numbers.h"

namespace spindex {

inline nlohmann::ordered_json jsonNumber(double value) {
    const double shown = parseNumber(formatNumber(value)).value_or(0);
    if (std::trunc(shown) == shown && std::fabs(shown) < 9.0e15)
        return static_cast<std::int64_t>(shown);
    return shown;
}

} // namespace spindex
