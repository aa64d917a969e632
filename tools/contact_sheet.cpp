// contact_sheet [file.png]: draws every large and every small letter with the program's own
// stroke routines (no pauses) and lays them out on one sheet, docs/letters.png by default.
// Large letters sit in light-cyan cells of 200 × 200 as on the plane, small ones in pale cells of
// the slot size 67 × 101; a stroke that leaves its cell is shown where it falls.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "Pacing.h"
#include "PlotState.h"
#include "ScenePacing.h"
#include "StrokeCatalogue.h"
#include "Surface.h"

namespace {

const QString kAlphabet = QString::fromUtf8("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
constexpr QPoint kOrigin(600, 365);  // where each letter is drawn on the window canvas
constexpr int kMargin = 24;
constexpr int kLargeCell = 200, kLargeGap = 12, kLargeColumns = 8;
constexpr int kSmallPitchX = 150, kSmallPitchY = 150, kSmallColumns = 11;
const QSize kSlot(67, 101);

// Sets what a caller sets before a routine: origin, colour, width, delay, and the range of the
// letters that take it from their caller (the Text-mode ranges, and 0 → 1.27 for the small "Л").
void prepare(WindowCanvas& canvas, QChar letter, bool large, QColor colour) {
    canvas.clearAll();
    canvas.setPenColor(colour);
    plotState.originX = kOrigin.x();
    plotState.originY = kOrigin.y();
    plotState.penWidth = letter == QChar(u'Ф') ? 4 : 5;
    plotState.stepDelayMs = 5;
    plotState.paramStart = 0;
    plotState.paramEnd = 1;
    if (letter == QChar(u'Э')) {
        plotState.paramStart = 0.8;
        plotState.paramEnd = 5.6;
    } else if (!large && letter == QChar(u'Л')) {
        plotState.paramEnd = 1.27;
    }
}

// Copies the square of the canvas around the origin into the sheet, centred at `centre`.
void stamp(QPainter& p, const WindowCanvas& canvas, QPoint centre, QSize size) {
    const QImage& img = canvas.image();
    const qreal dpr = img.devicePixelRatio();
    const QRectF source(
        QPointF(kOrigin.x() - size.width() / 2.0, kOrigin.y() - size.height() / 2.0) * dpr,
        QSizeF(size) * dpr);
    const QRectF target(QPointF(centre.x() - size.width() / 2.0, centre.y() - size.height() / 2.0),
                        QSizeF(size));
    p.drawImage(target, img, source);
}

void caption(QPainter& p, const QRect& box, const QString& text) {
    p.setPen(QColor(90, 90, 90));
    p.drawText(box.adjusted(6, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("docs/letters.png");

    ClientSurface surface;
    surface.show();
    paceByScenesOnly();
    pacing::processPendingEvents();
    WindowCanvas& canvas = surface.canvas();

    const int largeRows = 4;
    const int smallRows = (int(kAlphabet.size()) + kSmallColumns - 1) / kSmallColumns;
    const int width = 2 * kMargin + kLargeColumns * kLargeCell + (kLargeColumns - 1) * kLargeGap;
    const int largeTop = kMargin + 30;
    const int smallTop = largeTop + largeRows * (kLargeCell + kLargeGap) + 40;
    const int height = smallTop + smallRows * kSmallPitchY + kMargin;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(250, 250, 247));
    QPainter p(&sheet);
    p.setFont(QFont("Liberation Sans", 13, QFont::Bold));
    p.setPen(QColor(40, 40, 40));
    p.drawText(QPoint(kMargin, kMargin + 14),
               QString::fromUtf8("Большие буквы (LargeLetterRoutine)"));
    p.drawText(QPoint(kMargin, smallTop - 14),
               QString::fromUtf8("Малые буквы (SmallLetterRoutine)"));
    p.setFont(QFont("Liberation Sans", 12));

    int i = 0;
    for (QChar letter : kAlphabet) {
        if (!hasLargeLetterRoutine(letter)) continue;
        const QRect cell(kMargin + (i % kLargeColumns) * (kLargeCell + kLargeGap),
                         largeTop + (i / kLargeColumns) * (kLargeCell + kLargeGap), kLargeCell,
                         kLargeCell);
        p.fillRect(cell, QColor(128, 255, 255));
        prepare(canvas, letter, true, QColor(0, 129, 129));
        LargeLetterRoutine(letter);
        stamp(p, canvas, cell.center() + QPoint(1, 1), cell.size());
        caption(p, cell, letter);
        ++i;
    }

    i = 0;
    for (QChar letter : kAlphabet) {
        const QPoint centre(kMargin + kSmallPitchX / 2 + (i % kSmallColumns) * kSmallPitchX,
                            smallTop + kSmallPitchY / 2 + (i / kSmallColumns) * kSmallPitchY);
        const QRect slot(centre - QPoint(kSlot.width() / 2, kSlot.height() / 2), kSlot);
        p.fillRect(slot, QColor(226, 238, 250));
        p.setPen(QColor(190, 205, 225));
        p.drawRect(slot.adjusted(0, 0, -1, -1));
        prepare(canvas, letter, false, QColor(0, 0, 255));
        SmallLetterRoutine(letter);
        stamp(p, canvas, centre, QSize(kSmallPitchX, kSmallPitchY - 10));
        caption(p, QRect(centre.x() - kSmallPitchX / 2, centre.y() - kSmallPitchY / 2 - 4, 40, 20),
                letter);
        ++i;
    }
    p.end();

    if (!sheet.save(out)) {
        std::fprintf(stderr, "contact_sheet: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s\n", qPrintable(out));
    return 0;
}
