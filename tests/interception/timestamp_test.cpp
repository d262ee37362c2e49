#include <gtest/gtest.h>

#include "interception/session_end_hook.h"
#include "interception/timestamp.h"

namespace {

TEST(TimestampText, TimeGoesDownToItsLastNonZeroPart) {
    const struct {
        quenvar::LocalTime time;
        const char* text;
    } cases[] = {
        {{2012, 11, 3, 14, 7, 9}, "2012年11月3日14时7分9秒"},
        {{2012, 11, 3, 14, 7, 0}, "2012年11月3日14时7分"},
        {{2012, 11, 3, 14, 0, 0}, "2012年11月3日14时"},
        {{2012, 11, 3, 0, 0, 0}, "2012年11月3日"},
        {{2012, 11, 3, 0, 0, 5}, "2012年11月3日0时0分5秒"},
        {{2012, 11, 3, 0, 30, 0}, "2012年11月3日0时30分"},
        {{2026, 1, 9, 9, 5, 0}, "2026年1月9日9时5分"},
        {{2026, 12, 31, 23, 59, 59}, "2026年12月31日23时59分59秒"},
    };
    for (const auto& c : cases) EXPECT_EQ(quenvar::TimestampText(c.time), c.text) << c.text;
}

TEST(IsLogoffQuery, OnlyTheLogoffFlagAloneIsALogoff) {
    const struct {
        LPARAM lParam;
        bool logoff;
    } cases[] = {
        {LPARAM(0x80000000u), true},  {0, false}, {LPARAM(0x80000001u), false},
        {LPARAM(0x40000000u), false}, {LPARAM(0xC0000000u), false},
    };
    for (const auto& c : cases) EXPECT_EQ(quenvar::IsLogoffQuery(c.lParam), c.logoff) << std::hex << c.lParam;
}

}  // namespace
