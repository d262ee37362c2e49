// The real program refusing the system's queries, driven from another
// process through the system: messages sent across processes, message boxes
// answered as a user would, and Wine's own end-of-session command.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <thread>

#include "app/control_ids.h"
#include "interception/timestamp.h"
#include "ui/message_box_answerer.h"
#include "ui/program_driver.h"
#include "ui/real_input.h"

namespace {

using quenvar::testing::AnswerMessageBox;
using quenvar::testing::ClickCentre;
using quenvar::testing::RunningProgram;
using quenvar::testing::WaitUntil;
using quenvar::testing::WindowText;

constexpr std::string_view kLogoffLogged = "已拦截到有程序执行注销，已阻止了该程序的执行！\r\n";
constexpr std::string_view kShutdownLogged = "已拦截到内部执行关机或重起，已阻止了该程序的执行！\r\n";
constexpr std::string_view kStandbyLogged = "已拦截到内部执行待机，已阻止了该程序的执行！\r\n";

quenvar::LocalTime Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

// A log line is the timestamp of a moment between `before` and `after`,
// immediately followed by the message.
::testing::AssertionResult IsLogLine(const std::string& line, std::string_view message,
                                     const quenvar::LocalTime& before, const quenvar::LocalTime& after) {
    for (const quenvar::LocalTime& moment : {before, after}) {
        if (line == quenvar::TimestampText(moment) + std::string(message)) return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "not a log line of \"" << message << "\": \"" << line << "\"";
}

LRESULT SendAcross(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0xDEAD;
    EXPECT_NE(SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 10000, &answer), 0);
    return static_cast<LRESULT>(answer);
}

std::string LogText(const RunningProgram& program) { return WindowText(program.Control(quenvar::kLogBox)); }

void Click(const RunningProgram& program, int id) { SendAcross(program.Control(id), BM_CLICK, 0, 0); }

TEST(Refusal, EachKindOfQueryIsRefusedAndLogged) {
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    Click(program, quenvar::kMonitorButton);
    EXPECT_EQ(WindowText(program.Window()), "正在监视拦截中");

    const struct {
        LPARAM lParam;
        std::string_view logged;
    } queries[] = {
        {LPARAM(0x80000000u), kLogoffLogged},
        {0, kShutdownLogged},
        {LPARAM(0x80000001u), kShutdownLogged},
        {LPARAM(0x40000000u), kShutdownLogged},
    };
    std::string expected;
    for (const auto& query : queries) {
        const std::string before = LogText(program);
        const quenvar::LocalTime start = Now();
        EXPECT_EQ(SendAcross(program.Window(), WM_QUERYENDSESSION, 0, query.lParam), 0) << query.lParam;
        const quenvar::LocalTime end = Now();
        const std::string after = LogText(program);
        ASSERT_EQ(after.compare(0, before.size(), before), 0) << "earlier lines are kept";
        EXPECT_TRUE(IsLogLine(after.substr(before.size()), query.logged, start, end)) << query.lParam;
    }
    EXPECT_TRUE(program.IsRunning());
}

class PromptAnswer : public testing::TestWithParam<int> {};

TEST_P(PromptAnswer, YesRefusesNoLetsTheSessionEndNeitherLogs) {
    const int button = GetParam();
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    Click(program, quenvar::kMonitorButton);
    Click(program, quenvar::kPromptOption);
    ASSERT_EQ(SendAcross(program.Control(quenvar::kPromptOption), BM_GETCHECK, 0, 0), BST_CHECKED);

    const struct {
        LPARAM lParam;
        const char* prompt;
    } queries[] = {
        {LPARAM(0x80000000u), "是否阻止执行注销？如你不做出选择，本程序自动视为可执行程序，不拦截处理"},
        {0, "是否阻止执行关机或重起？如你不做出选择，本程序自动视为可执行程序，不拦截处理"},
    };
    for (const auto& query : queries) {
        // The query waits inside the program until the box is answered.
        LRESULT answer = 0xDEAD;
        std::thread system([&] { answer = SendAcross(program.Window(), WM_QUERYENDSESSION, 0, query.lParam); });
        const auto box = AnswerMessageBox(program.ProcessId(), "温馨提示:", button);
        system.join();
        EXPECT_TRUE(box.found);
        EXPECT_EQ(box.text, query.prompt);
        EXPECT_EQ(answer, button == IDYES ? 0 : TRUE) << query.lParam;
    }
    EXPECT_EQ(LogText(program), "") << "an answered prompt writes no log line";
}

INSTANTIATE_TEST_SUITE_P(Button, PromptAnswer, testing::Values(IDYES, IDNO),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param == IDYES ? "Yes" : "No";
                         });

TEST(Refusal, StandbyIsDeniedAndLoggedUntilTheEnd) {
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    EXPECT_NE(SendAcross(program.Window(), WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0), 0x424D5144)
        << "nothing is denied before the button is clicked";

    Click(program, quenvar::kPageButton1 + 1);
    Click(program, quenvar::kStandbyButton);
    EXPECT_EQ(WindowText(program.Control(quenvar::kStandbyStatusLabel)), "待机拦截模式已开启");
    for (WPARAM event : {WPARAM{0}, WPARAM{PBT_APMQUERYSUSPEND}, WPARAM{PBT_APMRESUMESUSPEND},
                         WPARAM{PBT_APMPOWERSTATUSCHANGE}}) {
        const std::string before = LogText(program);
        const quenvar::LocalTime start = Now();
        EXPECT_EQ(SendAcross(program.Window(), WM_POWERBROADCAST, event, 0), 0x424D5144) << event;
        EXPECT_TRUE(IsLogLine(LogText(program).substr(before.size()), kStandbyLogged, start, Now())) << event;
    }

    // A second click says it cannot be switched off, and changes nothing.
    PostMessageA(program.Control(quenvar::kStandbyButton), BM_CLICK, 0, 0);
    const auto box = AnswerMessageBox(program.ProcessId(), "信息：", IDOK);
    EXPECT_TRUE(box.found);
    EXPECT_EQ(box.text, "暂未支持关闭本功能，如若不需要运行，请手动退出程序");
    EXPECT_EQ(WindowText(program.Control(quenvar::kStandbyStatusLabel)), "待机拦截模式已开启");
    EXPECT_EQ(SendAcross(program.Window(), WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0), 0x424D5144);
}

// Wine's end-of-session command asks every top-level window of the session.
DWORD EndSession() {
    char commandLine[] = "wineboot.exe --end-session";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        ADD_FAILURE() << "cannot start wineboot: " << GetLastError();
        return 0xDEAD;
    }
    DWORD exitCode = 0xDEAD;
    if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &exitCode);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return exitCode;
}

TEST(Refusal, EndOfSessionGoesThroughBeforeMonitoringIsOn) {
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    EXPECT_EQ(EndSession(), 0u);
    DWORD exitCode = 0;
    EXPECT_TRUE(program.WaitForExit(10000, &exitCode)) << "the session ended, and the program with it";
}

TEST(Refusal, EndOfSessionIsRefusedOnceMonitoringIsOn) {
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    ClickCentre(program.Control(quenvar::kMonitorButton));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(program.Window()) == "正在监视拦截中"; }));
    const quenvar::LocalTime start = Now();
    EXPECT_EQ(EndSession(), 1u) << "refused";
    EXPECT_TRUE(program.IsRunning());
    EXPECT_TRUE(IsLogLine(LogText(program), kShutdownLogged, start, Now()));
}

}  // namespace
