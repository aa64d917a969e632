// The evaluator runs a program as threaded code with fused shapes; it must do exactly what calling
// each step's routine along the chain does: the same result bits, the same result cells written,
// and the same error, raised at the same step.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <typeinfo>
#include <vector>

#include "ExpressionTable.h"
#include "FunctionLibrary.h"
#include "ParserTestSupport.h"

namespace {

constexpr std::uint64_t kUnwritten = 0x7ff4dead0000beefULL;  // a NaN no step computes

struct Run {
    std::string error;                 // the class and message, or "" for a value
    std::uint64_t value = 0;           // the result's bits
    std::vector<std::uint64_t> cells;  // every step's result cell afterwards
};

// The result cells of the steps that compute something (a lone operand's cell is a variable or
// a number, never reset).
std::vector<double*> resultCells(const TParser& parser) {
    std::vector<double*> cells;
    for (const ParserOperation* s = parser.FirstOperation(); s; s = s->next)
        if (s->token != TokVariable && s->token != TokConstant) cells.push_back(s->dest);
    return cells;
}

template <class Evaluate>
Run runOnce(TParser& parser, Evaluate evaluate) {
    const std::vector<double*> cells = resultCells(parser);
    for (double* c : cells) *c = std::bit_cast<double>(kUnwritten);
    parser::seedRandom(42);
    Run run;
    try {
        run.value = std::bit_cast<std::uint64_t>(evaluate());
    } catch (const std::exception& e) {
        run.error = std::string(typeid(e).name()) + ": " + e.what();
    }
    for (double* c : cells) run.cells.push_back(std::bit_cast<std::uint64_t>(*c));
    return run;
}

// Each step's routine called along the chain, as the program is defined to run.
double alongTheChain(TParser& parser) {
    const ParserOperation* last = nullptr;
    for (const ParserOperation* s = parser.FirstOperation(); s; s = s->next) {
        s->routine(const_cast<ParserOperation&>(*s));
        last = s;
    }
    return last ? *last->dest : 0.0;
}

// Compares the two runs of one text at every x; returns how many runs ended in an error.
int compareAt(const std::string& text, const std::vector<double>& xs) {
    TParser parser;
    parser.SetVariable("Y", 3);
    parser.SetVariable("E", 7);
    try {
        parser.SetExpression(text);
    } catch (const EMathParserError&) {
        return 0;
    }
    int errors = 0;
    for (double x : xs) {
        parser.X = x;
        const Run expected = runOnce(parser, [&] { return alongTheChain(parser); });
        const Run got = runOnce(parser, [&] { return parser.Value(); });
        EXPECT_EQ(got.error, expected.error) << text << " at x = " << x;
        EXPECT_EQ(got.value, expected.value) << text << " at x = " << x;
        EXPECT_EQ(got.cells, expected.cells) << text << " at x = " << x;
        if (!expected.error.empty()) ++errors;
    }
    return errors;
}

const std::vector<double> kXs = {0,
                                 -0.0,
                                 1,
                                 -1,
                                 2.5,
                                 1.15,
                                 -3e-320,
                                 1e200,
                                 -1e200,
                                 1e308,
                                 4e307,
                                 1e-300,
                                 7,
                                 1e19,
                                 -1e19,
                                 std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN()};

// A random expression over x and awkward numbers, in the shapes the evaluator fuses and around
// them.
class ExpressionMaker {
  public:
    explicit ExpressionMaker(std::uint32_t seed) : state_(seed) {}

    std::string make(int depth) {
        const int pick = static_cast<int>(next() % (depth > 0 ? 12 : 3));
        switch (pick) {
            case 0:
                return "x";
            case 1:
            case 2:
                return number();
            case 3:
                return number() + "*x" + sign() + number();
            case 4:
                return number() + sign() + number() + "*x*x";
            case 5:
                return number() + "+" + number() + "*(x-" + number() + ")*(x-" + number() + ")";
            case 6:
                return "(" + make(depth - 1) + ")" + op() + "(" + make(depth - 1) + ")";
            case 7:
                return function() + "(" + make(depth - 1) + ")";
            case 8:
                return "(" + make(depth - 1) + ")^" + std::to_string(next() % 6);
            case 9:
                return "(" + make(depth - 1) + ")" + op() + number();
            case 10:
                return number() + op() + "(" + make(depth - 1) + ")";
            default:
                return "max(" + make(depth - 1) + "," + make(depth - 1) + ")";
        }
    }

  private:
    std::uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    std::string number() {
        static const char* const numbers[] = {"0",     "1",      "2", "1.15", "0.5",
                                              "1E308", "1E-300", "3", "1E19", "7"};
        return numbers[next() % 10];
    }
    std::string sign() { return next() % 2 ? "+" : "-"; }
    std::string op() {
        static const char* const ops[] = {"+", "-", "*", "/", " DIV ", " MOD ", "^"};
        return ops[next() % 7];
    }
    std::string function() {
        static const char* const names[] = {"sin", "cos", "tan", "exp",  "ln",   "sqrt",
                                            "abs", "ph",  "rnd", "sinh", "heav", "arctan"};
        return names[next() % 12];
    }
    std::uint32_t state_;
};

TEST(ThreadedEvaluation, AgreesWithTheChainOnTheExpressionTable) {
    for (const ExpressionRow& row : kExpressionTable) compareAt(row.text, {row.x});
}

TEST(ThreadedEvaluation, AgreesWithTheChainOnTheFuzzCorpus) {
    int texts = 0;
    for (const auto& entry : std::filesystem::directory_iterator(LITERON_FUZZ_CORPUS)) {
        std::ifstream in(entry.path());
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        compareAt(text, kXs);
        ++texts;
    }
    EXPECT_GT(texts, 0);
}

TEST(ThreadedEvaluation, AgreesWithTheChainOnRandomExpressions) {
    ExpressionMaker maker(2026);
    int errors = 0;
    for (int i = 0; i < 3000; ++i) errors += compareAt(maker.make(3), kXs);
    // The points were chosen to reach the errors: many runs end in one.
    EXPECT_GT(errors, 1000);
}

}  // namespace
