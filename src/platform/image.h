// Artwork decoded from the PNG and JPEG bytes embedded in the executable.
#pragma once

#include <windows.h>

#include <string_view>

#include "platform/win_handles.h"

namespace quenvar {

// A 32-bit top-down DIB section. PNG images keep their alpha channel,
// premultiplied as AlphaBlend wants it; JPEG images are opaque.
class Image {
public:
    Image() = default;
    static Image FromPng(std::string_view bytes);
    static Image FromJpeg(std::string_view bytes);

    bool IsValid() const { return static_cast<bool>(bitmap_); }
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool HasAlpha() const { return hasAlpha_; }
    // Alpha of one pixel (255 for opaque images, 0 outside the image).
    BYTE AlphaAt(int x, int y) const;

    // Draws the image with its top-left corner at (x, y), blending by alpha.
    void Draw(HDC dc, int x, int y) const;

private:
    Image(UniqueBitmap bitmap, const BYTE* pixels, int width, int height, bool hasAlpha)
        : bitmap_(std::move(bitmap)), pixels_(pixels), width_(width), height_(height), hasAlpha_(hasAlpha) {}

    UniqueBitmap bitmap_;
    const BYTE* pixels_ = nullptr;  // owned by bitmap_
    int width_ = 0;
    int height_ = 0;
    bool hasAlpha_ = false;
};

// A DIB section of the given size for 32-bit top-down pixels.
UniqueBitmap CreateTopDownDib(int width, int height, BYTE** pixels);

}  // namespace quenvar
