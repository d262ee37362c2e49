// MainWindow's controls are described by tables of rows like these, one table
// per screen area, and created by one function.
#pragma once

#include <windows.h>

#include "app/controls/place.h"

namespace quenvar {

enum class ControlKind {
    kImageButton,   // picture button: normal, hover, optional pressed image
    kLabel,         // transparent label
    kLink,          // transparent label that acts on a press, hand cursor
    kGroupBox,      // frame with a coloured caption; drawn under its contents
    kCheckBox,      // toggles itself before its click is reported
    kLogEdit,       // the multi-line log box
};

struct ControlRow {
    int id;
    ControlKind kind;
    Place place;  // in the parent window's client area
    const char* text;
    COLORREF color = RGB(0, 0, 0);
    int fontHeight = 0;  // SimSun height in pixels; 0: the default GUI font
    bool wrap = false;
    int normalImage = 0;  // resource ids
    int hoverImage = 0;
    int pressedImage = 0;
    bool handCursor = false;
};

// Creates the row's control as a child of parent; returns it (null on failure).
HWND CreateControl(HWND parent, const ControlRow& row);

}  // namespace quenvar
