// Floating-point and integer errors end the evaluation at the step that produces them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>

#include "ParserTestSupport.h"

using parsertest::evalError;
using parsertest::steps;
using parsertest::valueOf;

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(EvaluationErrors, ClassesAndMessages) {
    static_assert(std::is_base_of_v<EMathError, EZeroDivide>);
    static_assert(std::is_base_of_v<EMathError, EInvalidOp>);
    static_assert(std::is_base_of_v<EMathError, EOverflow>);
    static_assert(std::is_base_of_v<EIntError, EDivByZero>);
    static_assert(!std::is_base_of_v<EMathParserError, EMathError>);
    TParser parser;
    parser.SetExpression("1/x");
    EXPECT_THROW(parser.Value(), EZeroDivide);
    parser.SetExpression("x/x");
    EXPECT_THROW(parser.Value(), EInvalidOp);
    parser.SetExpression("exp(1E3)");
    EXPECT_THROW(parser.Value(), EOverflow);
    parser.SetExpression("1DIVx");
    EXPECT_THROW(parser.Value(), EDivByZero);
}

TEST(EvaluationErrors, DivisionByZero) {
    TParser parser;
    parser.SetExpression("y/x");
    parser.Y = 3;
    EXPECT_EQ(evalError(parser), "Floating point division by zero");
    parser.Y = -3;
    EXPECT_EQ(evalError(parser), "Floating point division by zero");
    parser.Y = 0;
    EXPECT_EQ(evalError(parser), "Invalid floating point operation");
    parser.SetExpression("0^-3");
    EXPECT_EQ(evalError(parser), "Floating point division by zero");
}

TEST(EvaluationErrors, IntegerDivisionNeedsANonZeroIntegralDivisor) {
    TParser parser;
    parser.SetExpression("7DIVx");
    parser.X = 0.99;
    EXPECT_EQ(evalError(parser), "Division by zero");
    parser.X = -0.5;
    EXPECT_EQ(evalError(parser), "Division by zero");
    parser.X = 1;
    EXPECT_EQ(parser.Value(), 7);
    parser.SetExpression("7MODx");
    parser.X = 0;
    EXPECT_EQ(evalError(parser), "Division by zero");
}

TEST(EvaluationErrors, TruncationOutsideTheIntegerRange) {
    TParser parser;
    parser.SetExpression("xDIV1");
    parser.X = 9223372036854775808.0;  // 2^63
    EXPECT_EQ(evalError(parser), "Invalid floating point operation");
    parser.X = -9223372036854775808.0;  // -2^63 still fits
    EXPECT_EQ(parser.Value(), -9223372036854775808.0);
    parser.X = kNaN;
    EXPECT_EQ(evalError(parser), "Invalid floating point operation");
    parser.SetExpression("1MODx");
    parser.X = kInf;
    EXPECT_EQ(evalError(parser), "Invalid floating point operation");
}

TEST(EvaluationErrors, SmallestIntegerDividedByMinusOne) {
    // -2^63 DIV -1 is 2^63: representable as a double, though not as a 64-bit integer.
    TParser parser;
    parser.X = -9223372036854775808.0;
    parser.SetExpression("xDIV-1");
    EXPECT_EQ(parser.Value(), 9223372036854775808.0);
    parser.SetExpression("xMOD-1");
    EXPECT_EQ(parser.Value(), 0);
}

TEST(EvaluationErrors, Overflow) {
    TParser parser;
    parser.SetExpression("x*x");
    parser.X = 1e200;
    EXPECT_EQ(evalError(parser), "Floating point overflow");
    parser.SetExpression("x+x");
    parser.X = 1.7e308;
    EXPECT_EQ(evalError(parser), "Floating point overflow");
    parser.SetExpression("x/y");
    parser.X = 1e300;
    parser.Y = 1e-300;
    EXPECT_EQ(evalError(parser), "Floating point overflow");
    parser.SetExpression("x^3");
    parser.X = 1e103;
    EXPECT_EQ(evalError(parser), "Floating point overflow");
}

TEST(EvaluationErrors, UnderflowPassesSilently) {
    EXPECT_EQ(valueOf("x*x", 1e-200), 0);
    EXPECT_EQ(valueOf("x/1E300", 1e-300), 0);
    EXPECT_EQ(valueOf("exp(-x)", 1000), 0);
    EXPECT_EQ(valueOf("x^4", 1e-100), 0);
}

TEST(EvaluationErrors, TheRestOfTheChainDoesNotRun) {
    TParser parser;
    parser.SetExpression("(1/x)+(y*2)");
    const auto s = steps(parser);
    ASSERT_EQ(s.size(), 3u);  // 1/x, y*2, then the sum
    parser.X = 1;
    parser.Y = 3;
    EXPECT_EQ(parser.Value(), 7);
    parser.X = 0;
    parser.Y = 5;
    EXPECT_EQ(evalError(parser), "Floating point division by zero");
    EXPECT_EQ(*s[1]->dest, 6);  // y*2 kept its old result
    EXPECT_EQ(*s[2]->dest, 7);
    parser.X = 1;  // and the next evaluation works again
    EXPECT_EQ(parser.Value(), 11);
}

TEST(EvaluationErrors, InfiniteAndNaNVariablesPassQuietly) {
    // The processor raises nothing for arithmetic on infinities and quiet NaNs as such.
    EXPECT_EQ(valueOf("x+1", kInf), kInf);
    EXPECT_EQ(valueOf("x*2", -kInf), -kInf);
    EXPECT_TRUE(std::isnan(valueOf("x*2", kNaN)));
    EXPECT_TRUE(std::isnan(valueOf("sqrt(x)", kNaN)));
    EXPECT_EQ(valueOf("1/x", kInf), 0);
    EXPECT_EQ(valueOf("exp(x)", kInf), kInf);
    // But an operation that makes a NaN out of them is invalid.
    TParser parser;
    parser.X = kInf;
    for (const char* text : {"x-x", "x*0", "x/x", "sin(x)", "tan(x)"}) {
        parser.SetExpression(text);
        EXPECT_EQ(evalError(parser), "Invalid floating point operation") << text;
    }
}

}  // namespace
