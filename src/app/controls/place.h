#pragma once

namespace quenvar {

// A control's top-left corner in its parent's client area, and its size.
struct Place {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A place given relative to a container (a group box) that is not the
// control's window parent: both share PageTabs as their parent window.
constexpr Place Offset(const Place& origin, const Place& place) {
    return {origin.x + place.x, origin.y + place.y, place.width, place.height};
}

}  // namespace quenvar
