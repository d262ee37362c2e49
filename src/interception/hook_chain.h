// Replacement window procedures put in front of MainWindow's own procedure.
// Each hook remembers the procedure it replaced and passes on what it does
// not handle, so with several hooks every message flows newest hook first,
// down to MainWindow's own procedure. Hooks are never removed.
#pragma once

#include <windows.h>

namespace quenvar {

struct WindowHook {
    HWND window = nullptr;         // the window it is installed on, once installed
    WNDPROC previous = nullptr;    // written once, at installation
};

// Installs procedure on window unless this hook is already installed there.
// Returns true when it installed it now.
bool InstallHook(HWND window, WNDPROC procedure, WindowHook& hook);

// Passes a message down the chain: to the procedure the hook replaced.
LRESULT CallPrevious(const WindowHook& hook, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quenvar
