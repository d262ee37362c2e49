#include "platform/resource_data.h"

#include <windows.h>

namespace quenvar {

std::string_view ResourceBytes(int id) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (info == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, info);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) return {};
    return {static_cast<const char*>(data), SizeofResource(module, info)};
}

}  // namespace quenvar
