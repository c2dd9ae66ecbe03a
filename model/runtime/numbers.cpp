#include "runtime/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace spindex {

std::optional<double> parseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    // Most texts the program reads are small whole numbers (drive counts, slots, sizes): read them
    // digit by digit; every other text goes through the library.
    if (text.size() <= 15 && text.front() != '-') {
        std::int64_t whole = 0;
        bool digits = true;
        for (const char c : text) {
            if (c < '0' || c > '9') {
                digits = false;
                break;
            }
            whole = whole * 10 + (c - '0');
        }
        if (digits)
            return static_cast<double>(whole);
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {
std::optional<std::string> shortestG(double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    if (ec != std::errc())
        return std::nullopt;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    if (e == std::string_view::npos)
        return std::nullopt;
    const bool negative = text.front() == '-';
    std::string digits;
    for (const char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0)))
        if (c != '.')
            digits += c;
    if (digits.size() > 15)
        return std::nullopt;
    int exponent = 0;
    const std::string_view power = text.substr(e + 1);
    if (std::from_chars(power.data() + (power.front() == '+' ? 1 : 0), power.data() + power.size(), exponent).ec !=
        std::errc())
        return std::nullopt;
    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits.front();
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        const int magnitude = exponent < 0 ? -exponent : exponent;
        out += std::string(exponent < 0 ? "e-" : "e+") + (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    } else if (exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole)
            out += digits + std::string(whole - digits.size(), '0');
        else
            out += digits.substr(0, whole) + "." + digits.substr(whole);
    }
    return out;
}
} // namespace

std::string formatNumber(double value) {
    if (value == 0)
        return "0"; // also for -0
    char buffer[64];
    // Whole numbers below 10^15 read the same in %.15g as in plain digits, and are written faster so.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(value));
        return ec == std::errc() ? std::string(buffer, end) : std::string("0");
    }
    // Values with up to four decimals (sizes, capacities, percentages): when m / 10^k is exactly the
    // value for a whole m, the digits of m with the point set k places from the right read back as the
    // value, and a text of at most 15 digits that reads back is what %.15g writes.
    if (std::fabs(value) < 1e10) {
        double scale = 1;
        for (int decimals = 1; decimals <= 4; ++decimals) {
            scale *= 10;
            const double scaled = std::round(value * scale);
            if (scaled / scale != value)
                continue;
            const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(scaled));
            if (ec != std::errc())
                break;
            std::string digits(buffer, end);
            const bool negative = digits.front() == '-';
            if (negative)
                digits.erase(0, 1);
            if (digits.size() <= static_cast<std::size_t>(decimals))
                digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
            digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
            return negative ? "-" + digits : digits;
        }
    }
    // The shortest digits that read back as the value are what %.15g rounds to whenever there are at
    // most 15 of them; they are then laid out by %g's rule (fixed for exponents from -4 to 14).
    if (const std::optional<std::string> text = shortestG(value))
        return *text;
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (ec != std::errc())
        return "0";
    // %g keeps no trailing zeros already; an exponent only appears for magnitudes the program never shows.
    return std::string(buffer, end);
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

} // namespace spindex
