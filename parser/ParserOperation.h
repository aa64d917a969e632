#pragma once

#include <cstdint>

// One step of a compiled expression and the token codes that name what it does.

// Token codes, one byte each. The compiler and the routine assignment both rely on these values.
enum ParserToken : std::uint8_t {
    TokVariable = 0,      // operand is a variable
    TokConstant = 1,      // operand is a number
    TokNegate = 2,        // unary minus
    TokAdd = 3,           // +
    TokSubtract = 4,      // -
    TokMultiply = 5,      // *
    TokDivide = 6,        // /
    TokModulo = 7,        // MOD
    TokIntDivide = 8,     // DIV
    TokIntPower = 9,      // ^ with an integral constant exponent other than 2, 3, 4
    TokRealPower = 10,    // ^ with any other exponent
    TokSquare = 11,       // ^2
    TokCube = 12,         // ^3
    TokFourthPower = 13,  // ^4
    TokFunction1 = 14,    // one-argument function
    TokFunction2 = 15,    // two-argument function
};

struct ParserOperation;

// Computes `dest` from `arg1` (and `arg2`). Evaluation errors are thrown from here.
using TParserRoutine = void (*)(ParserOperation& step);

// Operands are shared cells: a variable operand points straight at the variable's storage, a
// constant at a cell of its own, a sub-expression at the `dest` of the step computing it.
struct ParserOperation {
    double* arg1 = nullptr;
    double* arg2 = nullptr;  // none for one-operand steps
    double* dest = nullptr;
    ParserOperation* next = nullptr;  // none for the last step
    TParserRoutine routine = nullptr;
    std::uint8_t token = TokVariable;
};

// True for the tokens whose step takes a second operand.
constexpr bool isTwoOperandToken(std::uint8_t token) {
    return (token >= TokAdd && token <= TokRealPower) || token == TokFunction2;
}
