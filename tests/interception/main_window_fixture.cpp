#include "interception/main_window_fixture.h"

#include "app/control_ids.h"
#include "app/main_window.h"
#include "ui/program_driver.h"

namespace quenvar::testing {
namespace {

WNDPROC& OwnProcedure() {
    static WNDPROC own = nullptr;
    return own;
}

LRESULT CALLBACK Probe(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ProbeCounts& counts = MainWindowTest::Counts();
    switch (message) {
    case WM_QUERYENDSESSION: ++counts.queryEndSession; break;
    case WM_NULL: ++counts.null; break;
    case WM_POWERBROADCAST: ++counts.powerBroadcast; break;
    case kProbeMessage: ++counts.probe; return kProbeAnswer;
    default: break;
    }
    return CallWindowProcA(OwnProcedure(), window, message, wParam, lParam);
}

}  // namespace

ProbeCounts& MainWindowTest::Counts() {
    static ProbeCounts counts;
    return counts;
}

void MainWindowTest::SetUp() {
    Counts() = {};
    HWND window = CreateMainWindow(GetModuleHandleA(nullptr));
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOW);
    OwnProcedure() = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Probe)));
}

void MainWindowTest::TearDown() {
    DestroyWindow(MainWindow());
    // MainWindow's destruction posts WM_QUIT; left in the queue it would end
    // the next test's message boxes at once.
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

HWND MainWindowTest::Window() { return MainWindow(); }

std::string MainWindowTest::LogText() { return WindowText(Control(kLogBox)); }

void MainWindowTest::Click(int controlId) { SendMessageA(Control(controlId), BM_CLICK, 0, 0); }

std::string LastLine(const std::string& text) {
    if (text.size() < 2) return text;
    const size_t previous = text.rfind("\r\n", text.size() - 3);
    return previous == std::string::npos ? text : text.substr(previous + 2);
}

int CountLines(const std::string& text) {
    int lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    return lines;
}

}  // namespace quenvar::testing
