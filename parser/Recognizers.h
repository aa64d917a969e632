#pragma once

#include <cstdint>
#include <string>

#include "NameTable.h"

namespace parser {

// The recognisers of the grammar and the lists of recognisers that may stand on each side of an
// operator. Every list is itself memoised like a recogniser.
enum Recognizer : std::uint8_t {
    RecV,  // a registered variable
    RecN,  // a number
    RecU,  // unary minus
    RecPlus,
    RecMinus,
    RecStar,
    RecDiv,
    RecMod,
    RecSlash,
    RecPower,
    RecF1,             // one-argument function call
    RecF2,             // two-argument function call
    RecB,              // bracket
    RecG,              // general term: bracket contents and function arguments
    SideLeftAdditive,  // left of + and -
    SideRightPlus,     // right of +
    SideRightMinus,    // right of - and *
    SideLeftFactor,    // left of *, DIV, MOD and /
    SideRightDivisor,  // right of DIV, MOD and /
    SideAtom,          // both sides of ^
    SideNegated,       // after a unary minus
    RecognizerCount
};

struct RecognizerTables {
    const VariableTable* variables = nullptr;
    const FunctionTable* functions1 = nullptr;
    const FunctionTable* functions2 = nullptr;
    bool fixedNumberFormat = true;
    std::string decimalSeparator;  // for the locale number syntax
};

}  // namespace parser
