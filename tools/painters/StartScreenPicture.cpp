#include <cmath>

#include "Instruments.h"
#include "PictureKit.h"
#include "Pictures.h"

namespace painters {

namespace {

// The start caption "Старт программы" is drawn by the window at (150, 352), 193 x 37 in
// picture coordinates; the plate behind it keeps the blue script easy to read.
const QRectF kCaptionPlate(136, 341, 221, 60);

// Once the work starts, the plane and the keyboards cover this picture but for a thin slit
// at y 514..520 and the margins; the drawings keep out of the slit so that no odd
// fragments show there.

// Height of the large letters, in units of the plane.
constexpr qreal kH = 3.4;

// "Л": the parabola arm x = 1 - (H - y)^2 / H^2, the top y = H and the stem x = 1.9.
void paintLetterL(QPainter& p, const Plane& g, const QColor& c) {
    const auto arm = [&](qreal y) { return g.at(1 - (kH - y) * (kH - y) / (kH * kH), y); };
    strokeGhost(p, curve(arm, kH, kH + 1.1), c);
    strokeGhost(p, segment(g.at(1.9, kH), g.at(1.9, kH + 0.5)), c);
    strokeGhost(p, segment(g.at(1.9, kH), g.at(2.3, kH)), c);
    strokeGraph(p, curve(arm, 0, kH), c, 7);
    strokeGraph(p, segment(g.at(1, kH), g.at(1.9, kH)), c, 7);
    strokeGraph(p, segment(g.at(1.9, kH), g.at(1.9, 0)), c, 7);
    paintJoint(p, g.at(1, kH), c);
    paintJoint(p, g.at(1.9, kH), c);
}

// "Ф": the stem x = 1 and the ellipse x = 1 + 0.95 cos t, y = 0.56 H + 0.27 H sin t.
void paintLetterF(QPainter& p, const Plane& g, const QColor& c) {
    const QPointF centre(1, 0.56 * kH);
    const qreal ry = 0.27 * kH;
    strokeGhost(p, segment(g.at(1, kH), g.at(1, kH + 0.45)), c);
    strokeGhost(p, segment(g.at(0.05, centre.y()), g.at(1.95, centre.y())), c, 1.2);
    strokeGraph(p, ellipseArc(g, centre, 0.95, ry, 0, 360), c, 7);
    strokeGraph(p, segment(g.at(1, 0), g.at(1, kH)), c, 7);
    paintJoint(p, g.at(1, centre.y() + ry), c);
    paintJoint(p, g.at(1, centre.y() - ry), c);
}

// "Ж": the stem x = 1, the short bar y = H / 2, and the corners of the absolute value
// x = 0.75 - 0.75 |y - H/2| / (H/2) and its mirror image.
void paintLetterZh(QPainter& p, const Plane& g, const QColor& c) {
    const qreal mid = kH / 2;
    const auto left = [&](qreal y) { return g.at(0.75 - 0.75 * std::abs(y - mid) / mid, y); };
    const auto right = [&](qreal y) { return g.at(1.25 + 0.75 * std::abs(y - mid) / mid, y); };
    strokeGhost(p, curve(left, kH, kH + 0.45, 1), c);
    strokeGhost(p, curve(right, kH, kH + 0.45, 1), c);
    strokeGhost(p, curve(left, -0.45, 0, 1), c);
    strokeGhost(p, curve(right, -0.45, 0, 1), c);
    strokeGhost(p, segment(g.at(1, kH), g.at(1, kH + 0.45)), c);
    strokeGraph(p, segment(g.at(1, 0), g.at(1, kH)), c, 7);
    strokeGraph(p, segment(g.at(0.75, mid), g.at(1.25, mid)), c, 7);
    strokeGraph(p, curve(left, 0, kH, 2), c, 7);
    strokeGraph(p, curve(right, 0, kH, 2), c, 7);
    paintJoint(p, g.at(0.75, mid), c);
    paintJoint(p, g.at(1.25, mid), c);
}

// "С" being drawn with the compasses: an arc of the circle around the needle.
void paintLetterSWithCompass(QPainter& p, QPointF centre, qreal radius) {
    const auto at = [&](qreal deg) {
        const qreal t = deg * M_PI / 180;
        return centre + QPointF(radius * std::cos(t), -radius * std::sin(t));
    };
    strokeGhost(p, curve(at, 300, 400), colours::plum);
    strokeGraph(p, curve(at, 40, 300), colours::plum, 7);
    paintJoint(p, centre, colours::slate, 2.5);
    paintCompass(p, centre, at(300), 105);
}

// "А" of three segments, y = 3x, y = 6 - 3x and y = 1.1, being finished with a pencil.
void paintLetterAWithPencil(QPainter& p, const Plane& g, const QColor& c) {
    strokeGhost(p, segment(g.at(-0.12, -0.36), g.at(1.15, 3.45)), c);
    strokeGhost(p, segment(g.at(0.85, 3.45), g.at(2.12, -0.36)), c);
    strokeGhost(p, segment(g.at(-0.2, 1.1), g.at(0.37, 1.1)), c);
    strokeGraph(p, segment(g.at(0, 0), g.at(1, 3)), c, 7);
    strokeGraph(p, segment(g.at(1, 3), g.at(2, 0)), c, 7);
    strokeGraph(p, segment(g.at(0.37, 1.1), g.at(1.63, 1.1)), c, 7);
    paintJoint(p, g.at(1, 3), c);
    paintJoint(p, g.at(0.37, 1.1), c);
    paintPencil(p, g.at(1.63, 1.1), 225, 120, colours::amber);
}

void paintCaptionPlate(QPainter& p) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 4; i >= 1; --i) {
        p.setBrush(QColor(40, 70, 120, 10));
        p.drawRoundedRect(kCaptionPlate.translated(1, 2).adjusted(-i, -i, i, i), 14 + i, 14 + i);
    }
    p.setBrush(QColor(255, 255, 255));
    p.setPen(QPen(QColor(150, 180, 222), 1.6));
    p.drawRoundedRect(kCaptionPlate, 14, 14);
    p.setPen(QPen(QColor(214, 228, 246), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kCaptionPlate.adjusted(4, 4, -4, -4), 10, 10);
    p.restore();
}

}  // namespace

QImage paintStartScreenPicture() {
    QImage image(521, 657, QImage::Format_RGB32);
    image.fill(kDeskColour);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF sheet(10, 9, 500, 637);
    paintSheet(p, sheet, 10, QColor(250, 252, 255));
    const Plane g{{sheet.left() + 38, 306}, 54};
    paintGraphPaper(p, sheet.adjusted(6, 6, -6, -6), g.origin, 13.5, 4, QColor(222, 233, 246),
                    QColor(192, 212, 236));
    paintAxes(p, g.origin, QRectF(sheet.left() + 14, sheet.top() + 18, sheet.width() - 30, 312), 54,
              colours::slate);

    paintLetterL(p, Plane{g.at(0.5, 0), g.unit}, colours::coral);
    paintLetterF(p, Plane{g.at(3.05, 0), g.unit}, colours::teal);
    paintLetterZh(p, Plane{g.at(5.75, 0), g.unit}, colours::sky);

    paintCaptionPlate(p);
    paintLetterSWithCompass(p, QPointF(100, 460), 44);
    paintLetterAWithPencil(p, Plane{{366, 503}, 29}, colours::green);
    paintProtractor(p, QPointF(112, 622), 78);
    paintRuler(p, QPointF(214, 590), 0, 222, 30, 6);
    return image;
}

}  // namespace painters
