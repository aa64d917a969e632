#include "Evaluator.h"

#include <bit>
#include <cstdint>
#include <iterator>
#include <utility>

#include "Arithmetic.h"
#include "FunctionLibrary.h"

namespace parser {
namespace {

using Step = Evaluator::Step;
using Handler = Evaluator::Handler;

// Where an operand comes from.
enum class From { Cell, Constant, Previous };

template <From F>
double operand(const double* cell, const Step* s, double previous) {
    if constexpr (F == From::Cell) return *cell;
    if constexpr (F == From::Constant) return s->constant;
    if constexpr (F == From::Previous) return previous;
}

// Every handler ends by handing its result to the next step's handler (a tail call).
// The chain ends with a step without handler: the last step returns its result itself.
inline double next(const Step* s, double result) {
    const Handler h = s[1].run;
    return h ? h(s + 1, result) : result;
}

// + − × ÷ as plain operations: a result that is not a finite double (the only case in which the
// routine may raise, a zero divisor included) goes to the routine itself, out of line, so that
// the common path keeps no register across a call.
struct Add {
    static double plain(double a, double b) { return a + b; }
    static double routine(double a, double b) { return addValues(a, b); }
};
struct Subtract {
    static double plain(double a, double b) { return a - b; }
    static double routine(double a, double b) { return subtractValues(a, b); }
};
struct Multiply {
    static double plain(double a, double b) { return a * b; }
    static double routine(double a, double b) { return multiplyValues(a, b); }
};
struct Divide {
    static double plain(double a, double b) { return a / b; }
    static double routine(double a, double b) { return divideValues(a, b); }
};

template <class Op>
[[gnu::noinline]] double storeChecked(const Step* s, double a, double b) {
    const double r = Op::routine(a, b);
    *s->dest = r;
    return next(s, r);
}

template <class Op, From A, From B>
double arithmetic(const Step* s, double previous) {
    const double a = operand<A>(s->a, s, previous), b = operand<B>(s->b, s, previous);
    const double r = Op::plain(a, b);
    if (!isFiniteDouble(r)) [[unlikely]]
        return storeChecked<Op>(s, a, b);
    *s->dest = r;
    return next(s, r);
}

template <double (*Kernel)(double), From A>
double unary(const Step* s, double previous) {
    const double r = Kernel(operand<A>(s->a, s, previous));
    *s->dest = r;
    return next(s, r);
}

template <double (*Kernel)(double, double), From A, From B>
double binary(const Step* s, double previous) {
    const double r = Kernel(operand<A>(s->a, s, previous), operand<B>(s->b, s, previous));
    *s->dest = r;
    return next(s, r);
}

// One step of a fused shape: computes, checks (raising the routine's error) and stores its
// own result cell.
template <class Op>
double fusedPart(double a, double b, double* dest) {
    const double r = Op::routine(a, b);
    *dest = r;
    return r;
}

// "k·v ± c" and "c ± k·v" (also v·k, and v the step just before): a product with a number, then
// a sum with a number; the two steps run in one handler. s holds the product, s[1] the sum; the
// handler goes on at s[2]. Both results are checked at once; where either is not a finite double
// the two steps are done again one by one with their routines, which raise the error of the
// step that has one (a finite result of a step is the same either way).
template <bool numberFirst, class Sum, bool productFirst>
[[gnu::noinline]] double affineChecked(const Step* s, double v) {
    const double k = s->constant, c = s[1].constant;
    const double t =
        numberFirst ? fusedPart<Multiply>(k, v, s->dest) : fusedPart<Multiply>(v, k, s->dest);
    const double r =
        productFirst ? fusedPart<Sum>(t, c, s[1].dest) : fusedPart<Sum>(c, t, s[1].dest);
    return next(s + 1, r);
}

template <bool numberFirst, From V, class Sum, bool productFirst>
double affine(const Step* s, double previous) {
    const double k = s->constant, v = operand<V>(numberFirst ? s->b : s->a, s, previous);
    const double t = numberFirst ? Multiply::plain(k, v) : Multiply::plain(v, k);
    const double c = s[1].constant;
    const double r = productFirst ? Sum::plain(t, c) : Sum::plain(c, t);
    if (!(isFiniteDouble(t) & isFiniteDouble(r))) [[unlikely]]
        return affineChecked<numberFirst, Sum, productFirst>(s, v);
    *s->dest = t;
    *s[1].dest = r;
    return next(s + 1, r);
}

template <bool numberFirst, From V>
Handler affineHandler(bool add, bool productFirst) {
    if (add)
        return productFirst ? affine<numberFirst, V, Add, true>
                            : affine<numberFirst, V, Add, false>;
    return productFirst ? affine<numberFirst, V, Subtract, true>
                        : affine<numberFirst, V, Subtract, false>;
}

// Two heads that come before a product with a number and a sum (the affine pair, run here by
// a direct call): "v·v" (c ± k·v·v, the parabolas of the letters) and "(v ∓ h)·(v ∓ h)", whose
// second bracket repeats the first (c ± k·(v ∓ h)², the shifted parabolas).
template <Handler Pair>
[[gnu::noinline]] double squareChecked(const Step* s, double v) {
    return Pair(s + 1, fusedPart<Multiply>(v, v, s->dest));
}

template <Handler Pair>
double squareThen(const Step* s, double) {
    const double v = *s->a;
    const double t = v * v;
    if (!isFiniteDouble(t)) [[unlikely]]
        return squareChecked<Pair>(s, v);
    *s->dest = t;
    return Pair(s + 1, t);
}

template <Handler Pair>
double functionThen(const Step* s, double) {
    const double r = s->kernel(*s->a);
    *s->dest = r;
    return Pair(s + 1, r);
}

template <class Shift, Handler Pair>
double shiftedSquareThen(const Step* s, double) {
    const double t = fusedPart<Shift>(*s->a, s->constant, s->dest);
    *s[1].dest = t;  // the repeated bracket
    return Pair(s + 3, fusedPart<Multiply>(t, t, s[2].dest));
}

// The affine pairs whose product takes the step just before, by (numberFirst, add, productFirst).
constexpr Handler kPairsAfterAStep[8] = {
    affine<false, From::Previous, Subtract, false>, affine<false, From::Previous, Subtract, true>,
    affine<false, From::Previous, Add, false>,      affine<false, From::Previous, Add, true>,
    affine<true, From::Previous, Subtract, false>,  affine<true, From::Previous, Subtract, true>,
    affine<true, From::Previous, Add, false>,       affine<true, From::Previous, Add, true>,
};

template <std::size_t... I>
Handler squareHead(std::size_t pair, std::index_sequence<I...>) {
    constexpr Handler heads[] = {squareThen<kPairsAfterAStep[I]>...};
    return heads[pair];
}

template <std::size_t... I>
Handler functionHead(std::size_t pair, std::index_sequence<I...>) {
    constexpr Handler heads[] = {functionThen<kPairsAfterAStep[I]>...};
    return heads[pair];
}

template <class Shift, std::size_t... I>
Handler shiftedSquareHead(std::size_t pair, std::index_sequence<I...>) {
    constexpr Handler heads[] = {shiftedSquareThen<Shift, kPairsAfterAStep[I]>...};
    return heads[pair];
}

template <From A>
double function(const Step* s, double previous) {
    const double r = s->kernel(operand<A>(s->a, s, previous));
    *s->dest = r;
    return next(s, r);
}

double call(const Step* s, double) {
    s->source->routine(*s->source);
    return next(s, *s->dest);
}

// The lone variable or number: its cell is the result.
double lone(const Step* s, double) {
    return next(s, *s->dest);
}

double repeat(const Step* s, double) {
    const double r = *s->a;
    *s->dest = r;
    return next(s, r);
}

template <double (*Kernel)(double)>
Handler unaryHandler(From a) {
    switch (a) {
        case From::Cell:
            return unary<Kernel, From::Cell>;
        case From::Constant:
            return unary<Kernel, From::Constant>;
        default:
            return unary<Kernel, From::Previous>;
    }
}

// The handler of a two-operand operation for where its operands come from.
template <template <From, From> class H>
Handler twoOperands(From a, From b) {
    using enum From;
    if (a == Previous) return b == Constant ? H<Previous, Constant>::run : H<Previous, Cell>::run;
    if (b == Previous) return a == Constant ? H<Constant, Previous>::run : H<Cell, Previous>::run;
    if (a == Constant) return H<Constant, Cell>::run;
    if (b == Constant) return H<Cell, Constant>::run;
    return H<Cell, Cell>::run;
}

template <class Op>
struct ArithmeticOf {
    template <From A, From B>
    struct H {
        static constexpr Handler run = arithmetic<Op, A, B>;
    };
};

template <double (*Kernel)(double, double)>
struct BinaryOf {
    template <From A, From B>
    struct H {
        static constexpr Handler run = binary<Kernel, A, B>;
    };
};

Handler handlerFor(std::uint8_t token, From a, From b) {
    switch (token) {
        case TokNegate:
            return unaryHandler<negateValue>(a);
        case TokAdd:
            return twoOperands<ArithmeticOf<Add>::H>(a, b);
        case TokSubtract:
            return twoOperands<ArithmeticOf<Subtract>::H>(a, b);
        case TokMultiply:
            return twoOperands<ArithmeticOf<Multiply>::H>(a, b);
        case TokDivide:
            return twoOperands<ArithmeticOf<Divide>::H>(a, b);
        case TokModulo:
            return twoOperands<BinaryOf<moduloValues>::H>(a, b);
        case TokIntDivide:
            return twoOperands<BinaryOf<intDivideValues>::H>(a, b);
        case TokIntPower:
            return twoOperands<BinaryOf<intPowerValues>::H>(a, b);
        case TokRealPower:
            return twoOperands<BinaryOf<realPower>::H>(a, b);
        case TokSquare:
            return unaryHandler<squareValue>(a);
        case TokCube:
            return unaryHandler<cubeValue>(a);
        case TokFourthPower:
            return unaryHandler<fourthPowerValue>(a);
        default:
            return nullptr;
    }
}

bool isOperator(std::uint8_t token) {
    return token >= TokNegate && token <= TokFourthPower;
}

}  // namespace

// How each step of the chain reads its operands, worked out once.
struct Evaluator::Plan {
    std::uint8_t token;
    From a, b;
};

Evaluator::Evaluator(std::vector<ParserOperation>& chain, const std::vector<double>& cells) {
    // The program's own cells hold numbers and results; a cell no step writes is a number, which
    // never changes and is kept inside the step that reads it.
    std::vector<bool> written(cells.size(), false);
    auto cellIndex = [&](const double* p) -> std::ptrdiff_t {
        const std::ptrdiff_t i = p - cells.data();
        return p != nullptr && i >= 0 && i < static_cast<std::ptrdiff_t>(cells.size()) ? i : -1;
    };
    for (const ParserOperation& op : chain)
        if (const std::ptrdiff_t i = cellIndex(op.dest); i >= 0)
            written[static_cast<std::size_t>(i)] = true;
    auto isNumber = [&](const double* p) {
        const std::ptrdiff_t i = cellIndex(p);
        return i >= 0 && !written[static_cast<std::size_t>(i)];
    };

    steps_.reserve(chain.size() + 1);
    std::vector<Plan> plans;
    const double* previous = nullptr;
    for (std::size_t k = 0; k < chain.size(); ++k) {
        ParserOperation& op = chain[k];
        Step step{nullptr, op.arg1, op.arg2, op.dest, 0, &op};
        Plan plan{op.token, From::Cell, From::Cell};
        if (op.token == TokVariable || op.token == TokConstant) {
            step.run = lone;
        } else if (op.token == TokFunction1 && kernelOf(op.routine) != nullptr) {
            step.kernel = kernelOf(op.routine);
            plan.a = op.arg1 == previous ? From::Previous : From::Cell;
            step.run = plan.a == From::Previous ? function<From::Previous> : function<From::Cell>;
        } else if (op.token == TokFunction1 || op.token == TokFunction2) {
            step.run = call;
        } else if (const ParserOperation* earlier = repeatedStep(chain, k, isNumber)) {
            step.run = repeat;
            step.a = earlier->dest;
            plan.token = TokVariable;  // takes part in no fused shape
        } else {
            if (op.arg1 == previous) {
                plan.a = From::Previous;
            } else if (op.arg2 != nullptr && op.arg2 == previous) {
                plan.b = From::Previous;
            }
            if (plan.a == From::Cell && isNumber(op.arg1)) {
                plan.a = From::Constant;
                step.constant = *op.arg1;
            } else if (plan.b == From::Cell && op.arg2 != nullptr && isNumber(op.arg2)) {
                plan.b = From::Constant;
                step.constant = *op.arg2;
            }
            step.run = handlerFor(op.token, plan.a, plan.b);
        }
        steps_.push_back(step);
        plans.push_back(plan);
        previous = op.dest;
    }
    steps_.push_back(Step{nullptr, nullptr, nullptr, nullptr, 0, nullptr});
    fuseShapes(plans);
}

// The earlier operator step that step k repeats exactly, or nullptr.
// The earlier operator step that step k repeats exactly, or nullptr. Two operands are the same
// when they are the same cell, or numbers of the same value: each number has a cell of its own.
const ParserOperation* Evaluator::repeatedStep(const std::vector<ParserOperation>& chain,
                                               std::size_t k,
                                               const std::function<bool(const double*)>& isNumber) {
    const ParserOperation& op = chain[k];
    if (!isOperator(op.token)) return nullptr;
    auto same = [&](const double* p, const double* q) {
        if (p == q) return true;
        return p != nullptr && q != nullptr && isNumber(p) && isNumber(q) &&
               std::bit_cast<std::uint64_t>(*p) == std::bit_cast<std::uint64_t>(*q);
    };
    for (std::size_t i = 0; i < k; ++i) {
        const ParserOperation& e = chain[i];
        if (e.token == op.token && same(e.arg1, op.arg1) && same(e.arg2, op.arg2)) return &e;
    }
    return nullptr;
}

// Gives the first step of each common shape the handler that runs the whole shape; the other
// steps of the shape keep their own handlers but are jumped over.
void Evaluator::fuseShapes(const std::vector<Plan>& plans) {
    using enum From;
    auto isSum = [](const Plan& p) { return p.token == TokAdd || p.token == TokSubtract; };
    auto sumWithNumber = [&](const Plan& p) {
        return isSum(p) &&
               ((p.a == Previous && p.b == Constant) || (p.a == Constant && p.b == Previous));
    };
    // The affine pair starting at each step, by its index in kPairsAfterAStep when its product
    // takes the step before; -1 where none starts.
    std::vector<int> pairAfterAStep(plans.size(), -1);
    std::vector<bool> pairStarts(plans.size(), false);
    for (std::size_t k = 0; k + 1 < plans.size(); ++k) {
        const Plan& p = plans[k];
        if (p.token != TokMultiply) continue;
        const bool numberFirst = p.a == Constant;
        const From v = numberFirst ? p.b : p.a;
        if (!(numberFirst ? p.b != Constant : p.b == Constant)) continue;
        const Plan& q = plans[k + 1];
        if (!sumWithNumber(q)) continue;
        const bool add = q.token == TokAdd, productFirst = q.a == Previous;
        if (numberFirst)
            steps_[k].run = v == Cell ? affineHandler<true, Cell>(add, productFirst)
                                      : affineHandler<true, Previous>(add, productFirst);
        else
            steps_[k].run = v == Cell ? affineHandler<false, Cell>(add, productFirst)
                                      : affineHandler<false, Previous>(add, productFirst);
        pairStarts[k] = true;
        if (v == Previous) pairAfterAStep[k] = numberFirst * 4 + add * 2 + productFirst;
        ++k;
    }
    constexpr auto pairs = std::make_index_sequence<std::size(kPairsAfterAStep)>();
    for (std::size_t k = 0; k < plans.size(); ++k) {
        const Plan& p = plans[k];
        // v·v, then a pair
        if (k + 1 < plans.size() && pairAfterAStep[k + 1] >= 0 && p.token == TokMultiply &&
            p.a == Cell && p.b == Cell && steps_[k].a == steps_[k].b &&
            (k == 0 || !pairStarts[k - 1])) {
            steps_[k].run = squareHead(static_cast<std::size_t>(pairAfterAStep[k + 1]), pairs);
            continue;
        }
        // f(v), then a pair
        if (k + 1 < plans.size() && pairAfterAStep[k + 1] >= 0 && p.token == TokFunction1 &&
            p.a == Cell && steps_[k].kernel != nullptr && (k == 0 || !pairStarts[k - 1])) {
            steps_[k].run = functionHead(static_cast<std::size_t>(pairAfterAStep[k + 1]), pairs);
            continue;
        }
        // v ∓ h, its repetition, their product, then a pair
        if (k + 3 < plans.size() && pairAfterAStep[k + 3] >= 0 && isSum(p) && p.a == Cell &&
            p.b == Constant && steps_[k + 1].run == repeat && steps_[k + 1].a == steps_[k].dest &&
            plans[k + 2].token == TokMultiply && (k == 0 || !pairStarts[k - 1])) {
            const Plan& product = plans[k + 2];
            const Step& m = steps_[k + 2];
            const bool ofBoth =
                (product.a == Cell && m.a == steps_[k].dest && product.b == Previous) ||
                (product.a == Previous && product.b == Cell && m.b == steps_[k].dest);
            if (!ofBoth) continue;
            const auto pair = static_cast<std::size_t>(pairAfterAStep[k + 3]);
            steps_[k].run = p.token == TokAdd ? shiftedSquareHead<Add>(pair, pairs)
                                              : shiftedSquareHead<Subtract>(pair, pairs);
        }
    }
}

}  // namespace parser
