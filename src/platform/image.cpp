#include "platform/image.h"

namespace quenvar {

UniqueBitmap CreateTopDownDib(int width, int height, BYTE** pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows run top-down like the decoders write them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    *pixels = bitmap ? static_cast<BYTE*>(bits) : nullptr;
    return bitmap;
}

BYTE Image::AlphaAt(int x, int y) const {
    if (pixels_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    if (!hasAlpha_) return 255;
    return pixels_[(static_cast<size_t>(y) * width_ + x) * 4 + 3];
}

void Image::Draw(HDC dc, int x, int y) const {
    if (!bitmap_) return;
    UniqueMemoryDc source(CreateCompatibleDC(dc));
    SelectedObject selected(source.Get(), bitmap_.Get());
    if (hasAlpha_) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, x, y, width_, height_, source.Get(), 0, 0, width_, height_, blend);
    } else {
        BitBlt(dc, x, y, width_, height_, source.Get(), 0, 0, SRCCOPY);
    }
}

}  // namespace quenvar
