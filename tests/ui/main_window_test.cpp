// The running program seen from outside: window, controls, pages, Esc, and
// the answer to the system's session-end query.
#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "ui/program_driver.h"
#include "ui/real_input.h"

namespace {

using quenvar::testing::DragWithLeftButton;
using quenvar::testing::PlaceInParent;
using quenvar::testing::RunningProgram;
using quenvar::testing::Shown;
using quenvar::testing::WaitUntil;
using quenvar::testing::WindowText;
namespace ids = quenvar;

TEST(MainWindow, FramelessCentredWithEmptyCaption) {
    RunningProgram program;
    HWND window = program.Window();
    ASSERT_NE(window, nullptr);
    RECT place{};
    GetWindowRect(window, &place);
    EXPECT_EQ(place.right - place.left, 727);
    EXPECT_EQ(place.bottom - place.top, 604);
    EXPECT_EQ(place.left, (GetSystemMetrics(SM_CXSCREEN) - 727) / 2);
    EXPECT_EQ(place.top, (GetSystemMetrics(SM_CYSCREEN) - 604) / 2);

    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    for (LONG_PTR frame : {WS_CAPTION, WS_BORDER, WS_DLGFRAME, WS_THICKFRAME, WS_SYSMENU, WS_MAXIMIZEBOX}) {
        EXPECT_EQ(style & frame, 0) << std::hex << frame;
    }
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_NE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0) << "taskbar button";
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_EQ(WindowText(window), "");
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 727) << "no frame: the client area is the whole window";
}

struct ExpectedControl {
    int id;
    RECT place;  // left, top, right, bottom in the parent's client area
    const char* text;
};

