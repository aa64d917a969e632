#include "Routines.h"

#include <cmath>
#include <cstdint>

#include "FloatChecks.h"

namespace parser {
namespace {

void doNothing(ParserOperation&) {}

void negate(ParserOperation& s) { *s.dest = -*s.arg1; }

void add(ParserOperation& s) {
    const double a = *s.arg1, b = *s.arg2;
    *s.dest = checked(a + b, a, b);
}

void subtract(ParserOperation& s) {
    const double a = *s.arg1, b = *s.arg2;
    *s.dest = checked(a - b, a, b);
}

void multiply(ParserOperation& s) {
    const double a = *s.arg1, b = *s.arg2;
    *s.dest = checked(a * b, a, b);
}

void divide(ParserOperation& s) {
    const double a = *s.arg1, b = *s.arg2;
    if (b == 0) {
        // 0/0 is invalid; x/0 with finite x != 0 a division by zero; inf/0 and NaN/0 are quiet.
        if (a == 0) raiseInvalidOp();
        if (isFiniteDouble(a)) raiseZeroDivide();
    }
    *s.dest = checked(a / b, a, b);
}

// Truncates both operands to 64-bit integers; the integral divisor must not be 0.
struct IntegerOperands {
    long long a;
    long long b;
};

IntegerOperands integerOperands(const ParserOperation& s) {
    const long long a = truncToInt64(*s.arg1);
    const long long b = truncToInt64(*s.arg2);
    if (b == 0) raiseDivByZero();
    return {a, b};
}

constexpr long long kInt64Min = INT64_MIN;

void modulo(ParserOperation& s) {
    const IntegerOperands v = integerOperands(s);
    // The remainder takes the sign of the dividend; (-2^63) MOD -1 is 0, not a trap.
    *s.dest = (v.b == -1) ? 0.0 : static_cast<double>(v.a % v.b);
}

void intDivide(ParserOperation& s) {
    const IntegerOperands v = integerOperands(s);
    // (-2^63) DIV -1 is 2^63, which a 64-bit integer cannot hold but a double can.
    if (v.a == kInt64Min && v.b == -1) {
        *s.dest = 9223372036854775808.0;
        return;
    }
    *s.dest = static_cast<double>(v.a / v.b);
}

void intPower(ParserOperation& s) { *s.dest = integralPower(*s.arg1, truncToInt32(*s.arg2)); }

void realPowerStep(ParserOperation& s) { *s.dest = realPower(*s.arg1, *s.arg2); }

void square(ParserOperation& s) {
    const double a = *s.arg1;
    *s.dest = checked(a * a, a);
}

void cube(ParserOperation& s) {
    const double a = *s.arg1;
    *s.dest = checked((a * a) * a, a);
}

void fourthPower(ParserOperation& s) {
    const double a = *s.arg1;
    const double a2 = a * a;
    *s.dest = checked(a2 * a2, a);
}

}  // namespace

double integralPower(double a, int n) {
    if (n == 0) return 1.0;
    unsigned long long m = n < 0 ? 0ULL - static_cast<unsigned long long>(static_cast<long long>(n))
                                 : static_cast<unsigned long long>(n);
    long double factor = a;
    long double result = 1.0L;
    for (;;) {
        if (m & 1ULL) result *= factor;
        m >>= 1;
        if (m == 0) break;
        factor *= factor;
    }
    if (n < 0) {
        if (result == 0) {
            if (std::isnan(a)) return a;
            raiseZeroDivide();  // 0 to a negative power, or a power too small even for extended
        }
        if (std::isinf(result) && std::isfinite(a)) raiseOverflow();
        result = 1.0L / result;
    }
    return roundToDouble(result, a);
}

double realPower(double a, double b) {
    if (b == 0) return 1.0;
    if (a == 0 && b > 0) return 0.0;
    if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0) {
        return integralPower(a, static_cast<int>(b));
    }
    // exp(b * ln a) in extended precision.
    if (std::isnan(a) || std::isnan(b)) return a + b;
    if (a < 0) raiseInvalidOp();
    if (a == 0) raiseZeroDivide();
    const long double product = static_cast<long double>(b) * std::log(static_cast<long double>(a));
    if (std::isnan(product)) raiseInvalidOp();  // for example 1^inf: inf * 0
    const long double result = std::exp(product);
    if (std::isinf(result) && !std::isinf(product)) raiseOverflow();
    return roundToDouble(result, a, b);
}

TParserRoutine routineForToken(std::uint8_t token) {
    switch (token) {
        case TokVariable:
        case TokConstant: return doNothing;
        case TokNegate: return negate;
        case TokAdd: return add;
        case TokSubtract: return subtract;
        case TokMultiply: return multiply;
        case TokDivide: return divide;
        case TokModulo: return modulo;
        case TokIntDivide: return intDivide;
        case TokIntPower: return intPower;
        case TokRealPower: return realPowerStep;
        case TokSquare: return square;
        case TokCube: return cube;
        case TokFourthPower: return fourthPower;
        default: return nullptr;
    }
}

}  // namespace parser
