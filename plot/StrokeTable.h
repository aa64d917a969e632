#pragma once

#include <QColor>
#include <optional>
#include <type_traits>
#include <vector>

// The stroke catalogue is data: every single stroke and every letter is a row of loops, and each
// loop is a list of parts whose coordinates are small expressions in the loop parameter t. One
// engine (runStrokeRoutine) runs any row with the shared step loop.

// A coordinate of a part, an offset from the origin: a constant, or a function of t kept with
// the exact arithmetic of its formula. Rounding happens only when the point is drawn.
class Coord {
  public:
    constexpr Coord(double value) : value_(value) {}
    constexpr Coord(int value) : value_(value) {}
    template <class F>
    requires std::is_convertible_v<F, double (*)(double)>
    constexpr Coord(F fn) : fn_(fn) {}

    double at(double t) const { return fn_ ? fn_(t) : value_; }

  private:
    double value_ = 0;
    double (*fn_)(double) = nullptr;
};

// A pen width: a fixed number of pixels, or whatever plotState.penWidth holds when drawn.
struct StrokeWidth {
    bool fromPlotState = false;
    int pixels = 0;
};
inline constexpr StrokeWidth kPlotPenWidth{true, 0};
constexpr StrokeWidth pixels(int w) {
    return StrokeWidth{false, w};
}

// The pause of one step.
struct StepPause {
    enum Kind { None, Fixed, StepDelay, TwiceStepDelay };
    Kind kind = None;
    int ms = 0;
};
inline constexpr StepPause kNoPause{StepPause::None, 0};
inline constexpr StepPause kStepDelay{StepPause::StepDelay, 0};
inline constexpr StepPause kTwiceStepDelay{StepPause::TwiceStepDelay, 0};
constexpr StepPause pauseMs(int ms) {
    return StepPause{StepPause::Fixed, ms};
}

// One part of a step, drawn in list order.
struct StrokePart {
    enum Kind {
        Segment,    // MoveTo (ax, ay), LineTo (bx, by): growing or fixed, as the coordinates say
        Dot,        // MoveTo and LineTo (ax, ay): a dot of the pen's width
        Ellipse,    // the ellipse inscribed in the box (ax, ay) – (bx, by)
        Width,      // the pen width for the parts after it, in this step only
        Pause,      // where the step pauses, when not straight after the pen is set
        PenColour,  // the pen colour for what follows, and for whoever draws next
    };
    Kind kind;
    Coord ax{0}, ay{0}, bx{0}, by{0};
    StrokeWidth width{};
    QRgb colour = 0;
};

inline StrokePart grow(Coord ax, Coord ay, Coord bx, Coord by) {
    return {StrokePart::Segment, ax, ay, bx, by};
}
inline StrokePart fixed(Coord ax, Coord ay, Coord bx, Coord by) {
    return {StrokePart::Segment, ax, ay, bx, by};
}
inline StrokePart dot(Coord x, Coord y) {
    return {StrokePart::Dot, x, y};
}
inline StrokePart ellipseInBox(Coord x1, Coord y1, Coord x2, Coord y2) {
    return {StrokePart::Ellipse, x1, y1, x2, y2};
}
inline StrokePart widthSwitch(StrokeWidth w) {
    StrokePart p{StrokePart::Width};
    p.width = w;
    return p;
}
inline StrokePart pauseHere() {
    return {StrokePart::Pause};
}
inline StrokePart penColourSwitch(QRgb colour) {
    StrokePart p{StrokePart::PenColour};
    p.colour = colour;
    return p;
}

// Several parts lists one after another ("the four parts of Е, then …").
std::vector<StrokePart> join(std::vector<StrokePart> first, const std::vector<StrokePart>& then);

// The parameter range of a loop: fixed, or left by the caller (the loop then sets only the step).
struct LoopRange {
    bool fromCaller = false;
    double start = 0, end = 0, step = 0;
};
constexpr LoopRange range(double start, double end, double step) {
    return LoopRange{false, start, end, step};
}
constexpr LoopRange callerRange(double step) {
    return LoopRange{true, 0, 0, step};
}

struct StrokeLoop {
    // How a step advances t beyond the loop's own advance.
    enum Advance {
        OneStep,                // the plain loop
        FirstStepOnlyAdvances,  // the first step draws nothing, pauses not, sets no pen
        TwoStepsPerStep,        // t advanced once more before each step is drawn
    };
    LoopRange range;
    StrokeWidth width;
    StepPause pause;
    std::vector<StrokePart> parts;
    std::optional<QRgb> stepColour = std::nullopt;  // single strokes set it at every step
    Advance advance = OneStep;
};

// A routine: one loop, or, for "Й", the letter and then its breve.
struct StrokeRoutine {
    char16_t letter = 0;  // 0 for the single strokes
    std::vector<StrokeLoop> loops;
};

void runStrokeLoop(const StrokeLoop& loop);
void runStrokeRoutine(const StrokeRoutine& routine);

// The row of a letter in a table, nullptr if the table has none.
const StrokeRoutine* findRoutine(const std::vector<StrokeRoutine>& table, char16_t letter);
