// The program's one way of showing an information box or a question.
#pragma once

#include <windows.h>

namespace quenvar {

// MessageBoxA with no owner and no icon. Task-modal unless the caller asks for
// system-modal, so every top-level window of the program is disabled while the
// box is up. Without a title the box is titled "信息：".
int ShowMessageBox(const char* text, UINT buttons, const char* title = nullptr);

}  // namespace quenvar
