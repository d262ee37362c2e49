#include "app/tray_menus.h"

#include <span>

#include "app/control_ids.h"
#include "app/handlers.h"
#include "app/tray_texts.h"
#include "interception/log.h"
#include "platform/web_address.h"
#include "platform/win_handles.h"

namespace quenvar {
namespace {

struct MenuEntry {
    int command;
    const char* text;
};

// MainWindow's menus as designed: two top-level entries that are never shown
// (MainWindow has no menu bar); their entries open as popups from TrayIcon.
struct TopLevelEntry {
    const char* text;
    std::span<const MenuEntry> entries;
};

const MenuEntry kTrayMenuEntries[] = {
    {kShowMainWindowCommand, texts::kShowMainWindowEntry},
    {kHideMainWindowCommand, texts::kHideMainWindowEntry},
    {kExitCommand, texts::kExitEntry},
};

const MenuEntry kContactMenuEntries[] = {
    {kContactCommand, texts::kContactEntry},
};

const TopLevelEntry kMenuDesign[] = {
    {texts::kTrayMenuTitle, kTrayMenuEntries},
    {texts::kContactMenuTitle, kContactMenuEntries},
};

// The popup's right edge and top lie this far left of and above the pointer.
constexpr int kPointerOffset = 5;

UniqueMenu BuildPopup(const TopLevelEntry& design) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return menu;
    for (const MenuEntry& entry : design.entries) {
        AppendMenuA(menu.Get(), MF_STRING, static_cast<UINT_PTR>(entry.command), entry.text);
    }
    return menu;
}

}  // namespace

void OpenTrayPopup(HWND owner, TrayPopup popup) {
    UniqueMenu menu = BuildPopup(kMenuDesign[static_cast<int>(popup)]);
    if (!menu) return;
    POINT pointer{};
    GetCursorPos(&pointer);
    // Unless its owner is the foreground window, a popup opened from the
    // tray does not close when the user clicks elsewhere; true for a hidden
    // MainWindow too.
    SetForegroundWindow(owner);
    TrackPopupMenu(menu.Get(), TPM_RIGHTALIGN, pointer.x - kPointerOffset, pointer.y - kPointerOffset, 0, owner,
                   nullptr);
    // Without a message after the menu, the next click on the icon would
    // close the menu at once instead of opening it.
    PostMessageA(owner, WM_NULL, 0, 0);
}

void OnTrayIconNotification(HWND owner, UINT mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONUP:
        OpenTrayPopup(owner, TrayPopup::kContactMenu);
        break;
    case WM_RBUTTONUP:
        OpenTrayPopup(owner, TrayPopup::kTrayMenu);
        break;
    default:
        break;  // moves, presses and double clicks do nothing of their own
    }
}

void OnExitEntryChosen() {
    SaveLog();
    EndProgram();
}

void OnContactEntryChosen() { OpenWebAddress(texts::kContactLinkAddress); }

}  // namespace quenvar
