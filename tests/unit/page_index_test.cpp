#include <gtest/gtest.h>

#include "app/page_index.h"

TEST(ClampPageIndex, OutOfRangeGoesToTheNearestPage) {
    const struct {
        int asked;
        int shown;
    } cases[] = {{-100, 0}, {-1, 0}, {0, 0}, {3, 3}, {6, 6}, {7, 6}, {1000, 6}};
    for (const auto& c : cases) EXPECT_EQ(quenvar::ClampPageIndex(c.asked), c.shown) << c.asked;
}
