// Compiling is polynomial: texts that make a naive search of every split explode stay cheap.
#include <gtest/gtest.h>

#include <string>

#include "Compiler.h"
#include "ParserTestSupport.h"

namespace {

std::string repeat(const std::string& unit, std::size_t length, const std::string& tail) {
    std::string text;
    while (text.size() + unit.size() + tail.size() <= length) text += unit;
    return text + tail;
}

// `count` openings, the innermost x, and the closing brackets.
std::string nested(const std::string& opening, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += opening;
    return text + "X" + std::string(static_cast<std::size_t>(count), ')');
}

// The work of compiling a text, counted as the questions asked of the recognisers' memory: the
// same on any machine, however busy.
std::size_t compileWork(const std::string& text) {
    TParser parser;
    try {
        parser.SetExpression(text);
    } catch (const EMathParserError&) {
    }
    return parser::lastCompileWork();
}

// A text of about `length` characters from a repeated unit, or from nested openings.
struct Family {
    std::string unit;
    std::string tail;
    bool nestedOpenings = false;

    std::string text(std::size_t length) const {
        if (!nestedOpenings) return repeat(unit, length, tail);
        return nested(unit, static_cast<int>((length - 1) / (unit.size() + 1)));
    }
};

}  // namespace

// Doubling the text at most about quadruples the work, and a thousand characters never ask more
// than 40 questions per character: a search of every split would ask exponentially many. (The
// two readings of "E", a variable or an exponent marker, once asked 250 a character.)
TEST(CompileTime, AdversarialTextsCostAtMostQuadratically) {
    const Family families[] = {
        {"X*X-", "X"},       {"X-", "X"},       {"X+", "X"},          {"X*X-", "Q"},
        {"X^-1*", "X"},      {"X*-", "X"},      {"X--X*", "X"},       {"X/X-", "X"},
        {"1E-", "1"},        {"1E+", "1"},      {".--", "."},         {"E+E-", "E"},
        {"MOD-1", "1"},      {"1/-1", ""},      {"DIV-1", ""},        {"(X)+", "X"},
        {"X^X*-", "X"},      {"X*E+E+E-", "X"}, {"E+2*", "-X"},       {"MODE-1", ""},
        {"-(", "", true},    {"(", "", true},   {"MAX(X,", "", true}, {"SIN(", "", true},
        {"(X)*(", "", true},
    };
    for (const Family& f : families) {
        const std::string half = f.text(500);
        const std::string full = f.text(1000);
        ASSERT_LE(full.size(), 1000u);
        ASSERT_GE(full.size(), 2 * half.size() - 10);
        const std::size_t halfWork = compileWork(half);
        const std::size_t fullWork = compileWork(full);
        EXPECT_LE(fullWork, 40'000u) << full.substr(0, 40) << "... (" << full.size() << ")";
        EXPECT_LE(static_cast<double>(fullWork), 4.5 * static_cast<double>(halfWork) + 100.0)
            << full.substr(0, 40) << "...: " << halfWork << " then " << fullWork;
    }
}

// The count is of the last compile alone, and a failed compile counts too.
TEST(CompileTime, WorkIsCountedPerCompile) {
    const std::size_t small = compileWork("2-1.2*X*X");
    EXPECT_GT(small, 0u);
    EXPECT_GT(compileWork(repeat("X-", 1000, "X")), 100 * small);
    EXPECT_EQ(compileWork("2-1.2*X*X"), small);
    // A failed compile counts its own work too, and the same text costs the same each time.
    EXPECT_GT(compileWork(repeat("X*X-", 1000, "Q")), 0u);  // rejected at the end
    EXPECT_EQ(compileWork(repeat("X-", 1000, "X")), compileWork(repeat("X-", 1000, "X")));
}

TEST(CompileTime, VeryLongTextsDoNotExhaustTheStack) {
    TParser parser;
    EXPECT_EQ(parsertest::compileError(parser, repeat("X+", 100000, "X")),
              "Expression contains too many nestings");
    EXPECT_EQ(parsertest::compileError(parser, nested("(", 50000)), "");
    EXPECT_EQ(parsertest::compileError(parser, nested("-(", 50000)),
              "Expression contains too many nestings");
}
