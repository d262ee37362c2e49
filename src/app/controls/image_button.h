// A picture button: a child window showing its normal image, its hover image
// while the mouse is over it and its pressed image while the left button is
// held on it. A click (press and release over the button, or BM_CLICK) is
// reported to the parent as WM_COMMAND / BN_CLICKED on the release. Its window
// text is its caption, so screen readers and other processes can read it.
#pragma once

#include <windows.h>

#include <string_view>

#include "app/controls/place.h"
#include "platform/image.h"

namespace quenvar {

struct ImageButtonLook {
    const Image* normal = nullptr;
    const Image* hover = nullptr;    // null: the normal image
    const Image* pressed = nullptr;  // null: the hover image
    bool handCursor = false;
    // The encoded bytes the normal image came from: a picture that carries
    // state (StandbyButton's) is compared by these.
    std::string_view picture;
};

void RegisterImageButtonClass(HINSTANCE instance);
HWND CreateImageButton(HWND parent, int id, const Place& place, const char* caption, const ImageButtonLook& look);

// Swaps the images, e.g. for a button whose picture carries state.
void SetImageButtonLook(HWND button, const ImageButtonLook& look);
const ImageButtonLook* GetImageButtonLook(HWND button);

}  // namespace quenvar
