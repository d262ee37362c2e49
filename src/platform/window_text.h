#pragma once

#include <windows.h>

#include <string>

namespace quenvar {

// A window's whole text, as the ANSI bytes it gives.
std::string WindowTextOf(HWND window);

// The top-left corner that centres a window of this size on the primary
// screen, by integer division.
POINT CentredOnScreen(int width, int height);

}  // namespace quenvar
