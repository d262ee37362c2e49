// Starts the real program and looks at it from outside, through the system,
// as a screen reader or an automation tool would.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/window_search.h"

namespace quenvar::testing {

class RunningProgram {
public:
    // Starts Quenvar.exe and waits until MainWindow is visible.
    RunningProgram();
    // The same for a copy of the program at exePath (a Windows or a Unix path).
    explicit RunningProgram(const std::string& exePath);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND Window() const { return window_; }
    HWND PageTabs() const;
    // A control on MainWindow or on PageTabs, by its ControlId.
    HWND Control(int id) const;
    DWORD ProcessId() const { return processId_; }

    // Waits for the process to end; false on time-out.
    bool WaitForExit(DWORD milliseconds, DWORD* exitCode);
    bool IsRunning() const;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

// Polls condition every 10 ms until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 5000);

// A visible top-level window of the process with the class (and the title,
// unless null), once it is up; null after the time-out.
HWND WaitForWindow(DWORD processId, const char* className, DWORD milliseconds = 5000,
                   const char* title = nullptr);

// A control's place relative to its parent's client area.
RECT PlaceInParent(HWND control);

// Whether the control's own WS_VISIBLE style is set, which is what a page
// switch changes; IsWindowVisible would depend on its parents as well.
bool Shown(HWND control);

}  // namespace quenvar::testing
