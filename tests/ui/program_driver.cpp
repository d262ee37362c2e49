#include "ui/program_driver.h"

#include <gtest/gtest.h>

#include <string>

#include "app/control_ids.h"
#include "ui/test_files.h"

namespace quenvar::testing {

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > deadline) return false;
        Sleep(10);
    }
    return true;
}

HWND WaitForWindow(DWORD processId, const char* className, DWORD milliseconds, const char* title) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindVisibleWindow(processId, className, title)) != nullptr; }, milliseconds);
    return found;
}

RunningProgram::RunningProgram() : RunningProgram(QUENVAR_EXE) {}

RunningProgram::RunningProgram(const std::string& exePath) {
    const std::string path = WindowsPath(exePath);
    std::string commandLine = "\"" + path + "\"";
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
    window_ = WaitForWindow(processId_, kMainWindowClass, 15000);
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

RECT PlaceInParent(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

bool Shown(HWND control) { return (GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE) != 0; }

}  // namespace quenvar::testing
