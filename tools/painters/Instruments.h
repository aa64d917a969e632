#pragma once

// The drawing instruments of a geometry lesson, drawn as simple flat illustrations.

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace painters {

// A pair of compasses with its needle at `needle` and its lead at `lead`, each leg
// `legLength` long, the hinge above the line between the two points.
void paintCompass(QPainter& p, QPointF needle, QPointF lead, qreal legLength);

// A hexagonal pencil lying with its point at `tip`, pointing along `angleDeg` (0 = right,
// 90 = up), `length` pixels long.
void paintPencil(QPainter& p, QPointF tip, qreal angleDeg, qreal length, const QColor& body);

// A transparent school ruler whose top-left corner is at `corner`, turned by `angleDeg`,
// with millimetre-like ticks every `step` pixels (no figures).
void paintRuler(QPainter& p, QPointF corner, qreal angleDeg, qreal length, qreal width, qreal step);

// A transparent protractor: a half disc of `radius` on a baseline through `centre`, with
// degree ticks (no figures).
void paintProtractor(QPainter& p, QPointF centre, qreal radius);

}  // namespace painters
