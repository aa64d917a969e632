// How texts are prepared, split and grouped.
#include <gtest/gtest.h>

#include "ParserTestSupport.h"

using parsertest::compileError;
using parsertest::steps;
using parsertest::tokens;
using parsertest::valueOf;

namespace {

TEST(Preparation, NamesAndFunctionsAreCaseInsensitive) {
    TParser lower, upper;
    lower.SetExpression("sin(x)+max(y,t)");
    upper.SetExpression("SIN(X)+MAX(Y,T)");
    const auto a = steps(lower), b = steps(upper);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i]->token, b[i]->token);
        EXPECT_EQ(a[i]->routine, b[i]->routine);
    }
    EXPECT_EQ(lower.Expression(), "sin(x)+max(y,t)");  // the text is kept as given
}

TEST(Preparation, OnlyLeadingAndTrailingBlanksAreRemoved) {
    TParser parser;
    parser.X = 2;
    EXPECT_EQ(compileError(parser, " x+1 "), "");
    EXPECT_EQ(parser.Value(), 3);
    EXPECT_EQ(compileError(parser, "x + 1"), "Expression has blanks");
    EXPECT_EQ(compileError(parser, "x+\t1"), "Error parsing expression:\rX\r\t1");  // not a blank
}

TEST(Preparation, BracketsAreCountedNotMatched) {
    TParser parser;
    EXPECT_EQ(compileError(parser, "(x+1"), "Missing brackets in expression");
    EXPECT_EQ(compileError(parser, "x)+(1"), "Error parsing expression:\rX)\r(1");
    EXPECT_EQ(compileError(parser, ")x("), "Error parsing expression:\r)X(");
}

TEST(Preparation, RedundantBracketsAroundTheWholeTextGo) {
    TParser parser;
    parser.SetExpression("((x))");
    ASSERT_EQ(tokens(parser), (std::vector<int>{TokVariable}));
    EXPECT_EQ(parser.FirstOperation()->dest, &parser.X);
    // Here the outer brackets do not enclose one term: "X)+(Y" is not valid.
    parser.SetExpression("(x)+(y)");
    EXPECT_EQ(tokens(parser), (std::vector<int>{TokAdd}));
}

TEST(Grouping, MinusAndDivideGroupToTheLeft) {
    TParser parser;
    parser.SetExpression("x-y-t");
    const auto s = steps(parser);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0]->arg1, &parser.X);  // (x-y) first
    EXPECT_EQ(s[0]->arg2, &parser.Y);
    EXPECT_EQ(s[1]->arg1, s[0]->dest);
    EXPECT_EQ(s[1]->arg2, &parser.T);
    EXPECT_EQ(valueOf("8/4/2"), 1);
    EXPECT_EQ(valueOf("2-3-4"), -5);
}

TEST(Grouping, PlusAndTimesGroupToTheRight) {
    TParser parser;
    parser.SetExpression("x+y+t");
    const auto s = steps(parser);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0]->arg1, &parser.Y);  // (y+t) first
    EXPECT_EQ(s[0]->arg2, &parser.T);
    EXPECT_EQ(s[1]->arg1, &parser.X);
    EXPECT_EQ(s[1]->arg2, s[0]->dest);
}

TEST(Grouping, PlusIsTriedBeforeMinus) {
    // "+" splits first, with the difference on its left: (2-3)+4.
    EXPECT_EQ(valueOf("2-3+4"), 3);
    EXPECT_EQ(valueOf("-2+3"), 1);
    EXPECT_EQ(valueOf("10-2+3-1"), 10);
}

TEST(UnaryMinus, OnlyAtTheStartOfATermOrLeftOperand) {
    TParser parser;
    EXPECT_EQ(compileError(parser, "-x-1"), "Error parsing expression:\rX-1\r ");
    EXPECT_EQ(compileError(parser, "-2-3"), "Error parsing expression:\r2-3\r ");
    EXPECT_EQ(compileError(parser, "2*-x"), "Error parsing expression:\r2\r-X");
    EXPECT_EQ(compileError(parser, "(-x)-1"), "");
    EXPECT_EQ(compileError(parser, "2*(-x)"), "");
    EXPECT_EQ(compileError(parser, "-x*2"), "");
    EXPECT_EQ(tokens(parser), (std::vector<int>{TokNegate, TokMultiply}));
}

