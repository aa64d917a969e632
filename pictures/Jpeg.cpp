#include "Jpeg.h"

#include <QFile>

#include "JpegErrors.h"
#include "PictureResources.h"

using pictures::detail::installJpegErrorManager;
using pictures::detail::JpegErrorManager;

namespace {

// Far above any picture of the window, low enough that a forged header cannot make us
// allocate gigabytes.
constexpr unsigned long long kMaxPixels = 8192ULL * 8192ULL;

// The functions that call setjmp hold nothing with a destructor, so the jump back from
// libjpeg's error handler skips no C++ cleanup. libjpeg's own memory is released by
// jpeg_destroy_decompress in every case.

bool createDecoder(jpeg_decompress_struct& info, JpegErrorManager& errors) {
    if (setjmp(errors.jump)) return false;
    jpeg_create_decompress(&info);
    return true;
}

bool startDecoding(jpeg_decompress_struct& info, JpegErrorManager& errors,
                   const unsigned char* bytes, unsigned long size) {
    if (setjmp(errors.jump)) return false;
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    switch (info.jpeg_color_space) {
        case JCS_GRAYSCALE:
            info.out_color_space = JCS_GRAYSCALE;
            break;
        case JCS_YCbCr:
        case JCS_RGB:
            info.out_color_space = JCS_RGB;
            break;
        default:
            return false;
    }
    const unsigned long long pixels = 1ULL * info.image_width * info.image_height;
    if (pixels == 0 || pixels > kMaxPixels) return false;
    jpeg_start_decompress(&info);
    return true;
}

bool readRows(jpeg_decompress_struct& info, JpegErrorManager& errors, unsigned char* bits,
              qsizetype stride) {
    if (setjmp(errors.jump)) return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = bits + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

struct DecoderGuard {
    jpeg_decompress_struct& info;
    ~DecoderGuard() { jpeg_destroy_decompress(&info); }
};

}  // namespace

QImage decodeJpeg(const QByteArray& data) {
    if (data.isEmpty()) return {};

    jpeg_decompress_struct info{};
    JpegErrorManager errors{};
    info.err = installJpegErrorManager(errors);
    const DecoderGuard guard{info};

    if (!createDecoder(info, errors)) return {};
    if (!startDecoding(info, errors, reinterpret_cast<const unsigned char*>(data.constData()),
                       static_cast<unsigned long>(data.size())))
        return {};

    const bool grey = info.output_components == 1;
    if (!grey && info.output_components != 3) return {};
    QImage image(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (image.isNull()) return {};
    if (!readRows(info, errors, image.bits(), image.bytesPerLine())) return {};
    return image;
}

QImage loadJpegResource(const QString& resourcePath) {
    initPictureResources();
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return decodeJpeg(file.readAll());
}
