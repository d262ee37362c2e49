#include <windows.h>

#include "app/handlers.h"
#include "app/main_window.h"
#include "app/main_window_texts.h"
#include "platform/program_location.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    quenvar::InitProgramLocation();
    // Be asked before ordinary applications at shutdown, so that they have not
    // closed their documents yet when the shutdown is refused.
    SetProcessShutdownParameters(0x3FF, 0);
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
