#include "app/handlers.h"
#include "app/main_window.h"
#include "app/tray_icon.h"

namespace quenvar {

void EndProgram() {
    if (HWND window = MainWindow()) RemoveTrayIcon(window);
    // At once and with nothing run on the way out: no window is closed, so no
    // close or destroy handling can save, ask or wait. ExitProcess would still
    // let the libraries' detach code run, which may destroy our windows.
    TerminateProcess(GetCurrentProcess(), 0);
}

}  // namespace quenvar
