#pragma once

#include <windows.h>

namespace quenvar {

// Refuses the system's logoff, shutdown and restart queries once monitoring is on.
LRESULT CALLBACK SessionEndHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// True when lParam of WM_QUERYENDSESSION announces a logoff: exactly
// ENDSESSION_LOGOFF. Every other value, combinations included, counts as a
// shutdown or restart.
constexpr bool IsLogoffQuery(LPARAM lParam) {
    return static_cast<DWORD>(lParam) == static_cast<DWORD>(ENDSESSION_LOGOFF);
}

// The beep on every query and every click of BeepOption; replaceable so that
// tests can count beeps, which Wine gives no way to observe.
using BeepFunction = void (*)();
void SetBeepFunctionForTesting(BeepFunction beep);

}  // namespace quenvar
