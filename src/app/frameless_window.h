// What MainWindow and ExitWindow have in common: top-level windows without
// frame or caption, each with its own taskbar button, centred on the screen
// and dragged by their background.
#pragma once

#include <windows.h>

namespace quenvar {

// A WS_POPUP window of className (with style added) and an empty caption,
// centred on the screen. Its controls take part in the dialog navigation
// (Tab, Esc as IDCANCEL) of PreTranslateDialogMessage.
HWND CreateFramelessWindow(HINSTANCE instance, const char* className, DWORD style, int width, int height);

// For WM_LBUTTONDOWN on the background: the press drags the window as a press
// on a title bar would.
void DragByBackground(HWND window);

}  // namespace quenvar
