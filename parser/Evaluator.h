#pragma once

#include <functional>
#include <vector>

#include "ParserOperation.h"

namespace parser {

// Runs a compiled chain of steps. The chain is translated once into threaded code: every step
// holds the handler made for its operation and for where its operands come from (a cell, a
// constant kept inside the step, or the result of the step just before, passed along in a
// register), and each handler hands over to the next step's. Each step computes, checks and
// stores its result cell exactly as its routine would, in the chain's order, so every result and
// every error (its class, and the step raising it) is the routine's. Function steps call their
// routine. An operator step that repeats an earlier one exactly (same operation on the same
// cells, or on numbers of the same value) copies that step's result: the cells it reads cannot
// have changed in between. The commonest shapes run in one handler: a product with a number and
// a sum with a number (k·v ± c), and before it v·v, f(v) or a repeated (v ∓ h)·(v ∓ h); each of
// their steps is still computed, checked and stored in turn.
class Evaluator {
  public:
    // `cells` are the program's own cells: its numbers and its steps' results.
    Evaluator(std::vector<ParserOperation>& chain, const std::vector<double>& cells);

    // Evaluates every step in order and returns the last step's result. Evaluation errors end
    // the run at the step that raises them.
    double run() const { return steps_.front().run(steps_.data(), 0.0); }

    struct Step;
    using Handler = double (*)(const Step* step, double previous);
    struct Step {
        Handler run;
        const double* a;  // the first operand's cell, or the repeated step's result cell
        const double* b;  // the second operand's cell
        double* dest;
        double constant;                     // an operand kept inside the step
        ParserOperation* source;             // for function calls
        double (*kernel)(double) = nullptr;  // a built-in one-argument function, called directly
    };

  private:
    struct Plan;
    static const ParserOperation* repeatedStep(const std::vector<ParserOperation>& chain,
                                               std::size_t k,
                                               const std::function<bool(const double*)>& isNumber);
    void fuseShapes(const std::vector<Plan>& plans);

    std::vector<Step> steps_;  // ends with a step that returns the result
};

}  // namespace parser
