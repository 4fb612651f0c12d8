#include "toolkit/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(err->jump, 1);
}

void onMessage(j_common_ptr) {
}

// The largest picture we accept; the program's own are a few hundred pixels wide.
constexpr JDIMENSION MaxSide = 8192;

} // namespace

QImage DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = onError;
    err.base.output_message = onMessage;
    // Nothing below that setjmp returns to may own a resource that needs a destructor.
    QImage* result = new QImage;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        delete result;
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > MaxSide ||
        info.image_height > MaxSide) {
        jpeg_destroy_decompress(&info);
        delete result;
        return {};
    }
    // libjpeg-turbo writes Qt's RGB32 layout (B, G, R, X in memory on little endian) directly.
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    *result = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = result->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    // RGB32 needs the top byte set.
    for (int y = 0; y < result->height(); ++y) {
        auto* px = reinterpret_cast<QRgb*>(result->scanLine(y));
        for (int x = 0; x < result->width(); ++x)
            px[x] |= 0xFF000000u;
    }
    QImage out = std::move(*result);
    delete result;
    return out;
}
