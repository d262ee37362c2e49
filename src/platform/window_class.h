// Registration of the program's window classes.
#pragma once

#include <windows.h>

namespace quenvar {

// Registers a window class with the arrow cursor, and with the icons and the
// background brush where given. A class that exists already counts as
// registered: the tests create MainWindow more than once in one process.
bool RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure, HICON icon = nullptr,
                         HICON smallIcon = nullptr, HBRUSH background = nullptr);

}  // namespace quenvar
