// The function library: every built-in function and its edge values.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "ParserTestSupport.h"

using parsertest::evalError;
using parsertest::tokens;
using parsertest::valueOf;

namespace {

const double kPi = 3.141592653589793;

TEST(FunctionTables, EveryNameCompilesToItsStep) {
    TParser parser;
    for (const char* name : {"TAN", "SIN", "COS", "SINH", "COSH", "ARCTAN", "EXP", "LN", "SQRT",
                             "ABS", "HEAV", "SIGN", "ZERO", "PH", "RND"}) {
        parser.SetExpression(std::string(name) + "(0.5)");
        EXPECT_EQ(tokens(parser), (std::vector<int>{TokFunction1})) << name;
    }
    for (const char* name : {"MAX", "MIN"}) {
        parser.SetExpression(std::string(name) + "(1,2)");
        EXPECT_EQ(tokens(parser), (std::vector<int>{TokFunction2})) << name;
    }
}

TEST(Trigonometry, RadiansAndTheOutOfRangeCase) {
    EXPECT_NEAR(valueOf("tan(x)", kPi / 4), 1, 1e-15);
    EXPECT_EQ(valueOf("sin(x)", kPi / 2), 1);
    EXPECT_EQ(valueOf("cos(x)", 0), 1);
    EXPECT_NEAR(valueOf("cos(x)", kPi / 3), 0.5, 1e-15);
    EXPECT_EQ(valueOf("arctan(x)", 1), kPi / 4);
    EXPECT_NEAR(valueOf("arctan(x)", -1e300), -kPi / 2, 1e-15);
    // From 2^63 on the processor's instruction refuses the argument: 0.
    EXPECT_EQ(valueOf("sin(x)", 9223372036854775808.0), 0);
    EXPECT_EQ(valueOf("cos(x)", -1e300), 0);
    EXPECT_NE(valueOf("sin(x)", 9223372036854774784.0), 0);  // the double just below 2^63
}

TEST(Hyperbolic, ComputedFromExponentials) {
    const double e = std::exp(1.0);
    EXPECT_NEAR(valueOf("sinh(x)", 1), (e - 1 / e) / 2, 1e-15);
    EXPECT_NEAR(valueOf("cosh(x)", 1), (e + 1 / e) / 2, 1e-15);
    EXPECT_EQ(valueOf("sinh(x)", 0), 0);
    EXPECT_EQ(valueOf("cosh(x)", 0), 1);
    // e^710 is beyond the double range but (e^710 - e^-710) / 2 is not.
    EXPECT_NEAR(valueOf("sinh(x)", 710), 1.1169973830808555e308, 1e294);
    EXPECT_NEAR(valueOf("cosh(x)", -710), 1.1169973830808555e308, 1e294);
}

TEST(ExpLnSqrt, Values) {
    EXPECT_EQ(valueOf("exp(x)", 0), 1);
    EXPECT_NEAR(valueOf("exp(x)", 1), std::exp(1.0), 0);
    EXPECT_EQ(valueOf("exp(x)", -1000), 0);  // underflow passes silently
    EXPECT_NEAR(valueOf("ln(x)", std::exp(2.0)), 2, 1e-15);
    EXPECT_EQ(valueOf("sqrt(x)", 16), 4);
    EXPECT_EQ(valueOf("sqrt(x)", 0), 0);
}

TEST(StepFunctions, HeavSignZeroAbs) {
    EXPECT_EQ(valueOf("heav(x)", 0), 1);
    EXPECT_EQ(valueOf("heav(x)", -0.0), 1);
    EXPECT_EQ(valueOf("heav(x)", -1e-300), 0);
    EXPECT_EQ(valueOf("heav(x)", 5), 1);
    EXPECT_EQ(valueOf("sign(x)", 0), 0);
    EXPECT_EQ(valueOf("sign(x)", -1e-300), -1);
    EXPECT_EQ(valueOf("sign(x)", 7), 1);
    EXPECT_EQ(valueOf("zero(x)", 0), 0);
    EXPECT_EQ(valueOf("zero(x)", -3), 1);
    EXPECT_EQ(valueOf("zero(x)", 1e-300), 1);
    EXPECT_EQ(valueOf("abs(x)", -2.5), 2.5);
    EXPECT_EQ(valueOf("abs(x)", 2.5), 2.5);
}

TEST(Phase, ReducesByQuarterTurns) {
    // u = x / (2/pi), n = u rounded to even, (u - n) * 2pi.
    EXPECT_NEAR(valueOf("ph(x)", 1), 2 * kPi * (kPi / 2 - 2), 1e-15);
    EXPECT_NEAR(valueOf("ph(x)", -1), -2 * kPi * (kPi / 2 - 2), 1e-15);
    EXPECT_EQ(valueOf("ph(x)", 0), 0);
    // x = 3 gives u = 4.712..., n = 5.
    EXPECT_NEAR(valueOf("ph(x)", 3), (3 * kPi / 2 - 5) * 2 * kPi, 1e-14);
    EXPECT_NEAR(valueOf("ph(x)", 2 / kPi), 0, 1e-15);  // u = 1
}

TEST(Random, IntegralPartTimesAUniformNumber) {
    TParser parser;
    parser.SetExpression("rnd(x)");
    parser.X = 1;
    std::set<double> seen;
    for (int i = 0; i < 1000; ++i) {
        const double v = parser.Value();
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 1);
        seen.insert(v);
    }
    EXPECT_GT(seen.size(), 900u);
    parser.X = 0.9;  // the integral part is taken first
    for (int i = 0; i < 100; ++i) ASSERT_EQ(parser.Value(), 0);
    parser.X = -3.7;
    for (int i = 0; i < 100; ++i) {
        const double v = parser.Value();
        ASSERT_LE(v, 0);
        ASSERT_GT(v, -3);
    }
}

