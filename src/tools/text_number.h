// Reading the version number at the head of a text. Pure code, tested natively.
#pragma once

#include <string>
#include <string_view>

namespace quenvar {

// Full-width GBK forms (A3A1..A3FE) become their ASCII counterparts, the
// ideographic space A1A1 a blank, A1AB "~", A1EE and A1EF "*"; every other
// byte stays.
std::string FullWidthToAscii(std::string_view text);

// The number at the head of text after FullWidthToAscii: leading white space,
// an optional sign, digits, an optional decimal point with digits, and an
// optional exponent (e, E, d or D, optional sign, digits). Reading stops at
// the first byte that does not fit; a text without digits reads as 0.
double TextToNumber(std::string_view text);

}  // namespace quenvar
