#pragma once

#include <memory>
#include <string>

// An expression compiled by ExprTk over one variable x, kept in a source of its own: the
// library's single header takes a minute to compile.
class ExprtkExpression {
  public:
    explicit ExprtkExpression(const std::string& text);  // throws std::runtime_error if rejected
    ~ExprtkExpression();

    double& x();  // the variable the expression reads
    double value() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
