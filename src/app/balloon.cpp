#include "app/balloon.h"

#include <commctrl.h>

namespace quenvar {
namespace {

constexpr UINT_PTR kToolId = 1;
constexpr UINT_PTR kCloseTimerId = 0xB411;
constexpr UINT kShowMilliseconds = 3000;

HWND& Balloon() {
    static HWND balloon = nullptr;
    return balloon;
}

TOOLINFOA ToolInfo(char* text) {
    TOOLINFOA tool{};
    // The version-2 size is understood by every common-controls version.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_TRACK;
    tool.hwnd = GetParent(Balloon());
    tool.uId = kToolId;
    tool.lpszText = text;
    return tool;
}

void CALLBACK CloseBalloon(HWND window, UINT, UINT_PTR timerId, DWORD) {
    KillTimer(window, timerId);
    TOOLINFOA tool = ToolInfo(nullptr);
    SendMessageA(Balloon(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

void CreateTipBalloon(HWND owner) {
    HWND balloon = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                   reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE)), nullptr);
    Balloon() = balloon;
    if (balloon == nullptr) return;
    char empty[] = "";
    TOOLINFOA tool = ToolInfo(empty);
    SendMessageA(balloon, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(balloon, TTM_SETMAXTIPWIDTH, 0, 400);
}

void PopUpBalloon(int x, int y, const char* text) {
    HWND balloon = Balloon();
    if (balloon == nullptr) return;
    TOOLINFOA tool = ToolInfo(const_cast<char*>(text));
    SendMessageA(balloon, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    // Without TTF_ABSOLUTE the balloon places itself so that its stem points at the tracking point.
    SendMessageA(balloon, TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
    SendMessageA(balloon, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetTimer(tool.hwnd, kCloseTimerId, kShowMilliseconds, CloseBalloon);
}

HWND TipBalloonWindow() { return Balloon(); }

}  // namespace quenvar
