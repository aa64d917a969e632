#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "Evaluator.h"
#include "NameTable.h"
#include "ParserErrors.h"
#include "ParserOperation.h"

namespace parser {
struct CompiledProgram;
}

class TParser;

// Receiver of compile errors: (the parser, the exception).
using TParserExceptionEvent = std::function<void(TParser& sender, const EMathParserError& e)>;

// The expression parser: compiles a text such as "2-1.2*x*x" once into a chain of elementary
// steps over shared cells, then evaluates it again and again for new variable values.
//
//   TParser p;
//   p.SetExpression("1+sin(x)");   // compiles; throws EMathParserError subclasses
//   p.SetVariable("x", 0.5);       // or p.X = 0.5
//   double y = p.Value();          // evaluates; throws EZeroDivide, EInvalidOp, EOverflow,
//                                  // EDivByZero (see ParserErrors.h)
//
// Names and functions are case-insensitive. The built-in variables are A, B, C, D, E, X, Y, T
// (each 0 at creation); SetVariable creates more. "PI" and "-PI" are the only named constants.
//
// Numbers: with FixedNumberFormat (the default) a number is written with a point ("1.5",
// "2.E-3"); otherwise with the system locale's decimal separator, which the parser (having no
// Qt) takes from TParser::SetSystemDecimalSeparator -- the Qt program passes
// QLocale::system().decimalPoint() there at start-up. Until then it is the C library's
// localeconv() separator.
//
// A parser holds pointers to its own fields, so it can be neither copied nor moved.
class TParser {
  public:
    TParser();
    ~TParser();
    TParser(const TParser&) = delete;
    TParser& operator=(const TParser&) = delete;

    // The eight built-in variables, in this order. Compiled programs point straight at them.
    double A = 0, B = 0, C = 0, D = 0, E = 0, X = 0, Y = 0, T = 0;

    // Setting the expression discards the current program, stores the text and, when it is not
    // empty, compiles it. On a compile error the parser is left without a program, and the
    // error goes to OnParserError when that is assigned, otherwise it is thrown.
    void SetExpression(const std::string& text);
    const std::string& Expression() const { return expression_; }

    // Runs the program and returns its result; 0 when there is no program. Evaluation errors
    // end the run at the step that produces them and are thrown.
    double Value() { return evaluator_ ? evaluator_->run() : 0.0; }

    // Stores value into the named variable, creating it when the name is new; returns its
    // storage. A new name must be a letter or underscore followed by letters, digits and
    // underscores, otherwise EBadName is thrown with the upper-cased name as its message.
    double* SetVariable(const std::string& name, double value);

    bool FixedNumberFormat() const { return fixedNumberFormat_; }
    void SetFixedNumberFormat(bool fixed) { fixedNumberFormat_ = fixed; }

    // When assigned, compile errors are passed here and not thrown.
    TParserExceptionEvent OnParserError;

    // True after the last compilation failed.
    bool CompileFailed() const { return compileFailed_; }

    // The compiled program: the first step of the chain, or none.
    const ParserOperation* FirstOperation() const;

    // The decimal separator of the locale number syntax (FixedNumberFormat false), shared by
    // all parsers. An empty text returns to the C library's localeconv() separator.
    static void SetSystemDecimalSeparator(const std::string& separator);
    static std::string SystemDecimalSeparator();

    // Fixes the random generator behind RND (it is seeded from the system at start).
    static void SeedRandom(std::uint64_t seed);

  private:
    void compile();

    std::string expression_;
    bool fixedNumberFormat_ = true;
    bool compileFailed_ = false;
    parser::VariableTable variableTable_;
    parser::FunctionTable functionTable1_;
    parser::FunctionTable functionTable2_;
    std::deque<double> createdVariables_;  // storage of the names added by SetVariable
    std::unique_ptr<parser::CompiledProgram> program_;
    const parser::Evaluator* evaluator_ = nullptr;  // program_'s, kept at hand for Value()
};
