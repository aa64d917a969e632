#include "TemplateDrawing.h"

#include <QPainter>
#include <algorithm>

#include "Canvas.h"
#include "Draw.h"
#include "Pacing.h"
#include "PlotState.h"

void WindowTemplateTarget::penWidth(int width) {
    draw::penWidth(width);
}

void WindowTemplateTarget::line(QPoint from, QPoint to) {
    WindowCanvas& c = draw::canvas();
    c.moveTo(from.x(), from.y());
    c.lineTo(to.x(), to.y());
}

PictureTemplateTarget::PictureTemplateTarget(QPainter& painter, QPoint at, QColor colour)
    : painter_(painter), at_(at), colour_(colour) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void PictureTemplateTarget::penWidth(int width) {
    width_ = std::max(1, width);
}

void PictureTemplateTarget::line(QPoint from, QPoint to) {
    const QPoint a = from - at_, b = to - at_;
    if (a == b && width_ > 1) {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(colour_);
        painter_.drawEllipse(QRectF(b.x() - width_ / 2.0, b.y() - width_ / 2.0, width_, width_));
        return;
    }
    QPen pen(colour_);
    pen.setWidth(width_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
    if (a == b)
        painter_.drawPoint(b);
    else
        painter_.drawLine(a, b);
}

namespace {
QPoint pointAt(const TemplatePoint& p, double t, int X, int Y) {
    return QPoint(p.x(t, X, Y).value, p.y(t, X, Y).value);
}
}  // namespace

void runTemplateLoop(const TemplateLoop& loop, PlotState& ps, TemplateTarget& target,
                     TemplatePacing pace) {
    ps.paramStart = loop.from;
    ps.paramEnd = loop.below;
    ps.paramStep = loop.step;
    ps.paramValue = ps.paramStart;
    while (ps.paramValue < ps.paramEnd && !(pace.paced && pacing::quitting())) {
        ps.paramValue += ps.paramStep;
        if (loop.stepTwicePerPass) ps.paramValue += ps.paramStep;
        target.penWidth(loop.pen);
        if (pace.paced) pacing::pause(loop.pauseOfStepDelay ? ps.stepDelayMs : loop.pauseMs);
        const std::size_t n = loop.items.size();
        for (std::size_t i = 0; i < n; ++i) {
            // Read afresh for every item: "У" lets other clicks run between its items.
            const TemplateItem& item = loop.items[i];
            const double t = ps.paramValue;
            target.line(pointAt(item.from, t, ps.originX, ps.originY),
                        pointAt(item.to, t, ps.originX, ps.originY));
            if (pace.paced && pace.eventsAfterEachItem && i + 1 < n) pacing::processPendingEvents();
        }
        if (pace.paced) pacing::processPendingEvents();
    }
}
