#pragma once

// A coordinate written as an expression in t, e.g. T(46 - 89 * t * t), as a stroke table states
// it. Only the table sources use this, and they include it after every other header, since a
// macro named T would clash with template code that follows.
#define T(...) []([[maybe_unused]] double t) -> double { return (__VA_ARGS__); }
