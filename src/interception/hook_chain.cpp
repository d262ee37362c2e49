#include "interception/hook_chain.h"

namespace quenvar {

bool InstallHook(HWND window, WNDPROC procedure, WindowHook& hook) {
    if (hook.window == window) return false;
    // SetWindowLongPtrA is SetWindowLongA with GWL_WNDPROC in the 32-bit build.
    // No message can reach the hook before previous is stored: the call
    // dispatches nothing, and everything runs on the window's own thread.
    hook.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    hook.window = window;
    return true;
}

LRESULT CallPrevious(const WindowHook& hook, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(hook.previous, window, message, wParam, lParam);
}

}  // namespace quenvar
