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
// Removes TrayIcon and ends the process with exit code 0, at once.
void EndProgram();
void OnExitEntryChosen();     // TrayMenu's "退出": the log is saved first
void OnContactEntryChosen();  // ContactMenu's only entry
void OnSponsorBannerClicked();

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
