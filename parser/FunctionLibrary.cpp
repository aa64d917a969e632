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

double tanValue(double x) {
    return checked(std::tan(x), x);
}

double sinValue(double x) {
    return (std::fabs(x) >= kTrigLimit && !std::isinf(x)) ? 0.0 : checked(std::sin(x), x);
}

double cosValue(double x) {
    return (std::fabs(x) >= kTrigLimit && !std::isinf(x)) ? 0.0 : checked(std::cos(x), x);
}

// (e^x - e^-x) * 0.5 and (e^x + e^-x) * 0.5 in extended precision, so that, for example,
// SINH(710) is finite although e^710 is beyond the double range.
double sinhValue(double x) {
    const long double ex = std::exp(static_cast<long double>(x));
    const long double emx = std::exp(-static_cast<long double>(x));
    if (std::isfinite(x) && (std::isinf(ex) || std::isinf(emx))) raiseOverflow();
    return roundToDouble((ex - emx) * 0.5L, x);
}

double coshValue(double x) {
    const long double ex = std::exp(static_cast<long double>(x));
    const long double emx = std::exp(-static_cast<long double>(x));
    if (std::isfinite(x) && (std::isinf(ex) || std::isinf(emx))) raiseOverflow();
    return roundToDouble((ex + emx) * 0.5L, x);
}

double arctanValue(double x) {
    return std::atan(x);
}

double expValue(double x) {
    return checked(std::exp(x), x);
}

double lnValue(double x) {
    if (x == 0) raiseZeroDivide();
    if (x < 0) raiseInvalidOp();
    return std::log(x);  // NaN and +inf pass through
}

double sqrtValue(double x) {
    if (x < 0) raiseInvalidOp();
    return std::sqrt(x);
}

double absValue(double x) {
    return std::fabs(x);
}

double heavValue(double x) {
    return x >= 0 ? 1.0 : 0.0;
}

double signValue(double x) {
    return x < 0 ? -1.0 : (x > 0 ? 1.0 : 0.0);
}

double zeroValue(double x) {
    return x == 0 ? 0.0 : 1.0;
}

// The phase of x: u = x / (2/pi) rounded to double, n = u rounded to the nearest integer (ties
// to even), result (u - n) * 2pi.
double phValue(double x) {
    const double u = roundToDouble(static_cast<long double>(x) / kTwoOverPi, x);
    const long long n = truncToInt64(std::nearbyint(u));
    return roundToDouble((static_cast<long double>(u) - static_cast<long double>(n)) * kTwoPi, u);
}

// The integral part of x times a uniform random number in [0, 1).
double rndValue(double x) {
    return checked(std::trunc(x) * randomUnit(), x);
}

void fnMax(ParserOperation& s) {
    const double a = *s.arg1, b = *s.arg2;
    *s.dest = a >= b ? a : b;
}

void fnMin(ParserOperation& s) {
    const double a = *s.arg1, b = *s.arg2;
    *s.dest = a < b ? a : b;
}

template <double (*Kernel)(double)>
void oneArgument(ParserOperation& s) {
    *s.dest = Kernel(*s.arg1);
}

// The one-argument functions: name, routine and the kernel behind it.
struct OneArgumentFunction {
    const char* name;
    TParserRoutine routine;
    OneArgumentKernel kernel;
};

#define LITERON_FUNCTION(name, kernel)    \
    OneArgumentFunction {                 \
        name, oneArgument<kernel>, kernel \
    }
const OneArgumentFunction kOneArgument[] = {
    LITERON_FUNCTION("TAN", tanValue),   LITERON_FUNCTION("SIN", sinValue),
    LITERON_FUNCTION("COS", cosValue),   LITERON_FUNCTION("SINH", sinhValue),
    LITERON_FUNCTION("COSH", coshValue), LITERON_FUNCTION("ARCTAN", arctanValue),
    LITERON_FUNCTION("EXP", expValue),   LITERON_FUNCTION("LN", lnValue),
    LITERON_FUNCTION("SQRT", sqrtValue), LITERON_FUNCTION("ABS", absValue),
    LITERON_FUNCTION("HEAV", heavValue), LITERON_FUNCTION("SIGN", signValue),
    LITERON_FUNCTION("ZERO", zeroValue), LITERON_FUNCTION("PH", phValue),
    LITERON_FUNCTION("RND", rndValue),
};
#undef LITERON_FUNCTION

void addFunction(FunctionTable& table, const char* name, TParserRoutine routine) {
    if (!table.add(name, routine)) throw EParserInternalError(kMsgInternal);
}

}  // namespace

void registerBuiltinFunctions(FunctionTable& oneArgument, FunctionTable& twoArguments) {
    for (const OneArgumentFunction& f : kOneArgument) addFunction(oneArgument, f.name, f.routine);
    addFunction(twoArguments, "MAX", fnMax);
    addFunction(twoArguments, "MIN", fnMin);
}

OneArgumentKernel kernelOf(TParserRoutine routine) {
    for (const OneArgumentFunction& f : kOneArgument)
        if (f.routine == routine) return f.kernel;
    return nullptr;
}

double randomUnit() {
    // 53 random bits: every value is a double in [0, 1).
    return static_cast<double>(generator()() >> 11) * 0x1.0p-53;
}

void seedRandom(std::uint64_t seed) {
    generator().seed(seed);
}

}  // namespace parser
