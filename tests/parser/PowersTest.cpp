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

// The cube and the fourth power keep a × a in extended precision and round once, at the end. The
// expected values were worked out in exact rational arithmetic: a × a rounded to 64 bits, times
// a (or squared) rounded to 64 bits, then to 53. Each operand was picked where rounding a × a to
// a double first would give another result.
TEST(PowerValues, CubeAndFourthPowerRoundOnlyTheirResult) {
    EXPECT_EQ(valueOf("x^3", 0.3), 0.026999999999999996);  // 0.027 when a × a is rounded first
    EXPECT_EQ(valueOf("x^3", 1.2), 1.7279999999999998);
    EXPECT_EQ(valueOf("PI^4"), 97.409091034002415);
    EXPECT_EQ(valueOf("x^4", 0.3), 0.0081);
    struct Row {
        double a, cube, fourth;
    };
    const Row rows[] = {
        {-0.7046689406673505, -0.34990922247388134, 0.24657016113040625},
        {-698.3016521509962, -340509480.97264874, 237778333136.27884},
        {0.603737892159415, 0.2200621250654229, 0.13285984353111996},
        {-855.1274266649145, -625305872.884555, 534716201958.22766},
        {-0.5372443323496578, -0.1550656228145583, 0.08330812699939125},
        {14.871466378840523, 3288.981122356886, 48911.9721817716},
        {-0.2654172653504565, -0.018697670868103942, 0.004962684670235044},
        {-818.5739733122699, -548496418.603812, 448984892724.07245},
        {-0.30192324342994414, -0.027522611818665027, 0.008309716227954659},
        {-553.522070785971, -169591791.15082085, 93872799426.10426},
        {0.5097328896223572, 0.1324426829156369, 0.06751039147192521},
        {-206.63905069843963, -8823424.909717599, 1823264147.25301},
        {1.9050204223716802, 6.913514967275743, 13.170387203032568},
        {716.936918097359, 368504532.4225398, 264194503779.92395},
        {-1.4229796665702499, -2.8813504475102913, 4.1001030990702345},
        {-383.03635179613127, -56197885.74426573, 21525833134.13936},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(valueOf("x^3", r.a), r.cube) << r.a;
        EXPECT_EQ(valueOf("x^4", r.a), r.fourth) << r.a;
    }
}

// Over many operands the steps agree with the same products computed in long double, and a
// power that leaves the double range is an overflow, not an infinity.
TEST(PowerValues, CubeAndFourthPowerAgreeWithExtendedProducts) {
    unsigned state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<double>(state >> 8) / (1u << 24);
    };
    for (int i = 0; i < 2000; ++i) {
        const double a = (next() - 0.5) * std::pow(10.0, static_cast<int>(next() * 12) - 6);
        const long double e = a;
        EXPECT_EQ(valueOf("x^3", a), static_cast<double>(e * e * e)) << a;
        EXPECT_EQ(valueOf("x^4", a), static_cast<double>((e * e) * (e * e))) << a;
    }
    TParser parser;
    parser.SetExpression("x^4");
    parser.X = 1e100;
    EXPECT_EQ(evalError(parser), "Floating point overflow");
    parser.X = -1e77;  // 1e308 is still a double
    EXPECT_NEAR(parser.Value() / 1e308, 1, 1e-15);
}

}  // namespace
