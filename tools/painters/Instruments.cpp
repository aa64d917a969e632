#include "Instruments.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <cmath>

namespace painters {

namespace {

QPointF unit(QPointF v) {
    return v / std::hypot(v.x(), v.y());
}
QPointF normal(QPointF d) {
    return {-d.y(), d.x()};
}

// A tapered metal bar from `from` (width w0) to `to` (width w1), shaded across.
void paintBar(QPainter& p, QPointF from, QPointF to, qreal w0, qreal w1) {
    const QPointF d = unit(to - from);
    const QPointF n = normal(d);
    QPolygonF bar;
    bar << from + n * (w0 / 2) << to + n * (w1 / 2) << to - n * (w1 / 2) << from - n * (w0 / 2);
    QLinearGradient shade(from + n * (w0 / 2), from - n * (w0 / 2));
    shade.setColorAt(0.0, QColor(236, 240, 246));
    shade.setColorAt(0.45, QColor(196, 204, 216));
    shade.setColorAt(1.0, QColor(128, 138, 156));
    p.setPen(QPen(QColor(82, 92, 112), 1.1));
    p.setBrush(shade);
    p.drawPolygon(bar);
}

}  // namespace

void paintCompass(QPainter& p, QPointF needle, QPointF lead, qreal legLength) {
    p.save();
    const QPointF middle = (needle + lead) / 2;
    const qreal halfSpan = std::hypot(lead.x() - needle.x(), lead.y() - needle.y()) / 2;
    const qreal rise = std::sqrt(std::max<qreal>(legLength * legLength - halfSpan * halfSpan, 1.0));
    QPointF up = normal(unit(lead - needle));
    if (up.y() > 0) up = -up;
    const QPointF hinge = middle + up * rise;

    // Needle leg: the bar stops short and a thin steel point goes on to the paper.
    const QPointF needleFoot = hinge + (needle - hinge) * 0.86;
    p.setPen(QPen(QColor(70, 78, 92), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(needleFoot, needle);
    paintBar(p, hinge, needleFoot, 9, 5);

    // Lead leg: bar, a dark holder and the sharpened lead.
    const QPointF holderTop = hinge + (lead - hinge) * 0.74;
    const QPointF holderFoot = hinge + (lead - hinge) * 0.90;
    paintBar(p, hinge, holderTop, 9, 6);
    const QPointF d = unit(lead - hinge);
    const QPointF n = normal(d);
    QPolygonF holder;
    holder << holderTop + n * 4 << holderFoot + n * 3.5 << holderFoot - n * 3.5
           << holderTop - n * 4;
    p.setPen(QPen(QColor(40, 48, 64), 1.0));
    p.setBrush(QColor(74, 88, 120));
    p.drawPolygon(holder);
    QPolygonF tip;
    tip << holderFoot + n * 2.2 << lead << holderFoot - n * 2.2;
    p.setBrush(QColor(60, 62, 70));
    p.drawPolygon(tip);

    // Hinge and the knurled handle above it.
    const QPointF handleTop = hinge + up * 24;
    paintBar(p, hinge + up * 5, handleTop, 7, 7);
    p.setPen(QPen(QColor(104, 112, 130), 0.9));
    const QPointF across = normal(up) * 3.2;
    for (int i = 1; i < 5; ++i) {
        const QPointF at = hinge + up * (6 + i * 3.6);
        p.drawLine(at - across, at + across);
    }
    QRadialGradient disc(hinge - QPointF(2, 2), 9);
    disc.setColorAt(0, QColor(246, 248, 252));
    disc.setColorAt(1, QColor(120, 132, 152));
    p.setPen(QPen(QColor(70, 80, 100), 1.2));
    p.setBrush(disc);
    p.drawEllipse(hinge, 7.5, 7.5);
    p.setBrush(QColor(90, 100, 120));
    p.drawEllipse(hinge, 2, 2);
    p.restore();
}

void paintPencil(QPainter& p, QPointF tip, qreal angleDeg, qreal length, const QColor& body) {
    p.save();
    p.translate(tip);
    p.rotate(-angleDeg);
    // Drawn pointing to the left from the origin, so turn it round.
    p.rotate(180);
    const qreal half = 6.5;
    const qreal cone = 26;
    const qreal ferrule = 11;
    const qreal eraser = 12;
    const qreal shaft = length - cone - ferrule - eraser;

    // Wood cone and graphite tip.
    QPolygonF wood;
    wood << QPointF(0, 0) << QPointF(cone, -half) << QPointF(cone, half);
    p.setPen(QPen(QColor(150, 110, 70), 1.0));
    p.setBrush(QColor(236, 200, 150));
    p.drawPolygon(wood);
    QPolygonF lead;
    lead << QPointF(0, 0) << QPointF(cone * 0.32, -half * 0.32)
         << QPointF(cone * 0.32, half * 0.32);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(58, 60, 68));
    p.drawPolygon(lead);

    // Three visible faces of the hexagonal body.
    const QRectF top(cone, -half, shaft, half * 2 / 3);
    const QRectF middle(cone, -half / 3, shaft, half * 2 / 3);
    const QRectF bottom(cone, half / 3, shaft, half * 2 / 3);
    p.setBrush(body.lighter(118));
    p.drawRect(top);
    p.setBrush(body);
    p.drawRect(middle);
    p.setBrush(body.darker(118));
    p.drawRect(bottom);

    // Metal ferrule and eraser.
    QLinearGradient metal(0, -half, 0, half);
    metal.setColorAt(0, QColor(236, 238, 242));
    metal.setColorAt(1, QColor(150, 156, 168));
    p.setBrush(metal);
    p.drawRect(QRectF(cone + shaft, -half - 0.5, ferrule, half * 2 + 1));
    p.setPen(QPen(QColor(130, 136, 150), 0.8));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(cone + shaft + i * ferrule / 4, -half),
                   QPointF(cone + shaft + i * ferrule / 4, half));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 150, 150));
    p.drawRoundedRect(QRectF(cone + shaft + ferrule, -half, eraser, half * 2), 3, 3);
    p.setPen(QPen(body.darker(150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(cone, -half, shaft, half * 2));
    p.restore();
}

void paintRuler(QPainter& p, QPointF corner, qreal angleDeg, qreal length, qreal width,
                qreal step) {
    p.save();
    p.translate(corner);
    p.rotate(-angleDeg);
    const QRectF body(0, 0, length, width);
    p.setPen(QPen(QColor(150, 170, 120, 200), 1.2));
    p.setBrush(QColor(214, 236, 170, 150));
    p.drawRoundedRect(body, 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
    p.drawLine(QPointF(3, width - 2.5), QPointF(length - 3, width - 2.5));
    p.setPen(QPen(QColor(70, 96, 60, 200), 1.0));
    int i = 0;
    for (qreal x = 8; x <= length - 8; x += step, ++i) {
        const qreal tick = i % 10 == 0 ? width * 0.5 : (i % 5 == 0 ? width * 0.36 : width * 0.22);
        p.drawLine(QPointF(x, 0.5), QPointF(x, tick));
    }
    p.restore();
}

void paintProtractor(QPainter& p, QPointF centre, qreal radius) {
    p.save();
    const QRectF outer(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2);
    QPainterPath body;
    body.moveTo(centre + QPointF(radius + 6, 0));
    body.lineTo(centre + QPointF(radius + 6, 8));
    body.lineTo(centre + QPointF(-radius - 6, 8));
    body.lineTo(centre + QPointF(-radius - 6, 0));
    body.lineTo(centre + QPointF(-radius, 0));
    body.arcTo(outer, 180, -180);
    body.closeSubpath();
    p.setPen(QPen(QColor(110, 146, 190, 220), 1.2));
    p.setBrush(QColor(196, 222, 248, 140));
    p.drawPath(body);

    // The window in the middle, and the ticks along the rim.
    const qreal inner = radius * 0.55;
    QPainterPath window;
    window.moveTo(centre + QPointF(inner, 0));
    window.arcTo(QRectF(centre.x() - inner, centre.y() - inner, inner * 2, inner * 2), 0, 180);
    window.closeSubpath();
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawPath(window);
    for (int deg = 0; deg <= 180; deg += 5) {
        const qreal length = deg % 30 == 0 ? 14 : (deg % 10 == 0 ? 9 : 5);
        const QPointF dir(std::cos(qDegreesToRadians(qreal(deg))),
                          -std::sin(qDegreesToRadians(qreal(deg))));
        p.setPen(QPen(QColor(60, 90, 130, deg % 10 == 0 ? 210 : 150), deg % 30 == 0 ? 1.2 : 0.9));
        p.drawLine(centre + dir * radius, centre + dir * (radius - length));
    }
    p.setPen(QPen(QColor(60, 90, 130, 210), 1.2));
    p.drawLine(centre + QPointF(-6, 0), centre + QPointF(6, 0));
    p.drawLine(centre + QPointF(0, -6), centre + QPointF(0, 0));
    p.restore();
}

}  // namespace painters
