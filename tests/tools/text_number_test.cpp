// The version number at the head of a record.
#include <gtest/gtest.h>

#include <string_view>

#include "tools/text_number.h"

namespace {

TEST(FullWidthToAscii, ReplacesFullWidthFormsCharacterByCharacter) {
    const struct {
        std::string_view text;
        std::string_view ascii;
    } cases[] = {
        {"\xA3\xB1\xA3\xAE\xA3\xB2", "1.2"},
        {"\xA3\xA1\xA3\xFE", "!~"},
        {"\xA1\xA1\xA1\xAB\xA1\xEE\xA1\xEF", " ~**"},
        {"\xA1\xA2", "\xA1\xA2"},  // other punctuation stays
        // The second byte of one character and the first of the next are no pair.
        {"\xB0\xA3\xA3\xB1", "\xB0\xA3" "1"},
        {"a\xA3", "a\xA3"},
    };
    for (const auto& c : cases) EXPECT_EQ(quenvar::FullWidthToAscii(c.text), c.ascii) << c.text;
}

TEST(TextToNumber, ReadsTheLeadingDecimalNumber) {
    const struct {
        std::string_view text;
        double number;
    } cases[] = {
        {"1.1", 1.1},
        {"1.2http://example.test/x", 1.2},
        {"10.0http", 10.0},
        {"01.1", 1.1},
        {" \t\r\n1.1", 1.1},
        {"-1.5", -1.5},
        {"+3", 3.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"1.2.3", 1.2},
        {"1e3", 1000.0},
        {"1D2", 100.0},
        {"2d-1", 0.2},
        {"1E+1x", 10.0},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1.09999995", 1.09999995},
        {"\xA3\xB1\xA3\xAE\xA3\xB2", 1.2},
        {"\xA1\xA1" "3", 3.0},
        {"\xA3\xAD" "2", -2.0},
        {"abc", 0.0},
        {"\xD6\xD0" "1", 0.0},
        {"", 0.0},
        {".", 0.0},
        {"-", 0.0},
        {"e5", 0.0},
    };
    for (const auto& c : cases) EXPECT_EQ(quenvar::TextToNumber(c.text), c.number) << c.text;
}

}  // namespace