RECT At(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

TEST(MainWindow, ControlsOfTheFirstTwoPagesAtTheirPlacesWithTheirTexts) {
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    const ExpectedControl controls[] = {
        {ids::kChatButton, At(576, 1, 35, 24), nullptr},
        {ids::kHideButton, At(598, 1, 37, 24), nullptr},
        {ids::kMinimizeButton, At(623, 0, 33, 24), nullptr},
        {ids::kMaximizeButton, At(648, 0, 32, 24), nullptr},
        {ids::kCloseButton, At(672, 1, 48, 23), nullptr},
        {ids::kPageButton1 + 0, At(8, 25, 80, 71), "程序主页"},
        {ids::kPageButton1 + 1, At(93, 25, 80, 71), "待机专区"},
        {ids::kPageButton1 + 2, At(180, 24, 80, 80), "赞助商区"},
        {ids::kPageButton1 + 3, At(265, 26, 80, 74), "程序说明"},
        {ids::kPageButton1 + 4, At(352, 25, 80, 79), "技术人员"},
        {ids::kPageButton1 + 5, At(436, 25, 80, 79), "合作伙伴"},
        {ids::kPageButton1 + 6, At(525, 25, 80, 79), "实时动态"},
        {ids::kPageButton1 + 7, At(611, 25, 80, 79), "工具应用"},
        {ids::kPageTabs, At(8, 112, 712, 456), nullptr},
        {ids::kLatestVersionLabel, At(0, 576, 136, 32), " 目前最新版本："},
        {ids::kUpdateLink, At(656, 584, 64, 16), "在线更新"},
        {ids::kStatusLabel, At(112, 584, 536, 16), nullptr},
        // Page 0, in PageTabs: the group boxes' contents are placed from their group box.
        {ids::kMainGroup, At(8, 8, 680, 424), "【计算机】Quenvar"},
        {ids::kLogGroup, At(8 + 8, 8 + 16, 664, 216), "拦截详情信息如下："},
        {ids::kLogBox, At(8 + 8 + 8, 8 + 16 + 24, 648, 176), ""},
        {ids::kBeepOption, At(8 + 8, 8 + 248, 656, 24), "声音提示【拦截到关闭计算机时才会发出鸣叫声音】"},
        {ids::kPromptOption, At(8 + 8, 8 + 288, 616, 32),
         "信息提示【注：当提示窗口提示时，只有3秒时间做出选择，否则不拦截处理，默认视为可执行程序(不建议选择此项 )】"},
        {ids::kAutorunOption, At(8 + 8, 8 + 336, 576, 24),
         "开机启动【如设置开机启动后，如想取消启动，再来点击本选择框即可】"},
        {ids::kMonitorButton, At(8 + 8, 8 + 376, 144, 40), "开始监视拦截"},
        {ids::kOpenLogButton, At(8 + 168, 8 + 376, 160, 40), "查看\\修改拦截详细信息"},
        {ids::kClearLogButton, At(8 + 344, 8 + 376, 104, 40), "清空拦截信息"},
        {ids::kShutdownTimeButton, At(8 + 464, 8 + 376, 112, 40), "获取上次关机时间"},
        // Page 1.
        {ids::kStandbyStatusLabel, At(64, 48, 560, 96), "未开启拦截待机模式"},
        {ids::kStandbyButton, At(272, 152, 88, 32), ""},
        {ids::kStandbyGroup, At(8, 224, 696, 184), ""},
        {ids::kStandbyTitle, At(8 + 296, 224 + 16, 208, 32), "功能说明"},
        {ids::kStandbyText, At(8 + 16, 224 + 56, 672, 104), nullptr},
    };
    for (const ExpectedControl& expected : controls) {
        HWND control = program.Control(expected.id);
        ASSERT_NE(control, nullptr) << expected.id;
        const RECT place = PlaceInParent(control);
        EXPECT_EQ(place.left, expected.place.left) << expected.id;
        EXPECT_EQ(place.top, expected.place.top) << expected.id;
        EXPECT_EQ(place.right, expected.place.right) << expected.id;
        EXPECT_EQ(place.bottom, expected.place.bottom) << expected.id;
        if (expected.text != nullptr) {
            EXPECT_EQ(WindowText(control), expected.text) << expected.id;
        }
    }
    EXPECT_EQ(WindowText(program.Control(ids::kStatusLabel)).rfind("未知             【", 0), 0u);
    EXPECT_EQ(WindowText(program.Control(ids::kStandbyText)).rfind("本程序命令主要拦截待机模式", 0), 0u);
    for (int option : {ids::kBeepOption, ids::kPromptOption, ids::kAutorunOption}) {
        EXPECT_EQ(SendMessageA(program.Control(option), BM_GETCHECK, 0, 0), BST_UNCHECKED) << option;
    }
}

TEST(MainWindow, PageButtonsShowTheirPage) {
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    HWND mainPage = program.Control(ids::kLogBox);
    HWND standbyPage = program.Control(ids::kStandbyStatusLabel);
    EXPECT_TRUE(Shown(mainPage));
    EXPECT_FALSE(Shown(standbyPage));
    const struct {
        int button;
        bool mainShown;
        bool standbyShown;
    } clicks[] = {{2, false, true}, {1, true, false}, {8, false, false}, {2, false, true}, {3, false, false},
                  {7, false, false}, {1, true, false}};
    for (const auto& click : clicks) {
        SendMessageA(program.Control(ids::kPageButton1 + click.button - 1), BM_CLICK, 0, 0);
        EXPECT_EQ(Shown(mainPage), click.mainShown) << "PageButton" << click.button;
        EXPECT_EQ(Shown(standbyPage), click.standbyShown) << "PageButton" << click.button;
    }
}

// Where the keyboard focus is when Esc is pressed.
enum class EscFocus { kWindow, kCheckBox };

class EscCloses : public testing::TestWithParam<EscFocus> {};

TEST_P(EscCloses, EndsTheProgramWithExitCodeZero) {
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    HWND target = program.Window();
    if (GetParam() == EscFocus::kCheckBox) {
        // A click gives the check box the focus, as it would for a user.
        target = program.Control(ids::kBeepOption);
        PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        ASSERT_TRUE(WaitUntil([&] {
            return GetGUIThreadInfo(GetWindowThreadProcessId(target, nullptr), &info) && info.hwndFocus == target;
        }));
    }
    PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    DWORD exitCode = 1234;
    ASSERT_TRUE(program.WaitForExit(5000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

INSTANTIATE_TEST_SUITE_P(Focus, EscCloses, testing::Values(EscFocus::kWindow, EscFocus::kCheckBox),
                         [](const testing::TestParamInfo<EscFocus>& info) {
                             return info.param == EscFocus::kWindow ? "OnWindow" : "OnCheckBox";
                         });

TEST(MainWindow, LetsTheSessionEndBeforeMonitoringIsOn) {
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    for (LPARAM kind : {LPARAM{0}, LPARAM(ENDSESSION_LOGOFF)}) {
        DWORD_PTR answer = 0;
        ASSERT_NE(SendMessageTimeoutA(program.Window(), WM_QUERYENDSESSION, 0, kind, SMTO_ABORTIFHUNG, 5000,
                                      &answer),
                  0);
        EXPECT_EQ(answer, TRUE) << kind;
    }
    EXPECT_TRUE(program.IsRunning());
    EXPECT_EQ(WindowText(program.Control(ids::kLogBox)), "");
}

// A press on the background between the page buttons and the page area drags
// the window; a press on a page button does not. Real input through SendInput.
TEST(MainWindow, BackgroundPressDragsTheWindow) {
    RunningProgram program;
    HWND window = program.Window();
    ASSERT_NE(window, nullptr);
    RECT before{};
    GetWindowRect(window, &before);
    SetForegroundWindow(window);

    // On the first page button: the window stays where it is.
    DragWithLeftButton(before.left + 40, before.top + 60, 40, 32);
    RECT afterButton{};
    GetWindowRect(window, &afterButton);
    EXPECT_EQ(afterButton.left, before.left);
    EXPECT_EQ(afterButton.top, before.top);

    // On the background band at row 108.
    DragWithLeftButton(before.left + 300, before.top + 108, 40, 32);
    RECT after{};
    ASSERT_TRUE(WaitUntil([&] {
        GetWindowRect(window, &after);
        return after.left != before.left;
    }, 2000));
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 32);
}

}  // namespace
