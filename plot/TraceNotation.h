#pragma once

// The notation of the stroke loops (TraceLoop.h). Include it LAST in a table source: XY is a
// macro.
//   XY(x, y)  a point whose coordinates are expressions in t (paramValue) and X, Y (the origin)
//   R(v)      [v]: v rounded to the nearest integer, halves to even
//   sq(v)     v², written as one product so that 90·t² is 90 × (t × t)
#include <cmath>

#include "Rounding.h"
#include "TraceLoop.h"

namespace tracenotation {
inline int R(double v) {
    return roundHalfEven(v);
}
inline double sq(double v) {
    return v * v;
}
}  // namespace tracenotation

#define TRACE_COORD(...)                                                                          \
    []([[maybe_unused]] double t, [[maybe_unused]] int X, [[maybe_unused]] int Y) -> TracePixel { \
        using tracenotation::R;                                                                   \
        using tracenotation::sq;                                                                  \
        using std::abs;                                                                           \
        using std::cos;                                                                           \
        using std::sin;                                                                           \
        return (__VA_ARGS__);                                                                     \
    }
#define XY(x, y) (TracePoint{TRACE_COORD(x), TRACE_COORD(y)})
