// ScriptHost: MainWindow's script component, a VBScript instance of the
// Windows Script Control that lives exactly as long as MainWindow.
#pragma once

#include <windows.h>

#include "platform/script_control.h"

namespace quenvar {

// Creates ScriptHost for mainWindow (once, together with the window). When the
// control cannot be created the program runs on without it.
void CreateScriptHost(HWND mainWindow);

// Null when there is no ScriptHost.
ScriptControl* ScriptHost();

}  // namespace quenvar
