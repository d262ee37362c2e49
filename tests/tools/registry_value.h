// Registry values of the test prefix, set up for a test and put back after it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace quenvar::testing {

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string data;
};

std::optional<RegistryValue> ReadRegistryValue(HKEY root, const char* subkey, const char* name);
// Creates the key when needed.
bool WriteRegistryValue(HKEY root, const char* subkey, const char* name, DWORD type, std::string_view data);
bool DeleteRegistryValue(HKEY root, const char* subkey, const char* name);

// Remembers a value (or its absence) and restores it when it goes.
class SavedRegistryValue {
public:
    SavedRegistryValue(HKEY root, const char* subkey, const char* name);
    ~SavedRegistryValue();
    SavedRegistryValue(const SavedRegistryValue&) = delete;
    SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

private:
    HKEY root_;
    std::string subkey_;
    std::string name_;
    std::optional<RegistryValue> saved_;
};

}  // namespace quenvar::testing
