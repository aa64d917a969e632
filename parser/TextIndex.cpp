#include "TextIndex.h"

#include <algorithm>

namespace parser {
namespace {

bool isDigitChar(char c) {
    return c >= '0' && c <= '9';
}
bool isNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || isDigitChar(c) || c == '_';
}

bool operatorWordAt(const std::string& s, std::size_t i) {
    return s.compare(i, 3, "DIV") == 0 || s.compare(i, 3, "MOD") == 0;
}

// True when the E before the sign at j can be a number's exponent: digits follow the sign up to
// where a piece may end, and before the E stands a mantissa of digits with at most one point,
// or nothing, where a piece may start. Pieces start and end next to operators (DIV and MOD
// included), brackets and commas, never inside a name.
bool exponentSignAt(const std::string& s, std::size_t j, const std::string& separator) {
    auto inSeparator = [&](char c) { return separator.find(c) != std::string::npos; };
    std::size_t k = j + 1;
    if (k >= s.size() || !isDigitChar(s[k])) return false;
    while (k < s.size() && isDigitChar(s[k])) ++k;
    if (k < s.size() && (isNameChar(s[k]) || s[k] == '.' || inSeparator(s[k])) &&
        !operatorWordAt(s, k)) {
        return false;
    }
    std::size_t p = j - 1;  // the E
    int points = 0;
    while (p > 0 && (isDigitChar(s[p - 1]) || s[p - 1] == '.' || inSeparator(s[p - 1]))) {
        if (!isDigitChar(s[p - 1])) ++points;
        --p;
    }
    if (points > 1) return false;
    return !(p > 0 && isNameChar(s[p - 1])) || (p >= 3 && operatorWordAt(s, p - 3));
}

// A sign inside a product, quotient or power is a number's sign, an exponent's sign or a
// unary minus. A unary minus starts a factor after "*"; a number's sign follows "/", "^", DIV,
// MOD or a unary minus and comes before the number; an exponent's sign follows the E of a
// number. A "+" or "-" anywhere else can only be a binary operator, which no such term holds
// outside brackets.
bool signCanBeUnary(const std::string& s, std::size_t j, const std::string& separator) {
    if (j == 0) return true;
    const char before = s[j - 1];
    const char after = j + 1 < s.size() ? s[j + 1] : '\0';
    const bool numberAfter = isDigitChar(after) || after == '.' || after == 'E' || after == 'P' ||
                             (after != '\0' && separator.find(after) != std::string::npos);
    switch (before) {
        case '*':
            return true;
        case '/':
        case '^':
        case '-':
            return numberAfter;
        case 'E':
            return exponentSignAt(s, j, separator);
        case 'V':
            return numberAfter && j >= 3 && s.compare(j - 3, 3, "DIV") == 0;
        case 'D':
            return numberAfter && j >= 3 && s.compare(j - 3, 3, "MOD") == 0;
        default:
            return false;
    }
}

bool occursAt(const std::string& s, int kind, std::size_t j, const std::string& separator) {
    switch (kind) {
        case KindPlus:
            return s[j] == '+';
        case KindMinus:
            return s[j] == '-';
        case KindStar:
            return s[j] == '*';
        case KindSlash:
            return s[j] == '/';
        case KindCaret:
            return s[j] == '^';
        case KindDiv:
            return s.compare(j, 3, "DIV") == 0;
        case KindMod:
            return s.compare(j, 3, "MOD") == 0;
        case KindComma:
            return s[j] == ',';
        case KindOpenBracket:
            return s[j] == '(';
        case KindBadSign:
            return (s[j] == '+' || s[j] == '-') && !signCanBeUnary(s, j, separator);
        case KindBadPlus:
            return s[j] == '+' && !signCanBeUnary(s, j, separator);
        default:
            return false;
    }
}

}  // namespace

