#include "app/app_test_support.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace quenvar::testing {
namespace {

// Wine maps the Unix file system to drive Z:.
std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

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

struct FindContext {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM lParam) {
    auto* context = reinterpret_cast<FindContext*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    if (owner == context->processId && std::string(className) == context->className && IsWindowVisible(window)) {
        context->found = window;
        return FALSE;
    }
    return TRUE;
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

HWND WaitForWindow(DWORD processId, const char* className, DWORD milliseconds) {
    FindContext context{processId, className, nullptr};
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    do {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&context));
        if (context.found != nullptr) break;
        Sleep(10);
    } while (GetTickCount64() < deadline);
    return context.found;
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
    std::istringstream lines(log.size() > start_ ? log.substr(start_) : std::string());
    std::vector<std::string> addresses;
    for (std::string line; std::getline(lines, line);) addresses.push_back(line);
    return addresses;
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

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace quenvar::testing
