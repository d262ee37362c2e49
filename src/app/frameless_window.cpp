#include "app/frameless_window.h"

#include "platform/window_text.h"

namespace quenvar {

HWND CreateFramelessWindow(HINSTANCE instance, const char* className, DWORD style, int width, int height) {
    const POINT origin = CentredOnScreen(width, height);
    return CreateWindowExA(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, className, "", WS_POPUP | style, origin.x, origin.y,
                           width, height,
                           nullptr, nullptr, instance, nullptr);
}

void DragByBackground(HWND window) {
    ReleaseCapture();
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace quenvar
