#include "interception/session_end_hook.h"

#include <cstring>
#include <string>

#include "app/balloon.h"
#include "app/control_ids.h"
#include "app/handlers.h"
#include "app/main_window.h"
#include "interception/hook_chain.h"
#include "interception/interception_texts.h"
#include "interception/log.h"
#include "platform/message_box.h"

namespace quenvar {
namespace {

WindowHook& Hook() {
    static WindowHook hook;
    return hook;
}

void SystemBeep() { MessageBeep(MB_OK); }

BeepFunction& Beep() {
    static BeepFunction beep = SystemBeep;
    return beep;
}

bool IsChecked(int id) { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool IsMonitoring(HWND window) {
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof(caption));
    return std::strcmp(caption, texts::kMonitoring) == 0;
}

void PopUpBalloonAtPointer(const char* text) {
    POINT pointer{};
    GetCursorPos(&pointer);
    PopUpBalloon(pointer.x, pointer.y, text);
}

// Since Vista a program whose windows are hidden (MainWindow mostly lives in
// the tray) is ended at shutdown instead of being asked, unless it has given a
// reason for blocking. Loaded at run time: the function does not exist on XP.
void RegisterShutdownBlockReason(HWND window) {
    using CreateReason = BOOL(WINAPI*)(HWND, LPCWSTR);
    HMODULE user32 = GetModuleHandleA("user32.dll");
    auto create = reinterpret_cast<CreateReason>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "ShutdownBlockReasonCreate")));
    if (create == nullptr) return;
    wchar_t reason[64] = {};
    // The program's texts are GBK whatever the system's ANSI code page is.
    if (MultiByteToWideChar(936, 0, texts::kMonitoring, -1, reason, 64) == 0) return;
    create(window, reason);
}

}  // namespace

void SetBeepFunctionForTesting(BeepFunction beep) { Beep() = beep != nullptr ? beep : SystemBeep; }

LRESULT CALLBACK SessionEndHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowHook& hook = Hook();
    if (message != WM_QUERYENDSESSION) return CallPrevious(hook, window, message, wParam, lParam);

    const bool logoff = IsLogoffQuery(lParam);
    if (IsChecked(kBeepOption)) Beep()();
    if (IsChecked(kPromptOption)) {
        const int answer = ShowMessageBox(logoff ? texts::kLogoffPrompt : texts::kShutdownPrompt, MB_YESNO,
                                          texts::kPromptTitle);
        // Anything but Yes, a box that failed to appear included, lets the session end.
        if (answer != IDYES) return CallPrevious(hook, window, message, wParam, lParam);
    } else {
        WriteLogLine(logoff ? texts::kLogoffLogged : texts::kShutdownLogged);
    }
    // The refusal: MainWindow's own procedure answers WM_NULL with 0, which
    // the system reads as "no". Nothing below this hook sees the query.
    return CallPrevious(hook, window, WM_NULL, wParam, lParam);
}

void OnMonitorButtonClicked() {
    HWND window = MainWindow();
    if (IsMonitoring(window)) {
        PopUpBalloonAtPointer(texts::kMonitorAlreadyOn);
        return;
    }
    SetWindowTextA(window, texts::kMonitoring);
    PopUpBalloonAtPointer(texts::kMonitoring);
    InstallHook(window, SessionEndHook, Hook());
    RegisterShutdownBlockReason(window);
}

void OnBeepOptionClicked() { Beep()(); }

}  // namespace quenvar
