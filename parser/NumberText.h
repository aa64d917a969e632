#pragma once

#include <string>
#include <string_view>

// Reading the numbers of an expression (the text is already upper case).
namespace parser {

// The double nearest to pi.
inline constexpr double kPi = 3.141592653589793;

// Fixed syntax: an optional sign, then at least one further character made of digits, an
// optional "." with digits, and an optional exponent (E, optional sign, at least one digit).
// Digits may be missing on either side of the point and before the exponent, so "." and "E5" are
// 0, "5." is 5 and ".5" is 0.5. A comma is never a decimal separator here. A value beyond the
// double range is no number (the text is then a syntax error, not an infinite constant); one
// too small for it is 0.
bool readFixedNumber(std::string_view text, double& value);

// The system-locale conversion: an optional sign, digits with at most one decimal separator
// (at least one digit in all), and an optional exponent. Returns false where the conversion
// fails, in which case the text is simply not a number. A separator holding a bracket cannot
// be told from the grammar's brackets; the point is used instead.
bool readLocaleNumber(std::string_view text, std::string_view separator, double& value);

// A whole term as a number: "PI" and "-PI" first, then the fixed or the locale syntax.
// `separator` is used only when `fixedFormat` is false.
bool readNumber(std::string_view text, bool fixedFormat, std::string_view separator, double& value);

// The locale's decimal separator used by readLocaleNumber. Until set it comes from the C
// library's localeconv(); the Qt program sets it from QLocale::system() at start-up.
std::string systemDecimalSeparator();
void setSystemDecimalSeparator(std::string separator);  // an empty text returns to localeconv()

}  // namespace parser
