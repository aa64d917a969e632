#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Recognizers.h"

namespace parser {

// Operator kinds with next/previous-occurrence tables. The first seven follow the order of the
// two-operand recognisers RecPlus .. RecPower.
enum OperatorKind : int {
    KindPlus,
    KindMinus,
    KindStar,
    KindDiv,
    KindMod,
    KindSlash,
    KindCaret,
    KindComma,
    KindOpenBracket,
    KindBadSign,  // "+" or "-" that can only be a binary operator (see signCanBeUnary)
    KindBadPlus,  // "+" that can only be a binary operator
    KindCount
};
inline constexpr int kSplitKinds = 7;

// Facts about the positions of an (upper-case) expression text, worked out once so that the
// recogniser can test a piece [a, b) in constant time: bracket levels, where each operator
// occurs next on a level, and which characters may start or end a term.
class TextIndex {
  public:
    TextIndex(const std::string& text, const RecognizerTables& tables);

    // Bracket count of text[0, i).
    int bracketCount(int i) const { return count_[at(i)]; }

    // Brackets nest properly inside [a, b) and both ends may bound a term.
    bool properlyNested(int a, int b) const {
        return a < b && count_[at(a)] == count_[at(b)] && firstDrop_[at(a)] > b &&
               (edge_[at(a)] & kCanStart) && (edge_[at(b - 1)] & kCanEnd);
    }

    // Whether a term may start at position a, or end just before position b.
    bool mayStartAt(int a) const { return a < length_ && (edge_[at(a)] & kCanStart); }
    bool mayEndAt(int b) const { return b > 0 && (edge_[at(b - 1)] & kCanEnd); }

    // The first occurrence of an operator kind at or after `from` on from's bracket level (the
    // text length if none), and the last one before `before` on before's level (-1 if none).
    int nextAtLevel(int kind, int from) const { return next_[at(from) * KindCount + at(kind)]; }
    int previousAtLevel(int kind, int before) const {
        return previous_[at(kind) * stride_ + at(before)];
    }

    // The first "(" of a properly nested piece, or the text length.
    int firstBracket(int a, int b) const {
        const int p = nextAtLevel(KindOpenBracket, a);
        return p < b ? p : length_;
    }

    // True when the bracket opened at p closes at the piece's last character.
    bool closesAtEnd(int p, int b) const;

    // Which of the kinds BadSign, BadPlus, Star, Slash and Caret stand on the level of a
    // properly nested piece after its first character, as bits (1 << kind).
    unsigned insideKinds(int a, int b) const;

    // A number starting at a cannot reach past this position.
    int numberEnd(int a) const { return numberEnd_[at(a)]; }

    // False when a term of several operands cannot end at b (see markLastOperands).
    bool lastOperandMayEndAt(int b) const { return lastOperandEnds_[at(b)] != 0; }

  private:
    static std::size_t at(int i) { return static_cast<std::size_t>(i); }
    void markLastOperands(const std::string& text, const RecognizerTables& tables);

    static constexpr std::uint8_t kCanStart = 1;
    static constexpr std::uint8_t kCanEnd = 2;

    int length_;
    std::size_t stride_;              // length + 1
    std::vector<int> count_;          // bracket count before each position
    std::vector<int> firstDrop_;      // first position after i whose count is below count_[i]
    std::vector<int> next_;           // position-major: a position's kinds share a cache line
    std::vector<int> previous_;       // kind-major, for the seven two-operand kinds
    std::vector<int> numberEnd_;      // first position from i holding a character no number has
    std::vector<std::uint8_t> edge_;  // which positions may start or end a term
    std::vector<std::uint8_t> lastOperandEnds_;  // where a term of several operands may end
};

}  // namespace parser
