#include "interception/log.h"

#include <windows.h>
#include <shellapi.h>

#include "app/control_ids.h"
#include "app/handlers.h"
#include "app/main_window.h"
#include "interception/timestamp.h"
#include "platform/program_location.h"
#include "platform/program_path.h"
#include "platform/win_handles.h"
#include "platform/window_text.h"

namespace quenvar {
namespace {

HWND LogBox() { return Control(kLogBox); }

bool WriteWholeFile(const char* path, const std::string& bytes) {
    UniqueKernelHandle file(
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && FlushFileBuffers(file.Get());
}

}  // namespace

void AppendToLog(const char* text) {
    HWND box = LogBox();
    // The length alone places the caret: copying the whole text for it would
    // make every append cost more as the log grows. Asked for in characters,
    // which is what selection positions count and what the box keeps: the
    // byte length of an ANSI request is worked out by converting the whole
    // text, 30 ms and more for a log of 8 MiB.
    const LRESULT end = SendMessageW(box, WM_GETTEXTLENGTH, 0, 0);
    SendMessageA(box, EM_SETSEL, end, end);
    SendMessageA(box, EM_SCROLLCARET, 0, 0);
    SendMessageA(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
}

void WriteLogLine(const char* message) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    std::string line =
        TimestampText({now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond});
    line += message;
    AppendToLog(line.c_str());
}

std::string SavedLogPath() { return ProgramDirectory() + "\\Config.ini"; }

void SaveLog() {
    const std::string text = WindowTextOf(LogBox());
    if (text.empty()) return;
    const std::string path = SavedLogPath();
    // The temporary file lies beside Config.ini, so the final move is a rename
    // on the same volume.
    char temporary[MAX_PATH] = {};
    if (!GetTempFileNameA(DirectoryAsPath(ProgramDirectory()).c_str(), "cfg", 0, temporary)) return;
    if (!WriteWholeFile(temporary, text) ||
        !MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary);
    }
}

void OnClearLogButtonClicked() { SetWindowTextA(LogBox(), ""); }

void OnOpenLogButtonClicked() {
    const std::string path = SavedLogPath();
    // No verb: the shell's default action for the file.
    ShellExecuteA(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace quenvar
