#pragma once

// A price list as a spreadsheet writes it (RFC 4180, UTF-8, CR LF or LF): a header whose first two
// fields are "item" and "price" in any case, then a row per item. Empty lines are skipped.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace spindex {

// The price of every row, by item, or nothing with the reason ("line 4: ..."; the header is line 1).
// One bad row refuses the whole list, so that a half-read list never changes a price.
std::optional<std::map<std::string, double>> readPriceList(std::string_view bytes, std::string& reason);

} // namespace spindex
