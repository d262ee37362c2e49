#include "app/exit_window.h"

#include <vector>

#include "app/artwork.h"
#include "app/control_ids.h"
#include "app/control_table.h"
#include "app/frameless_window.h"
#include "app/handlers.h"
#include "app/main_window.h"
#include "platform/window_class.h"
#include "resources/resource_ids.h"

namespace quenvar {
namespace {

constexpr COLORREF kBackground = 0x00008000;

// The answer areas lie over the faces painted in the window's image; they
// draw nothing and act on the press of the left button, not its release.
const ControlRow kAnswerAreas[] = {
    {.id = kCancelExitArea, .kind = ControlKind::kLink, .place = {160, 120, 64, 24}, .text = ""},
    {.id = kConfirmExitArea, .kind = ControlKind::kLink, .place = {240, 120, 64, 24}, .text = ""},
};

struct ExitWindowState {
    HWND window = nullptr;
    std::vector<HWND> disabled;  // the windows to enable again on closing
};

ExitWindowState& State() {
    static ExitWindowState state;
    return state;
}

// The image is centred on the green background.
void PaintBackground(HWND window, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    UniqueBrush green(CreateSolidBrush(kBackground));
    FillRect(dc, &client, green.Get());
    if (const Image* image = ArtworkImage(IDR_EXIT_WINDOW)) {
        image->Draw(dc, (client.right - image->Width()) / 2, (client.bottom - image->Height()) / 2);
    }
}

BOOL CALLBACK DisableOther(HWND window, LPARAM) {
    ExitWindowState& state = State();
    const bool open = IsWindowVisible(window) || window == MainWindow();
    if (window != state.window && open && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        state.disabled.push_back(window);
    }
    return TRUE;
}

void EnableDisabled() {
    ExitWindowState& state = State();
    for (HWND window : state.disabled) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    state.disabled.clear();
}

void Close(HWND window) {
    // Enabled before ExitWindow goes, so activation returns to MainWindow
    // rather than to whatever window of another program lies beneath.
    EnableDisabled();
    DestroyWindow(window);
}

LRESULT CALLBACK ExitWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        PaintBackground(window, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_LBUTTONDOWN:
        DragByBackground(window);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kCancelExitArea:
            // Closed from the message loop, once the press has been handled.
            PostMessageA(window, WM_CLOSE, 0, 0);
            break;
        case kConfirmExitArea:
            EndProgram();
            break;
        case IDCANCEL:
            // Esc, turned into IDCANCEL by the dialog navigation of the message loop.
            SendMessageA(window, WM_CLOSE, 0, 0);
            break;
        default:
            break;
        }
        return 0;
    case WM_CLOSE:
        Close(window);
        return 0;
    case WM_DESTROY:
        EnableDisabled();
        State().window = nullptr;
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND CreateExitWindow(HINSTANCE instance) {
    if (!RegisterWindowClass(instance, kExitWindowClass, ExitWindowProc,
                             LoadIconA(instance, MAKEINTRESOURCEA(IDI_QUENVAR)))) {
        return nullptr;
    }
    // Its own taskbar button keeps it reachable while the disabled MainWindow
    // cannot be activated.
    HWND window = CreateFramelessWindow(instance, kExitWindowClass, WS_CLIPCHILDREN, kExitWindowWidth,
                                        kExitWindowHeight);
    if (window == nullptr) return nullptr;
    for (const ControlRow& row : kAnswerAreas) CreateControl(window, row);
    return window;
}

// Dispatches the thread's messages, the dialog navigation included, until
// ExitWindow is gone.
void RunModalLoop() {
    MSG message{};
    while (State().window != nullptr) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: close, and leave WM_QUIT to the outer loop.
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            if (State().window != nullptr) Close(State().window);
            return;
        }
        if (PreTranslateDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

void RunExitWindow() {
    ExitWindowState& state = State();
    if (state.window != nullptr) return;  // there is only ever one
    HWND window = CreateExitWindow(GetModuleHandleA(nullptr));
    if (window == nullptr) return;
    state.window = window;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    EnumThreadWindows(GetCurrentThreadId(), DisableOther, 0);
    RunModalLoop();
}

HWND ExitWindow() { return State().window; }

void OnCloseButtonClicked() { RunExitWindow(); }

}  // namespace quenvar
