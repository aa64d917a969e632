#include "PupilErrors.h"

#include "LocaleNumbers.h"
#include "ParserErrors.h"
#include "TParser.h"

namespace pupilerrors {
namespace {

// The parser's own text on a line of its own (its line breaks are carriage returns).
QString second(const std::exception& e) {
    return "\n(" + QString::fromUtf8(e.what()).replace('\r', ' ').simplified() + ")";
}

QString formulaProblem(const QString& typed, const std::exception& e) {
    if (typed.trimmed().isEmpty()) return "пусто: наберите формулу";
    if (dynamic_cast<const EMissMatchingBracket*>(&e))
        return "не сходятся скобки: каждой «(» нужна своя «)»";
    if (dynamic_cast<const EExpressionHasBlanks*>(&e))
        return "есть пробел: формулу пишут без пробелов, например sin(x)";
    if (dynamic_cast<const ETooManyNestings*>(&e)) return "слишком много скобок одна в другой";
    if (dynamic_cast<const EExpressionTooComplex*>(&e))
        return "формула слишком длинная для программы";
    if (dynamic_cast<const ESyntaxError*>(&e))
        return "формула записана с ошибкой: проверьте знаки действий, числа, скобки и названия "
               "функций";
    return "программа не смогла прочитать формулу";
}

QString valueProblem(const std::exception& e) {
    if (dynamic_cast<const EZeroDivide*>(&e) || dynamic_cast<const EDivByZero*>(&e))
        return "получается деление на ноль";
    if (dynamic_cast<const EOverflow*>(&e)) return "значение слишком велико";
    if (dynamic_cast<const EInvalidOp*>(&e))
        return "её нельзя вычислить (корень или логарифм отрицательного числа, 0/0 и т. п.)";
    return "её не удалось вычислить";
}

}  // namespace

QString boxName(int box) {
    switch (box) {
        case 1:
            return "1-ая переменная";
        case 2:
            return "2-ая переменная";
        case 3:
            return "Начальное значение переменной";
        case 4:
            return "Конечное значение переменной";
        default:
            return QString("%1").arg(box);
    }
}

QString formulaMessage(int box, const QString& typed, const std::exception& e) {
    return QString("Поле «%1», формула «%2»: %3.")
               .arg(boxName(box), typed, formulaProblem(typed, e)) +
           second(e);
}

QString numberMessage(int box, const QString& typed, const std::exception& e) {
    const QString separator = localenumbers::decimalSeparator();
    return QString(
               "Поле «%1»: «%2» — не число. Число пишут цифрами, со знаком «-» впереди, если "
               "оно отрицательное, а дробную часть — через «%3» (например, %4).")
               .arg(boxName(box), typed, separator, "-1" + separator + "2") +
           second(e);
}

QString valueMessage(int box, const QString& typed, double x, const std::exception& e) {
    return QString("Поле «%1», формула «%2»: при x = %3 %4.")
               .arg(boxName(box), typed, localenumbers::floatToText(x), valueProblem(e)) +
           second(e);
}

void compile(TParser& parser, int box, const QString& typed) {
    try {
        parser.SetExpression(typed.toStdString());
    } catch (const EParserInternalError&) {
        throw;  // a fault of the program, not of the pupil
    } catch (const EMathParserError& e) {
        throw Told(formulaMessage(box, typed, e).toStdString());
    }
}

double value(TParser& parser, int box, const QString& typed, double x) {
    try {
        parser.SetVariable("x", x);
        return parser.Value();
    } catch (const EMathError& e) {
        throw Told(valueMessage(box, typed, x, e).toStdString());
    } catch (const EIntError& e) {
        throw Told(valueMessage(box, typed, x, e).toStdString());
    }
}

double number(int box, const QString& typed) {
    try {
        return localenumbers::textToFloat(typed);
    } catch (const localenumbers::EConvertError& e) {
        throw Told(numberMessage(box, typed, e).toStdString());
    }
}

}  // namespace pupilerrors