TextIndex::TextIndex(const std::string& text, const RecognizerTables& tables)
    : length_(static_cast<int>(text.size())), stride_(text.size() + 1) {
    count_.assign(stride_, 0);
    int minCount = 0;
    int maxCount = 0;
    for (int i = 0; i < length_; ++i) {
        count_[at(i + 1)] = count_[at(i)] + (text[at(i)] == '(') - (text[at(i)] == ')');
        minCount = std::min(minCount, count_[at(i + 1)]);
        maxCount = std::max(maxCount, count_[at(i + 1)]);
    }

    // First later position whose count is below this one's (a "next smaller" scan).
    firstDrop_.assign(stride_, length_ + 1);
    std::vector<int> pending;
    for (int j = length_; j >= 0; --j) {
        while (!pending.empty() && count_[at(pending.back())] >= count_[at(j)]) pending.pop_back();
        firstDrop_[at(j)] = pending.empty() ? length_ + 1 : pending.back();
        pending.push_back(j);
    }

    // Next occurrence of each operator kind at or after a position, and the last one before
    // it, at that position's bracket count.
    next_.assign(stride_ * KindCount, length_);
    previous_.assign(stride_ * kSplitKinds, -1);
    // Position-major, so the quick tests of one piece read one cache line.
    std::vector<int> last(at(maxCount - minCount + 1));
    for (int kind = 0; kind < KindCount; ++kind) {
        std::fill(last.begin(), last.end(), length_);
        next_[at(length_) * KindCount + at(kind)] = length_;
        for (int j = length_ - 1; j >= 0; --j) {
            const std::size_t level = at(count_[at(j)] - minCount);
            if (occursAt(text, kind, at(j), tables.decimalSeparator)) last[level] = j;
            next_[at(j) * KindCount + at(kind)] = last[level];
        }
        if (kind >= kSplitKinds) continue;
        std::fill(last.begin(), last.end(), -1);
        int* back = previous_.data() + stride_ * at(kind);
        for (int j = 0; j <= length_; ++j) {
            const std::size_t level = at(count_[at(j)] - minCount);
            back[j] = last[level];
            if (j < length_ && occursAt(text, kind, at(j), tables.decimalSeparator))
                last[level] = j;
        }
    }

    // Characters a number may hold: digits, point, exponent, signs, "PI" and the separator.
    const std::string numberChars = "0123456789.E+-PI" + tables.decimalSeparator;
    numberEnd_.assign(stride_, length_);
    for (int j = length_ - 1; j >= 0; --j) {
        const bool inNumber = numberChars.find(text[at(j)]) != std::string::npos;
        numberEnd_[at(j)] = inNumber ? numberEnd_[at(j + 1)] : j;
    }

    // Every accepted term starts with a name, a number, a sign or "(", and ends with a name, a
    // number or ")"; anything else at either end rejects a piece at once.
    edge_.assign(stride_, 0);
    for (int j = 0; j < length_; ++j) {
        const char c = text[at(j)];
        const bool word = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                          c == '.' || tables.decimalSeparator.find(c) != std::string::npos;
        if (word || c == '+' || c == '-' || c == '(') edge_[at(j)] |= kCanStart;
        if (word || c == ')') edge_[at(j)] |= kCanEnd;
    }

    markLastOperands(text, tables);
}

// A term of more than one operand that ends with a letter ends with a variable's name (or
// "PI"), and an operator stands right before that name: "+", "-", "*", "/", "^", DIV or MOD.
// Marks the ends where that can be so.
void TextIndex::markLastOperands(const std::string& text, const RecognizerTables& tables) {
    lastOperandEnds_.assign(stride_, 1);
    for (char c : tables.decimalSeparator) {
        if (c >= 'A' && c <= 'Z') return;  // numbers may end with a letter too
    }
    std::vector<std::string> names{"PI"};
    tables.variables->forEachName([&](const std::string& name) { names.push_back(name); });
    auto operatorEndsAt = [&](int end) {  // an operator occupies [?, end)
        if (end <= 0) return false;
        switch (text[at(end - 1)]) {
            case '+':
            case '-':
            case '*':
            case '/':
            case '^':
                return true;
            case 'V':
                return end >= 3 && text.compare(at(end - 3), 3, "DIV") == 0;
            case 'D':
                return end >= 3 && text.compare(at(end - 3), 3, "MOD") == 0;
            default:
                return false;
        }
    };
    for (int end = 1; end <= length_; ++end) {
        const char last = text[at(end - 1)];
        if (last < 'A' || last > 'Z') continue;
        bool possible = false;
        for (const std::string& name : names) {
            const int start = end - static_cast<int>(name.size());
            if (start >= 0 && text.compare(at(start), name.size(), name) == 0 &&
                operatorEndsAt(start)) {
                possible = true;
                break;
            }
        }
        lastOperandEnds_[at(end)] = possible;
    }
}

// True when the bracket opened at p closes at the piece's last character.
bool TextIndex::closesAtEnd(int p, int b) const {
    return firstDrop_[at(p + 1)] == b;  // the count first drops below the content's there
}

// Which operators that some terms cannot hold stand on the piece's own level, as bits.
unsigned TextIndex::insideKinds(int a, int b) const {
    const int* here = &next_[at(a) * KindCount];
    unsigned kinds = 0;
    for (int kind : {KindBadSign, KindBadPlus, KindStar, KindSlash, KindCaret}) {
        int i = here[kind];
        if (i == a) i = nextAtLevel(kind, a + 1);  // an operator character: the level is the same
        if (i < b) kinds |= 1u << kind;
    }
    return kinds;
}

}  // namespace parser
