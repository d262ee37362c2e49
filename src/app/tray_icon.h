// TrayIcon: the program's icon in the notification area, owned by MainWindow.
// It is the way back to a hidden MainWindow and a way out of the program.
#pragma once

#include <windows.h>

namespace quenvar {

// The icon's identifier among MainWindow's icons, and the private message that
// carries its notifications to MainWindow (wParam: the identifier, lParam: the
// mouse message).
constexpr UINT kTrayIconId = 1;
constexpr UINT kTrayNotifyMessage = WM_APP + 1;

// Adds the icon; when the taskbar is not ready yet, keeps retrying for a while.
void AddTrayIcon(HWND owner);
void RemoveTrayIcon(HWND owner);

// Handles what the icon sends to its owner: its notifications, the shell's
// "TaskbarCreated" (the icon is added again) and the retry timer. Returns
// false for any other message.
bool HandleTrayMessage(HWND owner, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace quenvar
