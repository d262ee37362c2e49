#include "app/handlers.h"
#include "app/main_window.h"

namespace quenvar {

void HideMainWindow() { ShowWindow(MainWindow(), SW_HIDE); }

void ShowMainWindow() {
    HWND window = MainWindow();
    ShowWindow(window, SW_SHOW);
    if (IsIconic(window) || IsZoomed(window)) ShowWindow(window, SW_RESTORE);
    RECT place{};
    GetWindowRect(window, &place);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    if (place.left != x || place.top != y) {
        SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Minimising hides the window completely: only the tray icon is left.
void OnMainWindowSizeChanged(HWND mainWindow, WPARAM) {
    if (IsIconic(mainWindow)) HideMainWindow();
}

void OnMainWindowCreated(HWND) {}
void OnMainWindowDestroyed(HWND) {}

void OnCloseButtonClicked() {}

}  // namespace quenvar
