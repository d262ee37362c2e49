#include "tools/byte_text.h"

namespace quenvar {
namespace {

constexpr unsigned char LowerAscii(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool MatchesAt(std::string_view text, size_t at, std::string_view pattern) {
    if (text.size() - at < pattern.size()) return false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (LowerAscii(static_cast<unsigned char>(text[at + i])) != LowerAscii(static_cast<unsigned char>(pattern[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string_view TextBeforeZero(std::string_view bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

int FindText(std::string_view text, std::string_view pattern) {
    size_t at = 0;
    while (at < text.size()) {
        if (MatchesAt(text, at, pattern)) return static_cast<int>(at) + 1;
        if (static_cast<unsigned char>(text[at]) >= 0x80) {
            if (at + 1 == text.size()) return -1;  // a lead byte without its second half
            at += 2;
        } else {
            at += 1;
        }
    }
    return -1;
}

std::string ExtractBetween(std::string_view text, std::string_view start, std::string_view end) {
    const int startAt = FindText(text, start);
    if (startAt < 0) return {};
    const std::string_view rest = text.substr(static_cast<size_t>(startAt) - 1 + start.size());
    const int endAt = FindText(rest, end);
    if (endAt <= 1) return {};
    return std::string(rest.substr(0, static_cast<size_t>(endAt) - 1));
}

}  // namespace quenvar
