#include "PreviewDrawing.h"

#include <QPainter>
#include <algorithm>

#include "Canvas.h"
#include "Draw.h"
#include "Pacing.h"
#include "PlotState.h"

namespace {
QPoint pointAt(const LessonPoint& p, double t, int X, int Y) {
    return QPoint(p.x(t, X, Y).value, p.y(t, X, Y).value);
}
}  // namespace

void runPreviewLoop(const PreviewLoop& loop, PlotState& ps, StrokeTarget& target, bool paced) {
    ps.paramStart = loop.from;
    ps.paramEnd = loop.below;
    ps.paramStep = loop.step;
    ps.paramValue = ps.paramStart;
    while (ps.paramValue < loop.belowFactor * ps.paramEnd && !(paced && pacing::quitting())) {
        ps.paramValue += ps.paramStep;
        if (loop.stepTwicePerPass) ps.paramValue += ps.paramStep;
        target.penWidth(loop.pen);
        if (paced) pacing::pause(loop.pauseMs);
        const double t = ps.paramValue;
        for (const PreviewStroke& s : loop.strokes)
            target.line(pointAt(s.from, t, ps.originX, ps.originY),
                        pointAt(s.to, t, ps.originX, ps.originY));
        if (paced) pacing::processPendingEvents();
    }
}
