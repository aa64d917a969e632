#include "ExprtkPeer.h"

#include <stdexcept>

#define exprtk_disable_string_capabilities
#define exprtk_disable_rtl_io
#define exprtk_disable_rtl_io_file
#include <exprtk.hpp>

struct ExprtkExpression::Impl {
    double x = 0;
    exprtk::symbol_table<double> symbols;
    exprtk::expression<double> expression;
};

ExprtkExpression::ExprtkExpression(const std::string& text) : impl_(std::make_unique<Impl>()) {
    impl_->symbols.add_variable("x", impl_->x);
    impl_->expression.register_symbol_table(impl_->symbols);
    exprtk::parser<double> parser;
    if (!parser.compile(text, impl_->expression))
        throw std::runtime_error("ExprTk rejects " + text + ": " + parser.error());
}

ExprtkExpression::~ExprtkExpression() = default;

double& ExprtkExpression::x() {
    return impl_->x;
}

double ExprtkExpression::value() const {
    return impl_->expression.value();
}
