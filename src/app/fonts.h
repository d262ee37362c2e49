#pragma once

#include <windows.h>

namespace quenvar {

// SimSun (宋体) with the given character height in pixels. Fonts are created
// once per height and kept for the life of the process.
HFONT SimSunFont(int pixelHeight);

// The system's default GUI font, underlined: the look of a hyperlink.
HFONT LinkFont();

}  // namespace quenvar
