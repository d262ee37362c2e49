// ExitWindow in the running program, driven from another process.
#include <gtest/gtest.h>

#include "app/app_test_support.h"
#include "app/control_ids.h"
#include "app/tray_icon.h"
#include "ui/program_driver.h"
#include "ui/real_input.h"
#include "ui/test_files.h"

namespace {

using namespace quenvar::testing;

constexpr int kWidth = 321;
constexpr int kHeight = 166;

// Clicks CloseButton and waits for ExitWindow, up and modal. Posted: the
// click runs ExitWindow's own message loop and returns only once it is closed.
HWND OpenExitWindow(const RunningProgram& program) {
    PostMessageA(program.Control(quenvar::kCloseButton), BM_CLICK, 0, 0);
    HWND exitWindow = WaitForWindow(program.ProcessId(), quenvar::kExitWindowClass);
    // MainWindow is disabled just after ExitWindow is shown.
    WaitUntil([&] { return !IsWindowEnabled(program.Window()); }, 2000);
    return exitWindow;
}

void PressLeftButton(HWND window, int x, int y) {
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

TEST(ExitWindow, OpensCentredFramelessAndDisablesMainWindow) {
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    HWND exitWindow = OpenExitWindow(program);
    ASSERT_NE(exitWindow, nullptr);
    RECT place{};
    GetWindowRect(exitWindow, &place);
    EXPECT_EQ(place.left, (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2);
    EXPECT_EQ(place.top, (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2);
    EXPECT_EQ(place.right - place.left, kWidth);
    EXPECT_EQ(place.bottom - place.top, kHeight);
    const LONG_PTR style = GetWindowLongPtrA(exitWindow, GWL_STYLE);
    for (LONG_PTR frame : {WS_CAPTION, WS_BORDER, WS_DLGFRAME, WS_THICKFRAME, WS_SYSMENU}) {
        EXPECT_EQ(style & frame, 0) << std::hex << frame;
    }
    EXPECT_EQ(GetWindowLongPtrA(exitWindow, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(WindowText(exitWindow), "");
    EXPECT_EQ(GetForegroundWindow(), exitWindow);
    EXPECT_FALSE(IsWindowEnabled(program.Window()));
    // The answer areas lie over the faces painted in the image.
    const struct {
        int id;
        RECT place;
    } areas[] = {{quenvar::kCancelExitArea, {160, 120, 224, 144}}, {quenvar::kConfirmExitArea, {240, 120, 304, 144}}};
    for (const auto& area : areas) {
        HWND control = GetDlgItem(exitWindow, area.id);
        ASSERT_NE(control, nullptr) << area.id;
        const RECT at = PlaceInParent(control);
        EXPECT_EQ(at.left, area.place.left) << area.id;
        EXPECT_EQ(at.top, area.place.top) << area.id;
        EXPECT_EQ(at.right, area.place.right) << area.id;
        EXPECT_EQ(at.bottom, area.place.bottom) << area.id;
        EXPECT_EQ(WindowText(control), "") << area.id;
    }
}

enum class Cancel { kCancelArea, kEsc };

class ExitWindowCancel : public testing::TestWithParam<Cancel> {};

// 暂未退出 and Esc close ExitWindow and change nothing else.
TEST_P(ExitWindowCancel, LeavesEverythingAsItWas) {
    RunningProgram program;
    HWND window = program.Window();
    ASSERT_NE(window, nullptr);
    SendMessageA(program.Control(quenvar::kPageButton1 + 2), BM_CLICK, 0, 0);
    SendMessageA(program.Control(quenvar::kLogBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("一行\r\n"));
    RECT before{};
    GetWindowRect(window, &before);

    HWND exitWindow = OpenExitWindow(program);
    ASSERT_NE(exitWindow, nullptr);
    ASSERT_FALSE(IsWindowEnabled(window));
    if (GetParam() == Cancel::kCancelArea) {
        // The press alone answers; no release follows.
        PressLeftButton(GetDlgItem(exitWindow, quenvar::kCancelExitArea), 10, 10);
    } else {
        PostMessageA(exitWindow, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageA(exitWindow, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    }
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(exitWindow); }));
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_EQ(GetForegroundWindow(), window) << "activation returns to MainWindow";
    EXPECT_TRUE(program.IsRunning());
    EXPECT_TRUE(IsWindowVisible(window));
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_TRUE(Shown(program.Control(quenvar::kSponsorBannerButton))) << "still on page 2";
    EXPECT_EQ(WindowText(program.Control(quenvar::kLogBox)), "一行\r\n");
    EXPECT_TRUE(TrayIconExists(window, quenvar::kTrayIconId));
    // And CloseButton opens it again.
    HWND again = OpenExitWindow(program);
    EXPECT_NE(again, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Answer, ExitWindowCancel, testing::Values(Cancel::kCancelArea, Cancel::kEsc),
                         [](const testing::TestParamInfo<Cancel>& info) {
                             return info.param == Cancel::kCancelArea ? "CancelArea" : "Esc";
                         });

// 继续退出 ends the program the moment the button goes down, without saving.
TEST(ExitWindow, ConfirmEndsAtThePressWithoutSaving) {
    ProgramCopy copy;
    const std::string earlier = "an earlier log\r\n";
    ASSERT_TRUE(WriteWholeFile(copy.ConfigIniPath(), earlier));
    RunningProgram program(copy.ExePath());
    HWND window = program.Window();
    ASSERT_NE(window, nullptr);
    SendMessageA(program.Control(quenvar::kLogBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("不保存\r\n"));

    HWND exitWindow = OpenExitWindow(program);
    ASSERT_NE(exitWindow, nullptr);
    PressLeftButton(GetDlgItem(exitWindow, quenvar::kConfirmExitArea), 10, 10);
    DWORD exitCode = 1234;
    ASSERT_TRUE(program.WaitForExit(5000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(TrayIconExists(window, quenvar::kTrayIconId));
    EXPECT_EQ(ReadWholeFile(copy.ConfigIniPath()), earlier);
}

// A press elsewhere in ExitWindow, on the margin or on the question, drags it
// and answers nothing. Real mouse input.
TEST(ExitWindow, BackgroundPressDragsIt) {
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    HWND exitWindow = OpenExitWindow(program);
    ASSERT_NE(exitWindow, nullptr);

    const POINT starts[] = {{3, 80} /* green margin */, {150, 50} /* the question */};
    for (const POINT& start : starts) {
        RECT before{};
        GetWindowRect(exitWindow, &before);
        DragWithLeftButton(before.left + start.x, before.top + start.y, 40, 32);
        RECT after{};
        EXPECT_TRUE(WaitUntil([&] {
            GetWindowRect(exitWindow, &after);
            return after.left != before.left;
        }, 2000)) << start.x;
        EXPECT_EQ(after.left - before.left, 40) << start.x;
        EXPECT_EQ(after.top - before.top, 32) << start.x;
        EXPECT_TRUE(IsWindow(exitWindow)) << start.x;
        EXPECT_FALSE(IsWindowEnabled(program.Window())) << start.x;
    }
    EXPECT_TRUE(program.IsRunning());
}

}  // namespace
