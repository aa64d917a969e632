// The libjpeg codec: colour and greyscale round trips, and bad input of every kind.

#include <QRandomGenerator>
#include <QtTest>

#include "Jpeg.h"
#include "JpegEncode.h"

// clang-format off
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
// clang-format on

namespace {

const QColor kBlockColours[] = {
    Qt::red, Qt::green, Qt::blue, QColor(255, 255, 0), QColor(0, 128, 128), QColor(250, 240, 200)};

// Six 16 x 16 blocks of solid colour, three by two: JPEG keeps the middle of each block exact
// enough to tell the colours (and any swap of channels) apart.
QImage colourBlocks() {
    QImage image(48, 32, QImage::Format_RGB32);
    for (int i = 0; i < 6; ++i)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                image.setPixelColor((i % 3) * 16 + x, (i / 3) * 16 + y, kBlockColours[i]);
    return image;
}

bool near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Offset of the frame header (the SOF0 marker) in a baseline JPEG, or -1.
qsizetype frameHeader(const QByteArray& jpeg) {
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i)
        if (uchar(jpeg[i]) == 0xFF && uchar(jpeg[i + 1]) == 0xC0) return i;
    return -1;
}

// Start of the entropy-coded data: just past the scan header (SOS).
qsizetype scanData(const QByteArray& jpeg) {
    for (qsizetype i = 2; i + 3 < jpeg.size(); ++i)
        if (uchar(jpeg[i]) == 0xFF && uchar(jpeg[i + 1]) == 0xDA)
            return i + 2 + (uchar(jpeg[i + 2]) << 8 | uchar(jpeg[i + 3]));
    return -1;
}

// A 16 x 16 CMYK JPEG, written with libjpeg directly (our encoder only writes grey and RGB).
QByteArray cmykJpeg() {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 16;
    info.image_height = 16;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    unsigned char row[16 * 4];
    for (int i = 0; i < 16 * 4; ++i) row[i] = static_cast<unsigned char>(i * 4);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray result(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return result;
}

}  // namespace

class JpegCodecTest : public QObject {
    Q_OBJECT

  private slots:
    void colourRoundTripKeepsColoursAndSize() {
        const QByteArray jpeg = encodeJpeg(colourBlocks(), 95);
        QVERIFY(jpeg.startsWith("\xFF\xD8"));
        const QImage decoded = decodeJpeg(jpeg);
        QCOMPARE(decoded.size(), QSize(48, 32));
        QCOMPARE(decoded.format(), QImage::Format_RGB888);
        for (int i = 0; i < 6; ++i) {
            const QColor got = decoded.pixelColor((i % 3) * 16 + 8, (i / 3) * 16 + 8);
            QVERIFY2(near(got, kBlockColours[i], 8),
                     qPrintable(QStringLiteral("block %1: got %2").arg(i).arg(got.name())));
        }
    }

    void greyRoundTripStaysGrey() {
        QImage grey(40, 24, QImage::Format_Grayscale8);
        for (int y = 0; y < grey.height(); ++y)
            for (int x = 0; x < grey.width(); ++x) grey.scanLine(y)[x] = static_cast<uchar>(x * 6);
        const QByteArray jpeg = encodeJpeg(grey, 95);
        const QImage decoded = decodeJpeg(jpeg);
        QCOMPARE(decoded.size(), grey.size());
        QCOMPARE(decoded.format(), QImage::Format_Grayscale8);
        for (int x : {2, 10, 20, 30, 37})
            QVERIFY2(std::abs(decoded.constScanLine(12)[x] - x * 6) <= 4,
                     qPrintable(QString::number(x)));
        // One component instead of three: a grey file is clearly smaller than a colour one.
        QVERIFY(jpeg.size() < encodeJpeg(grey.convertToFormat(QImage::Format_RGB32), 95).size());
    }

