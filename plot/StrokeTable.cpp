#include "StrokeTable.h"

#include <algorithm>

#include "Draw.h"
#include "Pacing.h"
#include "PlotState.h"
#include "StepLoop.h"

namespace {

int widthNow(StrokeWidth w) {
    return w.fromPlotState ? plotState.penWidth : w.pixels;
}

void pauseFor(StepPause p) {
    switch (p.kind) {
        case StepPause::None:
            break;
        case StepPause::Fixed:
            pacing::pause(p.ms);
            break;
        case StepPause::StepDelay:
            pacing::pause(plotState.stepDelayMs);
            break;
        case StepPause::TwiceStepDelay:
            // Two pauses in a row, each reading the field afresh.
            pacing::pause(plotState.stepDelayMs);
            pacing::pause(plotState.stepDelayMs);
            break;
    }
}

void drawPart(const StrokePart& part, double t, StepPause pause) {
    switch (part.kind) {
        case StrokePart::Segment:
            draw::segment(part.ax.at(t), part.ay.at(t), part.bx.at(t), part.by.at(t));
            break;
        case StrokePart::Dot:
            draw::dot(part.ax.at(t), part.ay.at(t));
            break;
        case StrokePart::Ellipse:
            draw::ellipse(part.ax.at(t), part.ay.at(t), part.bx.at(t), part.by.at(t));
            break;
        case StrokePart::Width:
            draw::penWidth(widthNow(part.width));
            break;
        case StrokePart::Pause:
            pauseFor(pause);
            break;
        case StrokePart::PenColour:
            draw::penColour(QColor::fromRgb(part.colour));
            break;
    }
}

}  // namespace

std::vector<StrokePart> join(std::vector<StrokePart> first, const std::vector<StrokePart>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

void runStrokeLoop(const StrokeLoop& loop) {
    PlotState& ps = plotState;
    if (!loop.range.fromCaller) {
        ps.paramStart = loop.range.start;
        ps.paramEnd = loop.range.end;
    }
    ps.paramStep = loop.range.step;
    const bool pausesInsideStep =
        std::any_of(loop.parts.begin(), loop.parts.end(),
                    [](const StrokePart& p) { return p.kind == StrokePart::Pause; });
    bool firstStep = true;
    runStepLoop([&] {
        const bool skip = firstStep && loop.advance == StrokeLoop::FirstStepOnlyAdvances;
        firstStep = false;
        if (skip) return;
        if (loop.advance == StrokeLoop::TwoStepsPerStep) ps.paramValue += ps.paramStep;
        if (loop.stepColour) draw::penColour(QColor::fromRgb(*loop.stepColour));
        draw::penWidth(widthNow(loop.width));
        if (!pausesInsideStep) pauseFor(loop.pause);
        const double t = ps.paramValue;
        for (const StrokePart& part : loop.parts) drawPart(part, t, loop.pause);
    });
}

void runStrokeRoutine(const StrokeRoutine& routine) {
    for (const StrokeLoop& loop : routine.loops) runStrokeLoop(loop);
}

const StrokeRoutine* findRoutine(const std::vector<StrokeRoutine>& table, char16_t letter) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [letter](const StrokeRoutine& r) { return r.letter == letter; });
    return it == table.end() ? nullptr : &*it;
}
