#include "app/controls/parent_background.h"

namespace quenvar {

void PaintParentBackground(HWND child, HDC dc) {
    HWND parent = GetParent(child);
    if (parent == nullptr) return;
    POINT origin{0, 0};
    MapWindowPoints(child, parent, &origin, 1);
    POINT previous{};
    SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

}  // namespace quenvar
