#include "ui/real_input.h"

namespace quenvar::testing {
namespace {

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
    Sleep(50);
}

}  // namespace

void MoveMouseTo(int x, int y) {
    // Absolute positions are given in 0..65535 across the screen.
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1),
              y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1));
}

void LeftButtonDown() { SendMouse(MOUSEEVENTF_LEFTDOWN); }

void LeftButtonUp() { SendMouse(MOUSEEVENTF_LEFTUP); }

void DragWithLeftButton(int x, int y, int byX, int byY) {
    MoveMouseTo(x, y);
    LeftButtonDown();
    for (int step = 1; step <= 4; ++step) MoveMouseTo(x + byX * step / 4, y + byY * step / 4);
    LeftButtonUp();
}

void ClickCentre(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    SetForegroundWindow(GetAncestor(control, GA_ROOT));
    MoveMouseTo((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    LeftButtonDown();
    LeftButtonUp();
}

}  // namespace quenvar::testing
