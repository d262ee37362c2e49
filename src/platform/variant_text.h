// A script's result as the ANSI text the rest of the program handles.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quenvar {

// A string is taken as it is; any other value goes through VariantChangeType
// with the user's default locale, so a date reads as the user's short date
// and long time. The UTF-16 text is then converted to the ANSI code page.
// A value that cannot be converted (a date outside the years 100 to 9999,
// say) gives the empty text.
std::string VariantToAnsiText(const VARIANT& value);

// UTF-16 to the ANSI code page, and back.
std::string WideToAnsi(const wchar_t* text, int length);
std::wstring AnsiToWide(std::string_view text);

}  // namespace quenvar
