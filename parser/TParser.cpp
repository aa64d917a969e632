#include "TParser.h"

#include "Compiler.h"
#include "FunctionLibrary.h"
#include "NumberText.h"
#include "Preparation.h"

namespace {

bool isIdentifier(const std::string& name) {
    auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (name.empty() || !letter(name[0])) return false;
    for (char c : name) {
        if (!letter(c) && !digit(c)) return false;
    }
    return true;
}

}  // namespace

TParser::TParser() {
    variableTable_.add("A", &A);
    variableTable_.add("B", &B);
    variableTable_.add("C", &C);
    variableTable_.add("D", &D);
    variableTable_.add("E", &E);
    variableTable_.add("X", &X);
    variableTable_.add("Y", &Y);
    variableTable_.add("T", &T);
    parser::registerBuiltinFunctions(functionTable1_, functionTable2_);
}

TParser::~TParser() = default;

void TParser::SetExpression(const std::string& text) {
    program_.reset();
    evaluator_ = nullptr;
    expression_ = text;
    compileFailed_ = false;
    if (expression_.empty()) return;
    try {
        compile();
    } catch (const EMathParserError& e) {
        compileFailed_ = true;
        program_.reset();
        evaluator_ = nullptr;
        if (!OnParserError) throw;
        OnParserError(*this, e);
    }
}

void TParser::compile() {
    parser::RecognizerTables tables;
    tables.variables = &variableTable_;
    tables.functions1 = &functionTable1_;
    tables.functions2 = &functionTable2_;
    tables.fixedNumberFormat = fixedNumberFormat_;
    if (!fixedNumberFormat_) tables.decimalSeparator = parser::upperCase(SystemDecimalSeparator());
    program_ = parser::compileExpression(expression_, tables);
    evaluator_ = program_->evaluator.get();
}

double* TParser::SetVariable(const std::string& name, double value) {
    const std::string upper = parser::upperCase(name);
    if (double* const* existing = variableTable_.find(upper)) {
        **existing = value;
        return *existing;
    }
    if (!isIdentifier(upper)) throw EBadName(upper);
    createdVariables_.push_back(value);
    double* cell = &createdVariables_.back();
    variableTable_.add(upper, cell);
    return cell;
}

const ParserOperation* TParser::FirstOperation() const {
    return program_ ? program_->steps.data() : nullptr;
}

void TParser::SetSystemDecimalSeparator(const std::string& separator) {
    parser::setSystemDecimalSeparator(separator);
}

std::string TParser::SystemDecimalSeparator() {
    return parser::systemDecimalSeparator();
}

void TParser::SeedRandom(std::uint64_t seed) {
    parser::seedRandom(seed);
}
