#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "NameTable.h"
#include "RecognizerMemo.h"
#include "Recognizers.h"
#include "TextIndex.h"

namespace parser {

// Answers "does recogniser R accept the piece [a, b) of the text?" for the pieces the compiler
// asks about: they start at the text's start, after an operator (DIV and MOD included), "(" or
// ",", or at a "(", and end at the text's end or before an operator, ")" or ",".
//
// The grammar tries every split of every side, which is exponential when done naively: a
// pupil's text of a few dozen characters could take minutes. Here the answers stay exactly the
// grammar's, but compiling is polynomial:
// - each answer is remembered per (recogniser, piece);
// - a piece is split only at operators on its own bracket level (a piece whose brackets do not
//   nest properly is never accepted by anything, so those splits cannot change an answer);
// - cheap necessary conditions (TextIndex) reject most pieces without any search: what a term
//   may start and end with, what a product, quotient or power cannot hold on its own level;
// - the occurrences of an operator with an accepted left (or right) side are listed once per
//   start (or end) and shared by all the pieces with that start (or end).
// The search runs on an explicit stack, so very long texts cannot exhaust the call stack.
class TermRecognizer {
  public:
    TermRecognizer(std::string text, RecognizerTables tables);

    const std::string& text() const { return text_; }
    std::string_view piece(int a, int b) const {
        return std::string_view(text_).substr(static_cast<std::size_t>(a),
                                              static_cast<std::size_t>(b - a));
    }

    bool accepts(Recognizer rec, int a, int b);

    // Bracket count of text[0, i).
    int bracketCount(int i) const { return index_.bracketCount(i); }
    bool balanced(int a, int b) const { return bracketCount(a) == bracketCount(b); }

    // Removes enclosing bracket pairs while their content is a valid term.
    void stripBrackets(int& a, int& b);

    double* variableAt(int a, int b) const;
    bool numberAt(int a, int b, double& value) const;
    TParserRoutine function1Named(int a, int b) const;
    TParserRoutine function2Named(int a, int b) const;

    // How many (recogniser, piece) answers were worked out; for tests of the cost.
    std::size_t answersComputed() const { return computed_; }
    // How many questions were asked of the memory, answered or not.
    std::size_t probes() const { return probes_; }

  private:
    enum Outcome : int { Rejected = 0, Accepted = 1, Pending = 2 };
    struct Frame {
        int a;
        int b;
        int cursor;
        int list;  // side list of a two-operand recogniser
        std::uint8_t rec;
        std::uint8_t phase;
    };
    // Operator occurrences of one level whose side is known to be accepted, in the order they
    // are tried, examined up to nextCandidate. "+", "*" and "^" keep, per start a, the
    // occurrences i with an accepted left side [a, i) and try them from the left; "-", "/",
    // DIV and MOD keep, per end b, those with an accepted right side and try them from the
    // right, where their valid split usually is. Either way a run of rejected sides is walked
    // once for all the pieces sharing that end, not once per piece.
    struct SideList {
        std::vector<int> valid;
        int nextCandidate;
    };
    struct Query {
        int a;
        int b;
        std::uint8_t rec;
    };
    // For "+", "*" and "^" (tried from the left), per end b: the operator occurrences are asked,
    // from the right, whether their right side up to b is accepted, until one is. A piece that
    // starts at or after the last one asked without success has no split at all, whatever its
    // left sides; in a text that fails at its end this spares walking every left side of every
    // start.
    struct RightScan {
        int next;   // the occurrence to ask next; at or before the piece's start: none left
        int found;  // the rightmost occurrence with an accepted right side, -1 while none
    };
    // The same for "-", "/", DIV and MOD (tried from the right), per start a: the occurrences are
    // asked, from the left, whether their left side from a is accepted, until one is.
    struct LeftScan {
        int next;   // the occurrence to ask next
        int found;  // the leftmost occurrence with an accepted left side, -1 while none
    };
    bool quickRejectNested(Recognizer rec, int a, int b, unsigned inside) const;
    bool numberQuick(int a, int b) const;
    int sideListFor(std::uint8_t rec, int a, int b);
    bool sideListRejects(std::uint8_t rec, int a, int b) const;
    Outcome anyAcceptedRight(std::uint8_t rec, int a, int b, Query& need);
    Outcome anyAcceptedLeft(std::uint8_t rec, int a, int b, Query& need);

    Outcome probe(Recognizer rec, int a, int b, Query& need);
    Outcome resolve(Recognizer rec, int a, int b, Query& need);
    Outcome advance(Frame& f, Query& need);
    Outcome advanceFromLeft(Frame& f, Query& need);
    Outcome advanceFromRight(Frame& f, Query& need);
    Outcome advanceList(Frame& f, Query& need);
    Outcome advanceF2(Frame& f, Query& need);

    std::string text_;
    RecognizerTables tables_;
    int n_ = 0;
    TextIndex index_;
    RecognizerMemo memo_;
    std::vector<SideList> sideLists_;
    std::vector<int> sideListIndex_;     // per two-operand recogniser and position, or -1
    std::vector<RightScan> rightScans_;  // per operator kind and end
    std::vector<LeftScan> leftScans_;    // per operator kind and start
    std::size_t computed_ = 0;
    std::size_t probes_ = 0;
    std::vector<Frame> stack_;
    std::vector<Query> forwarded_;  // pieces that stood for the one finally looked up
};

}  // namespace parser
