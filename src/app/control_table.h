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

// Row builders, so that a table reads as one line per control.
inline ControlRow ImageButton(int id, Place place, const char* caption, int normal, int hover, int pressed = 0,
                              bool hand = false) {
    ControlRow row{id, ControlKind::kImageButton, place, caption};
    row.normalImage = normal;
    row.hoverImage = hover;
    row.pressedImage = pressed;
    row.handCursor = hand;
    return row;
}

// A label, link, group box, check box or the log box.
inline ControlRow Text(int id, ControlKind kind, Place place, const char* text, COLORREF color, int fontHeight,
                       bool wrap = false) {
    ControlRow row{id, kind, place, text, color, fontHeight};
    row.wrap = wrap;
    return row;
}

// The tables' colours, as 0x00BBGGRR.
namespace colors {
constexpr COLORREF kBlack = 0x00000000;
constexpr COLORREF kBlue = 0x00FF0000;
constexpr COLORREF kGreen = 0x00008000;
constexpr COLORREF kBrightGreen = 0x0000FF00;
constexpr COLORREF kMagenta = 0x00FF00FF;
constexpr COLORREF kOrange = 0x000080FF;
constexpr COLORREF kPinkRed = 0x008050FF;
}  // namespace colors

}  // namespace quenvar
