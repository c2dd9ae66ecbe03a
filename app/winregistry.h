#pragma once

// The Windows registry, read through the Win32 API. Only the Windows build has it.

#include "forms/registry.h"

namespace spindex {

class WinRegistry : public Registry {
public:
    std::optional<RegistryValue> queryValue(std::uint32_t root, const std::string& key,
                                            const std::string& valueName) override;
};

} // namespace spindex
