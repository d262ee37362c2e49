// A see-through label: a child window that paints only its text over whatever
// lies behind it. Being a real window with its text as window text, it can be
// read by screen readers and by other processes.
#pragma once

#include <windows.h>

#include "app/controls/place.h"

namespace quenvar {

struct LabelLook {
    COLORREF color = RGB(0, 0, 0);
    HFONT font = nullptr;     // null: the default GUI font
    bool wrap = false;        // wrapped from the top; otherwise one line, vertically centred
    bool link = false;        // hand cursor; a press is reported as WM_COMMAND / BN_CLICKED
    bool frame = false;       // a group box: an etched frame with the text as its caption
};

void RegisterLabelClass(HINSTANCE instance);
HWND CreateTransparentLabel(HWND parent, int id, const Place& place, const char* text, const LabelLook& look);

}  // namespace quenvar
