#include "NumberText.h"

#include <charconv>
#include <clocale>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace parser {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string& chosenSeparator() {
    static std::string separator;
    return separator;
}

// A number taken apart: sign, the digits around the point and the exponent.
struct NumberParts {
    bool negative = false;
    std::string_view intDigits;
    std::string_view fracDigits;
    bool expNegative = false;
    std::string_view expDigits;
};

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

// Matches `text` from `i` to its end against the exponent part "E[+-]digits"; an empty rest
// matches too (no exponent).
bool readExponent(std::string_view text, std::size_t i, NumberParts& parts) {
    if (i == text.size()) return true;
    if (text[i] != 'E') return false;
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        parts.expNegative = text[i] == '-';
        ++i;
    }
    std::size_t end = skipDigits(text, i);
    if (end == i || end != text.size()) return false;
    parts.expDigits = text.substr(i, end - i);
    return true;
}

std::size_t readSign(std::string_view text, NumberParts& parts) {
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        parts.negative = text[0] == '-';
        return 1;
    }
    return 0;
}

// Converts parts to the nearest double. A value beyond the double range fails (the text is then
// no number); a value too small for it becomes zero, as underflow does in arithmetic.
bool partsToDouble(const NumberParts& parts, double& value) {
    std::string_view ints = parts.intDigits;
    std::size_t lead = 0;
    while (lead < ints.size() && ints[lead] == '0') ++lead;
    ints.remove_prefix(lead);
    std::string_view fracs = parts.fracDigits;
    std::size_t fracLead = 0;
    if (ints.empty()) {
        while (fracLead < fracs.size() && fracs[fracLead] == '0') ++fracLead;
    }
    double zero = parts.negative ? -0.0 : 0.0;
    if (ints.empty() && fracLead == fracs.size()) {  // all digits zero, or none at all
        value = zero;
        return true;
    }
    // The exponent, saturated far beyond any double.
    std::int64_t exponent = 0;
    for (char c : parts.expDigits) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > 100000) break;
    }
    if (parts.expNegative) exponent = -exponent;
    // Decimal magnitude of the leading digit: the value lies in [10^(m-1), 10^m).
    std::int64_t magnitude = ints.empty() ? -static_cast<std::int64_t>(fracLead)
                                          : static_cast<std::int64_t>(ints.size());
    magnitude += exponent;
    if (magnitude > 400) return false;
    if (magnitude < -400) {
        value = zero;
        return true;
    }
    std::string normal;
    normal.reserve(ints.size() + fracs.size() + 24);
    if (parts.negative) normal += '-';
    normal += ints.empty() ? std::string_view("0") : ints;
    normal += '.';
    normal += fracs;
    normal += '0';
    normal += 'e';
    normal += std::to_string(exponent);
    double result = 0;
    auto [ptr, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), result);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0) return false;
        value = zero;
        return true;
    }
    if (ec != std::errc() || ptr != normal.data() + normal.size()) return false;
    value = result;
    return true;
}

}  // namespace

bool readFixedNumber(std::string_view text, double& value) {
    NumberParts parts;
    std::size_t i = readSign(text, parts);
    if (i == text.size()) return false;  // at least one character after the sign
    std::size_t end = skipDigits(text, i);
    parts.intDigits = text.substr(i, end - i);
    i = end;
    if (i < text.size() && text[i] == '.') {
        end = skipDigits(text, i + 1);
        parts.fracDigits = text.substr(i + 1, end - i - 1);
        i = end;
    }
    if (!readExponent(text, i, parts)) return false;
    return partsToDouble(parts, value);
}

bool readLocaleNumber(std::string_view text, std::string_view separator, double& value) {
    // A separator must not hold a bracket: the grammar counts on numbers having none.
    if (separator.empty() || separator.find_first_of("()") != std::string_view::npos) {
        separator = ".";
    }
    NumberParts parts;
    std::size_t i = readSign(text, parts);
    std::size_t end = skipDigits(text, i);
    parts.intDigits = text.substr(i, end - i);
    i = end;
    if (text.substr(i, separator.size()) == separator) {
        end = skipDigits(text, i + separator.size());
        parts.fracDigits = text.substr(i + separator.size(), end - i - separator.size());
        i = end;
    }
    if (parts.intDigits.empty() && parts.fracDigits.empty()) return false;
    if (!readExponent(text, i, parts)) return false;
    return partsToDouble(parts, value);
}

bool readNumber(std::string_view text, bool fixedFormat, std::string_view separator,
                double& value) {
    if (text == "PI") {
        value = kPi;
        return true;
    }
    if (text == "-PI") {
        value = -kPi;
        return true;
    }
    return fixedFormat ? readFixedNumber(text, value) : readLocaleNumber(text, separator, value);
}

std::string systemDecimalSeparator() {
    const std::string& chosen = chosenSeparator();
    if (!chosen.empty()) return chosen;
    const std::lconv* conv = std::localeconv();
    if (conv != nullptr && conv->decimal_point != nullptr && conv->decimal_point[0] != '\0') {
        return conv->decimal_point;
    }
    return ".";
}

void setSystemDecimalSeparator(std::string separator) {
    chosenSeparator() = std::move(separator);
}

}  // namespace parser
