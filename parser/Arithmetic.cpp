#include "Arithmetic.h"

#include <cmath>
#include <cstdint>

namespace parser {
namespace {

// Truncates both operands to 64-bit integers; the integral divisor must not be 0.
struct IntegerOperands {
    long long a;
    long long b;
};

IntegerOperands integerOperands(double a, double b) {
    const long long ia = truncToInt64(a);
    const long long ib = truncToInt64(b);
    if (ib == 0) raiseDivByZero();
    return {ia, ib};
}

}  // namespace

void checkZeroDivisor(double a) {
    if (a == 0) raiseInvalidOp();
    if (isFiniteDouble(a)) raiseZeroDivide();
}

double moduloValues(double a, double b) {
    const IntegerOperands v = integerOperands(a, b);
    // (-2^63) MOD -1 is 0; the machine's remainder would trap.
    return v.b == -1 ? 0.0 : static_cast<double>(v.a % v.b);
}

double intDivideValues(double a, double b) {
    const IntegerOperands v = integerOperands(a, b);
    // (-2^63) DIV -1 is 2^63, which a 64-bit integer cannot hold but a double can.
    if (v.a == INT64_MIN && v.b == -1) return 9223372036854775808.0;
    return static_cast<double>(v.a / v.b);
}

double intPowerValues(double a, double b) {
    return integralPower(a, truncToInt32(b));
}

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

}  // namespace parser
