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

// Where the pixels go: called once the size is known, it returns the first
// of height rows of width 32-bit pixels, stride bytes apart (null: no memory).
struct TPixelTarget {
    unsigned char *(*make)(void *context, unsigned width, unsigned height, size_t *stride);
    void *context;
};

// Only plain C data lives across the jump.
bool DecodePixels(const unsigned char *data, unsigned long size, TPixelTarget target)
{
    jpeg_decompress_struct info;
    TJpegError error;
    std::memset(&info, 0, sizeof info);
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    error.manager.output_message = IgnoreJpegMessage;
    if (setjmp(error.back)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    size_t stride = 0;
    unsigned char *pixels =
        target.make(target.context, info.output_width, info.output_height, &stride);
    if (!pixels)
        OnJpegError(reinterpret_cast<j_common_ptr>(&info));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + size_t(info.output_scanline) * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray &bytes)
{
    // The rows are decoded straight into the image, with no copy between.
    QImage image;
    const TPixelTarget target{
        [](void *context, unsigned width, unsigned height, size_t *stride) -> unsigned char * {
            QImage &made = *static_cast<QImage *>(context);
            made = QImage(int(width), int(height), QImage::Format_RGB32);
            *stride = size_t(made.bytesPerLine());
            return made.isNull() ? nullptr : made.bits();
        },
        &image};
    if (bytes.isEmpty() || !DecodePixels(reinterpret_cast<const unsigned char *>(bytes.constData()),
                                         static_cast<unsigned long>(bytes.size()), target))
        return QImage();
    return image;
}