TEST(UnaryMinus, PowerBindsTighter) {
    TParser parser;
    parser.X = 3;
    parser.SetExpression("-x^2");
    EXPECT_EQ(tokens(parser), (std::vector<int>{TokSquare, TokNegate}));
    EXPECT_EQ(parser.Value(), -9);
}

TEST(UnaryMinus, LeadingMinusOfANumberBelongsToIt) {
    TParser parser;
    parser.SetExpression("-0.04");
    ASSERT_EQ(tokens(parser), (std::vector<int>{TokConstant}));
    EXPECT_EQ(parser.Value(), -0.04);
}

TEST(DivMod, OccurrenceAtTheFirstCharacterIsSkipped) {
    TParser parser;
    parser.SetVariable("diva", 17);
    // DIV at the start is skipped; the next one splits DIVA DIV DIVA.
    parser.SetExpression("divadivdiva");
    EXPECT_EQ(tokens(parser), (std::vector<int>{TokIntDivide}));
    EXPECT_EQ(parser.Value(), 1);
    EXPECT_EQ(compileError(parser, "MOD3"), "Error parsing expression:\rMOD3");
}

TEST(DivMod, RightSideStartsAfterTheThreeLetters) {
    TParser parser;
    parser.X = 17;
    parser.Y = 5;
    parser.SetExpression("xMODy");
    const auto s = steps(parser);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0]->token, TokModulo);
    EXPECT_EQ(s[0]->arg1, &parser.X);
    EXPECT_EQ(s[0]->arg2, &parser.Y);
    EXPECT_EQ(parser.Value(), 2);
}

TEST(DivMod, BindLikeTimesAndDivide) {
    EXPECT_EQ(valueOf("1+7MOD4"), 4);
    EXPECT_EQ(valueOf("10DIV3*3"), 9);
    EXPECT_EQ(valueOf("10MOD4DIV2"), 1);
    EXPECT_EQ(valueOf("10DIV4MOD3"), 2);
}

TEST(Functions, ArgumentsSplitAtTheFirstCommaThatWorks) {
    // The first comma lies inside the inner call and gives "MAX(1"; the second one works.
    EXPECT_EQ(valueOf("max(max(1,2),3)"), 3);
    EXPECT_EQ(valueOf("min(3,min(2,1))"), 1);
    EXPECT_EQ(valueOf("max(1,2)+min(3,4)"), 5);
    TParser parser;
    EXPECT_EQ(compileError(parser, "max(1,,2)"), "Error parsing expression:\rMAX(1,,2)");
}

TEST(Functions, BracketedArgumentsStandForTheirContent) {
    TParser parser;
    parser.SetExpression("max((x),((y)))");
    const auto s = steps(parser);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0]->arg1, &parser.X);
    EXPECT_EQ(s[0]->arg2, &parser.Y);
    parser.SetExpression("sin(((x)))");
    EXPECT_EQ(steps(parser)[0]->arg1, &parser.X);
}

TEST(Functions, NameMustBeFollowedByItsBracket) {
    TParser parser;
    EXPECT_EQ(compileError(parser, "sin(x)(y)"), "Error parsing expression:\rSIN(X)(Y)");
    EXPECT_EQ(compileError(parser, "(x)sin(y)"), "Error parsing expression:\r(X)SIN(Y)");
    EXPECT_EQ(compileError(parser, "sinx"), "Error parsing expression:\rSINX");
}

TEST(Variables, NewNamesNeedSetVariable) {
    TParser parser;
    EXPECT_EQ(compileError(parser, "z+1"), "Error parsing expression:\rZ\r1");
    parser.SetVariable("z", 2);
    EXPECT_EQ(compileError(parser, "z+1"), "");
    EXPECT_EQ(parser.Value(), 3);
}

TEST(Variables, EIsAVariableButE5IsANumber) {
    TParser parser;
    parser.E = 7;
    parser.SetExpression("E");
    EXPECT_EQ(tokens(parser), (std::vector<int>{TokVariable}));
    EXPECT_EQ(parser.Value(), 7);
    parser.SetExpression("E5");
    EXPECT_EQ(tokens(parser), (std::vector<int>{TokConstant}));
    EXPECT_EQ(parser.Value(), 0);
}

TEST(Variables, RegisteredNameWinsOverNumber) {
    // The variable recogniser comes first, so a variable called E5 hides the number.
    TParser parser;
    parser.SetVariable("E5", 4);
    parser.SetExpression("E5*2");
    EXPECT_EQ(parser.Value(), 8);
}

}  // namespace
