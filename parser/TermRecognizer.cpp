#include "TermRecognizer.h"

#include <algorithm>
#include <utility>

#include "NumberText.h"
#include "TextIndex.h"

namespace parser {
namespace {

// The two-operand recognisers: operator, its length, the lists allowed on each side, and the
// end from which the search starts.
struct SplitRule {
    int kind;
    int length;
    Recognizer left;
    Recognizer right;
    bool fromRight;
};

constexpr SplitRule kSplitRules[kSplitKinds] = {
    {KindPlus, 1, SideLeftAdditive, SideRightPlus, false},
    {KindMinus, 1, SideLeftAdditive, SideRightMinus, true},
    {KindStar, 1, SideLeftFactor, SideRightMinus, false},
    {KindDiv, 3, SideLeftFactor, SideRightDivisor, true},
    {KindMod, 3, SideLeftFactor, SideRightDivisor, true},
    {KindSlash, 1, SideLeftFactor, SideRightDivisor, true},
    {KindCaret, 1, SideAtom, SideAtom, false},
};

bool isSplit(std::uint8_t rec) {
    return rec >= RecPlus && rec <= RecPower;
}
const SplitRule& splitRule(std::uint8_t rec) {
    return kSplitRules[rec - RecPlus];
}

// The members of each list, in the order the grammar tries them.
constexpr Recognizer kLeftAdditive[] = {RecV,   RecN,   RecB,     RecU,     RecMinus, RecStar,
                                        RecDiv, RecMod, RecSlash, RecPower, RecF1,    RecF2};
constexpr Recognizer kRightPlus[] = {RecV,   RecN,   RecB,     RecPlus,  RecMinus, RecStar,
                                     RecDiv, RecMod, RecSlash, RecPower, RecF1,    RecF2};
constexpr Recognizer kRightMinus[] = {RecV,   RecN,     RecB,     RecStar, RecDiv,
                                      RecMod, RecSlash, RecPower, RecF1,   RecF2};
constexpr Recognizer kLeftFactor[] = {RecV,   RecN,     RecB,     RecU,  RecDiv,
                                      RecMod, RecSlash, RecPower, RecF1, RecF2};
constexpr Recognizer kRightDivisor[] = {RecV, RecN, RecB, RecPower, RecF1, RecF2};
constexpr Recognizer kAtom[] = {RecV, RecN, RecB, RecF1, RecF2};
constexpr Recognizer kNegated[] = {RecB, RecV, RecPower, RecF1, RecF2};
constexpr Recognizer kGeneral[] = {RecN,   RecV,     RecU,     RecPlus, RecMinus, RecStar, RecDiv,
                                   RecMod, RecSlash, RecPower, RecF2,   RecF1,    RecB};

struct List {
    const Recognizer* items;
    int size;
};

template <std::size_t N>
constexpr List listOf(const Recognizer (&items)[N]) {
    return {items, static_cast<int>(N)};
}

List listFor(std::uint8_t rec) {
    switch (rec) {
        case SideLeftAdditive:
            return listOf(kLeftAdditive);
        case SideRightPlus:
            return listOf(kRightPlus);
        case SideRightMinus:
            return listOf(kRightMinus);
        case SideLeftFactor:
            return listOf(kLeftFactor);
        case SideRightDivisor:
            return listOf(kRightDivisor);
        case SideAtom:
            return listOf(kAtom);
        case SideNegated:
            return listOf(kNegated);
        default:
            return listOf(kGeneral);
    }
}

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

TermRecognizer::TermRecognizer(std::string text, RecognizerTables tables)
    : text_(std::move(text)),
      tables_(std::move(tables)),
      n_(static_cast<int>(text_.size())),
      index_(text_, tables_),
      memo_(n_) {
    sideListIndex_.assign((text_.size() + 1) * kSplitKinds, -1);
    rightScans_.assign((text_.size() + 1) * kSplitKinds, RightScan{-2, -1});
    leftScans_.assign((text_.size() + 1) * kSplitKinds, LeftScan{-2, -1});
}

double* TermRecognizer::variableAt(int a, int b) const {
    double* const* found = tables_.variables->find(piece(a, b));
    return found ? *found : nullptr;
}

bool TermRecognizer::numberQuick(int a, int b) const {
    if (b > index_.numberEnd(a)) return false;
    double value = 0;
    return numberAt(a, b, value);
}

bool TermRecognizer::numberAt(int a, int b, double& value) const {
    return readNumber(piece(a, b), tables_.fixedNumberFormat, tables_.decimalSeparator, value);
}

TParserRoutine TermRecognizer::function1Named(int a, int b) const {
    const TParserRoutine* found = tables_.functions1->find(piece(a, b));
    return found ? *found : nullptr;
}

TParserRoutine TermRecognizer::function2Named(int a, int b) const {
    const TParserRoutine* found = tables_.functions2->find(piece(a, b));
    return found ? *found : nullptr;
}

// Necessary conditions that are cheap to test, for a properly nested piece; a piece failing
// them is rejected without being remembered. Besides the shape of each recogniser they use
// what cannot stand on a term's own level (`inside` from insideKinds): a product, quotient or
// power holds no binary "+" or "-", a difference no binary "+", a quotient or power no "*", a
// power no "/", an atom no "^".
bool TermRecognizer::quickRejectNested(Recognizer rec, int a, int b, unsigned inside) const {
    constexpr unsigned badSign = 1u << KindBadSign, badPlus = 1u << KindBadPlus;
    constexpr unsigned star = 1u << KindStar, slash = 1u << KindSlash, caret = 1u << KindCaret;
    unsigned forbidden;
    switch (rec) {
        case RecMinus:
        case SideLeftAdditive:
            forbidden = badPlus;
            break;
        case RecPlus:
        case SideRightPlus:
        case RecG:
            forbidden = 0;
            break;
        case RecStar:
        case SideRightMinus:
            forbidden = badSign;
            break;
        case RecDiv:
        case RecMod:
        case RecSlash:
        case SideLeftFactor:
            forbidden = badSign | star;
            break;
        case SideRightDivisor:
            forbidden = badSign | star | slash;
            break;
        case SideAtom:
            forbidden = badSign | star | slash | caret;
            break;
        default:
            forbidden = badSign | star | slash;
            break;  // U, power, bracket, call, rest of U
    }
    if (inside & forbidden) return true;
    // A list may accept a lone name; every other recogniser needs an operator before the last
    // operand.
    if (rec < RecG && !index_.lastOperandMayEndAt(b)) return true;
    const char first = text_[at(a)];
    switch (rec) {
        case RecU:
            return first != '-';
        case RecB:
            return b - a < 2 || first != '(' || !index_.closesAtEnd(a, b);
        case RecPlus:
        case RecMinus:
        case RecStar:
        case RecSlash:
        case RecPower: {
            // The scan stops for good at an operator in the first or last place.
            const int i = index_.nextAtLevel(splitRule(rec).kind, a);
            return i == a || i >= b - 1;
        }
        case RecDiv:
        case RecMod: {
            const int kind = splitRule(rec).kind;
            int i = index_.nextAtLevel(kind, a);
            if (i == a) i = index_.nextAtLevel(kind, a + 1);  // skipped in the first place
            return i + 3 > b;
        }
        case RecF1:
        case RecF2: {
            // An accepted call's bracket holds the whole rest of the piece.
            const int p = index_.firstBracket(a, b);
            if (p >= b || p == a || !index_.closesAtEnd(p, b)) return true;
            if (rec == RecF1) return function1Named(a, p) == nullptr;
            return function2Named(a, p) == nullptr;
        }
        default:
            return false;
    }
}

TermRecognizer::Outcome TermRecognizer::probe(Recognizer rec, int a, int b, Query& need) {
    ++probes_;
    forwarded_.clear();
    const Outcome outcome = resolve(rec, a, b, need);
    // A chain of pieces that stood for one another shares its answer: remember it for each, so
    // that deep brackets or repeated minus signs are walked once.
    if (outcome != Pending) {
        for (const Query& q : forwarded_) {
            PieceAnswers& answers = memo_.at(q.a, q.b);
            answers.known |= 1u << q.rec;
            if (outcome == Accepted) answers.accepted |= 1u << q.rec;
        }
    }
    return outcome;
}

// Looks a piece up, settling it on the spot where cheap tests suffice. Pending means the answer
// needs the work of a frame for the piece left in `need`.
TermRecognizer::Outcome TermRecognizer::resolve(Recognizer rec, int a, int b, Query& need) {
    for (;;) {
        if (a >= b) return Rejected;
        if (rec == RecV) return variableAt(a, b) ? Accepted : Rejected;
        if (rec == RecN) return numberQuick(a, b) ? Accepted : Rejected;
        if (!index_.properlyNested(a, b)) return Rejected;
        const std::uint32_t bit = 1u << rec;
        if (rec >= RecG) {
            // A list asked again about the same piece answers from the memory at once.
            if (const PieceAnswers* known = memo_.find(a, b); known && (known->known & bit))
                return (known->accepted & bit) ? Accepted : Rejected;
            const unsigned inside = index_.insideKinds(a, b);
            if (quickRejectNested(rec, a, b, inside)) return Rejected;
            // A list is settled on the spot when a variable or number accepts the piece or
            // when all its other members fail their quick tests; with one member left it
            // stands for that member.
            const List list = listFor(rec);
            int open = 0;
            Recognizer only = rec;
            for (int k = 0; k < list.size; ++k) {
                const Recognizer member = list.items[k];
                if (member == RecV) {
                    if (variableAt(a, b)) return Accepted;
                } else if (member == RecN) {
                    if (numberQuick(a, b)) return Accepted;
                } else if (!quickRejectNested(member, a, b, inside)) {
                    ++open;
                    only = member;
                }
            }
            if (open == 0) return Rejected;
            if (open == 1) {
                const PieceAnswers& known = memo_.at(a, b);
                if (known.known & bit) return (known.accepted & bit) ? Accepted : Rejected;
                forwarded_.push_back(Query{a, b, rec});
                rec = only;
                continue;
            }
        } else if (quickRejectNested(rec, a, b, index_.insideKinds(a, b)) ||
                   (isSplit(rec) && sideListRejects(rec, a, b))) {
            return Rejected;
        }
        const PieceAnswers& known = memo_.at(a, b);
        if (known.known & bit) return (known.accepted & bit) ? Accepted : Rejected;
        // A unary minus, a bracket and a one-argument call are each decided by one smaller
        // piece alone: ask about that piece instead.
        switch (rec) {
            case RecU:
                forwarded_.push_back(Query{a, b, rec});
                rec = SideNegated;
                ++a;
                continue;
            case RecB:
                forwarded_.push_back(Query{a, b, rec});
                rec = RecG;
                ++a;
                --b;
                continue;
            case RecF1:
                forwarded_.push_back(Query{a, b, rec});
                rec = RecB;
                a = index_.firstBracket(a, b);
                continue;
            default:
                break;
        }
        need = Query{a, b, rec};
        return Pending;
    }
}

bool TermRecognizer::accepts(Recognizer rec, int a, int b) {
    Query need{};
    Outcome outcome = probe(rec, a, b, need);
    if (outcome != Pending) return outcome == Accepted;
    const Query root = need;  // may be a smaller piece standing for the one asked about
    stack_.clear();
    stack_.push_back(Frame{root.a, root.b, -1, -1, root.rec, 0});
    while (!stack_.empty()) {
        const Outcome step = advance(stack_.back(), need);
        if (step == Pending) {
            stack_.push_back(Frame{need.a, need.b, -1, -1, need.rec, 0});
            continue;
        }
        const Frame done = stack_.back();
        stack_.pop_back();
        PieceAnswers& answers = memo_.at(done.a, done.b);
        answers.known |= 1u << done.rec;
        if (step == Accepted) answers.accepted |= 1u << done.rec;
        ++computed_;
    }
    return (memo_.at(root.a, root.b).accepted >> root.rec) & 1u;
}

TermRecognizer::Outcome TermRecognizer::advance(Frame& f, Query& need) {
    switch (f.rec) {
        case RecF2:
            return advanceF2(f, need);
        default:
            if (isSplit(f.rec)) {
                return splitRule(f.rec).fromRight ? advanceFromRight(f, need)
                                                  : advanceFromLeft(f, need);
            }
            return advanceList(f, need);
    }
}

int TermRecognizer::sideListFor(std::uint8_t rec, int a, int b) {
    const SplitRule& rule = splitRule(rec);
    const int key = rule.fromRight ? b : a;
    int& index = sideListIndex_[at(rule.kind) * (text_.size() + 1) + at(key)];
    if (index < 0) {
        int first;
        if (rule.fromRight) {
            first = index_.previousAtLevel(rule.kind, b);
        } else {
            first = index_.nextAtLevel(rule.kind, a);
            if (rule.length == 3 && first == a) first = index_.nextAtLevel(rule.kind, a + 1);
        }
        index = static_cast<int>(sideLists_.size());
        sideLists_.push_back(SideList{{}, first});
    }
    return index;
}

// True when the shared side list already shows that no occurrence inside [a, b) has an
// accepted side: the piece is rejected without being remembered.
bool TermRecognizer::sideListRejects(std::uint8_t rec, int a, int b) const {
    const SplitRule& rule = splitRule(rec);
    const int index =
        sideListIndex_[at(rule.kind) * (text_.size() + 1) + at(rule.fromRight ? b : a)];
    if (index < 0) return false;
    const SideList& list = sideLists_[at(index)];
    if (rule.fromRight) {
        // Examined down to nextCandidate; entries run from right to left.
        return list.nextCandidate <= a && (list.valid.empty() || list.valid.front() <= a);
    }
    auto fits = [&](int i) { return rule.length == 1 ? i < b - 1 : i + 3 <= b; };
    return !fits(list.nextCandidate) && (list.valid.empty() || !fits(list.valid.front()));
}

// Operators tried from the left: a candidate needs an accepted left side (remembered per
// start) and then an accepted right side.
TermRecognizer::Outcome TermRecognizer::advanceFromLeft(Frame& f, Query& need) {
    const SplitRule& rule = splitRule(f.rec);
    auto fits = [&](int i) { return rule.length == 1 ? i < f.b - 1 : i + 3 <= f.b; };
    if (f.phase == 0) {
        const Outcome right = anyAcceptedRight(f.rec, f.a, f.b, need);
        if (right != Accepted) return right;
        f.phase = 1;
    }
    if (f.cursor < 0) {
        f.list = sideListFor(f.rec, f.a, f.b);
        f.cursor = 0;
    }
    for (;;) {
        SideList& lefts = sideLists_[at(f.list)];
        if (at(f.cursor) < lefts.valid.size()) {
            const int i = lefts.valid[at(f.cursor)];
            if (!fits(i)) return Rejected;
            const Outcome right = probe(rule.right, i + rule.length, f.b, need);
            if (right != Rejected) return right;
            ++f.cursor;
            continue;
        }
        const int candidate = lefts.nextCandidate;
        if (!fits(candidate)) return Rejected;
        // An occurrence whose right side could not even start a term is never worth a look.
        Outcome left = Rejected;
        if (index_.mayStartAt(candidate + rule.length)) {
            left = probe(rule.left, f.a, candidate, need);
            if (left == Pending) return Pending;
        }
        SideList& grown = sideLists_[at(f.list)];
        if (left == Accepted) grown.valid.push_back(candidate);
        grown.nextCandidate = index_.nextAtLevel(rule.kind, candidate + 1);
    }
}

// Whether some occurrence inside [a, b) has an accepted right side (RightScan).
TermRecognizer::Outcome TermRecognizer::anyAcceptedRight(std::uint8_t rec, int a, int b,
                                                         Query& need) {
    const SplitRule& rule = splitRule(rec);
    const std::size_t key = at(rule.kind) * (text_.size() + 1) + at(b);
    if (rightScans_[key].next == -2) rightScans_[key].next = index_.previousAtLevel(rule.kind, b);
    for (;;) {
        RightScan& scan = rightScans_[key];
        if (scan.found >= 0) return scan.found > a ? Accepted : Rejected;
        const int i = scan.next;
        if (i <= a) return Rejected;
        // An occurrence that no left side could end at, or no right side start after, is no
        // split.
        if (i + rule.length < b && index_.mayStartAt(i + rule.length) && index_.mayEndAt(i)) {
            const Outcome right = probe(rule.right, i + rule.length, b, need);
            if (right == Pending) return Pending;
            if (right == Accepted) {
                rightScans_[key].found = i;
                continue;
            }
        }
        rightScans_[key].next = index_.previousAtLevel(rule.kind, i);
    }
}

// Whether some occurrence inside [a, b), with room for its right side, has an accepted left side
// (LeftScan).
TermRecognizer::Outcome TermRecognizer::anyAcceptedLeft(std::uint8_t rec, int a, int b,
                                                        Query& need) {
    const SplitRule& rule = splitRule(rec);
    const std::size_t key = at(rule.kind) * (text_.size() + 1) + at(a);
    if (leftScans_[key].next == -2) leftScans_[key].next = index_.nextAtLevel(rule.kind, a);
    for (;;) {
        LeftScan& scan = leftScans_[key];
        if (scan.found >= 0) return scan.found + rule.length < b ? Accepted : Rejected;
        const int i = scan.next;
        if (i + rule.length >= b) return Rejected;  // none before b yet: asked again for longer
        if (i > a && index_.mayEndAt(i) && index_.mayStartAt(i + rule.length)) {
            const Outcome left = probe(rule.left, a, i, need);
            if (left == Pending) return Pending;
            if (left == Accepted) {
                leftScans_[key].found = i;
                continue;
            }
        }
        leftScans_[key].next = index_.nextAtLevel(rule.kind, i + 1);
    }
}

// Operators tried from the right: a candidate needs an accepted right side (remembered per end)
// and then an accepted left side. Which candidate is found first does not matter here, only
// whether there is one; the compiler itself takes the leftmost valid split.
TermRecognizer::Outcome TermRecognizer::advanceFromRight(Frame& f, Query& need) {
    const SplitRule& rule = splitRule(f.rec);
    if (f.phase == 0) {
        const Outcome left = anyAcceptedLeft(f.rec, f.a, f.b, need);
        if (left != Accepted) return left;
        f.phase = 1;
    }
    if (f.cursor < 0) {
        f.list = sideListFor(f.rec, f.a, f.b);
        f.cursor = 0;
    }
    for (;;) {
        SideList& rights = sideLists_[at(f.list)];
        if (at(f.cursor) < rights.valid.size()) {
            const int i = rights.valid[at(f.cursor)];
            if (i <= f.a) return Rejected;
            const Outcome left = probe(rule.left, f.a, i, need);
            if (left != Rejected) return left;
            ++f.cursor;
            continue;
        }
        const int candidate = rights.nextCandidate;
        if (candidate <= f.a) return Rejected;
        Outcome right = Rejected;
        // DIV or MOD may run past the end; and an occurrence whose left side could not even end
        // a term is never worth a look.
        if (candidate + rule.length <= f.b && index_.mayEndAt(candidate)) {
            right = probe(rule.right, candidate + rule.length, f.b, need);
            if (right == Pending) return Pending;
        }
        SideList& grown = sideLists_[at(f.list)];
        if (right == Accepted) grown.valid.push_back(candidate);
        grown.nextCandidate = index_.previousAtLevel(rule.kind, candidate);
    }
}

TermRecognizer::Outcome TermRecognizer::advanceList(Frame& f, Query& need) {
    const List list = listFor(f.rec);
    if (f.cursor < 0) f.cursor = 0;
    for (; f.cursor < list.size; ++f.cursor) {
        const Outcome member = probe(list.items[f.cursor], f.a, f.b, need);
        if (member != Rejected) return member;
    }
    return Rejected;
}

// The content of NAME( ... ) splits at a comma of its level at which both parts are general
// terms; a comma as the first or last character of the content ends the search.
TermRecognizer::Outcome TermRecognizer::advanceF2(Frame& f, Query& need) {
    const int from = index_.firstBracket(f.a, f.b) + 1;
    const int to = f.b - 1;
    if (f.cursor < 0) {
        if (from >= to || text_[at(from)] == ',') return Rejected;
        f.cursor = index_.nextAtLevel(KindComma, from);
        f.phase = 0;
    }
    for (;;) {
        const int c = f.cursor;
        if (c >= to - 1) return Rejected;  // none left, or the content's last character
        if (f.phase == 0) {
            const Outcome left = probe(RecG, from, c, need);
            if (left == Pending) return Pending;
            if (left == Accepted) f.phase = 1;
        }
        if (f.phase == 1) {
            const Outcome right = probe(RecG, c + 1, to, need);
            if (right == Pending) return Pending;
            if (right == Accepted) return Accepted;
        }
        f.phase = 0;
        f.cursor = index_.nextAtLevel(KindComma, c + 1);
    }
}

void TermRecognizer::stripBrackets(int& a, int& b) {
    while (b - a >= 2 && text_[at(a)] == '(' && text_[at(b - 1)] == ')' &&
           accepts(RecG, a + 1, b - 1)) {
        ++a;
        --b;
    }
}

}  // namespace parser
