#include "app/controls/transparent_label.h"

#include <string>

#include "app/controls/parent_background.h"
#include "platform/window_text.h"
#include "platform/window_class.h"

namespace quenvar {
namespace {

constexpr char kClassName[] = "QuenvarLabel";

LabelLook* Look(HWND window) { return reinterpret_cast<LabelLook*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

// Drawn here rather than by a system group box: a themed group box ignores the
// caption colour its parent asks for.
void PaintFrame(HDC dc, const RECT& client, const char* caption, int length) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    RECT frame = client;
    frame.top = metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (length == 0) return;
    SIZE extent{};
    GetTextExtentPoint32A(dc, caption, length, &extent);
    RECT captionArea{8, 0, 8 + extent.cx + 4, metrics.tmHeight};
    FillRect(dc, &captionArea, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    TextOutA(dc, captionArea.left + 2, 0, caption, length);
}

void PaintLabel(HWND window, HDC dc, const LabelLook& look) {
    PaintParentBackground(window, dc);
    const std::string text = WindowTextOf(window);
    const int length = static_cast<int>(text.size());
    RECT client{};
    GetClientRect(window, &client);
    HFONT font = look.font != nullptr ? look.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SelectedObject selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.color);
    if (look.frame) {
        PaintFrame(dc, client, text.data(), length);
        return;
    }
    // DT_EDITCONTROL breaks a run of Chinese characters that has no blank in it
    // instead of letting it run off the right edge.
    const UINT format = DT_LEFT | DT_NOPREFIX |
                        (look.wrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE | DT_VCENTER);
    DrawTextA(dc, text.data(), length, &client, format);
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LabelLook* look = Look(window);
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        const auto* given = static_cast<const LabelLook*>(create->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(new LabelLook(given != nullptr ? *given : LabelLook{})));
        break;
    }
    case WM_NCDESTROY:
        delete look;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        break;
    case WM_NCHITTEST:
        // A plain label is part of the background: a press on it drags the
        // window like a press beside it would.
        if (look != nullptr && !look->link) return HTTRANSPARENT;
        break;
    case WM_SETCURSOR:
        if (look != nullptr && look->link && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursor(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        if (look != nullptr && look->link) {
            SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                         reinterpret_cast<LPARAM>(window));
            return 0;
        }
        break;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, FALSE);
        return result;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PaintScope paint(window);
        if (look != nullptr) PaintBuffered(window, paint.Dc(), [&](HDC dc) { PaintLabel(window, dc, *look); });
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void RegisterLabelClass(HINSTANCE instance) {
    RegisterWindowClass(instance, kClassName, LabelProc);
}

HWND CreateTransparentLabel(HWND parent, int id, const Place& place, const char* text, const LabelLook& look) {
    return CreateWindowExA(0, kClassName, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, place.x, place.y,
                           place.width, place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)),
                           const_cast<LabelLook*>(&look));
}

}  // namespace quenvar
