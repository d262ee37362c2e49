#include "tools/text_number.h"

#include <cstdlib>

namespace quenvar {
namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

size_t SkipDigits(std::string_view text, size_t at) {
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at;
}

}  // namespace

std::string FullWidthToAscii(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80 || at + 1 == text.size()) {
            ascii += text[at++];
            continue;
        }
        // Character by character, so the trail byte of one character and the
        // lead byte of the next are never taken for a full-width form.
        const auto trail = static_cast<unsigned char>(text[at + 1]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            ascii += static_cast<char>(trail - 0x80);
        } else if (lead == 0xA1 && trail == 0xA1) {
            ascii += ' ';
        } else if (lead == 0xA1 && trail == 0xAB) {
            ascii += '~';
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            ascii += '*';
        } else {
            ascii += text.substr(at, 2);
        }
        at += 2;
    }
    return ascii;
}

double TextToNumber(std::string_view text) {
    const std::string ascii = FullWidthToAscii(text);
    const std::string_view s = ascii;
    size_t at = 0;
    while (at < s.size() && IsSpace(s[at])) ++at;
    const size_t begin = at;
    if (at < s.size() && (s[at] == '+' || s[at] == '-')) ++at;
    const size_t integerEnd = SkipDigits(s, at);
    bool digits = integerEnd > at;
    at = integerEnd;
    if (at < s.size() && s[at] == '.') {
        const size_t fractionEnd = SkipDigits(s, at + 1);
        if (fractionEnd > at + 1 || digits) {
            digits = digits || fractionEnd > at + 1;
            at = fractionEnd;
        }
    }
    if (!digits) return 0.0;
    std::string number(s.substr(begin, at - begin));
    // The exponent counts only with at least one digit after its letter.
    if (at < s.size() && (s[at] == 'e' || s[at] == 'E' || s[at] == 'd' || s[at] == 'D')) {
        size_t exponent = at + 1;
        if (exponent < s.size() && (s[exponent] == '+' || s[exponent] == '-')) ++exponent;
        const size_t exponentEnd = SkipDigits(s, exponent);
        if (exponentEnd > exponent) {
            number += 'e';
            number += s.substr(at + 1, exponentEnd - at - 1);
        }
    }
    // Only digits, a point, signs and 'e' reach strtod, so its locale and its
    // other syntaxes (hex, inf, nan) never come into play.
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace quenvar
