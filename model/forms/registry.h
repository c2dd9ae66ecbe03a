#pragma once

// Reading the two registry values that locate the system information tool.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace spindex {

inline constexpr std::uint32_t HKEY_LOCAL_MACHINE_ROOT = 0x80000002u;
inline constexpr std::uint32_t REG_SZ_TYPE = 1;
inline constexpr std::uint32_t REG_DWORD_TYPE = 4;

struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data; // raw bytes as the registry returns them
};

class Registry {
public:
    virtual ~Registry() = default;
    // Nothing when the key cannot be opened or the value cannot be read.
    virtual std::optional<RegistryValue> queryValue(std::uint32_t root, const std::string& key,
                                                    const std::string& valueName) = 0;
};

// Reads one value into keyVal; see the about box's system information button.
bool GetKeyValue(Registry* registry, std::uint32_t keyRoot, const std::string& keyName, const std::string& subKeyRef,
                 std::string& keyVal);

} // namespace spindex
