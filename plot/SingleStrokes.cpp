// The five single strokes: orange at the start of every step, each with its fixed width.
#include <cmath>

#include "PlotState.h"
#include "StrokeCatalogue.h"
#include "StrokeTable.h"
// Last: the T(…) notation of the tables.
#include "StrokeExpr.h"

namespace {

constexpr QRgb kOrange = 0xFF961B;  // RGB(255, 150, 27)
constexpr QRgb kMaroon = 0x800000;  // RGB(128, 0, 0)

StrokeRoutine single(LoopRange r, int width, StepPause pause, std::vector<StrokePart> parts) {
    return StrokeRoutine{0, {StrokeLoop{r, pixels(width), pause, std::move(parts), kOrange}}};
}

}  // namespace

void VerticalGuideStroke() {
    // The line stands at shiftX from the origin; the maroon pen after each step is what the
    // next drawing inherits.
    static const StrokeRoutine r = single(
        range(0, 1.4, 0.01), 2, pauseMs(1),
        {fixed(T(plotState.shiftX), -180, T(plotState.shiftX), 240), penColourSwitch(kMaroon)});
    runStrokeRoutine(r);
}

void HorizontalGuideStroke() {
    // Grows from 49 px left of the origin: first reaching far left, then shrinking back and
    // growing out to the right.
    static const StrokeRoutine r =
        single(range(-4.7, 4.7, 0.01), 2, pauseMs(2),
               {grow(-49, T(plotState.shiftY), T(49 * t), T(plotState.shiftY))});
    runStrokeRoutine(r);
}

void AbsCornerStroke() {
    static const StrokeRoutine r =
        single(range(-1.54, 1.54, 0.01), 2, pauseMs(2),
               {grow(58, -2, T(58 + 42 * t), T(-2 - 114 * std::abs(t)))});
    runStrokeRoutine(r);
}

void SlantLineStroke() {
    static const StrokeRoutine r =
        single(range(-2.6, 3.3, 0.01), 1, pauseMs(2), {grow(0, 0, T(-44 * t), T(66 * t))});
    runStrokeRoutine(r);
}

void ParabolaArmStroke() {
    static const StrokeRoutine r =
        single(range(0, 4, 0.001), 2, kNoPause, {dot(T(34 + 33.5 * t), T(-75 + 20 * t * t))});
    runStrokeRoutine(r);
}
