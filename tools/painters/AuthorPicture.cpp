#include <cmath>

#include "Instruments.h"
#include "PictureKit.h"
#include "Pictures.h"

namespace painters {

namespace {

// The picture is shown squeezed into 203 x 241 on the author panel, so it is drawn in those
// display units and stretched to its stored size: circles come out round on the screen.
constexpr qreal kShownWidth = 203;
constexpr qreal kShownHeight = 241;

// "Л" on the plane `g` (one unit = one display pixel, y up): the top y = 130, the stem
// x = 72, and the left leg, a quarter of the ellipse around (0, 130) with radii 36 and 130.
void paintLetter(QPainter& p, const Plane& g, const QColor& c) {
    strokeGhost(p, ellipseArc(g, {0, 130}, 36, 130, -90, 35), c, 1.0);
    strokeGhost(p, segment(g.at(72, 130), g.at(72, 146)), c, 1.0);
    strokeGhost(p, segment(g.at(72, 130), g.at(86, 130)), c, 1.0);
    strokeGraph(p, ellipseArc(g, {0, 130}, 36, 130, 0, -90), c, 5);
    strokeGraph(p, segment(g.at(36, 130), g.at(72, 130)), c, 5);
    strokeGraph(p, segment(g.at(72, 130), g.at(72, 0)), c, 5);
    paintJoint(p, g.at(36, 130), c, 3);
    paintJoint(p, g.at(72, 130), c, 3);
}

// The compasses are finishing an "О" beside the letter.
void paintCircleWithCompass(QPainter& p, QPointF centre, qreal radius) {
    const auto at = [&](qreal deg) {
        const qreal t = deg * M_PI / 180;
        return centre + QPointF(radius * std::cos(t), -radius * std::sin(t));
    };
    strokeGhost(p, curve(at, 0, 50), colours::teal, 1.0);
    strokeGraph(p, curve(at, 50, 360), colours::teal, 5);
    paintJoint(p, centre, colours::slate, 1.6);
    paintCompass(p, centre, at(0), 82);
}

}  // namespace

QImage paintAuthorPicture() {
    QImage image(350, 503, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(image.width() / kShownWidth, image.height() / kShownHeight);

    const QRectF sheet(3, 3, kShownWidth - 6, kShownHeight - 6);
    p.fillRect(QRectF(0, 0, kShownWidth, kShownHeight),
               QColor(28, 120, 128));  // a teal frame on the aqua panel
    p.fillRect(sheet, QColor(253, 252, 246));
    const Plane g{{sheet.left() + 14, sheet.bottom() - 46}, 1};
    paintGraphPaper(p, sheet, g.origin, 8, 5, QColor(214, 230, 240), QColor(180, 208, 226));
    paintAxes(p, g.origin, sheet.adjusted(4, 6, -6, -14), 40, colours::slate);

    paintLetter(p, Plane{g.at(14, 0), 1}, colours::coral);
    paintCircleWithCompass(p, g.at(148, 28), 26);
    // Only the lowest seventh of the picture shows while the author panel sits at the top of
    // the window, so the pencil lies there.
    paintPencil(p, QPointF(sheet.left() + 24, sheet.bottom() - 17), 180, 150, colours::amber);
    p.end();
    return image;
}

}  // namespace painters
