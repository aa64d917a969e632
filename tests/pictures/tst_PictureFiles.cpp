// The JPEG pictures embedded in the program: present, of the sizes the window shows them at,
// fit for what is drawn over them, and up to date with their painters.

#include <QFile>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "Jpeg.h"
#include "PictureFiles.h"
#include "PictureResources.h"
#include "painters/Pictures.h"

namespace {

// WCAG relative luminance and contrast ratio: 7 or more reads comfortably for small text.
double luminance(const QColor& c) {
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

int spread(const QColor& c) {
    return std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
}

// Pale yellow: light, with less blue than red and green.
bool isPaleYellow(const QColor& c) {
    return c.red() >= 240 && c.green() >= 232 && c.blue() >= 180 && c.red() - c.blue() >= 12 &&
           c.green() - c.blue() >= 8;
}

QImage load(const char* path) {
    const QImage image = loadJpegResource(QString::fromLatin1(path));
    return image.convertToFormat(QImage::Format_RGB32);
}

const QColor kCaptionBlue(0, 0, 255);  // "Старт программы" over the start-screen picture
const QColor kSlotLetterBlue(0, 0, 255);  // small letters written into the word slots

}  // namespace

class PictureFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { initPictureResources(); }

    void everyPictureDecodesAtItsSize_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("start screen") << QString(kStartScreenPicture) << QSize(521, 657);
        QTest::newRow("work area") << QString(kWorkAreaPicture) << QSize(685, 681);
        QTest::newRow("slot") << QString(kSlotPicture) << QSize(67, 101);
        QTest::newRow("slot eraser") << QString(kSlotEraserPicture) << QSize(96, 121);
        QTest::newRow("author") << QString(kAuthorPicture) << QSize(350, 503);
    }

    void everyPictureDecodesAtItsSize() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() < 200 * 1024);
        const QImage image = decodeJpeg(bytes);
        QCOMPARE(image.size(), size);
        QCOMPARE(image.format(), QImage::Format_RGB888);
        QCOMPARE(loadJpegResource(path).size(), size);
    }

    void missingResourceGivesNull() {
        QVERIFY(loadJpegResource(":/pictures/no_such.jpg").isNull());
    }

    void slotIsPaleWhereTheLetterGoes() {
        const QImage slot = load(kSlotPicture);
        // Small letters fill the middle of the slot, up to a few pixels from its edges.
        for (int y = 6; y < slot.height() - 6; y += 2) {
            for (int x = 6; x < slot.width() - 6; x += 2) {
                const QColor c = slot.pixelColor(x, y);
                QVERIFY2(isPaleYellow(c),
                         qPrintable(QStringLiteral("(%1, %2) %3").arg(x).arg(y).arg(c.name())));
                QVERIFY(contrast(c, kSlotLetterBlue) >= 7);
            }
        }
        // The cell's edge is visible against the light-blue work area, though soft.
        const QColor edge = slot.pixelColor(0, 50);
        const QColor area = load(kWorkAreaPicture).pixelColor(100, 100);
        QVERIFY(std::abs(edge.red() - area.red()) + std::abs(edge.blue() - area.blue()) >= 40);
        QVERIFY(luminance(edge) > 0.5);
    }

    void slotEraserIsPlainPaleYellow() {
        const QImage eraser = load(kSlotEraserPicture);
        const QColor first = eraser.pixelColor(0, 0);
        for (int y = 0; y < eraser.height(); y += 3) {
            for (int x = 0; x < eraser.width(); x += 3) {
                const QColor c = eraser.pixelColor(x, y);
                QVERIFY(isPaleYellow(c));
                QVERIFY(std::abs(c.blue() - first.blue()) <= 3 &&
                        std::abs(c.green() - first.green()) <= 3);
            }
        }
    }

    void workAreaIsPlainLightBlue() {
        const QImage area = load(kWorkAreaPicture);
        int lowest = 255;
        int highest = 0;
        for (int y = 0; y < area.height(); y += 3) {
            for (int x = 0; x < area.width(); x += 3) {
                const QColor c = area.pixelColor(x, y);
                QVERIFY2(c.blue() >= c.green() && c.green() >= c.red() && c.red() >= 200 &&
                             c.blue() - c.red() <= 40,
                         qPrintable(QStringLiteral("(%1, %2) %3").arg(x).arg(y).arg(c.name())));
                lowest = std::min(lowest, c.red());
                highest = std::max(highest, c.red());
            }
        }
        QVERIFY(highest - lowest <= 32);  // a gentle gradient at most
    }

    void startCaptionReadsOnAQuietBackground() {
        const QImage start = load(kStartScreenPicture);
        // The caption's label occupies (150, 352), 193 x 37 of the picture.
        for (int y = 352; y < 352 + 37; ++y) {
            for (int x = 150; x < 150 + 193; ++x) {
                const QColor c = start.pixelColor(x, y);
                QVERIFY2(contrast(c, kCaptionBlue) >= 7.5 && spread(c) <= 16,
                         qPrintable(QStringLiteral("(%1, %2) %3").arg(x).arg(y).arg(c.name())));
            }
        }
    }

    void startPictureMeetsTheWindowAtItsEdges() {
        // Its corners show the window background, so the picture sits in the window seamlessly.
        const QImage start = load(kStartScreenPicture);
        for (const QPoint corner : {QPoint(1, 1), QPoint(519, 1), QPoint(1, 655), QPoint(519, 655)})
            QVERIFY2(contrast(start.pixelColor(corner), painters::kDeskColour) < 1.05,
                     qPrintable(QString::number(corner.x())));
    }

    void startPictureShowsNoFragmentsBetweenPlaneAndKeyboard() {
        // After the start the plane (bottom at window y 570) and the keyboards (top at 576)
        // cover the picture but for this slit; bright bits of drawings there would look broken.
        const QImage start = load(kStartScreenPicture);
        for (int y = 570 - 56; y < 576 - 56; ++y)
            for (int x = 0; x < start.width(); ++x)
                QVERIFY2(spread(start.pixelColor(x, y)) <= 60,
                         qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
    }

    void startPictureHasColourfulLetters() {
        // The letters above the caption are drawn in colour: many strongly coloured pixels.
        const QImage start = load(kStartScreenPicture);
        int coloured = 0;
        for (int y = 60; y < 330; ++y)
            for (int x = 0; x < start.width(); ++x) coloured += spread(start.pixelColor(x, y)) > 90;
        QVERIFY2(coloured > 3000, qPrintable(QString::number(coloured)));
    }

    void filesAreUpToDateWithTheirPainters_data() {
        QTest::addColumn<int>("job");
        for (int i = 0; i < int(std::size(painters::kPictureJobs)); ++i)
            QTest::newRow(painters::kPictureJobs[i].fileName) << i;
    }

    void filesAreUpToDateWithTheirPainters() {
        // A painter changed without running make_pictures leaves an old picture behind.
        QFETCH(int, job);
        const painters::PictureJob& picture = painters::kPictureJobs[job];
        const QImage painted = picture.paint().convertToFormat(QImage::Format_RGB32);
        const QImage stored =
            load(qPrintable(QStringLiteral(":/pictures/") + QLatin1String(picture.fileName)));
        QCOMPARE(stored.size(), painted.size());
        // JPEG's loss is fine detail; averaged over 6 x 6 blocks both must agree closely, while
        // a moved or recoloured drawing changes its blocks a lot.
        const QSize blocks = painted.size() / 6;
        const QImage a = painted.scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage b = stored.scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int worst = 0;
        for (int y = 0; y < blocks.height(); ++y) {
            for (int x = 0; x < blocks.width(); ++x) {
                const QColor p = a.pixelColor(x, y);
                const QColor q = b.pixelColor(x, y);
                worst = std::max({worst, std::abs(p.red() - q.red()),
                                  std::abs(p.green() - q.green()), std::abs(p.blue() - q.blue())});
            }
        }
        QVERIFY2(worst <= 10, qPrintable(QString::number(worst)));
    }
};

QTEST_GUILESS_MAIN(PictureFilesTest)
#include "tst_PictureFiles.moc"
