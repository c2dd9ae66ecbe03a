#include "winregistry.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace spindex {

std::optional<RegistryValue> WinRegistry::queryValue(std::uint32_t root, const std::string& key,
                                                     const std::string& valueName) {
    // The root is a predefined key handle given as its 32-bit value; the handle is that value
    // sign-extended, as the system headers define HKEY_LOCAL_MACHINE.
    const HKEY rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
    HKEY opened = nullptr;
    // Reading needs no more than query access; asking for full access fails for ordinary users.
    if (RegOpenKeyExA(rootKey, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    RegistryValue value;
    value.data.resize(1024);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(value.data.size());
    const LONG result = RegQueryValueExA(opened, valueName.c_str(), nullptr, &type, value.data.data(), &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    value.type = type;
    value.data.resize(size);
    return value;
}

} // namespace spindex
