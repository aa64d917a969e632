// The compiled program: a chain of steps over shared cells, deepest level first.
#include <gtest/gtest.h>

#include "ParserTestSupport.h"

using parsertest::steps;
using parsertest::tokens;

namespace {

TEST(Program, LoneVariableIsThePlaceholderStep) {
    TParser parser;
    parser.SetExpression("x");
    const auto s = steps(parser);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0]->token, TokVariable);
    EXPECT_EQ(s[0]->dest, &parser.X);  // the result is the variable's own storage
    EXPECT_EQ(s[0]->next, nullptr);
    parser.X = 2.5;
    EXPECT_EQ(parser.Value(), 2.5);
    parser.SetVariable("x", -1);  // seen without compiling again
    EXPECT_EQ(parser.Value(), -1);
}

TEST(Program, LoneNumberIsThePlaceholderStep) {
    TParser parser;
    parser.SetExpression("2.5");
    const auto s = steps(parser);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0]->token, TokConstant);
    EXPECT_EQ(*s[0]->dest, 2.5);
    EXPECT_EQ(parser.Value(), 2.5);
}

TEST(Program, OperandsAreSharedCells) {
    TParser parser;
    parser.SetExpression("x+1");
    const auto s = steps(parser);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0]->token, TokAdd);
    EXPECT_EQ(s[0]->arg1, &parser.X);
    EXPECT_EQ(*s[0]->arg2, 1);
    EXPECT_NE(s[0]->dest, s[0]->arg2);
    // Each constant has a cell of its own.
    parser.SetExpression("1+1");
    EXPECT_NE(steps(parser)[0]->arg1, steps(parser)[0]->arg2);
}

TEST(Program, DeepestLevelRunsFirst) {
    TParser parser;
    parser.SetExpression("(x+y)*(t-x)");
    const auto s = steps(parser);
    ASSERT_EQ(tokens(parser), (std::vector<int>{TokAdd, TokSubtract, TokMultiply}));
    EXPECT_EQ(s[2]->arg1, s[0]->dest);
    EXPECT_EQ(s[2]->arg2, s[1]->dest);
    parser.SetExpression("sin(x*2)+1");
    EXPECT_EQ(tokens(parser), (std::vector<int>{TokMultiply, TokFunction1, TokAdd}));
    // Within a level the steps keep their order of creation: first operands first.
    parser.SetExpression("max(x*2,y/3)-min(t+1,x^5)");
    EXPECT_EQ(tokens(parser), (std::vector<int>{TokMultiply, TokDivide, TokAdd, TokIntPower,
                                                TokFunction2, TokFunction2, TokSubtract}));
}

TEST(Program, LastStepComputesTheWholeExpression) {
    TParser parser;
    parser.X = 3;
    parser.SetExpression("2-1.2*x*x");
    const auto s = steps(parser);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(parser.Value(), *s.back()->dest);
}

TEST(Program, VariablesAreReadAtEachEvaluation) {
    TParser parser;
    double* speed = parser.SetVariable("speed", 1);
    parser.SetExpression("x*y+speed");
    parser.X = 2;
    parser.Y = 3;
    EXPECT_EQ(parser.Value(), 7);
    *speed = 10;
    EXPECT_EQ(parser.Value(), 16);
    parser.SetVariable("SPEED", 0);
    parser.SetVariable("y", -1);
    EXPECT_EQ(parser.Value(), -2);
}

TEST(Program, EvaluationRepeats) {
    TParser parser;
    parser.SetExpression("1.5+1.15*(x-1.15)*(x-1.15)");
    for (double x = -2; x <= 2; x += 0.01) {
        parser.X = x;
        ASSERT_EQ(parser.Value(), 1.5 + 1.15 * ((x - 1.15) * (x - 1.15)));
    }
}

TEST(Program, NewExpressionReplacesTheProgram) {
    TParser parser;
    parser.X = 2;
    parser.SetExpression("x*x*x");
    EXPECT_EQ(parser.Value(), 8);
    parser.SetExpression("x+1");
    EXPECT_EQ(tokens(parser), (std::vector<int>{TokAdd}));
    EXPECT_EQ(parser.Value(), 3);
}

}  // namespace
