#include "Evaluator.h"

#include "Arithmetic.h"

namespace parser {
namespace {

// Operations of the evaluator; the token codes of the operators, and one for calls.
enum Operation : std::uint8_t { OpNothing = 0, OpCall = 16 };

// Which operands come from the previous step's result.
constexpr std::uint8_t kFirstIsPrevious = 1;
constexpr std::uint8_t kSecondIsPrevious = 2;

}  // namespace

Evaluator::Evaluator(std::vector<ParserOperation>& chain) {
    steps_.reserve(chain.size());
    const double* previous = nullptr;
    for (ParserOperation& op : chain) {
        Step step{};
        step.a = op.arg1;
        step.b = op.arg2;
        step.dest = op.dest;
        step.source = &op;
        std::uint8_t operation = op.token;
        if (op.token == TokVariable || op.token == TokConstant) operation = OpNothing;
        if (op.token == TokFunction1 || op.token == TokFunction2) operation = OpCall;
        std::uint8_t fromPrevious = 0;
        if (operation != OpNothing && operation != OpCall && previous != nullptr) {
            if (op.arg1 == previous)
                fromPrevious = kFirstIsPrevious;
            else if (op.arg2 != nullptr && op.arg2 == previous)
                fromPrevious = kSecondIsPrevious;
        }
        step.code = static_cast<std::uint8_t>(operation * 4 + fromPrevious);
        steps_.push_back(step);
        previous = op.dest;
    }
    result_ = chain.back().dest;
}

double Evaluator::run() const {
    double last = 0;
    for (const Step& s : steps_) {
        double r;
        switch (s.code) {
#define PARSER_UNARY(token, kernel)    \
    case (token)*4:                    \
        r = kernel(*s.a);              \
        break;                         \
    case (token)*4 + kFirstIsPrevious: \
        r = kernel(last);              \
        break;
#define PARSER_BINARY(token, kernel)    \
    case (token)*4:                     \
        r = kernel(*s.a, *s.b);         \
        break;                          \
    case (token)*4 + kFirstIsPrevious:  \
        r = kernel(last, *s.b);         \
        break;                          \
    case (token)*4 + kSecondIsPrevious: \
        r = kernel(*s.a, last);         \
        break;
            PARSER_UNARY(TokNegate, negateValue)
            PARSER_BINARY(TokAdd, addValues)
            PARSER_BINARY(TokSubtract, subtractValues)
            PARSER_BINARY(TokMultiply, multiplyValues)
            PARSER_BINARY(TokDivide, divideValues)
            PARSER_BINARY(TokModulo, moduloValues)
            PARSER_BINARY(TokIntDivide, intDivideValues)
            PARSER_BINARY(TokIntPower, intPowerValues)
            PARSER_BINARY(TokRealPower, realPower)
            PARSER_UNARY(TokSquare, squareValue)
            PARSER_UNARY(TokCube, cubeValue)
            PARSER_UNARY(TokFourthPower, fourthPowerValue)
#undef PARSER_UNARY
#undef PARSER_BINARY
            case OpCall * 4:
                s.source->routine(*s.source);
                last = *s.dest;
                continue;
            case OpNothing * 4:  // the lone variable or number: its cell is the result
                last = *s.dest;
                continue;
            default:
                // Codes are made only by the constructor above; telling the compiler so spares
                // the range test in front of the jump table.
                __builtin_unreachable();
        }
        *s.dest = r;
        last = r;
    }
    return *result_;
}

}  // namespace parser
