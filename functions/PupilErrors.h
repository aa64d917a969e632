#pragma once

#include <QString>
#include <stdexcept>

class TParser;

// What went wrong with what a pupil typed, told in Russian first (what is wrong, in which box,
// with the formula or number as typed), with the parser's or the conversion's own text as a
// second line. The parser keeps its messages and error classes; only the window's words change.
namespace pupilerrors {

// Thrown instead of the parser's or the conversion's error; the window shows what() as it is.
class Told : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The boxes of Function mode by number, as their captions name them: "1-ая переменная", …
QString boxName(int box);

// The texts shown, for the error `e` met with `typed` in `box` (and, for a value, at the
// parameter `x`).
QString formulaMessage(int box, const QString& typed, const std::exception& e);
QString numberMessage(int box, const QString& typed, const std::exception& e);
QString valueMessage(int box, const QString& typed, double x, const std::exception& e);

// The same work as the parser's and the conversion's calls, throwing Told instead.
void compile(TParser& parser, int box, const QString& typed);
double value(TParser& parser, int box, const QString& typed, double x);
double number(int box, const QString& typed);

}  // namespace pupilerrors
