#include "forms/registry.h"

#include <cstdio>

#include "runtime/numbers.h"

namespace spindex {

namespace {
// The hexadecimal literal read back as the program's integers read it: four digits or fewer make a
// 16-bit value, eight or fewer a 32-bit one.
std::string hexLiteralAsNumber(const std::string& digits) {
    if (digits.empty())
        return "0";
    long long value = 0;
    for (char c : digits)
        value = value * 16 + (c <= '9' ? c - '0' : c - 'A' + 10);
    if (digits.size() <= 4 && value > 0x7FFF)
        value -= 0x10000;
    else if (digits.size() <= 8 && value > 0x7FFFFFFFLL)
        value -= 0x100000000LL;
    return std::to_string(value);
}
} // namespace

bool GetKeyValue(Registry* registry, std::uint32_t keyRoot, const std::string& keyName, const std::string& subKeyRef,
                 std::string& keyVal) {
    const std::optional<RegistryValue> value =
        registry ? registry->queryValue(keyRoot, keyName, subKeyRef) : std::nullopt;
    if (!value) {
        keyVal.clear();
        return false;
    }
    std::string kept(value->data.begin(), value->data.end());
    if (!kept.empty() && kept.back() == '\0')
        kept.pop_back();
    if (value->type == REG_SZ_TYPE) {
        keyVal = kept;
    } else if (value->type == REG_DWORD_TYPE) {
        std::string digits;
        for (auto it = kept.rbegin(); it != kept.rend(); ++it) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned char>(*it));
            digits += hex;
        }
        // Only the last 8 digits fit the program's longest integer.
        if (digits.size() > 8)
            digits = digits.substr(digits.size() - 8);
        keyVal = hexLiteralAsNumber(digits);
    }
    return true;
}

} // namespace spindex
