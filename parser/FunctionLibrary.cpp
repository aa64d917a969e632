#include "FunctionLibrary.h"

#include <cmath>
#include <random>

#include "FloatChecks.h"
#include "ParserErrors.h"

namespace parser {
namespace {

// Extended-precision constants used by PH.
constexpr long double kTwoOverPi = 0.636619772367581343075535053490057448L;
constexpr long double kTwoPi = 6.28318530717958647692528676655900577L;

// sin and cos give 0 where the processor's instruction refuses the argument (|x| >= 2^63). An
// infinity is no argument at all: that stays an invalid operation, as in the processor.
constexpr double kTrigLimit = 9223372036854775808.0;

std::mt19937_64& generator() {
    static std::mt19937_64 engine{std::random_device{}()};
    return engine;
}

void fnTan(ParserOperation& s) {
    const double x = *s.arg1;
    *s.dest = checked(std::tan(x), x);
}

void fnSin(ParserOperation& s) {
    const double x = *s.arg1;
    *s.dest = (std::fabs(x) >= kTrigLimit && !std::isinf(x)) ? 0.0 : checked(std::sin(x), x);
}

void fnCos(ParserOperation& s) {
    const double x = *s.arg1;
    *s.dest = (std::fabs(x) >= kTrigLimit && !std::isinf(x)) ? 0.0 : checked(std::cos(x), x);
}

// (e^x - e^-x) * 0.5 and (e^x + e^-x) * 0.5 in extended precision, so that, for example,
// SINH(710) is finite although e^710 is beyond the double range.
void fnSinh(ParserOperation& s) {
    const double x = *s.arg1;
    const long double ex = std::exp(static_cast<long double>(x));
    const long double emx = std::exp(-static_cast<long double>(x));
    if (std::isfinite(x) && (std::isinf(ex) || std::isinf(emx))) raiseOverflow();
    *s.dest = roundToDouble((ex - emx) * 0.5L, x);
}

void fnCosh(ParserOperation& s) {
    const double x = *s.arg1;
    const long double ex = std::exp(static_cast<long double>(x));
    const long double emx = std::exp(-static_cast<long double>(x));
    if (std::isfinite(x) && (std::isinf(ex) || std::isinf(emx))) raiseOverflow();
    *s.dest = roundToDouble((ex + emx) * 0.5L, x);
}

void fnArctan(ParserOperation& s) {
    *s.dest = std::atan(*s.arg1);
}

void fnExp(ParserOperation& s) {
    const double x = *s.arg1;
    *s.dest = checked(std::exp(x), x);
}

void fnLn(ParserOperation& s) {
    const double x = *s.arg1;
    if (x == 0) raiseZeroDivide();
    if (x < 0) raiseInvalidOp();
    *s.dest = std::log(x);  // NaN and +inf pass through
}

void fnSqrt(ParserOperation& s) {
    const double x = *s.arg1;
    if (x < 0) raiseInvalidOp();
    *s.dest = std::sqrt(x);
}

void fnAbs(ParserOperation& s) {
    *s.dest = std::fabs(*s.arg1);
}

void fnHeav(ParserOperation& s) {
    *s.dest = *s.arg1 >= 0 ? 1.0 : 0.0;
}

void fnSign(ParserOperation& s) {
    const double x = *s.arg1;
    *s.dest = x < 0 ? -1.0 : (x > 0 ? 1.0 : 0.0);
}

void fnZero(ParserOperation& s) {
    *s.dest = *s.arg1 == 0 ? 0.0 : 1.0;
}

// The phase of x: u = x / (2/pi) rounded to double, n = u rounded to the nearest integer (ties
// to even), result (u - n) * 2pi.
void fnPh(ParserOperation& s) {
    const double x = *s.arg1;
    const double u = roundToDouble(static_cast<long double>(x) / kTwoOverPi, x);
    const long long n = truncToInt64(std::nearbyint(u));
    *s.dest =
        roundToDouble((static_cast<long double>(u) - static_cast<long double>(n)) * kTwoPi, u);
}

// The integral part of x times a uniform random number in [0, 1).
void fnRnd(ParserOperation& s) {
    const double x = *s.arg1;
    *s.dest = checked(std::trunc(x) * randomUnit(), x);
}

void fnMax(ParserOperation& s) {
    const double a = *s.arg1, b = *s.arg2;
    *s.dest = a >= b ? a : b;
}

void fnMin(ParserOperation& s) {
    const double a = *s.arg1, b = *s.arg2;
    *s.dest = a < b ? a : b;
}

void addFunction(FunctionTable& table, const char* name, TParserRoutine routine) {
    if (!table.add(name, routine)) throw EParserInternalError(kMsgInternal);
}

}  // namespace

void registerBuiltinFunctions(FunctionTable& oneArgument, FunctionTable& twoArguments) {
    addFunction(oneArgument, "TAN", fnTan);
    addFunction(oneArgument, "SIN", fnSin);
    addFunction(oneArgument, "COS", fnCos);
    addFunction(oneArgument, "SINH", fnSinh);
    addFunction(oneArgument, "COSH", fnCosh);
    addFunction(oneArgument, "ARCTAN", fnArctan);
    addFunction(oneArgument, "EXP", fnExp);
    addFunction(oneArgument, "LN", fnLn);
    addFunction(oneArgument, "SQRT", fnSqrt);
    addFunction(oneArgument, "ABS", fnAbs);
    addFunction(oneArgument, "HEAV", fnHeav);
    addFunction(oneArgument, "SIGN", fnSign);
    addFunction(oneArgument, "ZERO", fnZero);
    addFunction(oneArgument, "PH", fnPh);
    addFunction(oneArgument, "RND", fnRnd);
    addFunction(twoArguments, "MAX", fnMax);
    addFunction(twoArguments, "MIN", fnMin);
}

double randomUnit() {
    // 53 random bits: every value is a double in [0, 1).
    return static_cast<double>(generator()() >> 11) * 0x1.0p-53;
}

void seedRandom(std::uint64_t seed) {
    generator().seed(seed);
}

}  // namespace parser
