// What MainWindow's controls do when clicked. Each handler lives with the
// feature it belongs to; MainWindow only routes the clicks.
#pragma once

#include <windows.h>

namespace quenvar {

// app/
void OnCloseButtonClicked();
void HideMainWindow();
void ShowMainWindow();
void OnMainWindowCreated(HWND mainWindow);
void OnMainWindowSizeChanged(HWND mainWindow, WPARAM sizeType);
void OnMainWindowDestroyed(HWND mainWindow);

// interception/
void OnMonitorButtonClicked();
void OnBeepOptionClicked();
void OnStandbyButtonClicked();
void OnClearLogButtonClicked();
void OnOpenLogButtonClicked();

// tools/
void OnShutdownTimeButtonClicked();
void OnAutorunOptionClicked();
void OnUpdateLinkPressed();

}  // namespace quenvar
