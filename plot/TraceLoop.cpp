#include "TraceLoop.h"

#include "Pacing.h"
#include "PlotState.h"
#include "StepLoop.h"

namespace {
QPoint pointAt(const TracePoint& p, double t, int X, int Y) {
    return QPoint(p.x(t, X, Y).value, p.y(t, X, Y).value);
}
}  // namespace

void runTraceLoop(const TraceLoop& loop, PlotState& ps, StrokeTarget& target, TracePacing pace) {
    ps.paramStart = loop.from;
    ps.paramEnd = loop.below;
    ps.paramStep = loop.step;
    runStepLoop(ps,
                [&] {
                    if (loop.stepTwicePerPass) ps.paramValue += ps.paramStep;
                    target.penWidth(loop.pen);
                    if (pace.paced)
                        pacing::pause(loop.pauseOfStepDelay ? ps.stepDelayMs : loop.pauseMs);
                    const std::size_t n = loop.items.size();
                    for (std::size_t i = 0; i < n; ++i) {
                        // t and the origin are read afresh for every item: a click let in between
                        // the items may have moved them.
                        const TraceItem& item = loop.items[i];
                        const double t = ps.paramValue;
                        target.line(pointAt(item.from, t, ps.originX, ps.originY),
                                    pointAt(item.to, t, ps.originX, ps.originY));
                        if (pace.paced && pace.eventsAfterEachItem && i + 1 < n)
                            pacing::processPendingEvents();
                    }
                },
                {.paced = pace.paced, .belowFactor = loop.belowFactor});
}
