// The tray icon's menus and the window operations they run, with MainWindow
// created in this process: Wine keeps a popup menu's entries readable only
// from inside the process that opened it. The menu runs its loop on this
// thread; a second thread reads it and chooses as a user would.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "app/app_test_support.h"
#include "app/control_ids.h"
#include "app/handlers.h"
#include "app/main_window.h"
#include "app/tray_icon.h"

namespace {

using quenvar::testing::ChooseMenuEntry;
using quenvar::testing::WaitForPopupMenu;

struct SeenPopup {
    bool opened = false;
    std::vector<std::string> entries;
    std::vector<UINT> states;
    RECT place{};
};

void PumpMessages() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Delivers a tray notification to MainWindow as the shell would, while
// another thread waits for a popup, reads it and chooses entry `choose` (Esc
// when negative). Returns once the chosen command has run.
SeenPopup NotifyAndChoose(UINT mouseMessage, int choose, DWORD waitForPopup = 5000) {
    SeenPopup seen;
    std::thread reader([&] {
        HWND popup = WaitForPopupMenu(GetCurrentProcessId(), waitForPopup);
        if (popup == nullptr) return;
        seen.opened = true;
        GetWindowRect(popup, &seen.place);
        auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[128] = {};
            GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
            seen.entries.push_back(text);
            seen.states.push_back(GetMenuState(menu, i, MF_BYPOSITION));
        }
        ChooseMenuEntry(popup, choose);
    });
    SendMessageA(quenvar::MainWindow(), quenvar::kTrayNotifyMessage, quenvar::kTrayIconId, mouseMessage);
    reader.join();
    PumpMessages();
    return seen;
}

RECT WindowPlace() {
    RECT place{};
    GetWindowRect(quenvar::MainWindow(), &place);
    return place;
}

bool IsCentred() {
    const RECT place = WindowPlace();
    return place.left == (GetSystemMetrics(SM_CXSCREEN) - quenvar::kMainWindowWidth) / 2 &&
           place.top == (GetSystemMetrics(SM_CYSCREEN) - quenvar::kMainWindowHeight) / 2 &&
           place.right - place.left == quenvar::kMainWindowWidth &&
           place.bottom - place.top == quenvar::kMainWindowHeight;
}

class TrayMenuTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        HWND window = quenvar::CreateMainWindow(GetModuleHandleA(nullptr));
        ASSERT_NE(window, nullptr);
        quenvar::OnMainWindowCreated(window);
        ShowWindow(window, SW_SHOW);
        PumpMessages();
    }
    static void TearDownTestSuite() {
        if (quenvar::MainWindow() != nullptr) DestroyWindow(quenvar::MainWindow());
        PumpMessages();
    }
    void SetUp() override {
        // Every test starts from a visible, restored, centred window.
        quenvar::ShowMainWindow();
        PumpMessages();
    }
};

TEST_F(TrayMenuTest, MouseActionsOpenTheirMenuLeftOfThePointer) {
    const struct {
        UINT mouseMessage;
        std::vector<std::string> entries;  // empty: no menu opens
    } cases[] = {
        {WM_RBUTTONUP, {"显示主窗口", "隐藏主窗口", "退出"}},
        {WM_LBUTTONUP, {"官方QQ技术人员"}},
        {WM_LBUTTONDBLCLK, {}},
        {WM_RBUTTONDOWN, {}},
        {WM_LBUTTONDOWN, {}},
        {WM_MOUSEMOVE, {}},
    };
    const POINT pointer{700, 600};
    for (const auto& c : cases) {
        SetCursorPos(pointer.x, pointer.y);
        const SeenPopup seen = NotifyAndChoose(c.mouseMessage, -1, c.entries.empty() ? 500 : 5000);
        EXPECT_EQ(seen.entries, c.entries) << "mouse message " << std::hex << c.mouseMessage;
        EXPECT_EQ(seen.opened, !c.entries.empty()) << "mouse message " << std::hex << c.mouseMessage;
        if (!seen.opened) continue;
        for (UINT state : seen.states) EXPECT_EQ(state, 0u) << "no check mark, no grey, no separator";
        EXPECT_EQ(seen.place.right, pointer.x - 5);
        EXPECT_EQ(seen.place.top, pointer.y - 5);
    }
    EXPECT_TRUE(IsWindowVisible(quenvar::MainWindow())) << "closing a menu without a choice changes nothing";
}

// Every way of hiding leaves only the tray icon; "显示主窗口" brings the
// window back restored and centred, wherever it had been dragged.
TEST_F(TrayMenuTest, HiddenWindowComesBackRestoredAndCentred) {
    enum class Hide { kMinimize, kHideButton, kHideEntry, kNone };
    const struct {
        const char* name;
        Hide hide;
        bool dragToCorner;
    } cases[] = {
        {"minimised", Hide::kMinimize, false},
        {"dragged, then minimised", Hide::kMinimize, true},
        {"HideButton", Hide::kHideButton, false},
        {"dragged, then HideButton", Hide::kHideButton, true},
        {"隐藏主窗口", Hide::kHideEntry, false},
        {"dragged, then 隐藏主窗口", Hide::kHideEntry, true},
        {"dragged, not hidden", Hide::kNone, true},
    };
    HWND window = quenvar::MainWindow();
    for (const auto& c : cases) {
        if (c.dragToCorner) SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        switch (c.hide) {
        case Hide::kMinimize:
            ShowWindow(window, SW_MINIMIZE);
            break;
        case Hide::kHideButton:
            SendMessageA(quenvar::Control(quenvar::kHideButton), BM_CLICK, 0, 0);
            break;
        case Hide::kHideEntry:
            NotifyAndChoose(WM_RBUTTONUP, 1);
            break;
        case Hide::kNone:
            break;
        }
        PumpMessages();
        // Hidden, so without a taskbar button; the icon stays.
        EXPECT_EQ(IsWindowVisible(window) != FALSE, c.hide == Hide::kNone) << c.name;
        EXPECT_TRUE(quenvar::testing::TrayIconExists(window, quenvar::kTrayIconId)) << c.name;

        const SeenPopup seen = NotifyAndChoose(WM_RBUTTONUP, 0);
        ASSERT_TRUE(seen.opened) << c.name;
        EXPECT_TRUE(IsWindowVisible(window)) << c.name;
        EXPECT_FALSE(IsIconic(window)) << c.name;
        EXPECT_TRUE(IsCentred()) << c.name;
    }
}

}  // namespace
