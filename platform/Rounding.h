#pragma once

#include <cmath>

// Every pixel coordinate is rounded to the nearest integer with halves to even, each coordinate
// on its own, exactly where the drawing rounds and nowhere else.
inline int roundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}
