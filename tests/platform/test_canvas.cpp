// The window canvas: dots of every pen width are round and exactly as thick as the segments of
// the same pen, so a curve traced as a chain of dots matches the straight strokes beside it.
#include <QPainter>
#include <QtTest>

#include "Canvas.h"

namespace {
// The opaque pixels of the canvas.
QList<QPoint> inked(const WindowCanvas& c) {
    QList<QPoint> out;
    const QImage& img = c.image();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) == 255) out << QPoint(x, y);
    return out;
}

QRect bounds(const QList<QPoint>& points) {
    QRect r;
    for (const QPoint& p : points) r |= QRect(p, QSize(1, 1));
    return r;
}
}  // namespace

class CanvasTest : public QObject {
    Q_OBJECT
  private slots:
    // Pixels whose centres lie within w/2 of the dot's centre, counted by hand: w 3 is a 3 × 3
    // square; w 5 is 5 × 5 less the 4 corners; w 4 and 6 are centred on a pixel corner, 4 × 4
    // less the 4 corners and 6 × 6 less the 4 corners.
    void dotCoversTheDisc_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("pixels");
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2") << 2 << 4;
        QTest::newRow("3") << 3 << 9;
        QTest::newRow("4") << 4 << 12;
        QTest::newRow("5") << 5 << 21;
        QTest::newRow("6") << 6 << 32;
    }
    void dotCoversTheDisc() {
        QFETCH(int, width);
        QFETCH(int, pixels);
        QWidget surface;
        surface.resize(60, 60);
        WindowCanvas canvas(&surface);
        canvas.setPenColor(QColor(215, 17, 27));
        canvas.setPenWidth(width);
        canvas.moveTo(30, 30);
        canvas.lineTo(30, 30);
        const QList<QPoint> dot = inked(canvas);
        QCOMPARE(dot.size(), pixels);
        QCOMPARE(bounds(dot).size(), QSize(width, width));  // w pixels across, both ways
        QCOMPARE(canvas.pixel(30, 30), QColor(215, 17, 27));
        // Round: the footprint is the same turned by a quarter about its centre.
        const QRect box = bounds(dot);
        for (const QPoint& p : dot) {
            const QPoint turned(box.left() + (box.bottom() - p.y()),
                                box.top() + (p.x() - box.left()));
            QVERIFY(dot.contains(turned));
        }
    }

    // The dot covers the same rows as a horizontal segment through its point, and the same
    // columns as a vertical one.
    void dotIsAsThickAsASegment() {
        for (int width = 1; width <= 6; ++width) {
            QWidget surface;
            surface.resize(60, 60);
            // The pixels a line from `from` to `to` covers on a fresh canvas.
            auto footprint = [&](QPoint from, QPoint to) {
                WindowCanvas canvas(&surface);
                canvas.setPenWidth(width);
                canvas.moveTo(from.x(), from.y());
                canvas.lineTo(to.x(), to.y());
                return bounds(inked(canvas));
            };
            const QRect dot = footprint(QPoint(30, 30), QPoint(30, 30));
            const QRect across = footprint(QPoint(10, 30), QPoint(50, 30));
            const QRect down = footprint(QPoint(30, 10), QPoint(30, 50));
            QCOMPARE(dot.top(), across.top());
            QCOMPARE(dot.bottom(), across.bottom());
            QCOMPARE(dot.left(), down.left());
            QCOMPARE(dot.right(), down.right());
        }
    }

    // What the canvas keeps of its strokes draws the same pixels again: lines, dots of several
    // widths, an ellipse, with part of them erased since and part erased whole.
    void keptStrokesDrawTheSamePixels() {
        QWidget surface;
        surface.resize(120, 90);
        WindowCanvas canvas(&surface);
        canvas.setPenColor(QColor(255, 0, 0));
        for (int w = 1; w <= 6; ++w) {
            canvas.setPenWidth(w);
            canvas.moveTo(10 * w, 10);
            canvas.lineTo(10 * w, 10);
            canvas.lineTo(10 * w + 7, 60);
        }
        canvas.setPenColor(QColor(0, 0, 255));
        canvas.setBrushColor(QColor(255, 255, 0));
        canvas.setPenWidth(2);
        canvas.ellipse(70, 20, 110, 80);
        canvas.erase(QRegion(25, 0, 20, 40));  // through two strokes
        canvas.erase(QRegion(0, 0, 14, 90));   // the whole first one
        QCOMPARE(int(canvas.strokes().size()), 2 * 6 + 1 - 2);

        QImage again(canvas.image().size(), QImage::Format_ARGB32_Premultiplied);
        again.fill(Qt::transparent);
        QPainter p(&again);
        canvas.paintStrokes(p, surface.rect(), 1.0);
        p.end();
        QCOMPARE(again, canvas.image());
        QVERIFY(canvas.strokesComplete(surface.rect()));
    }

    // Past the strokes it keeps, the canvas knows where pixels stand that it cannot draw again,
    // until they are erased.
    void strokesPastTheKeptNumberAreKnownByPlace() {
        QWidget surface;
        surface.resize(100, 100);
        WindowCanvas canvas(&surface);
        canvas.setPenWidth(1);
        for (std::size_t k = 0; k < WindowCanvas::kKeptStrokes; ++k) {
            canvas.moveTo(5, 5);
            canvas.lineTo(5, 5);
        }
        QVERIFY(canvas.strokesComplete(surface.rect()));
        canvas.moveTo(80, 80);
        canvas.lineTo(80, 80);
        QVERIFY(!canvas.strokesComplete(QRect(70, 70, 20, 20)));
        QVERIFY(canvas.strokesComplete(QRect(0, 0, 50, 50)));
        canvas.erase(QRegion(60, 60, 40, 40));
        QVERIFY(canvas.strokesComplete(surface.rect()));
        canvas.clearAll();
        QVERIFY(canvas.strokes().empty());
    }
};

QTEST_MAIN(CanvasTest)
#include "test_canvas.moc"