    void sizesThatAreNoMultipleOfTheBlockDecodeExactly() {
        for (const QSize size : {QSize(1, 1), QSize(17, 9), QSize(67, 101), QSize(3, 250)}) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(QColor(255, 250, 222));
            const QImage decoded = decodeJpeg(encodeJpeg(image, 90));
            QCOMPARE(decoded.size(), size);
            QVERIFY(near(decoded.pixelColor(size.width() - 1, size.height() - 1),
                         QColor(255, 250, 222), 4));
        }
    }

    void encoderRefusesNothingToEncode() {
        QVERIFY(encodeJpeg(QImage(), 90).isEmpty());
        QVERIFY(encodeJpeg(colourBlocks(), 0).isEmpty());
        QVERIFY(encodeJpeg(colourBlocks(), 101).isEmpty());
    }

    void emptyAndForeignDataGiveNull() {
        QVERIFY(decodeJpeg(QByteArray()).isNull());
        QVERIFY(decodeJpeg(QByteArray("\xFF\xD8", 2)).isNull());
        QVERIFY(decodeJpeg(QByteArray("\xFF\xD8\xFF\xD9", 4)).isNull());
        QVERIFY(decodeJpeg(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)).isNull());
        QRandomGenerator random(7);
        for (int i = 0; i < 200; ++i) {
            QByteArray noise(1 + random.bounded(4000), Qt::Uninitialized);
            for (char& byte : noise) byte = static_cast<char>(random.bounded(256));
            if (i % 2 == 0)  // half of them look like a JPEG at first glance
                noise.prepend("\xFF\xD8\xFF\xE0");
            QVERIFY(decodeJpeg(noise).isNull());
        }
    }

    void everyTruncationGivesNull() {
        const QByteArray jpeg = encodeJpeg(colourBlocks(), 90);
        QVERIFY(!decodeJpeg(jpeg).isNull());
        for (qsizetype length = 0; length < jpeg.size(); ++length)
            QVERIFY2(decodeJpeg(jpeg.left(length)).isNull(), qPrintable(QString::number(length)));
    }

    void impossibleFrameSizesGiveNull() {
        const QByteArray jpeg = encodeJpeg(colourBlocks(), 90);
        const qsizetype sof = frameHeader(jpeg);
        QVERIFY(sof > 0);
        // Frame header: marker (2), length (2), precision (1), height (2), width (2).
        QByteArray noHeight = jpeg;
        noHeight[sof + 5] = 0;
        noHeight[sof + 6] = 0;
        QVERIFY(decodeJpeg(noHeight).isNull());
        // A forged 65535 x 65535 header over a few hundred bytes must not make us allocate 12 GB.
        QByteArray huge = jpeg;
        for (int i = 5; i <= 8; ++i)
            huge[sof + i] =
                static_cast<char>(i % 2 ? 0xFF : 0x00);  // 65280, under libjpeg's own limit
        QVERIFY(decodeJpeg(huge).isNull());
    }

    void damagedScanDataNeverCrashes() {
        const QByteArray jpeg = encodeJpeg(colourBlocks(), 90);
        const qsizetype from = scanData(jpeg);
        QVERIFY(from > 0 && from < jpeg.size() - 2);
        QRandomGenerator random(11);
        int rejected = 0;
        for (int i = 0; i < 500; ++i) {
            QByteArray damaged = jpeg;
            for (int k = 0; k < 3; ++k)
                damaged[from + random.bounded(jpeg.size() - 2 - from)] =
                    static_cast<char>(random.bounded(256));
            const QImage decoded = decodeJpeg(damaged);
            if (decoded.isNull())
                ++rejected;
            else
                QCOMPARE(decoded.size(), QSize(48, 32));  // damage after the header cannot resize
        }
        // libjpeg notices most damage (bad Huffman codes, lost markers); we pass that on.
        QVERIFY(rejected > 0);
    }

    void cmykIsRefused() {
        const QByteArray cmyk = cmykJpeg();
        QVERIFY(cmyk.size() > 100);
        QVERIFY(decodeJpeg(cmyk).isNull());
    }
};

QTEST_GUILESS_MAIN(JpegCodecTest)
#include "tst_JpegCodec.moc"
