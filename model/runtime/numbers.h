#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace spindex {

// Numbers live as decimal text in the controls and are converted at each use.
// The period is the decimal separator whatever the user's locale.

// Reads a decimal number; blanks around it are allowed. Empty or other text gives nothing.
std::optional<double> parseNumber(std::string_view text);

// The shortest text of the value rounded to 15 significant digits: 27.3, 13.5, 12.
std::string formatNumber(double value);

// Conversion to a whole number: nearest integer, exact halves to the even neighbour.
double roundHalfEven(double value);

} // namespace spindex
