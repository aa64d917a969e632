#pragma once

#include <QChar>
#include <QString>
#include <stdexcept>

// Number <-> text conversion with the system locale, in one place. Tests may pin the decimal
// separator to a comma or a point.
namespace localenumbers {

// Raised for text that is not a number: "'%s' is not a valid floating point value".
class EConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

QChar decimalSeparator();
void setDecimalSeparator(QChar sep);  // a null QChar returns to the system locale's

// Reads a number written with the decimal separator (blanks around it allowed); throws
// EConvertError otherwise.
double textToFloat(const QString& text);
bool tryTextToFloat(const QString& text, double* out);

// Fixed notation with the given number of decimals and the decimal separator.
QString floatToFixed(double v, int decimals);
// The shortest general form, with the decimal separator.
QString floatToText(double v);

}  // namespace localenumbers
