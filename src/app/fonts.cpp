#include "app/fonts.h"

#include <map>

#include "platform/win_handles.h"

namespace quenvar {

HFONT SimSunFont(int pixelHeight) {
    static std::map<int, UniqueFont> fonts;
    UniqueFont& font = fonts[pixelHeight];
    if (!font) {
        // A negative height asks for the character height, not the cell height.
        font.Reset(CreateFontA(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                               "宋体"));
    }
    return font.Get();
}

HFONT LinkFont() {
    static UniqueFont font;
    if (!font) {
        LOGFONTA logFont{};
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
        logFont.lfUnderline = TRUE;
        font.Reset(CreateFontIndirectA(&logFont));
    }
    return font.Get();
}

}  // namespace quenvar
