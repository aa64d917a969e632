// How compile errors surface: classes, messages, OnParserError, and the parser's state after.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "ParserTestSupport.h"

using parsertest::compileError;

namespace {

template <class E>
void expectCompileErrorOfClass(const std::string& text, const std::string& message) {
    TParser parser;
    try {
        parser.SetExpression(text);
        ADD_FAILURE() << text << " compiled";
    } catch (const E& e) {
        EXPECT_EQ(std::string(e.what()), message) << text;
    } catch (const std::exception& e) {
        ADD_FAILURE() << text << " raised the wrong class: " << e.what();
    }
}

TEST(CompileErrors, EachCauseHasItsClassAndMessage) {
    expectCompileErrorOfClass<EExpressionHasBlanks>("1 + x", "Expression has blanks");
    expectCompileErrorOfClass<EMissMatchingBracket>("((x)", "Missing brackets in expression");
    expectCompileErrorOfClass<ESyntaxError>("x+", "Error parsing expression:\rX+");
    expectCompileErrorOfClass<ESyntaxError>("x+y+", "Error parsing expression:\rX\rY+");
    expectCompileErrorOfClass<ETooManyNestings>("x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x",
                                                "Expression contains too many nestings");
}

TEST(CompileErrors, AllDeriveFromEMathParserError) {
    static_assert(std::is_base_of_v<EMathParserError, ESyntaxError>);
    static_assert(std::is_base_of_v<EMathParserError, EExpressionHasBlanks>);
    static_assert(std::is_base_of_v<EMathParserError, EExpressionTooComplex>);
    static_assert(std::is_base_of_v<EMathParserError, ETooManyNestings>);
    static_assert(std::is_base_of_v<EMathParserError, EMissMatchingBracket>);
    static_assert(std::is_base_of_v<EMathParserError, EBadName>);
    static_assert(std::is_base_of_v<EMathParserError, EParserInternalError>);
    static_assert(std::is_base_of_v<std::exception, EMathParserError>);
}

TEST(CompileErrors, MessagesUseCarriageReturns) {
    TParser parser;
    const std::string message = compileError(parser, "x*/y");
    EXPECT_EQ(message, "Error parsing expression:\rX*\rY");
    EXPECT_EQ(message.find('\n'), std::string::npos);
}

TEST(CompileErrors, TheLastAttemptsTextsAreShown) {
    TParser parser;
    // "+" writes X and -Y; "-" then writes X+ and Y, the last attempt.
    EXPECT_EQ(compileError(parser, "x+-y"), "Error parsing expression:\rX+\rY");
    // A term starting with "-" is never split at a later "-": only the rest is shown.
    EXPECT_EQ(compileError(parser, "-x-y"), "Error parsing expression:\rX-Y\r ");
    // Operators at the first or last place are not tried, so the whole text is shown.
    EXPECT_EQ(compileError(parser, "*x"), "Error parsing expression:\r*X");
    EXPECT_EQ(compileError(parser, "foo(x)"), "Error parsing expression:\rFOO(X)");
}

TEST(FailedCompile, LeavesNoProgram) {
    TParser parser;
    parser.X = 5;
    parser.SetExpression("x*2");
    EXPECT_EQ(parser.Value(), 10);
    EXPECT_FALSE(parser.CompileFailed());
    EXPECT_NE(compileError(parser, "x*"), "");
    EXPECT_TRUE(parser.CompileFailed());
    EXPECT_EQ(parser.Expression(), "x*");  // the text is stored all the same
    EXPECT_EQ(parser.FirstOperation(), nullptr);
    EXPECT_EQ(parser.Value(), 0);  // the old program is gone too
    parser.SetExpression("x");
    EXPECT_FALSE(parser.CompileFailed());
    EXPECT_EQ(parser.Value(), 5);
}

TEST(FailedCompile, EmptyTextIsNoError) {
    TParser parser;
    parser.SetExpression("x");
    parser.SetExpression("");
    EXPECT_FALSE(parser.CompileFailed());
    EXPECT_EQ(parser.FirstOperation(), nullptr);
    EXPECT_EQ(parser.Value(), 0);
}

TEST(OnParserError, ReceivesTheErrorInsteadOfTheCaller) {
    TParser parser;
    int calls = 0;
    TParser* sender = nullptr;
    std::string message;
    bool isSyntaxError = false;
    parser.OnParserError = [&](TParser& s, const EMathParserError& e) {
        ++calls;
        sender = &s;
        message = e.what();
        isSyntaxError = dynamic_cast<const ESyntaxError*>(&e) != nullptr;
    };
    EXPECT_NO_THROW(parser.SetExpression("2*-x"));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(sender, &parser);
    EXPECT_EQ(message, "Error parsing expression:\r2\r-X");
    EXPECT_TRUE(isSyntaxError);
    EXPECT_TRUE(parser.CompileFailed());
    EXPECT_EQ(parser.Value(), 0);
    EXPECT_NO_THROW(parser.SetExpression("x y"));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(message, "Expression has blanks");
    parser.SetExpression("x");  // no call on success
    EXPECT_EQ(calls, 2);
}

TEST(OnParserError, EvaluationErrorsStillReachTheCaller) {
    TParser parser;
    parser.OnParserError = [](TParser&, const EMathParserError&) {};
    parser.SetExpression("1/x");
    EXPECT_THROW(parser.Value(), EZeroDivide);
}

TEST(SetVariable, NewNamesMustBeIdentifiers) {
    TParser parser;
    // The message is the name as the parser holds it: upper-cased (Latin letters only).
    for (auto [name, message] :
         {std::pair{"", ""}, std::pair{"1x", "1X"}, std::pair{"1a", "1A"}, std::pair{"x y", "X Y"},
          std::pair{"x-1", "X-1"}, std::pair{"x.y", "X.Y"}, std::pair{"\xd0\xb0", "\xd0\xb0"},
          std::pair{"(x)", "(X)"}}) {
        try {
            parser.SetVariable(name, 1);
            ADD_FAILURE() << "accepted " << name;
        } catch (const EBadName& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
    EXPECT_NO_THROW(parser.SetVariable("_a1", 1));
    EXPECT_NO_THROW(parser.SetVariable("Speed_2", 1));
}

TEST(SetVariable, ExistingNamesAreCaseInsensitive) {
    TParser parser;
    EXPECT_EQ(parser.SetVariable("x", 2.5), &parser.X);
    EXPECT_EQ(parser.X, 2.5);
    double* speed = parser.SetVariable("speed", 1);
    EXPECT_EQ(parser.SetVariable("SPEED", 4), speed);
    EXPECT_EQ(*speed, 4);
    parser.SetExpression("Speed*x");
    EXPECT_EQ(parser.Value(), 10);
}

}  // namespace
