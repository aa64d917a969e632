// The operation table: 21 levels of nesting and 50 operations on a level.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "ParserTestSupport.h"

using parsertest::compileError;

namespace {

std::string chain(const std::string& op, int operators) {
    std::string text = "x";
    for (int i = 0; i < operators; ++i) text += op + "x";
    return text;
}

std::string nestedCalls(int depth) {
    std::string text = "x";
    for (int i = 0; i < depth; ++i) text = "sin(" + text + ")";
    return text;
}

// A full tree of "(..)+(..)" six levels deep whose 64 leaves are "x*x" (the first `products`
// of them) or "x": the products are operations on level 7, the only level that grows.
std::string wideTree(int depth, int& products) {
    if (depth == 6) {
        if (products > 0) {
            --products;
            return "x*x";
        }
        return "x";
    }
    return "(" + wideTree(depth + 1, products) + ")+(" + wideTree(depth + 1, products) + ")";
}

std::string wideTree(int products) {
    return wideTree(0, products);
}

TEST(NestingLimit, TwentyOperatorsDeepCompile) {
    TParser parser;
    parser.X = 1;
    EXPECT_EQ(compileError(parser, chain("+", 20)), "");  // 21 terms
    EXPECT_EQ(parser.Value(), 21);
    EXPECT_EQ(compileError(parser, nestedCalls(20)), "");
    EXPECT_EQ(compileError(parser, chain("*", 20)), "");
}

TEST(NestingLimit, TwentyOneAreTooMany) {
    TParser parser;
    const char* message = "Expression contains too many nestings";
    EXPECT_EQ(compileError(parser, chain("+", 21)), message);  // 22 terms
    EXPECT_EQ(compileError(parser, nestedCalls(21)), message);
    EXPECT_EQ(compileError(parser, chain("*", 21)), message);
    EXPECT_TRUE(parser.CompileFailed());
    EXPECT_EQ(parser.FirstOperation(), nullptr);
}

TEST(NestingLimit, BracketsAddNoLevel) {
    TParser parser;
    std::string text = "x";
    for (int i = 0; i < 20; ++i) text = "((" + text + ")+1)";
    EXPECT_EQ(compileError(parser, text), "");
    EXPECT_EQ(compileError(parser, "(" + text + "+1)"), "Expression contains too many nestings");
}

TEST(NestingLimit, EveryOperatorCountsOnItsOperandsLevel) {
    // In x^2+x^2+...+x the squares hang one level below the last "+" that holds them.
    TParser parser;
    EXPECT_EQ(compileError(parser, chain("^2+", 19)), "");
    EXPECT_EQ(compileError(parser, chain("^2+", 20)), "Expression contains too many nestings");
}

TEST(NestingLimit, LeftGroupingNestsToo) {
    TParser parser;
    EXPECT_EQ(compileError(parser, chain("-", 20)), "");
    EXPECT_EQ(compileError(parser, chain("-", 21)), "Expression contains too many nestings");
}

TEST(WidthLimit, FiftyOperationsOnALevel) {
    TParser parser;
    parser.X = 2;
    EXPECT_EQ(compileError(parser, wideTree(50)), "");
    EXPECT_EQ(parser.Value(), 50 * 4 + 14 * 2);
    EXPECT_EQ(compileError(parser, wideTree(51)), "Expression is too complex");
    EXPECT_EQ(parser.FirstOperation(), nullptr);
}

TEST(Limits, ASyntaxErrorAnywhereIsFoundBeforeTheTreeIsBuilt) {
    // The whole text must be valid before any operation is placed.
    TParser parser;
    std::string valid = chain("+", 30);
    for (char& c : valid) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(compileError(parser, valid + "+z"), "Error parsing expression:\r" + valid + "\rZ");
}

}  // namespace
