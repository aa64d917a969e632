#pragma once

#include <cstdint>
#include <vector>

#include "ParserOperation.h"

namespace parser {

// Runs a compiled chain of steps. The chain is copied into a compact array that the evaluator
// walks with one switch, the arithmetic inline: each step reads its operand cells, computes,
// checks and stores its result cell exactly as its routine would. A step whose operand is the
// result of the step just before takes that value from a register instead of reading it back
// from memory. Function steps call their routine.
class Evaluator {
  public:
    explicit Evaluator(std::vector<ParserOperation>& chain);

    // Evaluates every step in order and returns the last step's result. Evaluation errors end
    // the run at the step that raises them.
    double run() const;

  private:
    struct Step {
        std::uint8_t code;  // operation * 4 + which operands come from the previous result
        double* a;
        double* b;
        double* dest;
        ParserOperation* source;  // for function calls
    };

    std::vector<Step> steps_;
    double* result_ = nullptr;
};

}  // namespace parser
