// Byte-text search and cutting as the version check reads a page.
#include <gtest/gtest.h>

#include <string_view>

#include "tools/byte_text.h"

namespace {

using namespace std::string_view_literals;

TEST(FindText, FirstPositionCaseBlindForAsciiLettersOnly) {
    const struct {
        std::string_view text;
        std::string_view pattern;
        int position;
    } cases[] = {
        {"abcabc", "bc", 2},
        {"xALT=", "alt=", 2},
        {"abc", "abcd", -1},
        {"", "a", -1},
        {"a[b", "A{B", -1},  // '[' and '{' differ by the case bit but are no letters
        // Two-byte characters: a match never starts on a second byte.
        {"\xB0" "Ax", "Ax", -1},
        {"\xB0" "ax", "AX", -1},
        {"\x80" "Ax", "Ax", -1},  // 0x80 starts a character too
        {"\xB0\xB0\xA1\xA1", "\xB0\xA1", -1},
        {"x\xB0\xA1y", "\xB0\xA1y", 2},
        {"\xD6\xD0\xCE\xC4" "abc", "abc", 5},
        {"ab\xB0", "z", -1},  // a first byte with nothing after it ends the search
    };
    for (const auto& c : cases) EXPECT_EQ(quenvar::FindText(c.text, c.pattern), c.position) << c.text;
}

TEST(ExtractBetween, TextAfterTheFirstStartUpToTheNextEnd) {
    const struct {
        std::string_view text;
        std::string_view result;
    } cases[] = {
        {"a[s]rec[e]b", "rec"},
        {"[S]rec[E]", "rec"},
        {"[e]x[s]rec[e]", "rec"},  // an end before the start is passed over
        {"[s]one[e][s]two[e]", "one"},
        {"[s]a[s]b[e]", "a[s]b"},
        {"[s]\xD6\xD0\xCE\xC4[e]", "\xD6\xD0\xCE\xC4"},
        {"[s][e]", ""},
        {"[s]rec", ""},
        {"rec[e]", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(quenvar::ExtractBetween(c.text, "[s]", "[e]"), c.result) << c.text;
}

TEST(TextBeforeZero, EndsAtTheFirstZeroByte) {
    EXPECT_EQ(quenvar::TextBeforeZero("abc\0def"sv), "abc");
    EXPECT_EQ(quenvar::TextBeforeZero("\0abc"sv), "");
    EXPECT_EQ(quenvar::TextBeforeZero("abc"sv), "abc");
}

}  // namespace
