// The program's texts are GBK byte strings compiled from UTF-8 sources; a
// build without the right execution character set would show garbage.
#include <gtest/gtest.h>

#include <string_view>

#include "app/main_window_texts.h"

namespace {

struct KnownBytes {
    std::string_view text;
    std::string_view gbk;
};

TEST(Charset, NarrowLiteralsAreGbk) {
    const KnownBytes cases[] = {
        {"宋体", "\xCB\xCE\xCC\xE5"},
        {"信息：", "\xD0\xC5\xCF\xA2\xA3\xBA"},  // full-width colon A3 BA
        {"温馨提示:", "\xCE\xC2\xDC\xB0\xCC\xE1\xCA\xBE:"},
        {"【", "\xA1\xBE"},
        {"Quenvar", "Quenvar"},
    };
    for (const KnownBytes& known : cases) EXPECT_EQ(known.text, known.gbk);
}

TEST(Charset, StatusTextHasThirteenBlanksAfterUnknown) {
    const std::string_view status = quenvar::texts::kStatusUnknown;
    ASSERT_EQ(status.substr(0, 4), "\xCE\xB4\xD6\xAA");  // 未知
    EXPECT_EQ(status.substr(4, 15), std::string_view("             \xA1\xBE"));
}

}  // namespace
