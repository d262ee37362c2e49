// The two hooks on MainWindow, installed in either order, with a probe below
// them standing for MainWindow's own procedure.
#include <windows.h>
#include <commctrl.h>

#include <string_view>
#include <thread>

#include "app/balloon.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "interception/main_window_fixture.h"
#include "interception/session_end_hook.h"
#include "ui/message_box_answerer.h"
#include "ui/program_driver.h"

namespace {

using quenvar::testing::AnswerMessageBox;
using quenvar::testing::CountLines;
using quenvar::testing::kProbeAnswer;
using quenvar::testing::kProbeMessage;
using quenvar::testing::LastLine;
using quenvar::testing::MainWindowTest;
using quenvar::testing::WindowText;

constexpr std::string_view kShutdownLogged = "已拦截到内部执行关机或重起，已阻止了该程序的执行！\r\n";
constexpr std::string_view kStandbyLogged = "已拦截到内部执行待机，已阻止了该程序的执行！\r\n";
constexpr LRESULT kBroadcastQueryDeny = 0x424D5144;

bool EndsWith(const std::string& text, std::string_view tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string BalloonText() {
    char text[256] = {};
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = quenvar::MainWindow();
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageA(quenvar::TipBalloonWindow(), TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
    return text;
}

// The second StandbyButton click shows a task-modal box; it is answered from
// another thread while this one waits inside the box.
quenvar::testing::AnsweredBox ClickAndAnswer(int controlId) {
    quenvar::testing::AnsweredBox answered;
    std::thread answerer([&] { answered = AnswerMessageBox(GetCurrentProcessId(), "信息：", IDOK); });
    MainWindowTest::Click(controlId);
    answerer.join();
    return answered;
}

class HookChain : public MainWindowTest, public testing::WithParamInterface<bool> {};

TEST_P(HookChain, BothHooksInEitherOrder) {
    const bool monitorFirst = GetParam();
    Click(quenvar::kPageButton1 + 1);  // the standby page, as a user would
    const int first = monitorFirst ? quenvar::kMonitorButton : quenvar::kStandbyButton;
    Click(first);
    Click(first == quenvar::kMonitorButton ? quenvar::kStandbyButton : quenvar::kMonitorButton);
    EXPECT_EQ(WindowText(Window()), "正在监视拦截中");
    EXPECT_EQ(WindowText(quenvar::Control(quenvar::kStandbyStatusLabel)), "待机拦截模式已开启");
    EXPECT_EQ(BalloonText(), "正在监视拦截中");

    // A session-end query: refused once, and only WM_NULL reaches the bottom.
    EXPECT_EQ(SendMessageA(Window(), WM_QUERYENDSESSION, 0, 0), 0);
    EXPECT_EQ(Counts().queryEndSession, 0);
    EXPECT_EQ(Counts().null, 1);
    EXPECT_EQ(CountLines(LogText()), 1);
    EXPECT_TRUE(EndsWith(LogText(), kShutdownLogged));

    // Every power broadcast, whatever its event, is denied with one line.
    int lines = CountLines(LogText());
    for (WPARAM event : {WPARAM{0}, WPARAM{PBT_APMQUERYSUSPEND}, WPARAM{PBT_APMRESUMESUSPEND},
                         WPARAM{PBT_APMPOWERSTATUSCHANGE}}) {
        EXPECT_EQ(SendMessageA(Window(), WM_POWERBROADCAST, event, 0), kBroadcastQueryDeny) << event;
        EXPECT_EQ(CountLines(LogText()), ++lines) << event;
        EXPECT_TRUE(EndsWith(LogText(), kStandbyLogged)) << event;
    }
    EXPECT_EQ(Counts().powerBroadcast, 0);

    // Anything else reaches the bottom exactly once, its answer unchanged.
    EXPECT_EQ(SendMessageA(Window(), kProbeMessage, 0, 0), kProbeAnswer);
    EXPECT_EQ(Counts().probe, 1);

    // Second clicks install nothing more.
    const LONG_PTR chainTop = GetWindowLongPtrA(Window(), GWLP_WNDPROC);
    Click(quenvar::kMonitorButton);
    EXPECT_EQ(BalloonText(), "你已经点击过按钮了哦，不需要再次点击啦");
    const auto box = ClickAndAnswer(quenvar::kStandbyButton);
    EXPECT_TRUE(box.found);
    EXPECT_EQ(box.text, "暂未支持关闭本功能，如若不需要运行，请手动退出程序");
    EXPECT_EQ(GetWindowLongPtrA(Window(), GWLP_WNDPROC), chainTop);
    EXPECT_EQ(WindowText(quenvar::Control(quenvar::kStandbyStatusLabel)), "待机拦截模式已开启");
    EXPECT_EQ(SendMessageA(Window(), kProbeMessage, 0, 0), kProbeAnswer);
    EXPECT_EQ(Counts().probe, 2);
    EXPECT_EQ(SendMessageA(Window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
    EXPECT_EQ(Counts().null, 2);
    EXPECT_EQ(CountLines(LogText()), lines + 1);
}

INSTANTIATE_TEST_SUITE_P(Order, HookChain, testing::Bool(), [](const testing::TestParamInfo<bool>& info) {
    return info.param ? "MonitorFirst" : "StandbyFirst";
});

TEST_F(MainWindowTest, NothingIsRefusedBeforeTheButtonsAreClicked) {
    EXPECT_EQ(SendMessageA(Window(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(Counts().queryEndSession, 1);
    EXPECT_NE(SendMessageA(Window(), WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0), kBroadcastQueryDeny);
    EXPECT_EQ(LogText(), "");
}

int beeps = 0;

TEST_F(MainWindowTest, BeepOnEveryQueryAndEveryOptionClick) {
    beeps = 0;
    quenvar::SetBeepFunctionForTesting([] { ++beeps; });
    Click(quenvar::kMonitorButton);
    SendMessageA(Window(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_EQ(beeps, 0) << "unchecked: no beep";
    Click(quenvar::kBeepOption);  // checks it, and beeps
    EXPECT_EQ(beeps, 1);
    SendMessageA(Window(), WM_QUERYENDSESSION, 0, 0);
    SendMessageA(Window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    EXPECT_EQ(beeps, 3);
    Click(quenvar::kBeepOption);  // unchecks it, and beeps all the same
    EXPECT_EQ(beeps, 4);
    EXPECT_EQ(SendMessageA(quenvar::Control(quenvar::kBeepOption), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    quenvar::SetBeepFunctionForTesting(nullptr);
}

}  // namespace
