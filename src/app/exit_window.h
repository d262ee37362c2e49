// ExitWindow: the modal question whether to leave the program, opened by
// MainWindow's CloseButton. 暂未退出 (or Esc) closes it; 继续退出 ends the
// program at once, without saving the log.
#pragma once

#include <windows.h>

namespace quenvar {

constexpr int kExitWindowWidth = 321;
constexpr int kExitWindowHeight = 166;

// Opens ExitWindow centred on the screen with the program's other windows
// disabled, and returns once it has been closed.
void RunExitWindow();

// The open ExitWindow, null while it is closed.
HWND ExitWindow();

}  // namespace quenvar
