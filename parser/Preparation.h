#pragma once

#include <string>
#include <string_view>

namespace parser {

// The first step of compiling: upper case (names and functions are case-insensitive), leading
// and trailing blanks removed. Raises EExpressionHasBlanks for a blank left inside and
// EMissMatchingBracket when "(" and ")" do not add up to zero over the whole text (only the
// totals are compared, not the order).
std::string prepareExpression(std::string_view text);

// ASCII upper case; other bytes (for example UTF-8 letters) are left as they are.
std::string upperCase(std::string_view text);

}  // namespace parser
