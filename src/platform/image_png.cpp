#include <png.h>

#include "platform/image.h"

namespace quenvar {

Image Image::FromPng(std::string_view bytes) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return {};
    png.format = PNG_FORMAT_BGRA;
    const int width = static_cast<int>(png.width);
    const int height = static_cast<int>(png.height);
    BYTE* pixels = nullptr;
    UniqueBitmap bitmap = CreateTopDownDib(width, height, &pixels);
    if (!bitmap || !png_image_finish_read(&png, nullptr, pixels, 0, nullptr)) {
        png_image_free(&png);
        return {};
    }
    // AlphaBlend expects colours already multiplied by their alpha.
    const size_t count = static_cast<size_t>(width) * height;
    for (size_t i = 0; i < count; ++i) {
        BYTE* pixel = pixels + i * 4;
        const unsigned alpha = pixel[3];
        for (int c = 0; c < 3; ++c) pixel[c] = static_cast<BYTE>((pixel[c] * alpha + 127) / 255);
    }
    GdiFlush();
    return Image(std::move(bitmap), pixels, width, height, true);
}

}  // namespace quenvar
