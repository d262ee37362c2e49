// Real mouse input through the system's input queue (SendInput), for what
// posted messages cannot show: a window dragged by its background follows the
// real cursor, and some clicks need the foreground window to count.
#pragma once

#include <windows.h>

namespace quenvar::testing {

// Each step waits 50 ms afterwards, so that the receiving program has seen
// it before the next one comes.
void MoveMouseTo(int x, int y);  // screen coordinates
void LeftButtonDown();
void LeftButtonUp();

// Presses the left button at (x, y), moves by (byX, byY) in four equal steps
// and releases it there.
void DragWithLeftButton(int x, int y, int byX, int byY);

// A left click at the centre of a control, its top-level window brought to
// the foreground first.
void ClickCentre(HWND control);

}  // namespace quenvar::testing
