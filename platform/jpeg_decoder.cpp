#include "platform/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace {

// libjpeg's own handler calls exit(): jump back and report instead.
struct TJpegError {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void OnJpegError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TJpegError *>(info->err)->back, 1);
}

void IgnoreJpegMessage(j_common_ptr) {}

struct TDecodedPixels {
    unsigned char *pixels = nullptr;  // width * height 32-bit pixels, malloc'ed
    unsigned width = 0;
    unsigned height = 0;
};

// Only plain C data lives across the jump.
bool DecodePixels(const unsigned char *data, unsigned long size, TDecodedPixels *out)
{
    jpeg_decompress_struct info;
    TJpegError error;
    std::memset(&info, 0, sizeof info);
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    error.manager.output_message = IgnoreJpegMessage;
    if (setjmp(error.back)) {
        jpeg_destroy_decompress(&info);
        std::free(out->pixels);
        out->pixels = nullptr;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    out->width = info.output_width;
    out->height = info.output_height;
    out->pixels = static_cast<unsigned char *>(std::malloc(size_t(out->width) * out->height * 4));
    if (!out->pixels)
        OnJpegError(reinterpret_cast<j_common_ptr>(&info));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->pixels + size_t(info.output_scanline) * out->width * 4;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray &bytes)
{
    TDecodedPixels decoded;
    if (bytes.isEmpty() ||
        !DecodePixels(reinterpret_cast<const unsigned char *>(bytes.constData()),
                      static_cast<unsigned long>(bytes.size()), &decoded))
        return QImage();
    QImage image(int(decoded.width), int(decoded.height), QImage::Format_RGB32);
    for (unsigned y = 0; y < decoded.height; ++y)
        std::memcpy(image.scanLine(int(y)), decoded.pixels + size_t(y) * decoded.width * 4,
                    size_t(decoded.width) * 4);
    std::free(decoded.pixels);
    return image;
}
