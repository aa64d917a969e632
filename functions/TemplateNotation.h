#pragma once

// The notation of the template table. Include it LAST in a table source: XY is a macro.
//   XY(x, y)  a point whose coordinates are expressions in t (paramValue) and X, Y (the origin)
//   R(v)      [v]: v rounded to the nearest integer, halves to even
//   sq(v)     v², written as one product so that 90·t² is 90 × (t × t)
#include <cmath>

#include "LetterTemplates.h"
#include "Rounding.h"

namespace templatenotation {
inline int R(double v) {
    return roundHalfEven(v);
}
inline double sq(double v) {
    return v * v;
}
}  // namespace templatenotation

#define TEMPLATE_COORD(...)                               \
    []([[maybe_unused]] double t, [[maybe_unused]] int X, \
       [[maybe_unused]] int Y) -> TemplatePixel {         \
        using templatenotation::R;                        \
        using templatenotation::sq;                       \
        using std::abs;                                   \
        using std::cos;                                   \
        using std::sin;                                   \
        return (__VA_ARGS__);                             \
    }
#define XY(x, y) (TemplatePoint{TEMPLATE_COORD(x), TEMPLATE_COORD(y)})
