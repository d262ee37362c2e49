#include "app/standard_control_colors.h"

namespace quenvar {

void SetStandardControlColor(HWND control, COLORREF color) {
    SetWindowLongPtrA(control, GWLP_USERDATA, static_cast<LONG_PTR>(color));
}

LRESULT AnswerControlColor(HDC dc, HWND control) {
    SetTextColor(dc, static_cast<COLORREF>(GetWindowLongPtrA(control, GWLP_USERDATA)));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

}  // namespace quenvar
