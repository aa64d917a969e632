#pragma once

// The notation of the lesson tables. Include it LAST in a table source: XY is a macro.
//   XY(x, y)  a point whose coordinates are expressions in t (paramValue) and X, Y (the origin)
//   R(v)      [v]: v rounded to the nearest integer, halves to even
#include <cmath>

#include "LetterLesson.h"
#include "Rounding.h"

namespace lessonnotation {
inline int R(double v) {
    return roundHalfEven(v);
}
}  // namespace lessonnotation

#define LESSON_COORD(...)                                                                    \
    []([[maybe_unused]] double t, [[maybe_unused]] int X, [[maybe_unused]] int Y) -> Pixel { \
        using lessonnotation::R;                                                             \
        using std::abs;                                                                      \
        using std::cos;                                                                      \
        using std::sin;                                                                      \
        return (__VA_ARGS__);                                                                \
    }
#define XY(x, y) (LessonPoint{LESSON_COORD(x), LESSON_COORD(y)})
