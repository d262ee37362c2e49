#pragma once

#include <windows.h>

namespace quenvar {

// Denies every power broadcast once standby interception is on.
LRESULT CALLBACK StandbyHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Standby interception is on exactly when StandbyButton shows EnabledPicture,
// compared byte for byte.
bool IsStandbyInterceptionOn();

}  // namespace quenvar
