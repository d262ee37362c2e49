#include <windows.h>

#include "app/handlers.h"
#include "app/main_window.h"
#include "app/main_window_texts.h"
#include "platform/program_location.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    quenvar::InitProgramLocation();
    HWND window = quenvar::CreateMainWindow(instance);
    if (window == nullptr) {
        MessageBoxA(nullptr, quenvar::texts::kStartWindowFailed, "Quenvar", MB_OK | MB_ICONERROR);
        return -1;
    }
    quenvar::OnMainWindowCreated(window);
    quenvar::OnMainWindowSizeChanged(window, SIZE_RESTORED);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return quenvar::RunMessageLoop();
}
