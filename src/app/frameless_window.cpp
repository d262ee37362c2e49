#include "app/frameless_window.h"

namespace quenvar {

HWND CreateFramelessWindow(HINSTANCE instance, const char* className, DWORD style, int width, int height) {
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return CreateWindowExA(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, className, "", WS_POPUP | style, x, y, width, height,
                           nullptr, nullptr, instance, nullptr);
}

void DragByBackground(HWND window) {
    ReleaseCapture();
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace quenvar
