#include "JpegEncode.h"

#include <cstdlib>

#include "JpegErrors.h"

using pictures::detail::installJpegErrorManager;
using pictures::detail::JpegErrorManager;

namespace {

struct Output {
    unsigned char* buffer = nullptr;  // malloc'ed by libjpeg's memory destination
    unsigned long size = 0;
};

// As in the decoder: no objects with destructors live in the frames that call setjmp.

bool createEncoder(jpeg_compress_struct& info, JpegErrorManager& errors) {
    if (setjmp(errors.jump)) return false;
    jpeg_create_compress(&info);
    return true;
}

bool writeRows(jpeg_compress_struct& info, JpegErrorManager& errors, Output& output,
               const unsigned char* bits, qsizetype stride, int width, int height, bool grey,
               int quality) {
    if (setjmp(errors.jump)) return false;
    jpeg_mem_dest(&info, &output.buffer, &output.size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    info.comp_info[0].h_samp_factor = 1;
    info.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg's row type is not const, but it only reads the input rows.
        JSAMPROW row = const_cast<unsigned char*>(bits + stride * info.next_scanline);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

struct EncoderGuard {
    jpeg_compress_struct& info;
    Output& output;
    ~EncoderGuard() {
        jpeg_destroy_compress(&info);
        std::free(output.buffer);
    }
};

}  // namespace

QByteArray encodeJpeg(const QImage& image, int quality) {
    if (image.isNull() || quality < 1 || quality > 100) return {};
    const bool grey = image.format() == QImage::Format_Grayscale8;
    const QImage source = grey ? image : image.convertToFormat(QImage::Format_RGB888);
    if (source.isNull()) return {};

    jpeg_compress_struct info{};
    JpegErrorManager errors{};
    info.err = installJpegErrorManager(errors);
    Output output;
    const EncoderGuard guard{info, output};

    if (!createEncoder(info, errors)) return {};
    if (!writeRows(info, errors, output, source.constBits(), source.bytesPerLine(), source.width(),
                   source.height(), grey, quality))
        return {};
    return QByteArray(reinterpret_cast<const char*>(output.buffer),
                      static_cast<qsizetype>(output.size));
}
