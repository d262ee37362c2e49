#include "tools/registry_value.h"

#include "platform/win_handles.h"

namespace quenvar::testing {

std::optional<RegistryValue> ReadRegistryValue(HKEY root, const char* subkey, const char* name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, subkey, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return std::nullopt;
    UniqueRegKey key(opened);
    RegistryValue value;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), name, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    value.data.resize(size);
    if (RegQueryValueExA(key.Get(), name, nullptr, &value.type, reinterpret_cast<BYTE*>(value.data.data()), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    return value;
}

bool WriteRegistryValue(HKEY root, const char* subkey, const char* name, DWORD type, std::string_view data) {
    HKEY created = nullptr;
    if (RegCreateKeyExA(root, subkey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    UniqueRegKey key(created);
    return RegSetValueExA(key.Get(), name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool DeleteRegistryValue(HKEY root, const char* subkey, const char* name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, subkey, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) return false;
    UniqueRegKey key(opened);
    return RegDeleteValueA(key.Get(), name) == ERROR_SUCCESS;
}

SavedRegistryValue::SavedRegistryValue(HKEY root, const char* subkey, const char* name)
    : root_(root), subkey_(subkey), name_(name), saved_(ReadRegistryValue(root, subkey, name)) {}

SavedRegistryValue::~SavedRegistryValue() {
    if (saved_) {
        WriteRegistryValue(root_, subkey_.c_str(), name_.c_str(), saved_->type, saved_->data);
    } else {
        DeleteRegistryValue(root_, subkey_.c_str(), name_.c_str());
    }
}

}  // namespace quenvar::testing
