// The power operator: which step each exponent gives, and how each step computes.
#include <gtest/gtest.h>

#include <cmath>

#include "ParserTestSupport.h"

using parsertest::compileError;
using parsertest::evalError;
using parsertest::steps;
using parsertest::tokens;
using parsertest::valueOf;

namespace {

int powerToken(const char* text) {
    TParser parser;
    parser.SetExpression(text);
    const auto s = steps(parser);
    return s.empty() ? -1 : s.back()->token;
}

TEST(PowerTokens, SquareCubeAndFourthPowerCompileOnlyTheBase) {
    TParser parser;
    for (auto [text, token] :
         {std::pair{"x^2", TokSquare}, std::pair{"x^3", TokCube}, std::pair{"x^4", TokFourthPower},
          std::pair{"x^2.0", TokSquare}, std::pair{"x^4E0", TokFourthPower}}) {
        parser.SetExpression(text);
        const auto s = steps(parser);
        ASSERT_EQ(s.size(), 1u) << text;
        EXPECT_EQ(s[0]->token, token) << text;
        EXPECT_EQ(s[0]->arg1, &parser.X) << text;
        EXPECT_EQ(s[0]->arg2, nullptr) << text;  // the exponent is not compiled
    }
}

TEST(PowerTokens, OtherIntegralConstantsGiveTheIntegralPower) {
    for (const char* text : {"x^5", "x^-1", "x^0", "x^1", "x^-2", "x^.", "x^E5", "x^1E10"}) {
        EXPECT_EQ(powerToken(text), TokIntPower) << text;
    }
    TParser parser;
    parser.SetExpression("x^-1");
    EXPECT_EQ(*steps(parser)[0]->arg2, -1);  // the exponent is a constant cell
}

TEST(PowerTokens, EverythingElseGivesTheGeneralPower) {
    for (const char* text :
         {"x^0.5", "x^y", "x^(2)", "x^PI", "x^-PI", "x^sin(x)", "x^max(2,3)", "x^2.5E-1"}) {
        EXPECT_EQ(powerToken(text), TokRealPower) << text;
    }
}

TEST(PowerGrammar, BaseAndExponentMustBeSimple) {
    TParser parser;
    EXPECT_EQ(compileError(parser, "2^3^2"), "Error parsing expression:\r2^3\r2");
    EXPECT_EQ(compileError(parser, "x^-y"), "Error parsing expression:\rX\r-Y");
    EXPECT_EQ(compileError(parser, "(2^3)^2"), "");
    EXPECT_EQ(parser.Value(), 64);
    EXPECT_EQ(compileError(parser, "2^(3^2)"), "");
    EXPECT_EQ(parser.Value(), 512);
    EXPECT_EQ(valueOf("-2^2"), -4);
    EXPECT_EQ(valueOf("(-2)^2"), 4);
}

TEST(IntegralPower, RepeatedSquaring) {
    EXPECT_EQ(valueOf("x^5", 2), 32);
    EXPECT_EQ(valueOf("x^-3", 2), 0.125);
    EXPECT_EQ(valueOf("x^-3", -2), -0.125);
    EXPECT_EQ(valueOf("x^0", 0), 1);
    EXPECT_EQ(valueOf("x^31", 2), 2147483648.0);
    EXPECT_EQ(valueOf("x^-1074", 2), 4.9406564584124654e-324);
}

TEST(IntegralPower, WorksInExtendedPrecision) {
    // 10^400 does not fit a double but its reciprocal underflows quietly to 0.
    EXPECT_EQ(valueOf("x^-400", 10), 0);
    TParser parser;
    parser.X = 10;
    parser.SetExpression("x^400");
    EXPECT_EQ(evalError(parser), "Floating point overflow");
    parser.X = 1e-70;
    parser.SetExpression("x^-5");
    EXPECT_EQ(evalError(parser), "Floating point overflow");
    parser.X = 0;
    parser.SetExpression("x^-2");
    EXPECT_EQ(evalError(parser), "Floating point division by zero");
}

TEST(IntegralPower, ExponentBeyondTheIntegerRangeIsInvalid) {
    // The exponent is truncated to a 32-bit integer; 1E10 does not fit.
    TParser parser;
    parser.X = 1;
    parser.SetExpression("x^1E10");
    EXPECT_EQ(evalError(parser), "Invalid floating point operation");
    parser.SetExpression("x^2147483647");
    EXPECT_EQ(parser.Value(), 1);
    parser.SetExpression("x^-2147483648");
    EXPECT_EQ(parser.Value(), 1);
}

TEST(GeneralPower, ZeroAndIntegralExponents) {
    TParser parser;
    parser.SetExpression("x^y");
    auto at = [&](double x, double y) {
        parser.X = x;
        parser.Y = y;
        return parser.Value();
    };
    EXPECT_EQ(at(0, 0), 1);
    EXPECT_EQ(at(5, 0), 1);
    EXPECT_EQ(at(0, 2.5), 0);
    EXPECT_EQ(at(-2, 3), -8);  // integral exponent: the integral power
    EXPECT_EQ(at(-2, -2), 0.25);
    EXPECT_EQ(at(4, 0.5), 2);  // exp(0.5 * ln 4)
    EXPECT_NEAR(at(2, 0.5), std::sqrt(2.0), 1e-15);
    EXPECT_EQ(at(1, 2147483648.0), 1);  // beyond the integer range: exp(b * ln a)
    parser.X = -1;
    EXPECT_EQ(evalError(parser), "Invalid floating point operation");  // ln of -1
    parser.X = 0;
    parser.Y = -2;
    EXPECT_EQ(evalError(parser), "Floating point division by zero");
    parser.Y = -0.5;
    EXPECT_EQ(evalError(parser), "Floating point division by zero");
    parser.X = -8;
    parser.Y = 1.0 / 3;
    EXPECT_EQ(evalError(parser), "Invalid floating point operation");
    parser.X = 10;
    parser.Y = 400.5;
    EXPECT_EQ(evalError(parser), "Floating point overflow");
}

}  // namespace
