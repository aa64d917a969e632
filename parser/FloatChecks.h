#pragma once

#include <cfloat>
#include <cmath>

// Explicit tests that stand in for the processor's floating-point exceptions (invalid operation,
// division by zero and overflow unmasked; underflow and inexact results pass silently). Each
// routine computes its result and, only when that result is not a finite double, works out
// which exception the processor would have raised.
namespace parser {

[[noreturn]] void raiseZeroDivide();
[[noreturn]] void raiseInvalidOp();
[[noreturn]] void raiseOverflow();
[[noreturn]] void raiseDivByZero();

inline bool isFiniteDouble(double v) {
    return std::fabs(v) <= DBL_MAX;
}

// A result r of an operation on a and b that is not finite: a NaN made from numbers is an
// invalid operation, an infinity made from finite numbers an overflow. NaN and infinite operands
// pass through quietly, as they do in the processor.
double checkSpecial(double r, double a, double b);

inline double checked(double r, double a, double b) {
    return isFiniteDouble(r) ? r : checkSpecial(r, a, b);
}
inline double checked(double r, double a) {
    return isFiniteDouble(r) ? r : checkSpecial(r, a, a);
}

// Rounds an extended-precision result to double; overflow when the rounding leaves the double
// range (or the extended computation itself overflowed) while the operands were finite.
inline double roundToDouble(long double r, double a, double b) {
    const double d = static_cast<double>(r);
    return isFiniteDouble(d) ? d : checkSpecial(d, a, b);
}
inline double roundToDouble(long double r, double a) {
    return roundToDouble(r, a, a);
}

// Truncation toward zero to a 64-bit or 32-bit integer; a value out of range (or NaN) is an
// invalid operation.
long long truncToInt64(double v);
int truncToInt32(double v);

}  // namespace parser
