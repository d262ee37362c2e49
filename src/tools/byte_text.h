// Byte-text operations on GBK text the way the version check reads a page:
// positions count from 1, and a two-byte character is never split by a match.
// Pure code without Windows headers, tested natively too.
#pragma once

#include <string>
#include <string_view>

namespace quenvar {

// The bytes before the first zero byte; all of them when there is none.
std::string_view TextBeforeZero(std::string_view bytes);

// Position (from 1) of the first occurrence of pattern in text, or -1. ASCII
// letters match without regard to case, every other byte exactly. A byte of
// 0x80 or above starts a two-byte character: a match may begin on it but not
// on the byte after it, and such a byte with nothing after it ends the search.
int FindText(std::string_view text, std::string_view pattern);

// The bytes between the first occurrence of start and the next occurrence of
// end after it; empty when either is missing or nothing stands between them.
std::string ExtractBetween(std::string_view text, std::string_view start, std::string_view end);

}  // namespace quenvar
