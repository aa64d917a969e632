#include "TermClassifier.h"

#include <cmath>
#include <string>
#include <string_view>

#include "ParserErrors.h"

namespace parser {
namespace {

// The operand texts of the term under classification. Each operator occurrence tried writes
// both; a leading minus writes the rest after it. They start as a single blank.
struct AttemptTexts {
    bool leftWritten = false;
    bool rightWritten = false;
    TextRange left;
    TextRange right;

    void write(TextRange l, TextRange r) {
        left = l;
        right = r;
        leftWritten = rightWritten = true;
    }
};

struct Split {
    const char* op;
    int length;
    std::uint8_t token;
    Recognizer left;
    Recognizer right;
    Recognizer whole;  // the recogniser that accepts a term this split splits
};

constexpr Split kSplits[] = {
    {"+", 1, TokAdd, SideLeftAdditive, SideRightPlus, RecPlus},
    {"-", 1, TokSubtract, SideLeftAdditive, SideRightMinus, RecMinus},
    {"*", 1, TokMultiply, SideLeftFactor, SideRightMinus, RecStar},
    {"DIV", 3, TokIntDivide, SideLeftFactor, SideRightDivisor, RecDiv},
    {"MOD", 3, TokModulo, SideLeftFactor, SideRightDivisor, RecMod},
    {"/", 1, TokDivide, SideLeftFactor, SideRightDivisor, RecSlash},
    {"^", 1, TokRealPower, SideAtom, SideAtom, RecPower},
};

// A side accepted through a bracket stands for the bracket's content.
TextRange sideText(TermRecognizer& r, TextRange side) {
    if (r.accepts(RecB, side.a, side.b)) {
        ++side.a;
        --side.b;
        r.stripBrackets(side.a, side.b);
    }
    return side;
}

// Scans the term for one operator, trying every occurrence as the grammar does (whatever its
// bracket level, so that the texts of the last attempt are the ones an error shows).
bool trySplit(TermRecognizer& r, TextRange t, const Split& split, AttemptTexts& texts,
              TermClass& out) {
    const std::string& s = r.text();
    const std::string_view op(split.op);
    std::size_t from = static_cast<std::size_t>(t.a);
    // Where the recogniser knows that no occurrence splits the term, the scan only writes the
    // texts of its attempts, for the error message: asking about the sides of every occurrence
    // of a long failing text would take time quadratic in its length. (A power whose exponent
    // is a number is decided here, not by the recogniser.)
    const bool mayFind = split.token == TokRealPower || r.accepts(split.whole, t.a, t.b);
    for (;;) {
        std::size_t found = s.find(op, from);
        if (found == std::string::npos) return false;
        const int i = static_cast<int>(found);
        if (i + split.length > t.b) return false;
        if (split.length == 1) {
            if (i == t.a || i == t.b - 1) return false;  // the scan stops for good here
        } else if (i == t.a) {
            from = found + 1;  // DIV and MOD at the first character are skipped
            continue;
        }
        const TextRange left{t.a, i};
        const TextRange right{i + split.length, t.b};
        texts.write(left, right);
        from = found + 1;
        if (!mayFind) continue;
        if (!r.balanced(left.a, left.b) || !r.balanced(right.a, right.b)) continue;
        if (!r.accepts(split.left, left.a, left.b)) continue;
        if (split.token == TokRealPower) {
            double exponent = 0;
            if (r.numberAt(right.a, right.b, exponent)) {
                out.token = powerToken(exponent);
                out.left = sideText(r, left);
                out.right = right;
                return true;
            }
        }
        if (!r.accepts(split.right, right.a, right.b)) continue;
        out.token = split.token;
        out.left = sideText(r, left);
        out.right = sideText(r, right);
        return true;
    }
}

std::string syntaxMessage(const TermRecognizer& r, TextRange term, const AttemptTexts& texts) {
    std::string message = kMsgParsePrefix;
    if (texts.leftWritten || texts.rightWritten) {
        message += texts.leftWritten ? r.piece(texts.left.a, texts.left.b) : " ";
        message += '\r';
        message += texts.rightWritten ? r.piece(texts.right.a, texts.right.b) : " ";
    } else {
        message += r.piece(term.a, term.b);
    }
    return message;
}

}  // namespace

std::uint8_t powerToken(double v) {
    const double k = std::trunc(v);
    if (k != v) return TokRealPower;
    if (k == 2) return TokSquare;
    if (k == 3) return TokCube;
    if (k == 4) return TokFourthPower;
    return TokIntPower;
}

TermClass classifyTerm(TermRecognizer& r, TextRange t) {
    const std::string& s = r.text();
    TermClass out;
    AttemptTexts texts;

    if (t.a < t.b) {
        if (double* variable = r.variableAt(t.a, t.b)) {
            out.token = TokVariable;
            out.variable = variable;
            return out;
        }
        if (r.numberAt(t.a, t.b, out.value)) {
            out.token = TokConstant;
            return out;
        }
        if (s[static_cast<std::size_t>(t.a)] == '-') {
            const TextRange rest{t.a + 1, t.b};
            texts.left = rest;
            texts.leftWritten = true;
            if (r.accepts(SideNegated, rest.a, rest.b)) {
                out.token = TokNegate;
                out.left = sideText(r, rest);
                return out;
            }
        }
    }
    for (const Split& split : kSplits) {
        if (trySplit(r, t, split, texts, out)) return out;
    }
    // Function calls: NAME( ... ), the name before the first bracket.
    const std::size_t open = s.find('(', static_cast<std::size_t>(t.a));
    if (open != std::string::npos && static_cast<int>(open) > t.a && static_cast<int>(open) < t.b) {
        const int p = static_cast<int>(open);
        if (TParserRoutine routine = r.function1Named(t.a, p)) {
            if (r.accepts(RecB, p, t.b)) {
                out.token = TokFunction1;
                out.routine = routine;
                out.left = sideText(r, TextRange{p, t.b});
                return out;
            }
        }
        TParserRoutine routine = r.function2Named(t.a, p);
        if (routine != nullptr && s[static_cast<std::size_t>(t.b - 1)] == ')') {
            const int from = p + 1;
            const int to = t.b - 1;
            for (std::size_t c = s.find(',', static_cast<std::size_t>(from));
                 c != std::string::npos && static_cast<int>(c) < to; c = s.find(',', c + 1)) {
                const int comma = static_cast<int>(c);
                if (comma == from || comma == to - 1) break;
                if (r.accepts(RecG, from, comma) && r.accepts(RecG, comma + 1, to)) {
                    out.token = TokFunction2;
                    out.routine = routine;
                    out.left = sideText(r, TextRange{from, comma});
                    out.right = sideText(r, TextRange{comma + 1, to});
                    return out;
                }
            }
        }
    }
    throw ESyntaxError(syntaxMessage(r, t, texts));
}

}  // namespace parser
