// The least possible programs to compare Quenvar with, built by the same
// toolchain: a bare top-level window of MainWindow's size, and with
// "--refuser" the same window holding one visible multi-line edit box (in the
// default GUI font, like Quenvar's log box), whose
// procedure appends one fixed line to it on WM_QUERYENDSESSION and answers 0.
#include <windows.h>

#include <cstring>

namespace {

// The same bytes Quenvar appends for a refused shutdown, with a fixed time.
constexpr char kLine[] = "2026年12月11日4时5分6秒已拦截到内部执行关机或重起，已阻止了该程序的执行！\r\n";

HWND edit = nullptr;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_QUERYENDSESSION:
        if (edit == nullptr) return TRUE;
        {
            const LRESULT end = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
            SendMessageA(edit, EM_SETSEL, end, end);
            SendMessageA(edit, EM_SCROLLCARET, 0, 0);
            SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(kLine));
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = "BareWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_APPWINDOW, "BareWindow", "", WS_POPUP, 100, 100, 727, 604, nullptr,
                                  nullptr, instance, nullptr);
    if (std::strstr(commandLine, "--refuser") != nullptr) {
        edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                               WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                                   WS_VSCROLL | WS_HSCROLL,
                               24, 160, 648, 176, window, reinterpret_cast<HMENU>(1), instance, nullptr);
        SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
        // The same font as Quenvar's log box: under Wine the font decides much of an append's cost.
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    ShowWindow(window, SW_SHOW);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
