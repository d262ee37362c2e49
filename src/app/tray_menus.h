// TrayMenu and ContactMenu: the popup menus TrayIcon opens, and what their
// entries do. The entries' commands reach MainWindow as WM_COMMAND once the
// menu has closed.
#pragma once

#include <windows.h>

namespace quenvar {

enum class TrayPopup {
    kTrayMenu,     // "菜单": show, hide, exit
    kContactMenu,  // "QQ联系": the maker's contact
};

// Runs the menu at the mouse pointer and returns when it has closed.
void OpenTrayPopup(HWND owner, TrayPopup popup);

// A mouse action over TrayIcon (WM_LBUTTONUP, WM_RBUTTONUP, ...).
void OnTrayIconNotification(HWND owner, UINT mouseMessage);

}  // namespace quenvar
