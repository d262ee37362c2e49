// The running program's tray icon seen from another process: leaving through
// "退出", the icon surviving a restart of the taskbar, and the contact entry.
#include <gtest/gtest.h>

#include "app/app_test_support.h"
#include "app/control_ids.h"
#include "app/tray_icon.h"
#include "ui/program_driver.h"
#include "ui/test_files.h"

namespace {

using namespace quenvar::testing;

void Notify(HWND window, UINT mouseMessage) {
    PostMessageA(window, quenvar::kTrayNotifyMessage, quenvar::kTrayIconId, mouseMessage);
}

// Opens a tray menu as a click on the icon would and chooses an entry.
bool ChooseFromTrayMenu(const RunningProgram& program, UINT mouseMessage, int entry) {
    Notify(program.Window(), mouseMessage);
    HWND popup = WaitForPopupMenu(program.ProcessId());
    if (popup == nullptr) return false;
    ChooseMenuEntry(popup, entry);
    return true;
}

// A log of two lines, with the Chinese text as GBK bytes and CR LF breaks.
constexpr char kLog[] =
    "2026-12-11 08:00:01 已拦截到内部执行关机或重起，已阻止了该程序的执行！\r\n"
    "2026-12-11 08:05:42 已拦截到注销\r\n";

enum class Log { kWritten, kEmpty };

class TrayExit : public testing::TestWithParam<Log> {};

TEST_P(TrayExit, SavesANonEmptyLogRemovesTheIconAndEnds) {
    const std::string log = GetParam() == Log::kWritten ? kLog : "";
    ProgramCopy copy;
    RunningProgram program(copy.ExePath());
    HWND window = program.Window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(TrayIconExists(window, quenvar::kTrayIconId));
    SendMessageA(program.Control(quenvar::kLogBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(log.c_str()));

    ASSERT_TRUE(ChooseFromTrayMenu(program, WM_RBUTTONUP, 2));
    DWORD exitCode = 1234;
    ASSERT_TRUE(program.WaitForExit(5000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(TrayIconExists(window, quenvar::kTrayIconId));
    if (log.empty()) {
        EXPECT_FALSE(FileExists(copy.ConfigIniPath()));
    } else {
        EXPECT_EQ(ReadWholeFile(copy.ConfigIniPath()), log);
    }
}

INSTANTIATE_TEST_SUITE_P(Log, TrayExit, testing::Values(Log::kWritten, Log::kEmpty),
                         [](const testing::TestParamInfo<Log>& info) {
                             return info.param == Log::kWritten ? "Written" : "Empty";
                         });

// A shell that restarts announces its new taskbar to every top-level window;
// the icon must come back, and must not be lost when it is still there.
TEST(TrayIcon, ComesBackWhenTheTaskbarIsCreatedAgain) {
    RunningProgram program;
    HWND window = program.Window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(TrayIconExists(window, quenvar::kTrayIconId));
    // Hidden, the icon is the only way back to the window.
    SendMessageA(program.Control(quenvar::kHideButton), BM_CLICK, 0, 0);
    ASSERT_FALSE(IsWindowVisible(window));
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    for (bool lost : {true, false}) {
        if (lost) DeleteTrayIcon(window, quenvar::kTrayIconId);
        ASSERT_EQ(TrayIconExists(window, quenvar::kTrayIconId), !lost);
        PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return TrayIconExists(window, quenvar::kTrayIconId); })) << lost;
        // Settled: still there a moment later (no retry undoing it).
        Sleep(300);
        EXPECT_TRUE(TrayIconExists(window, quenvar::kTrayIconId)) << lost;
    }
}

TEST(TrayIcon, ContactEntryOpensTheContactAddress) {
    BrowserRecorder browser;
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    ASSERT_TRUE(ChooseFromTrayMenu(program, WM_LBUTTONUP, 0));
    EXPECT_TRUE(browser.WaitForAddress("http://www.qingteng-studio.example/chat/?uin=80061375"));
    EXPECT_TRUE(program.IsRunning());
    EXPECT_TRUE(IsWindowVisible(program.Window()));
}

}  // namespace
