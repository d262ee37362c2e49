#include "app/tray_icon.h"

#include <shellapi.h>

#include "app/tray_menus.h"
#include "app/tray_texts.h"
#include "platform/win_handles.h"
#include "resources/resource_ids.h"

namespace quenvar {
namespace {

// While the taskbar is not there yet (the program starting with Windows
// before Explorer is up), adding fails; it is tried again every two seconds
// for a minute. A taskbar that comes later announces itself with
// "TaskbarCreated", which adds the icon then.
constexpr UINT_PTR kRetryTimerId = 0x7A41;
constexpr UINT kRetryMilliseconds = 2000;
constexpr int kRetryCount = 30;

// Tooltips were 64 bytes long before Windows 2000; 62 of them keep the text
// the same on every version.
constexpr int kTooltipBytes = 62;
static_assert(sizeof(texts::kTrayTooltip) - 1 <= kTooltipBytes);

struct TrayState {
    UniqueIcon image;
    int retriesLeft = 0;
};

TrayState& State() {
    static TrayState state;
    return state;
}

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

// A program running elevated would not receive the message from a
// non-elevated Explorer. The filter exists from Vista on only; XP has no such
// barrier, so its absence is fine.
void LetTaskbarCreatedThrough() {
    using ChangeFilter = BOOL(WINAPI*)(UINT, DWORD);
    static bool done = false;
    if (done) return;
    done = true;
    HMODULE user32 = GetModuleHandleA("user32.dll");
    auto change = user32 != nullptr
                      ? reinterpret_cast<ChangeFilter>(
                            reinterpret_cast<void*>(GetProcAddress(user32, "ChangeWindowMessageFilter")))
                      : nullptr;
    if (change != nullptr) change(TaskbarCreatedMessage(), MSGFLT_ADD);
}

HICON TrayImage(HWND owner) {
    TrayState& state = State();
    if (!state.image) {
        // The small size, so the shell does not have to shrink the 32-pixel image.
        auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
        state.image.Reset(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_QUENVAR), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0)));
    }
    return state.image.Get();
}

NOTIFYICONDATAA IconData(HWND owner) {
    NOTIFYICONDATAA data{};
    // The version-2 size: XP accepts nothing larger, and every later version accepts it.
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = owner;
    data.uID = kTrayIconId;
    return data;
}

bool TryAdd(HWND owner) {
    NOTIFYICONDATAA data = IconData(owner);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayNotifyMessage;
    data.hIcon = TrayImage(owner);
    lstrcpynA(data.szTip, texts::kTrayTooltip, kTooltipBytes + 1);
    if (Shell_NotifyIconA(NIM_ADD, &data)) return true;
    // An addition can time out while a busy Explorer still takes it, and a
    // "TaskbarCreated" sent without a restart finds the icon in place: then
    // there is an icon to update, not one to add.
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

void RetryAdd(HWND owner) {
    if (TryAdd(owner) || --State().retriesLeft <= 0) KillTimer(owner, kRetryTimerId);
}

}  // namespace

void AddTrayIcon(HWND owner) {
    LetTaskbarCreatedThrough();
    KillTimer(owner, kRetryTimerId);
    State().retriesLeft = kRetryCount;
    if (!TryAdd(owner)) SetTimer(owner, kRetryTimerId, kRetryMilliseconds, nullptr);
}

void RemoveTrayIcon(HWND owner) {
    KillTimer(owner, kRetryTimerId);
    NOTIFYICONDATAA data = IconData(owner);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

bool HandleTrayMessage(HWND owner, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (message == kTrayNotifyMessage) {
        if (wParam == kTrayIconId) OnTrayIconNotification(owner, static_cast<UINT>(lParam));
        return true;
    }
    if (message == WM_TIMER && wParam == kRetryTimerId) {
        RetryAdd(owner);
        return true;
    }
    // Explorer (re)started: its new taskbar knows nothing of the icon. Without
    // it a hidden MainWindow could no longer be shown nor the program be left.
    const UINT taskbarCreated = TaskbarCreatedMessage();
    if (taskbarCreated != 0 && message == taskbarCreated) {
        AddTrayIcon(owner);
        return true;
    }
    return false;
}

}  // namespace quenvar
