#include "ReferenceGrammar.h"

#include "NumberText.h"

using namespace parser;

namespace {

bool balanced(const std::string& t) {
    int count = 0;
    for (char c : t) count += (c == '(') - (c == ')');
    return count == 0;
}

}  // namespace

bool ReferenceGrammar::isNumber(const std::string& t) const {
    double value = 0;
    return readNumber(t, tables_.fixedNumberFormat, tables_.decimalSeparator, value);
}

bool ReferenceGrammar::accepts(Recognizer rec, const std::string& text) {
    const auto key = std::make_pair(static_cast<int>(rec), text);
    auto it = known_.find(key);
    if (it != known_.end()) return it->second;
    const bool answer = compute(rec, text);
    known_[key] = answer;
    return answer;
}

bool ReferenceGrammar::anyOf(std::initializer_list<Recognizer> recs, const std::string& t) {
    for (Recognizer r : recs) {
        if (accepts(r, t)) return true;
    }
    return false;
}

// Scans left to right for every occurrence of op; "+ - * / ^" stop for good at the first or last
// character, DIV and MOD skip an occurrence at the first character.
bool ReferenceGrammar::split(const std::string& t, const std::string& op, Recognizer left,
                             Recognizer right) {
    std::size_t from = 0;
    for (;;) {
        const std::size_t i = t.find(op, from);
        if (i == std::string::npos) return false;
        from = i + 1;
        if (op.size() == 1) {
            if (i == 0 || i == t.size() - 1) return false;
        } else if (i == 0) {
            continue;
        }
        const std::string l = t.substr(0, i);
        const std::string r = t.substr(i + op.size());
        if (balanced(l) && balanced(r) && accepts(left, l) && accepts(right, r)) return true;
    }
}

bool ReferenceGrammar::compute(Recognizer rec, const std::string& t) {
    switch (rec) {
        case RecV:
            return !t.empty() && tables_.variables->find(t) != nullptr;
        case RecN:
            return isNumber(t);
        case RecU:
            return !t.empty() && t[0] == '-' && accepts(SideNegated, t.substr(1));
        case RecPlus:
            return split(t, "+", SideLeftAdditive, SideRightPlus);
        case RecMinus:
            return split(t, "-", SideLeftAdditive, SideRightMinus);
        case RecStar:
            return split(t, "*", SideLeftFactor, SideRightMinus);
        case RecDiv:
            return split(t, "DIV", SideLeftFactor, SideRightDivisor);
        case RecMod:
            return split(t, "MOD", SideLeftFactor, SideRightDivisor);
        case RecSlash:
            return split(t, "/", SideLeftFactor, SideRightDivisor);
        case RecPower:
            return split(t, "^", SideAtom, SideAtom);
        case RecF1: {
            const std::size_t p = t.find('(');
            return p != std::string::npos && p >= 1 &&
                   tables_.functions1->find(t.substr(0, p)) != nullptr &&
                   accepts(RecB, t.substr(p));
        }
        case RecF2: {
            const std::size_t p = t.find('(');
            if (p == std::string::npos || p < 1 || t.back() != ')') return false;
            if (tables_.functions2->find(t.substr(0, p)) == nullptr) return false;
            const std::string content = t.substr(p + 1, t.size() - p - 2);
            for (std::size_t c = content.find(','); c != std::string::npos;
                 c = content.find(',', c + 1)) {
                if (c == 0 || c == content.size() - 1) return false;
                if (accepts(RecG, content.substr(0, c)) && accepts(RecG, content.substr(c + 1))) {
                    return true;
                }
            }
            return false;
        }
        case RecB:
            return t.size() >= 2 && t.front() == '(' && t.back() == ')' &&
                   accepts(RecG, t.substr(1, t.size() - 2));
        case RecG:
            return anyOf({RecN, RecV, RecU, RecPlus, RecMinus, RecStar, RecDiv, RecMod, RecSlash,
                          RecPower, RecF2, RecF1, RecB},
                         t);
        case SideLeftAdditive:
            return anyOf({RecV, RecN, RecB, RecU, RecMinus, RecStar, RecDiv, RecMod, RecSlash,
                          RecPower, RecF1, RecF2},
                         t);
        case SideRightPlus:
            return anyOf({RecV, RecN, RecB, RecPlus, RecMinus, RecStar, RecDiv, RecMod, RecSlash,
                          RecPower, RecF1, RecF2},
                         t);
        case SideRightMinus:
            return anyOf(
                {RecV, RecN, RecB, RecStar, RecDiv, RecMod, RecSlash, RecPower, RecF1, RecF2}, t);
        case SideLeftFactor:
            return anyOf({RecV, RecN, RecB, RecU, RecDiv, RecMod, RecSlash, RecPower, RecF1, RecF2},
                         t);
        case SideRightDivisor:
            return anyOf({RecV, RecN, RecB, RecPower, RecF1, RecF2}, t);
        case SideAtom:
            return anyOf({RecV, RecN, RecB, RecF1, RecF2}, t);
        case SideNegated:
            return anyOf({RecB, RecV, RecPower, RecF1, RecF2}, t);
        default:
            return false;
    }
}
