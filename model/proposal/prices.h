#pragma once

// What the plan holds for the customer's proposal: who it is for, who prepared it, the currency, and a
// unit price per bill of materials item. Prices are kept by item name, so that a price stays with the
// plan while a change drops the item and comes back when it needs the item again.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace spindex {

struct Proposal {
    std::string customer;
    std::string preparedBy;
    std::string currency;
    std::map<std::string, double> prices; // by item name
    bool operator==(const Proposal&) const = default;
};

// The proposal's texts are for one line of a page.
inline constexpr size_t ProposalTextLimit = 200;
// At most that many characters (not bytes).
bool fitsProposalText(std::string_view text);

inline constexpr const char* PriceRule = "a number of at least 0, with at most two decimals";

// A price as a user types it or a price list holds it: digits with at most two decimals, blanks around
// allowed; no sign, no exponent, no grouping. Anything else gives nothing.
std::optional<double> parsePrice(std::string_view text);

// Whether a number read from a file is a price: at least 0, whole cents, and small enough to add up
// in cents without loss.
bool isPrice(double value);

// Two decimals, a period and no grouping: "6200.00".
std::string priceText(double value);
// With the currency after it when there is one: "6200.00 EUR".
std::string moneyText(double value, const std::string& currency);

} // namespace spindex
