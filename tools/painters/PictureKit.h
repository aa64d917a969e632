#pragma once

// Drawing helpers shared by the painters of the window's pictures: graph paper, axes,
// graphs of functions and the construction lines around them.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <functional>

namespace painters {

// Maps graph units (y up) to picture pixels (y down).
struct Plane {
    QPointF origin;
    qreal unit = 1;
    QPointF at(qreal x, qreal y) const { return {origin.x() + x * unit, origin.y() - y * unit}; }
};

// A parametric curve t -> point (in pixels), sampled finely enough to look smooth.
QPainterPath curve(const std::function<QPointF(qreal)>& point, qreal t0, qreal t1, int steps = 160);
QPainterPath segment(QPointF a, QPointF b);
// The arc of the ellipse x = cx + rx cos t, y = cy + ry sin t (graph units, degrees).
QPainterPath ellipseArc(const Plane& plane, QPointF centre, qreal rx, qreal ry, qreal fromDeg,
                        qreal toDeg);

// Soft colours of the letters: calm, but strong enough to read on graph paper.
namespace colours {
inline const QColor coral{222, 105, 86};
inline const QColor teal{38, 150, 138};
inline const QColor amber{226, 160, 48};
inline const QColor plum{138, 98, 176};
inline const QColor sky{66, 128, 196};
inline const QColor green{92, 158, 78};
inline const QColor slate{84, 108, 146};
}  // namespace colours

// A sheet of paper lying on whatever is painted around it: soft shadow, rounded corners.
void paintSheet(QPainter& p, const QRectF& sheet, qreal radius, const QColor& paper);
// Squared paper clipped to `area`, its lines passing through `anchor`; every `major`-th line
// bolder.
void paintGraphPaper(QPainter& p, const QRectF& area, QPointF anchor, qreal cell, int major,
                     const QColor& minorLine, const QColor& majorLine);
// Coordinate axes through `origin`, with arrows and a tick every `tick` pixels, inside `extent`.
void paintAxes(QPainter& p, QPointF origin, const QRectF& extent, qreal tick, const QColor& colour);

// One piece of a graph, as the letters are built: a round-capped line with a faint shadow.
void strokeGraph(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width);
// The rest of the same function's graph: a thin dashed construction line.
void strokeGhost(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width = 1.6);
// A plotted point where two pieces meet.
void paintJoint(QPainter& p, QPointF at, const QColor& colour, qreal radius = 4.2);

}  // namespace painters
