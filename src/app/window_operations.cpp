#include "app/handlers.h"
#include "app/info_pages_texts.h"
#include "app/main_window.h"
#include "app/tray_icon.h"
#include "platform/web_address.h"
#include "platform/window_text.h"

namespace quenvar {

void HideMainWindow() { ShowWindow(MainWindow(), SW_HIDE); }

void ShowMainWindow() {
    HWND window = MainWindow();
    ShowWindow(window, SW_SHOW);
    // It comes back in the state it was hidden in; minimised is the usual one.
    if (IsIconic(window) || IsZoomed(window)) ShowWindow(window, SW_RESTORE);
    RECT place{};
    GetWindowRect(window, &place);
    const POINT centre = CentredOnScreen(place.right - place.left, place.bottom - place.top);
    if (place.left != centre.x || place.top != centre.y) {
        SetWindowPos(window, nullptr, centre.x, centre.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Minimising hides the window completely: only the tray icon is left.
void OnMainWindowSizeChanged(HWND mainWindow, WPARAM) {
    if (IsIconic(mainWindow)) HideMainWindow();
}

void OnMainWindowCreated(HWND mainWindow) { AddTrayIcon(mainWindow); }

// The icon must not outlive its window: the shell would keep a dead icon
// until the mouse passes over it.
void OnMainWindowDestroyed(HWND mainWindow) { RemoveTrayIcon(mainWindow); }

void OnSponsorBannerClicked() { OpenWebAddress(texts::kSupportSiteAddress); }

}  // namespace quenvar
