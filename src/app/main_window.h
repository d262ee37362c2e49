// MainWindow: the frameless skinned main window, the program's whole UI.
#pragma once

#include <windows.h>

namespace quenvar {

constexpr int kMainWindowWidth = 727;
constexpr int kMainWindowHeight = 604;

// Registers the window classes and creates MainWindow hidden and centred,
// with all its controls and page 0 selected. Null on failure.
HWND CreateMainWindow(HINSTANCE instance);

HWND MainWindow();

// A control of MainWindow or of its pages, by its ControlId.
HWND Control(int id);

// Runs the message loop until MainWindow is gone; returns the exit code.
int RunMessageLoop();

// Passes messages that belong to a window of ours through the dialog
// navigation (Tab between controls, Esc as IDCANCEL) of its top-level window.
bool PreTranslateDialogMessage(MSG& message);

}  // namespace quenvar
