// TipBalloon: a tracking balloon tooltip shown on request at a screen point.
#pragma once

#include <windows.h>

namespace quenvar {

// Creates the balloon window owned by owner (once, at start-up).
void CreateTipBalloon(HWND owner);

// Shows text in the balloon with its stem at the screen point (x, y), without
// an icon. The call returns at once; the balloon closes itself after 3000 ms.
// A second call while a balloon is shown moves it and restarts the 3000 ms.
void PopUpBalloon(int x, int y, const char* text);

// The balloon window, for tests that look at it.
HWND TipBalloonWindow();

}  // namespace quenvar
