#include "app/app_test_support.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include "ui/program_driver.h"
#include "ui/test_files.h"

namespace quenvar::testing {
namespace {

void DeleteDirectory(const std::string& directory) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") DeleteFileA((directory + "\\" + name).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(directory.c_str());
}

NOTIFYICONDATAA IconData(HWND owner, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = owner;
    data.uID = id;
    return data;
}

void PostKey(HWND window, UINT key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

}  // namespace

ProgramCopy::ProgramCopy() {
    static int count = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof(temp), temp);
    directory_ = std::string(temp) + "quenvar-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++count) + "-" + std::to_string(GetTickCount64());
    exePath_ = directory_ + "\\Quenvar.exe";
    if (!CreateDirectoryA(directory_.c_str(), nullptr) ||
        !CopyFileA(WindowsPath(QUENVAR_EXE).c_str(), exePath_.c_str(), FALSE)) {
        ADD_FAILURE() << "cannot copy the program to " << directory_ << ": error " << GetLastError();
    }
}

ProgramCopy::~ProgramCopy() { DeleteDirectory(directory_); }

bool TrayIconExists(HWND owner, UINT id) {
    NOTIFYICONDATAA data = IconData(owner, id);
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

void DeleteTrayIcon(HWND owner, UINT id) {
    NOTIFYICONDATAA data = IconData(owner, id);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

HWND WaitForPopupMenu(DWORD processId, DWORD milliseconds) { return WaitForWindow(processId, "#32768", milliseconds); }

void ChooseMenuEntry(HWND popup, int index) {
    if (index < 0) {
        PostKey(popup, VK_ESCAPE);
        return;
    }
    // Nothing is highlighted when a menu opens: the first Down reaches entry 0.
    for (int step = 0; step <= index; ++step) PostKey(popup, VK_DOWN);
    PostKey(popup, VK_RETURN);
}

BrowserRecorder::BrowserRecorder() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot open Wine's browser settings";
        return;
    }
    const std::string script = QUENVAR_BROWSER_SCRIPT;
    RegSetValueExA(key, "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(script.c_str()),
                   static_cast<DWORD>(script.size() + 1));
    RegCloseKey(key);
    start_ = ReadWholeFile(WindowsPath(QUENVAR_BROWSER_LOG)).size();
}

std::vector<std::string> BrowserRecorder::RecordedSinceStart() const {
    const std::string log = ReadWholeFile(WindowsPath(QUENVAR_BROWSER_LOG));
    return Lines(log.size() > start_ ? log.substr(start_) : std::string());
}

bool BrowserRecorder::WaitForAddress(const std::string& address, DWORD milliseconds) const {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    do {
        for (const std::string& recorded : RecordedSinceStart()) {
            if (recorded == address) return true;
        }
        Sleep(50);
    } while (GetTickCount64() < deadline);
    return false;
}

}  // namespace quenvar::testing
