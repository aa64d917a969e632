#pragma once

#include <vector>

#include "StrokeTarget.h"

struct PlotState;

// The loops that trace a letter stroke by stroke — a lesson's preview in Alphabet mode, a key's
// template in Function mode — are written in one notation and run by one runner.
//
// How to write a loop (TraceNotation.h, included LAST in a table source, brings the notation):
//   - a point is XY(x, y): two expressions in t (paramValue) and X, Y (the origin, originX and
//     originY); [v] is R(v); t² is sq(t), one product, as the formula writes it;
//   - "segment P → Q" is segment(XY(…), XY(…)); "dot at P" is dot(XY(…));
//   - "t from a, step s, while t < b; pen p px; pause q ms" is
//     TraceLoop{.from = a, .step = s, .below = b, .pen = p, .pauseMs = q, .items = {…}},
//     every field left out keeping its default.

// A pixel coordinate, always an integer: a double does not convert, so a coordinate the formula
// rounds must say R(…), and one it does not round cannot pick up a fraction.
struct TracePixel {
    constexpr TracePixel(int v) : value(v) {}
    TracePixel(double) = delete;
    int value;
};

// One coordinate as a function of t and the origin (X, Y) while the loop runs.
using TraceCoord = TracePixel (*)(double t, int X, int Y);

struct TracePoint {
    TraceCoord x = nullptr;
    TraceCoord y = nullptr;
};

// One item of a step: MoveTo `from`, LineTo `to` on the target.
struct TraceItem {
    enum Kind {
        Segment,  // grows where `to` moves with t, fixed otherwise
        Dot,      // the same point twice: a round dot of the pen's width
    };
    Kind kind = Segment;
    TracePoint from{};
    TracePoint to{};
};

inline TraceItem segment(TracePoint from, TracePoint to) {
    return {TraceItem::Segment, from, to};
}
inline TraceItem dot(TracePoint at) {
    return {TraceItem::Dot, at, at};
}

// paramStart = from, paramEnd = below, paramStep = step, paramValue = from; while paramValue <
// belowFactor × paramEnd (paramEnd read afresh at every test, since a drawing started inside may
// change it): t advances by the step (twice when stepTwicePerPass), the pen width is set, the
// loop pauses, every item is drawn for the new t in the listed order, pending events are
// processed. The sum is kept as a double, so the last t may pass the end by nearly one step.
struct TraceLoop {
    double from = 0;
    double step = 0.01;
    double below = 0;
    int pen = 4;
    int pauseMs = 5;
    bool pauseOfStepDelay = false;  // pauses as many ms as stepDelayMs holds at that moment
    std::vector<TraceItem> items{};
    double belowFactor = 1;         // "З" of Alphabet mode tests t < 2 × paramEnd
    bool stepTwicePerPass = false;  // dots 2 steps apart: the dots of "Ё", the breves of "Й"
    bool pictureOnly = false;       // painted into the letter's picture, not animated
};

struct TracePacing {
    bool paced = false;                // pauses and lets pending events in, as on the window
    bool eventsAfterEachItem = false;  // also between the items of a step ("У")
};

// Runs a loop on `ps` (its range and parameter fields, its origin as X and Y) onto the target:
// the window's canvas, paced, or a picture, unpaced. A paced loop also stops once the program is
// quitting.
void runTraceLoop(const TraceLoop& loop, PlotState& ps, StrokeTarget& target, TracePacing pacing);
