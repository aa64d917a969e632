#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "Evaluator.h"
#include "ParserOperation.h"
#include "TermRecognizer.h"

namespace parser {

// A compiled expression: the chain of steps and the cells it owns (constants and results).
// Variable storage is only pointed at, never owned. Destroying the program releases every owned
// cell exactly once.
struct CompiledProgram {
    std::vector<double> cells;  // one block, so that the steps' operands sit close together
    std::vector<ParserOperation> steps;  // in chain order; steps[k].next == &steps[k + 1]
    std::unique_ptr<Evaluator> evaluator;
};

// Limits of the operation table: levels 0 to 20, positions 1 to 50 on each level.
inline constexpr int kMaxLevel = 20;
inline constexpr int kMaxPosition = 50;

// Compiles an expression text. Throws the EMathParserError family on any compile error; an
// empty (or all-blank) text is a syntax error here, the caller skips compiling empty texts.
std::unique_ptr<CompiledProgram> compileExpression(std::string_view text,
                                                   const RecognizerTables& tables);

// The work of this thread's last compile, failed or not: the questions asked of the
// recognisers' memory. It counts what compiling costs without a clock, so a test of how compile
// cost grows with the text gives the same answer on any machine.
std::size_t lastCompileWork();

}  // namespace parser
