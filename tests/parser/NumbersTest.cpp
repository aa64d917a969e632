// Number syntax: the fixed form with the point, the locale form, and PI.
#include <gtest/gtest.h>

#include <cmath>

#include "NumberText.h"
#include "ParserTestSupport.h"

using parser::readFixedNumber;
using parser::readLocaleNumber;
using parsertest::compileError;
using parsertest::tokens;
using parsertest::valueOf;

namespace {

double fixedValue(const char* text) {
    double v = -12345;
    EXPECT_TRUE(readFixedNumber(text, v)) << text;
    return v;
}

bool isFixedNumber(const char* text) {
    double v = 0;
    return readFixedNumber(text, v);
}

TEST(FixedNumbers, DigitsMayBeMissingAroundThePoint) {
    EXPECT_EQ(fixedValue("."), 0);
    EXPECT_EQ(fixedValue("E5"), 0);
    EXPECT_EQ(fixedValue("5."), 5);
    EXPECT_EQ(fixedValue(".5"), 0.5);
    EXPECT_EQ(fixedValue("-.E-3"), 0);
    EXPECT_EQ(fixedValue("+7"), 7);
    EXPECT_EQ(fixedValue("-0.04"), -0.04);
    EXPECT_EQ(fixedValue("1.5E+3"), 1500);
    EXPECT_EQ(fixedValue("25E-1"), 2.5);
    EXPECT_EQ(fixedValue("0.1000000000000000055511151231257827"), 0.1);
}

TEST(FixedNumbers, WhatIsNotANumber) {
    for (const char* text : {"", "+", "-", "E", "5E", "5E+", "1.2.3", "1,5", "--5", "1E5.5",
                             "1E2E3", " 5", "5 ", "0X10", "INF", "NAN", "1e5"}) {
        EXPECT_FALSE(isFixedNumber(text)) << text;  // the text is upper case by now
    }
}

TEST(FixedNumbers, RangeOfTheDouble) {
    EXPECT_EQ(fixedValue("1.7976931348623157E308"), 1.7976931348623157e308);
    EXPECT_FALSE(isFixedNumber("1.8E308"));  // beyond the double range: no number at all
    EXPECT_FALSE(isFixedNumber("1E99999999999999999999"));
    EXPECT_EQ(fixedValue("1E-320"), 1e-320);  // denormal
    EXPECT_EQ(fixedValue("1E-400"), 0);       // underflows quietly
    EXPECT_EQ(fixedValue("0E99999999999999999999"), 0);
    TParser parser;
    EXPECT_EQ(compileError(parser, "x*1E400"), "Error parsing expression:\rX\r1E400");
}

TEST(FixedNumbers, CommaIsNeverASeparator) {
    TParser parser;
    EXPECT_TRUE(parser.FixedNumberFormat());
    TParser::SetSystemDecimalSeparator(",");
    EXPECT_EQ(compileError(parser, "1,5"), "Error parsing expression:\r1,5");
    EXPECT_EQ(compileError(parser, "1.5"), "");
    TParser::SetSystemDecimalSeparator("");
}

TEST(FixedNumbers, PiAndMinusPi) {
    TParser parser;
    parser.SetExpression("pi");
    EXPECT_EQ(tokens(parser), (std::vector<int>{TokConstant}));
    EXPECT_EQ(parser.Value(), 3.141592653589793);
    parser.SetExpression("-PI");
    EXPECT_EQ(tokens(parser), (std::vector<int>{TokConstant}));
    EXPECT_EQ(parser.Value(), -3.141592653589793);
    EXPECT_EQ(compileError(parser, "+PI"), "Error parsing expression:\r+PI");
    EXPECT_EQ(compileError(parser, "--PI"), "Error parsing expression:\r-PI\r ");
}

// The locale conversion takes its separator from the hook the program feeds.
class LocaleNumbers : public ::testing::Test {
  protected:
    void TearDown() override { TParser::SetSystemDecimalSeparator(""); }
};

TEST_F(LocaleNumbers, CommaSeparator) {
    TParser::SetSystemDecimalSeparator(",");
    EXPECT_EQ(TParser::SystemDecimalSeparator(), ",");
    TParser parser;
    parser.SetFixedNumberFormat(false);
    parser.SetExpression("1,5*2");
    EXPECT_EQ(parser.Value(), 3);
    EXPECT_EQ(compileError(parser, "1.5"), "Error parsing expression:\r1.5");
    // The argument comma is tried first, and "5,2" is then a number.
    parser.SetExpression("max(1,5,2)");
    EXPECT_EQ(parser.Value(), 5.2);
    parser.SetExpression("max(1,5)");
    EXPECT_EQ(parser.Value(), 5);
}

TEST_F(LocaleNumbers, ConversionNeedsADigit) {
    TParser::SetSystemDecimalSeparator(".");
    TParser parser;
    parser.SetFixedNumberFormat(false);
    EXPECT_EQ(compileError(parser, "."), "Error parsing expression:\r.");
    EXPECT_EQ(compileError(parser, "E5"), "Error parsing expression:\rE5");
    EXPECT_EQ(compileError(parser, "5."), "");
    EXPECT_EQ(parser.Value(), 5);
    EXPECT_EQ(compileError(parser, ".5E1"), "");
    EXPECT_EQ(parser.Value(), 5);
    EXPECT_EQ(compileError(parser, "PI"), "");  // known in both forms
    double v = 0;
    EXPECT_TRUE(readLocaleNumber("-2,5E-1", ",", v));
    EXPECT_EQ(v, -0.25);
    EXPECT_FALSE(readLocaleNumber(",", ",", v));
    EXPECT_FALSE(readLocaleNumber("1,,5", ",", v));
}

TEST_F(LocaleNumbers, DefaultComesFromTheCLibrary) {
    TParser::SetSystemDecimalSeparator("");
    EXPECT_EQ(TParser::SystemDecimalSeparator(), ".");  // the "C" locale of the test program
}

TEST_F(LocaleNumbers, TheSettingIsReadAtCompileTime) {
    TParser parser;
    parser.SetFixedNumberFormat(false);
    TParser::SetSystemDecimalSeparator(",");
    parser.SetExpression("2,5");
    TParser::SetSystemDecimalSeparator(".");
    EXPECT_EQ(parser.Value(), 2.5);  // the compiled constant stays
}

TEST(Numbers, NoConstantFolding) {
    TParser parser;
    parser.SetExpression("1.2*2");
    EXPECT_EQ(tokens(parser), (std::vector<int>{TokMultiply}));
    EXPECT_EQ(parser.Value(), 2.4);
}

TEST(Numbers, InExpressions) {
    EXPECT_EQ(valueOf(".5*x", 4), 2);
    EXPECT_EQ(valueOf("5.*x", 4), 20);
    EXPECT_EQ(valueOf("x*1E-1", 4), 0.4);
    EXPECT_EQ(valueOf("x+1E+1", 4), 14);  // the "+" inside the exponent is no operator
    EXPECT_EQ(valueOf("1E+1+x", 4), 14);
}

}  // namespace
