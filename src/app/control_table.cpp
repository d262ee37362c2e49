#include "app/control_table.h"

#include <uxtheme.h>

#include "app/artwork.h"
#include "app/controls/image_button.h"
#include "app/controls/transparent_label.h"
#include "app/fonts.h"
#include "app/standard_control_colors.h"
#include "platform/resource_data.h"

namespace quenvar {
namespace {

HWND CreateStandard(HWND parent, const ControlRow& row, const char* className, DWORD style, DWORD exStyle) {
    HWND control = CreateWindowExA(exStyle, className, row.text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                                   row.place.x, row.place.y, row.place.width, row.place.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                                   reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
    if (control == nullptr) return nullptr;
    const HFONT font = row.fontHeight > 0 ? SimSunFont(row.fontHeight)
                                          : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetStandardControlColor(control, row.color);
    return control;
}

}  // namespace

HWND CreateControl(HWND parent, const ControlRow& row) {
    switch (row.kind) {
    case ControlKind::kImageButton: {
        ImageButtonLook look;
        look.normal = ArtworkImage(row.normalImage);
        look.hover = row.hoverImage != 0 ? ArtworkImage(row.hoverImage) : nullptr;
        look.pressed = row.pressedImage != 0 ? ArtworkImage(row.pressedImage) : nullptr;
        look.handCursor = row.handCursor;
        look.picture = ResourceBytes(row.normalImage);
        return CreateImageButton(parent, row.id, row.place, row.text, look);
    }
    case ControlKind::kLabel:
    case ControlKind::kLink:
    case ControlKind::kGroupBox: {
        LabelLook look;
        look.color = row.color;
        look.link = row.kind == ControlKind::kLink;
        look.frame = row.kind == ControlKind::kGroupBox;
        look.font = look.link ? LinkFont() : row.fontHeight > 0 ? SimSunFont(row.fontHeight) : nullptr;
        look.wrap = row.wrap;
        return CreateTransparentLabel(parent, row.id, row.place, row.text, look);
    }
    case ControlKind::kCheckBox: {
        HWND box = CreateStandard(parent, row, "BUTTON",
                                  BS_AUTOCHECKBOX | BS_MULTILINE | BS_VCENTER | BS_LEFT | WS_TABSTOP, 0);
        // A themed check box draws its text in the theme's colour, not ours.
        if (box != nullptr) SetWindowTheme(box, L"", L"");
        return box;
    }
    case ControlKind::kLogEdit: {
        HWND edit = CreateStandard(parent, row, "EDIT",
                                   ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL |
                                       WS_HSCROLL | WS_TABSTOP,
                                   WS_EX_CLIENTEDGE);
        // 0 lifts the box's own limit to the system's maximum.
        if (edit != nullptr) SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
        return edit;
    }
    }
    return nullptr;
}

}  // namespace quenvar
