#include "ui/program_driver.h"

#include <gtest/gtest.h>

#include <string>

#include "app/control_ids.h"

namespace quenvar::testing {
namespace {

// Wine maps the Unix file system to drive Z:.
std::string ProgramCommandLine(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return "\"" + path + "\"";
}

struct FindContext {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM lParam) {
    auto* context = reinterpret_cast<FindContext*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    if (owner == context->processId && std::string(className) == kMainWindowClass && IsWindowVisible(window)) {
        context->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > deadline) return false;
        Sleep(10);
    }
    return true;
}

RunningProgram::RunningProgram() : RunningProgram(QUENVAR_EXE) {}

RunningProgram::RunningProgram(const std::string& exePath) {
    std::string commandLine = ProgramCommandLine(exePath);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        ADD_FAILURE() << "cannot start " << commandLine << ": error " << GetLastError();
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    WaitUntil([&] {
        FindContext context{processId_, nullptr};
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&context));
        window_ = context.found;
        return window_ != nullptr;
    }, 15000);
    if (window_ == nullptr) ADD_FAILURE() << "MainWindow did not appear";
}

RunningProgram::~RunningProgram() {
    if (process_ == nullptr) return;
    if (IsRunning()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

HWND RunningProgram::PageTabs() const { return GetDlgItem(window_, kPageTabs); }

HWND RunningProgram::Control(int id) const {
    HWND control = GetDlgItem(window_, id);
    return control != nullptr ? control : GetDlgItem(PageTabs(), id);
}

bool RunningProgram::WaitForExit(DWORD milliseconds, DWORD* exitCode) {
    if (process_ == nullptr || WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(process_, exitCode);
    return true;
}

bool RunningProgram::IsRunning() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::string WindowText(HWND window) {
    // WM_GETTEXT works across processes, unlike reading a custom control's data.
    char text[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

RECT PlaceInParent(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

}  // namespace quenvar::testing
