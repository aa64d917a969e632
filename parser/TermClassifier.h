#pragma once

#include <cstdint>

#include "ParserOperation.h"
#include "TermRecognizer.h"

namespace parser {

// A piece [a, b) of the expression text.
struct TextRange {
    int a = 0;
    int b = 0;
};

// What a term of the parse tree is: its token and the texts of its operands.
struct TermClass {
    std::uint8_t token = TokVariable;
    TextRange left;                    // first operand (tokens 2 to 15)
    TextRange right;                   // second operand (two-operand tokens)
    double value = 0;                  // TokConstant
    double* variable = nullptr;        // TokVariable
    TParserRoutine routine = nullptr;  // TokFunction1, TokFunction2
};

// Classifies one term by trying the recognisers in the grammar's order. A term that none accepts
// raises ESyntaxError with the texts of the last attempt.
TermClass classifyTerm(TermRecognizer& recognizer, TextRange term);

// The token of "^" for an exponent that is the number v.
std::uint8_t powerToken(double v);

}  // namespace parser
