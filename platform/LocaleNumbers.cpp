#include "LocaleNumbers.h"

#include <QLocale>
#include <cmath>

namespace localenumbers {
namespace {
QChar g_sep;
}

QChar decimalSeparator() {
    if (!g_sep.isNull()) return g_sep;
    const QString dp = QLocale::system().decimalPoint();
    return dp.isEmpty() ? QChar('.') : dp.at(0);
}

void setDecimalSeparator(QChar sep) {
    g_sep = sep;
}

bool tryTextToFloat(const QString& text, double* out) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    const QChar sep = decimalSeparator();
    // Only the locale's separator counts as a decimal point.
    if (sep != QChar('.') && t.contains(QChar('.'))) return false;
    QString c = t;
    c.replace(sep, QChar('.'));
    for (QChar ch : c)
        if (!(ch.isDigit() || ch == '.' || ch == '+' || ch == '-' || ch == 'e' || ch == 'E'))
            return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(c, &ok);
    if (!ok || !std::isfinite(v)) return false;
    if (out) *out = v;
    return true;
}

double textToFloat(const QString& text) {
    double v = 0;
    if (!tryTextToFloat(text, &v))
        throw EConvertError(
            QStringLiteral("'%1' is not a valid floating point value").arg(text).toStdString());
    return v;
}

QString floatToFixed(double v, int decimals) {
    QString s = QString::number(v, 'f', decimals);
    s.replace(QChar('.'), decimalSeparator());
    return s;
}

QString floatToText(double v) {
    QString s = QString::number(v, 'g', 15);
    s.replace(QChar('.'), decimalSeparator());
    return s;
}

}  // namespace localenumbers
