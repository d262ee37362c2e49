#include "platform/variant_text.h"

#include "platform/win_handles.h"

namespace quenvar {

std::string WideToAnsi(const wchar_t* text, int length) {
    if (text == nullptr || length <= 0) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, ansi.data(), size, nullptr, nullptr);
    return ansi;
}

std::wstring AnsiToWide(std::string_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (size <= 0) return {};
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), size);
    return wide;
}

std::string VariantToAnsiText(const VARIANT& value) {
    if (V_VT(&value) == VT_BSTR) {
        return WideToAnsi(V_BSTR(&value), static_cast<int>(SysStringLen(V_BSTR(&value))));
    }
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, VT_BSTR))) return {};
    std::string text = WideToAnsi(V_BSTR(&converted), static_cast<int>(SysStringLen(V_BSTR(&converted))));
    VariantClear(&converted);
    return text;
}

}  // namespace quenvar
