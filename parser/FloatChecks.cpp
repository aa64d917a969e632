#include "FloatChecks.h"

#include "ParserErrors.h"

EZeroDivide::EZeroDivide() : EMathError(parser::kMsgZeroDivide) {}
EInvalidOp::EInvalidOp() : EMathError(parser::kMsgInvalidOp) {}
EOverflow::EOverflow() : EMathError(parser::kMsgOverflow) {}
EDivByZero::EDivByZero() : EIntError(parser::kMsgDivByZero) {}

namespace parser {

void raiseZeroDivide() {
    throw EZeroDivide();
}
void raiseInvalidOp() {
    throw EInvalidOp();
}
void raiseOverflow() {
    throw EOverflow();
}
void raiseDivByZero() {
    throw EDivByZero();
}

double checkSpecial(double r, double a, double b) {
    if (std::isnan(r)) {
        if (std::isnan(a) || std::isnan(b)) return r;
        raiseInvalidOp();
    }
    if (std::isinf(a) || std::isinf(b)) return r;
    raiseOverflow();
}

long long truncToInt64(double v) {
    // Every double in [-2^63, 2^63) truncates into the 64-bit range.
    if (!(v >= -9223372036854775808.0 && v < 9223372036854775808.0)) raiseInvalidOp();
    return static_cast<long long>(v);
}

int truncToInt32(double v) {
    if (!(v > -2147483649.0 && v < 2147483648.0)) raiseInvalidOp();
    return static_cast<int>(v);
}

}  // namespace parser
