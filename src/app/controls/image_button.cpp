#include "app/controls/image_button.h"

#include <windowsx.h>

#include "app/controls/parent_background.h"
#include "platform/window_class.h"

namespace quenvar {
namespace {

constexpr char kClassName[] = "QuenvarImageButton";

struct ButtonState {
    ImageButtonLook look;
    bool hovering = false;
    bool pressing = false;
};

ButtonState* State(HWND window) {
    return reinterpret_cast<ButtonState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

const Image* CurrentImage(const ButtonState& state) {
    const Image* hover = state.look.hover != nullptr ? state.look.hover : state.look.normal;
    const Image* pressed = state.look.pressed != nullptr ? state.look.pressed : hover;
    if (state.pressing && state.hovering) return pressed;
    if (state.hovering || state.pressing) return hover;
    return state.look.normal;
}

// Images are centred, so a picture smaller than its button sits in the middle.
POINT ImageOrigin(HWND window, const Image& image) {
    RECT client{};
    GetClientRect(window, &client);
    return {(client.right - image.Width()) / 2, (client.bottom - image.Height()) / 2};
}

// Where the title-bar buttons overlap, a point on a fully transparent pixel of
// the upper button belongs to the button beneath it.
bool IsOpaqueAt(HWND window, const ButtonState& state, POINT point) {
    for (const Image* image : {state.look.normal, state.look.hover}) {
        if (image == nullptr) continue;
        const POINT origin = ImageOrigin(window, *image);
        if (image->AlphaAt(point.x - origin.x, point.y - origin.y) != 0) return true;
    }
    return false;
}

void NotifyClick(HWND window) {
    SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
}

LRESULT CALLBACK ImageButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ButtonState* state = State(window);
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* look = static_cast<const ImageButtonLook*>(create->lpCreateParams);
        auto* created = new ButtonState{look != nullptr ? *look : ImageButtonLook{}};
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        break;
    }
    case WM_NCDESTROY:
        delete state;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        break;
    case WM_NCHITTEST: {
        if (state == nullptr) break;
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(window, &point);
        return IsOpaqueAt(window, *state, point) ? HTCLIENT : HTTRANSPARENT;
    }
    case WM_SETCURSOR:
        if (state != nullptr && state->look.handCursor && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursor(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE:
        if (state != nullptr && !state->hovering) {
            state->hovering = true;
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
            TrackMouseEvent(&track);
            InvalidateRect(window, nullptr, FALSE);
        } else if (state != nullptr && state->pressing) {
            // While captured, "hovering" means the pointer is still over us.
            RECT client{};
            GetClientRect(window, &client);
            const bool inside = PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
            if (inside != state->hovering) {
                state->hovering = inside;
                InvalidateRect(window, nullptr, FALSE);
            }
        }
        return 0;
    case WM_MOUSELEAVE:
        if (state != nullptr && !state->pressing) {
            state->hovering = false;
            InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (state != nullptr) {
            state->pressing = true;
            state->hovering = true;
            SetCapture(window);
            InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
    case WM_LBUTTONUP:
        if (state != nullptr && state->pressing) {
            RECT client{};
            GetClientRect(window, &client);
            const bool inside = PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
            state->pressing = false;
            state->hovering = inside;
            ReleaseCapture();
            InvalidateRect(window, nullptr, FALSE);
            if (inside) NotifyClick(window);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (state != nullptr && state->pressing) {
            state->pressing = false;
            state->hovering = false;
            InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
    case BM_CLICK:
        NotifyClick(window);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, FALSE);
        return result;
    }
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers everything
    case WM_PAINT: {
        PaintScope paint(window);
        PaintBuffered(window, paint.Dc(), [&](HDC dc) {
            PaintParentBackground(window, dc);
            const Image* image = state != nullptr ? CurrentImage(*state) : nullptr;
            if (image != nullptr) {
                const POINT origin = ImageOrigin(window, *image);
                image->Draw(dc, origin.x, origin.y);
            }
        });
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void RegisterImageButtonClass(HINSTANCE instance) {
    RegisterWindowClass(instance, kClassName, ImageButtonProc);
}

HWND CreateImageButton(HWND parent, int id, const Place& place, const char* caption, const ImageButtonLook& look) {
    return CreateWindowExA(0, kClassName, caption, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, place.x, place.y,
                           place.width, place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)),
                           const_cast<ImageButtonLook*>(&look));
}

void SetImageButtonLook(HWND button, const ImageButtonLook& look) {
    if (ButtonState* state = State(button)) {
        state->look = look;
        InvalidateRect(button, nullptr, FALSE);
    }
}

const ImageButtonLook* GetImageButtonLook(HWND button) {
    const ButtonState* state = State(button);
    return state != nullptr ? &state->look : nullptr;
}

}  // namespace quenvar
