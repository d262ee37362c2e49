// MainWindow created in this process: which controls each page shows.
#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "app/main_window.h"
#include "app/page_tabs.h"

namespace {

bool HasVisibleStyle(int id) {
    return (GetWindowLongPtrA(quenvar::Control(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

class SelectPageTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_NE(quenvar::CreateMainWindow(GetModuleHandleA(nullptr)), nullptr); }
};

// Declared first: it must run before anything selects another page.
TEST_F(SelectPageTest, StartsOnTheMainPage) { EXPECT_EQ(quenvar::SelectedPage(), 0); }

TEST_F(SelectPageTest, ShowsOnlyTheClampedPage) {
    const struct {
        int asked;
        int selected;
        bool mainPageShown;
        bool standbyPageShown;
    } cases[] = {
        {1, 1, false, true}, {-1, 0, true, false}, {7, 6, false, false}, {0, 0, true, false}, {2, 2, false, false},
    };
    for (const auto& c : cases) {
        quenvar::SelectPage(c.asked);
        EXPECT_EQ(quenvar::SelectedPage(), c.selected) << c.asked;
        for (int id : {quenvar::kMainGroup, quenvar::kLogBox, quenvar::kBeepOption, quenvar::kMonitorButton}) {
            EXPECT_EQ(HasVisibleStyle(id), c.mainPageShown) << c.asked << " control " << id;
        }
        for (int id : {quenvar::kStandbyStatusLabel, quenvar::kStandbyButton, quenvar::kStandbyText}) {
            EXPECT_EQ(HasVisibleStyle(id), c.standbyPageShown) << c.asked << " control " << id;
        }
    }
}

}  // namespace
