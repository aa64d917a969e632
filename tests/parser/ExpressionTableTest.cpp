// The table of hand-worked expressions: each must give its value or its exact error.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ExpressionTable.h"
#include "TParser.h"

namespace {

std::string visible(std::string text) {
    for (char& c : text) {
        if (c == '\r') c = '|';
    }
    return text;
}

TEST(ExpressionTable, HasEnoughRows) {
    EXPECT_GE(std::size(kExpressionTable), 150u);
}

TEST(ExpressionTable, EveryRowGivesItsValueOrError) {
    for (const ExpressionRow& row : kExpressionTable) {
        SCOPED_TRACE(std::string("expression \"") + row.text + "\"");
        TParser parser;
        parser.Y = 3;
        parser.E = 7;
        parser.X = row.x;
        if (row.outcome == Outcome::CompileError) {
            try {
                parser.SetExpression(row.text);
                ADD_FAILURE() << "compiled, expected " << visible(row.message);
            } catch (const EMathParserError& e) {
                EXPECT_EQ(visible(e.what()), visible(row.message));
            }
            EXPECT_TRUE(parser.CompileFailed());
            EXPECT_EQ(parser.FirstOperation(), nullptr);
            continue;
        }
        ASSERT_NO_THROW(parser.SetExpression(row.text));
        if (row.outcome == Outcome::EvalError) {
            try {
                const double v = parser.Value();
                ADD_FAILURE() << "evaluated to " << v << ", expected " << row.message;
            } catch (const std::exception& e) {
                EXPECT_STREQ(e.what(), row.message);
            }
            continue;
        }
        double v = 0;
        ASSERT_NO_THROW(v = parser.Value());
        if (row.value == 0) {
            EXPECT_EQ(v, 0.0);
        } else {
            EXPECT_NEAR(v, row.value, std::fabs(row.value) * 1e-15);
        }
    }
}

}  // namespace
