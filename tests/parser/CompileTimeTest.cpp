// Compiling is polynomial: texts that make a naive search of every split explode stay fast.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <string>

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

// Processor time of the best of a few runs, to see past a busy machine.
double compileMs(const std::string& text) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        TParser parser;
        const std::clock_t start = std::clock();
        try {
            parser.SetExpression(text);
        } catch (const EMathParserError&) {
        }
        const std::clock_t end = std::clock();
        best = std::min(best, 1000.0 * static_cast<double>(end - start) / CLOCKS_PER_SEC);
    }
    return best;
}

TEST(CompileTime, AdversarialTextsOfAThousandCharacters) {
    const std::string texts[] = {
        repeat("X*X-", 1000, "X"),
        repeat("X-", 1000, "X"),
        repeat("X+", 1000, "X"),
        repeat("X*X-", 1000, "Q"),
        repeat("X^-1*", 1000, "X"),
        repeat("X*-", 1000, "X"),
        repeat("X--X*", 1000, "X"),
        repeat("X/X-", 1000, "X"),
        repeat("1E-", 1000, "1"),
        repeat("1E+", 1000, "1"),
        repeat(".--", 1000, "."),
        repeat("E+E-", 1000, "E"),
        repeat("MOD-1", 1000, "1"),
        repeat("1/-1", 1000, ""),
        repeat("DIV-1", 1000, ""),
        nested("-(", 333),
        nested("(", 499),
        nested("MAX(X,", 141),
        nested("SIN(", 199),
        nested("(X)*(", 166),
        repeat("(X)+", 996, "X"),
        repeat("X^X*-", 1000, "X"),
        repeat("X*E+E+E-", 1000, "X"),
    };
    for (const std::string& text : texts) {
        ASSERT_LE(text.size(), 1000u);
        EXPECT_LT(compileMs(text), 50.0) << text.substr(0, 40) << "... (" << text.size() << ")";
    }
}

TEST(CompileTime, VeryLongTextsDoNotExhaustTheStack) {
    TParser parser;
    EXPECT_EQ(parsertest::compileError(parser, repeat("X+", 100000, "X")),
              "Expression contains too many nestings");
    EXPECT_EQ(parsertest::compileError(parser, nested("(", 50000)), "");
    EXPECT_EQ(parsertest::compileError(parser, nested("-(", 50000)),
              "Expression contains too many nestings");
}

}  // namespace
