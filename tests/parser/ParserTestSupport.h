#pragma once

#include <string>
#include <vector>

#include "TParser.h"

namespace parsertest {

// The message of the compile error, or "" when the text compiles.
inline std::string compileError(TParser& parser, const std::string& text) {
    try {
        parser.SetExpression(text);
    } catch (const EMathParserError& e) {
        return e.what();
    }
    return "";
}

// The message of the evaluation error, or "" when the value comes out.
inline std::string evalError(TParser& parser) {
    try {
        parser.Value();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

// The tokens of the compiled program, in the order the steps run.
inline std::vector<int> tokens(const TParser& parser) {
    std::vector<int> result;
    for (const ParserOperation* step = parser.FirstOperation(); step; step = step->next) {
        result.push_back(step->token);
    }
    return result;
}

inline std::vector<const ParserOperation*> steps(const TParser& parser) {
    std::vector<const ParserOperation*> result;
    for (const ParserOperation* step = parser.FirstOperation(); step; step = step->next) {
        result.push_back(step);
    }
    return result;
}

// Compiles and evaluates; for tests where the text is known to be valid.
inline double valueOf(const std::string& text, double x = 0) {
    TParser parser;
    parser.X = x;
    parser.SetExpression(text);
    return parser.Value();
}

}  // namespace parsertest
