// Text colours of the system controls (check boxes, group boxes, the log box)
// on the white pages. The control keeps its colour in its user data; the page
// container answers the WM_CTLCOLOR* messages from it.
#pragma once

#include <windows.h>

namespace quenvar {

void SetStandardControlColor(HWND control, COLORREF color);

// The WM_CTLCOLOR* answer for a control on a white background.
LRESULT AnswerControlColor(HDC dc, HWND control);

}  // namespace quenvar
