#pragma once

#include "FloatChecks.h"

// The arithmetic of the operator steps, shared by the step routines and the evaluator. Each
// function checks its result and raises the evaluation errors (FloatChecks.h).
namespace parser {

inline double negateValue(double a) {
    return -a;
}
inline double addValues(double a, double b) {
    return checked(a + b, a, b);
}
inline double subtractValues(double a, double b) {
    return checked(a - b, a, b);
}
inline double multiplyValues(double a, double b) {
    return checked(a * b, a, b);
}

// Checks a division whose divisor is 0: 0/0 is invalid; x/0 with finite x != 0 a division by
// zero; inf/0 and NaN/0 pass quietly.
void checkZeroDivisor(double a);

inline double divideValues(double a, double b) {
    if (b == 0) checkZeroDivisor(a);
    return checked(a / b, a, b);
}

inline double squareValue(double a) {
    return checked(a * a, a);
}
// The cube and the fourth power keep a × a in extended precision (long double, the x87 format
// on x86-64) and round only the result to double.
inline double cubeValue(double a) {
    const long double e = a;
    return roundToDouble((e * e) * e, a);
}
inline double fourthPowerValue(double a) {
    const long double e = a;
    const long double e2 = e * e;
    return roundToDouble(e2 * e2, a);
}

// MOD and DIV: both operands truncated toward zero to 64-bit integers, then the integer
// remainder (sign of the dividend) or quotient.
double moduloValues(double a, double b);
double intDivideValues(double a, double b);

// a to the power b truncated to a 32-bit integer.
double intPowerValues(double a, double b);

// a raised to the integer n by repeated squaring in extended precision; the reciprocal for
// n < 0.
double integralPower(double a, int n);

// The general power a^b.
double realPower(double a, double b);

}  // namespace parser
