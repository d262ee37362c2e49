#include "tools/script_host.h"

namespace quenvar {
namespace {

constexpr char kHolderClass[] = "QuenvarScriptHost";

struct HostState {
    ScriptControl control;
    bool comStarted = false;
};

HostState& State() {
    static HostState state;
    return state;
}

// The control is let go while MainWindow is being destroyed, through a hidden
// child window that goes with it, so it never outlives the window it serves.
LRESULT CALLBACK HolderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        State().control = ScriptControl();
        if (State().comStarted) CoUninitialize();
        State().comStarted = false;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void CreateScriptHost(HWND mainWindow) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE));
    WNDCLASSEXA holderClass{};
    holderClass.cbSize = sizeof(holderClass);
    holderClass.lpfnWndProc = HolderProc;
    holderClass.hInstance = instance;
    holderClass.lpszClassName = kHolderClass;
    if (!RegisterClassExA(&holderClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return;
    if (CreateWindowExA(0, kHolderClass, "", WS_CHILD, 0, 0, 0, 0, mainWindow, nullptr, instance, nullptr) ==
        nullptr) {
        return;
    }

    // S_FALSE (already initialised on this thread) must be balanced as well.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    State().comStarted = SUCCEEDED(com);
    // A time-out of -1: the script may run as long as it needs.
    State().control = ScriptControl::Create("VBScript", -1, mainWindow);
}

ScriptControl* ScriptHost() { return State().control.IsValid() ? &State().control : nullptr; }

}  // namespace quenvar
