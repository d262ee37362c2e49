// What the tray, ExitWindow and information-page tests share: a private copy
// of the program, a look at the notification area, popup menus found and
// chosen from as a user would with the keyboard, and the addresses the
// "browser" was asked to open. Windows are found, and files read, with
// ui/program_driver.h and ui/test_files.h.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quenvar::testing {

// Quenvar.exe copied into a fresh directory of its own, where it writes its
// Config.ini; the directory goes when the copy does.
class ProgramCopy {
public:
    ProgramCopy();
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    const std::string& ExePath() const { return exePath_; }
    std::string ConfigIniPath() const { return directory_ + "\\Config.ini"; }

private:
    std::string directory_;
    std::string exePath_;
};

// Whether the notification area holds the icon of owner with the given
// identifier: an update that changes nothing succeeds only for an icon that exists.
bool TrayIconExists(HWND owner, UINT id);
// Removes it as a restarting shell would lose it.
void DeleteTrayIcon(HWND owner, UINT id);

// The visible popup menu (window class #32768) of a process, once it is up;
// null after the time-out.
HWND WaitForPopupMenu(DWORD processId, DWORD milliseconds = 5000);
// Chooses the entry at index with the arrow keys and Enter, or closes the
// menu with Esc for a negative index.
void ChooseMenuEntry(HWND popup, int index);

// Points Wine's browser setting at a recording script of the tests, which
// appends every address it is given to a file. Addresses recorded before
// construction are not reported.
class BrowserRecorder {
public:
    BrowserRecorder();
    // Waits until address has been recorded; false on time-out.
    bool WaitForAddress(const std::string& address, DWORD milliseconds = 10000) const;

private:
    std::vector<std::string> RecordedSinceStart() const;
    size_t start_ = 0;
};

}  // namespace quenvar::testing
