#pragma once

#include <windows.h>

#include "platform/win_handles.h"

namespace quenvar {

// Paints, into dc, whatever the child's parent shows behind the child. The
// parents of see-through controls (MainWindow, PageTabs) paint their whole
// background on WM_ERASEBKGND in logical coordinates, so shifting the
// viewport is enough to get exactly the part under the child.
void PaintParentBackground(HWND child, HDC dc);

// Runs paint(dc) into an off-screen bitmap of the window's client size and
// copies the result in one piece, so hover changes do not flicker.
template <typename PaintFn>
void PaintBuffered(HWND window, HDC target, PaintFn paint) {
    RECT client{};
    GetClientRect(window, &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    UniqueMemoryDc buffer(CreateCompatibleDC(target));
    UniqueBitmap bitmap(CreateCompatibleBitmap(target, client.right, client.bottom));
    if (!buffer || !bitmap) {
        paint(target);
        return;
    }
    SelectedObject selected(buffer.Get(), bitmap.Get());
    paint(buffer.Get());
    BitBlt(target, 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
}

}  // namespace quenvar
