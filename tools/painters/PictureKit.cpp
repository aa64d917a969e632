#include "PictureKit.h"

#include <QtMath>
#include <cmath>

namespace painters {

QPainterPath curve(const std::function<QPointF(qreal)>& point, qreal t0, qreal t1, int steps) {
    QPainterPath path(point(t0));
    for (int i = 1; i <= steps; ++i) path.lineTo(point(t0 + (t1 - t0) * i / steps));
    return path;
}

QPainterPath segment(QPointF a, QPointF b) {
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

QPainterPath ellipseArc(const Plane& plane, QPointF centre, qreal rx, qreal ry, qreal fromDeg,
                        qreal toDeg) {
    return curve(
        [&](qreal deg) {
            const qreal t = qDegreesToRadians(deg);
            return plane.at(centre.x() + rx * std::cos(t), centre.y() + ry * std::sin(t));
        },
        fromDeg, toDeg);
}

void paintSheet(QPainter& p, const QRectF& sheet, qreal radius, const QColor& paper) {
    p.save();
    p.setPen(Qt::NoPen);
    // A shadow that fades out over a few pixels, offset down and right.
    for (int i = 6; i >= 1; --i) {
        p.setBrush(QColor(40, 60, 90, 9));
        p.drawRoundedRect(sheet.translated(1.5, 2.5).adjusted(-i, -i, i, i), radius + i,
                          radius + i);
    }
    p.setBrush(paper);
    p.setPen(QPen(QColor(176, 194, 216), 1.0));
    p.drawRoundedRect(sheet, radius, radius);
    p.restore();
}

void paintGraphPaper(QPainter& p, const QRectF& area, QPointF anchor, qreal cell, int major,
                     const QColor& minorLine, const QColor& majorLine) {
    p.save();
    p.setClipRect(area);
    const auto firstIndex = [&](qreal from, qreal at) {
        return static_cast<int>(std::floor((from - at) / cell));
    };
    for (int pass = 0; pass < 2; ++pass) {  // minor lines first, so that the bold ones stay on top
        for (int i = firstIndex(area.left(), anchor.x()); anchor.x() + i * cell <= area.right();
             ++i) {
            const bool isMajor = i % major == 0;
            if (isMajor != (pass == 1)) continue;
            p.setPen(QPen(isMajor ? majorLine : minorLine, isMajor ? 1.2 : 0.8));
            const qreal x = anchor.x() + i * cell;
            p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        }
        for (int i = firstIndex(area.top(), anchor.y()); anchor.y() + i * cell <= area.bottom();
             ++i) {
            const bool isMajor = i % major == 0;
            if (isMajor != (pass == 1)) continue;
            p.setPen(QPen(isMajor ? majorLine : minorLine, isMajor ? 1.2 : 0.8));
            const qreal y = anchor.y() + i * cell;
            p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        }
    }
    p.restore();
}

namespace {

void paintArrowHead(QPainter& p, QPointF tip, QPointF direction, const QColor& colour) {
    const QPointF d = direction / std::hypot(direction.x(), direction.y());
    const QPointF n(-d.y(), d.x());
    QPolygonF head;
    head << tip << tip - d * 12 + n * 4.5 << tip - d * 9 << tip - d * 12 - n * 4.5;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

}  // namespace

void paintAxes(QPainter& p, QPointF origin, const QRectF& extent, qreal tick,
               const QColor& colour) {
    p.save();
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(extent.left(), origin.y()), QPointF(extent.right() - 6, origin.y()));
    p.drawLine(QPointF(origin.x(), extent.bottom()), QPointF(origin.x(), extent.top() + 6));
    p.setPen(QPen(colour, 1.4));
    for (qreal x = origin.x() + tick; x < extent.right() - 16; x += tick)
        p.drawLine(QPointF(x, origin.y() - 4), QPointF(x, origin.y() + 4));
    for (qreal x = origin.x() - tick; x > extent.left() + 4; x -= tick)
        p.drawLine(QPointF(x, origin.y() - 4), QPointF(x, origin.y() + 4));
    for (qreal y = origin.y() - tick; y > extent.top() + 16; y -= tick)
        p.drawLine(QPointF(origin.x() - 4, y), QPointF(origin.x() + 4, y));
    for (qreal y = origin.y() + tick; y < extent.bottom() - 4; y += tick)
        p.drawLine(QPointF(origin.x() - 4, y), QPointF(origin.x() + 4, y));
    paintArrowHead(p, QPointF(extent.right(), origin.y()), QPointF(1, 0), colour);
    paintArrowHead(p, QPointF(origin.x(), extent.top()), QPointF(0, -1), colour);
    p.restore();
}

void strokeGraph(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 50, 80, 34), width + 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(1.4, 2.0));
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void strokeGhost(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width) {
    p.save();
    p.setBrush(Qt::NoBrush);
    QColor faint = colour;
    faint.setAlpha(120);
    QPen pen(faint, width, Qt::CustomDashLine, Qt::RoundCap);
    pen.setDashPattern({3.0, 3.0});
    p.setPen(pen);
    p.drawPath(path);
    p.restore();
}

void paintJoint(QPainter& p, QPointF at, const QColor& colour, qreal radius) {
    p.save();
    p.setPen(QPen(colour.darker(125), 1.6));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(at, radius, radius);
    p.restore();
}

}  // namespace painters
