#include "Preparation.h"

#include "ParserErrors.h"

namespace parser {

std::string upperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

std::string prepareExpression(std::string_view text) {
    std::string prepared = upperCase(text);
    const std::size_t first = prepared.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    const std::size_t last = prepared.find_last_not_of(' ');
    prepared = prepared.substr(first, last - first + 1);
    if (prepared.find(' ') != std::string::npos) throw EExpressionHasBlanks(kMsgHasBlanks);
    long balance = 0;
    for (char c : prepared) balance += (c == '(') - (c == ')');
    if (balance != 0) throw EMissMatchingBracket(kMsgMissingBrackets);
    return prepared;
}

}  // namespace parser
