#pragma once

// The notation of the stroke loops (StrokeLoop.h). Include it LAST in a table source: XY is a
// macro.
//   XY(x, y)  a point whose coordinates are expressions in t (paramValue) and X, Y (the origin)
//   R(v)      [v]: v rounded to the nearest integer, halves to even
//   sq(v)     v², written as one product so that 90·t² is 90 × (t × t)
#include <cmath>

#include "Rounding.h"
#include "StrokeLoop.h"

namespace strokenotation {
inline int R(double v) {
    return roundHalfEven(v);
}
inline double sq(double v) {
    return v * v;
}
}  // namespace strokenotation

#define STROKE_COORD(...)                                                                          \
    []([[maybe_unused]] double t, [[maybe_unused]] int X, [[maybe_unused]] int Y) -> StrokePixel { \
        using strokenotation::R;                                                                   \
        using strokenotation::sq;                                                                  \
        using std::abs;                                                                            \
        using std::cos;                                                                            \
        using std::sin;                                                                            \
        return (__VA_ARGS__);                                                                      \
    }
#define XY(x, y) (StrokePoint{STROKE_COORD(x), STROKE_COORD(y)})