TEST(Random, SeedRepeatsTheSequence) {
    TParser parser;
    parser.SetExpression("rnd(1000)");
    TParser::SeedRandom(42);
    const double first = parser.Value(), second = parser.Value();
    TParser::SeedRandom(42);
    EXPECT_EQ(parser.Value(), first);
    EXPECT_EQ(parser.Value(), second);
}

TEST(MaxMin, TiesAndOrder) {
    EXPECT_EQ(valueOf("max(2,2)"), 2);
    EXPECT_EQ(valueOf("min(2,2)"), 2);
    EXPECT_EQ(valueOf("max(x,3)", 5), 5);
    EXPECT_EQ(valueOf("min(x,3)", 5), 3);
    EXPECT_EQ(valueOf("max(-x,x)", -4), 4);
    // On equal values MAX keeps the first and MIN the second, which shows with zeros.
    EXPECT_TRUE(std::signbit(valueOf("max(-0,0)")));
    EXPECT_FALSE(std::signbit(valueOf("min(-0,0)")));
}

TEST(FunctionErrors, DomainAndRange) {
    TParser parser;
    parser.SetExpression("ln(x)");
    parser.X = 0;
    EXPECT_EQ(evalError(parser), "Floating point division by zero");
    parser.X = -1;
    EXPECT_EQ(evalError(parser), "Invalid floating point operation");
    parser.SetExpression("sqrt(x)");
    EXPECT_EQ(evalError(parser), "Invalid floating point operation");
    parser.SetExpression("exp(x)");
    parser.X = 710;
    EXPECT_EQ(evalError(parser), "Floating point overflow");
    parser.SetExpression("sinh(x)");
    parser.X = 711;
    EXPECT_EQ(evalError(parser), "Floating point overflow");
    parser.SetExpression("ph(x)");
    parser.X = 1e300;  // u rounds to no 64-bit integer
    EXPECT_EQ(evalError(parser), "Invalid floating point operation");
}

}  // namespace
