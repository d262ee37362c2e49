// The texts of the tray icon and its two popup menus, as the GBK byte
// strings the user sees, and the contact address behind the contact entry.
#pragma once

#include "app/main_window_texts.h"

namespace quenvar::texts {

inline constexpr char kTrayTooltip[] = "Quenvar";

// The menus' top-level entries are never shown; their entries open as popups.
inline constexpr char kTrayMenuTitle[] = "菜单";
inline constexpr char kShowMainWindowEntry[] = "显示主窗口";
inline constexpr char kHideMainWindowEntry[] = "隐藏主窗口";
inline constexpr char kExitEntry[] = "退出";

inline constexpr char kContactMenuTitle[] = "QQ联系";
inline constexpr char kContactEntry[] = "官方QQ技术人员";

// A web page that opens a chat with the maker's support account.
inline constexpr char kContactLinkAddress[] = "http://www.qingteng-studio.example/chat/?uin=" QUENVAR_MAKER_NUMBER;

}  // namespace quenvar::texts
