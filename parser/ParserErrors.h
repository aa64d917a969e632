#pragma once

#include <stdexcept>
#include <string>

// Exceptions of the expression parser. Every class carries only its message text, which is what
// the application's error display shows (`what()`).
//
// Compile errors derive from EMathParserError. With TParser::OnParserError assigned they are
// handed to the handler instead of being thrown.
class EMathParserError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ESyntaxError : public EMathParserError {
  public:
    using EMathParserError::EMathParserError;
};

class EExpressionHasBlanks : public EMathParserError {
  public:
    using EMathParserError::EMathParserError;
};

class EExpressionTooComplex : public EMathParserError {
  public:
    using EMathParserError::EMathParserError;
};

class ETooManyNestings : public EMathParserError {
  public:
    using EMathParserError::EMathParserError;
};

class EMissMatchingBracket : public EMathParserError {
  public:
    using EMathParserError::EMathParserError;
};

// Raised by TParser::SetVariable; the message is the rejected name itself.
class EBadName : public EMathParserError {
  public:
    using EMathParserError::EMathParserError;
};

class EParserInternalError : public EMathParserError {
  public:
    using EMathParserError::EMathParserError;
};

// Evaluation errors, named after the run-time library's floating-point and integer exceptions.
// They end TParser::Value at the step that produces them.
class EMathError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "Floating point division by zero": x / 0 with x != 0, LN(0), 0 to a negative power.
class EZeroDivide : public EMathError {
  public:
    EZeroDivide();
};

// "Invalid floating point operation": 0 / 0, square root or logarithm of a negative number, a
// value that cannot be truncated to an integer, ...
class EInvalidOp : public EMathError {
  public:
    EInvalidOp();
};

// "Floating point overflow": a result beyond the double range.
class EOverflow : public EMathError {
  public:
    EOverflow();
};

class EIntError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "Division by zero": DIV or MOD with a divisor whose integral part is 0.
class EDivByZero : public EIntError {
  public:
    EDivByZero();
};

namespace parser {

// The fixed message texts.
inline constexpr const char* kMsgHasBlanks = "Expression has blanks";
inline constexpr const char* kMsgMissingBrackets = "Missing brackets in expression";
inline constexpr const char* kMsgParsePrefix = "Error parsing expression:\r";
inline constexpr const char* kMsgTooManyNestings = "Expression contains too many nestings";
inline constexpr const char* kMsgTooComplex = "Expression is too complex";
inline constexpr const char* kMsgInternal = "TParser internal error";
inline constexpr const char* kMsgZeroDivide = "Floating point division by zero";
inline constexpr const char* kMsgInvalidOp = "Invalid floating point operation";
inline constexpr const char* kMsgOverflow = "Floating point overflow";
inline constexpr const char* kMsgDivByZero = "Division by zero";

}  // namespace parser
