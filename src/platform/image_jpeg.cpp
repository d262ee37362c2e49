#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "platform/image.h"

namespace quenvar {
namespace {

// libjpeg's default error handler calls exit(); a broken image must only
// leave the picture out, so errors jump back to the decoder instead.
struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void JumpOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Kept free of C++ objects with destructors, since longjmp skips them.
bool Decode(const unsigned char* data, unsigned long size, BYTE* (*allocate)(int, int, void*), void* context,
            int* widthOut, int* heightOut) {
    jpeg_decompress_struct info{};
    JumpingErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.output_message = IgnoreMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    BYTE* pixels = allocate(width, height, context);
    if (pixels == nullptr) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + static_cast<size_t>(info.output_scanline) * width * 4;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    *widthOut = width;
    *heightOut = height;
    return true;
}

}  // namespace

Image Image::FromJpeg(std::string_view bytes) {
    if (bytes.empty()) return {};
    UniqueBitmap bitmap;
    BYTE* pixels = nullptr;
    auto allocate = [](int width, int height, void* context) -> BYTE* {
        auto* target = static_cast<std::pair<UniqueBitmap*, BYTE**>*>(context);
        *target->first = CreateTopDownDib(width, height, target->second);
        return *target->second;
    };
    std::pair<UniqueBitmap*, BYTE**> target(&bitmap, &pixels);
    int width = 0;
    int height = 0;
    if (!Decode(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()),
                allocate, &target, &width, &height)) {
        return {};
    }
    GdiFlush();
    return Image(std::move(bitmap), pixels, width, height, false);
}

}  // namespace quenvar
