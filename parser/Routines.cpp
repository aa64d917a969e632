#include "Routines.h"

#include "Arithmetic.h"

namespace parser {
namespace {

void doNothing(ParserOperation&) {}

template <double (*Kernel)(double)>
void unaryStep(ParserOperation& s) {
    *s.dest = Kernel(*s.arg1);
}

template <double (*Kernel)(double, double)>
void binaryStep(ParserOperation& s) {
    *s.dest = Kernel(*s.arg1, *s.arg2);
}

}  // namespace

TParserRoutine routineForToken(std::uint8_t token) {
    switch (token) {
        case TokVariable:
        case TokConstant:
            return doNothing;
        case TokNegate:
            return unaryStep<negateValue>;
        case TokAdd:
            return binaryStep<addValues>;
        case TokSubtract:
            return binaryStep<subtractValues>;
        case TokMultiply:
            return binaryStep<multiplyValues>;
        case TokDivide:
            return binaryStep<divideValues>;
        case TokModulo:
            return binaryStep<moduloValues>;
        case TokIntDivide:
            return binaryStep<intDivideValues>;
        case TokIntPower:
            return binaryStep<intPowerValues>;
        case TokRealPower:
            return binaryStep<realPower>;
        case TokSquare:
            return unaryStep<squareValue>;
        case TokCube:
            return unaryStep<cubeValue>;
        case TokFourthPower:
            return unaryStep<fourthPowerValue>;
        default:
            return nullptr;
    }
}

}  // namespace parser
