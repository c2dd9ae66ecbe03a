#include "proposal/prices.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace spindex {

namespace {
// Prices add up in whole cents; beyond this a double no longer holds every cent.
constexpr double LargestPrice = 1e12;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

bool fitsProposalText(std::string_view text) {
    size_t characters = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++characters;
    return characters <= ProposalTextLimit;
}

std::optional<double> parsePrice(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    size_t i = 0, whole = 0, decimals = 0;
    std::int64_t cents = 0;
    while (i < text.size() && isDigit(text[i])) {
        // Leading zeros do not count against the size.
        if (cents > 0 || text[i] != '0')
            ++whole;
        if (whole > 12)
            return std::nullopt;
        cents = cents * 10 + (text[i] - '0');
        ++i;
    }
    const size_t wholeDigits = i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]) && decimals < 3) {
            ++decimals;
            ++i;
        }
        if (decimals > 2)
            return std::nullopt;
    }
    if (i != text.size() || (wholeDigits == 0 && decimals == 0))
        return std::nullopt;
    const std::string_view fraction = decimals ? text.substr(wholeDigits + 1) : std::string_view();
    cents *= 100;
    if (!fraction.empty())
        cents += (fraction[0] - '0') * 10 + (fraction.size() > 1 ? fraction[1] - '0' : 0);
    const double value = static_cast<double>(cents) / 100;
    return value < LargestPrice ? std::optional<double>(value) : std::nullopt;
}

bool isPrice(double value) {
    if (!std::isfinite(value) || value < 0 || value >= LargestPrice)
        return false;
    const double cents = value * 100;
    return std::fabs(cents - std::round(cents)) <= 1e-6;
}

std::string priceText(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.2f", std::round(value * 100) / 100);
    return text;
}

std::string moneyText(double value, const std::string& currency) {
    return currency.empty() ? priceText(value) : priceText(value) + " " + currency;
}

} // namespace spindex
