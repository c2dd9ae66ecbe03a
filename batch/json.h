#pragma once

// JSON texts for the protocol's lines, written by QtCore's JSON classes. Each function returns
// compact JSON text. Objects keep their members in the order given (the protocol fixes the key
// order, which QJsonObject would sort), so they are joined here from values that the library wrote.

#include <string>
#include <utility>
#include <vector>

namespace spindex::batch::json {

// A JSON string: quotes, backslashes and control characters escaped (a carriage return as \r),
// other characters as UTF-8.
std::string string(const std::string& text);
// A number as the program writes numbers (formatNumber): 7.5, 48, 0.
std::string number(double value);
std::string boolean(bool value);
inline const std::string null = "null";
std::string stringArray(const std::vector<std::string>& items);

// An array of values that are JSON texts already.
std::string array(const std::vector<std::string>& elements);
// An object whose members stand in the order given; the values are JSON texts already.
std::string object(const std::vector<std::pair<std::string, std::string>>& members);

} // namespace spindex::batch::json
