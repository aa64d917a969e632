#pragma once

// Expressions with the value or the exact error each must give, worked out by hand from the
// grammar. Every row is evaluated with X as given, Y = 3, E = 7 and the other variables 0.

enum class Outcome { Value, CompileError, EvalError };

struct ExpressionRow {
    const char* text;
    double x;
    Outcome outcome;
    double value;         // Outcome::Value
    const char* message;  // the errors
};

constexpr double kPi = 3.141592653589793;

#define VAL(text, x, v)                \
    ExpressionRow {                    \
        text, x, Outcome::Value, v, "" \
    }
#define CERR(text, msg)                        \
    ExpressionRow {                            \
        text, 0, Outcome::CompileError, 0, msg \
    }
#define EERR(text, x, msg)                  \
    ExpressionRow {                         \
        text, x, Outcome::EvalError, 0, msg \
    }
#define SYNTAX "Error parsing expression:\r"

inline constexpr const char* kZeroDivide = "Floating point division by zero";
inline constexpr const char* kInvalid = "Invalid floating point operation";
inline constexpr const char* kOverflow = "Floating point overflow";
inline constexpr const char* kDivByZero = "Division by zero";

inline const ExpressionRow kExpressionTable[] = {
    // Precedence and grouping: + and - weakest, then * / DIV MOD, then ^.
    VAL("2-1.2*x*x", 2, -2.8),
    VAL("1.08+1.06*cos(x)", 0, 2.14),
    VAL("1.5+1.15*(x-1.15)*(x-1.15)", 1.15, 1.5),
    VAL("8/4/2", 0, 1),
    VAL("2-3-4", 0, -5),
    VAL("2-3+4", 0, 3),
    VAL("-2+3", 0, 1),
    VAL("2+3*4", 0, 14),
    VAL("2*3+4", 0, 10),
    VAL("(2+3)*4", 0, 20),
    VAL("2*(3+4)", 0, 14),
    VAL("10-2*3", 0, 4),
    VAL("10/2-3", 0, 2),
    VAL("10-6/2", 0, 7),
    VAL("2^3*2", 0, 16),
    VAL("2*2^3", 0, 16),
    VAL("1-2-3-4", 0, -8),
    VAL("100/10/5", 0, 2),
    VAL("2*3*4", 0, 24),
    VAL("1+2+3+4", 0, 10),
    VAL("1-2+3-4", 0, -2),
    VAL("2-3*4+5", 0, -5),
    VAL("6/2*3", 0, 9),
    VAL("6*2/3", 0, 4),
    VAL("2*3-4*5", 0, -14),
    VAL("(1+2)*(3+4)", 0, 21),
    VAL("((1+2))*3", 0, 9),
    VAL("((x))", 7, 7),
    VAL("(((2)))", 0, 2),
    VAL("(2)*(3)", 0, 6),
    VAL("x-x-x", 1, -1),
    VAL("2-x", 5, -3),
    VAL("X+Y", 2, 5),
    VAL("x*y-e", 2, -1),
    VAL("a+b+c+d+t", 2, 0),
    VAL("1/(1+x)", 1, 0.5),
    VAL("(x+1)/(x-1)", 3, 2),
    VAL("x*(x+(x*(x+1)))", 2, 16),

    // Unary minus: only at the start of a term or of a left operand.
    VAL("-x", 4, -4),
    VAL("-x*2", 4, -8),
    VAL("2*(-x)", 4, -8),
    VAL("(-x)-1", 4, -5),
    VAL("-(x-1)", 4, -3),
    VAL("-(-x)", 4, 4),
    VAL("-sin(0)", 0, 0),
    VAL("-x+1", 4, -3),
    VAL("1+-2", 0, -1),
    VAL("1--2", 0, 3),
    VAL("2*-3", 0, -6),
    VAL("x*-3", 2, -6),
    VAL("-x*-3", 2, 6),
    VAL("-x^2", 3, -9),
    VAL("-x^2+1", 3, -8),
    VAL("-2^2", 0, -4),
    VAL("(-2)^2", 0, 4),
    VAL("2*-x/3", 3, -2),  // the right side of * may be a quotient that starts with a minus
    CERR("2*-x", SYNTAX "2\r-X"),
    CERR("-x-1", SYNTAX "X-1\r "),
    CERR("-2-3", SYNTAX "2-3\r "),
    CERR("--x", SYNTAX "-X\r "),
    CERR("1+-x", SYNTAX "1+\rX"),
    CERR("-", SYNTAX "\r "),

    // DIV and MOD truncate both operands to integers.
    VAL("7MOD3", 0, 1),
    VAL("-7MOD3", 0, -1),
    VAL("7MOD-3", 0, 1),
    VAL("-7MOD-3", 0, -1),
    VAL("7.9DIV2", 0, 3),
    VAL("-7.9DIV2", 0, -3),
    VAL("7DIV2.9", 0, 3),
    VAL("xMODy", 8, 2),
    VAL("xDIVy", 8, 2),
    VAL("10DIV3*3", 0, 9),
    VAL("10MOD4DIV2", 0, 1),
    VAL("10DIV4MOD3", 0, 2),
    VAL("2*7MOD4", 0, 6),
    VAL("7MOD4*2", 0, 6),
    VAL("20/2MOD3", 0, 1),
    VAL("20MOD6/2", 0, 1),
    VAL("1E5DIV1E2", 0, 1000),
    VAL("2.5MOD1", 0, 0),
    VAL("7div2", 0, 3),
    VAL("-9.2E18DIV1", 0, -9.2e18),
    EERR("7DIV0.5", 0, kDivByZero),
    EERR("7MOD0.9", 0, kDivByZero),
    EERR("xMOD(x-x)", 5, kDivByZero),
    EERR("1E19DIV1", 0, kInvalid),
    EERR("1MOD1E19", 0, kInvalid),
    CERR("MOD3", SYNTAX "MOD3"),
    CERR("7MOD", SYNTAX "7\r"),

    // Numbers: fixed syntax with the point; a leading minus belongs to the number.
    VAL(".", 0, 0),
    VAL("E5", 0, 0),
    VAL("5.", 0, 5),
    VAL(".5", 0, 0.5),
    VAL("-.5", 0, -0.5),
    VAL("+5", 0, 5),
    VAL("1E3", 0, 1000),
    VAL("1.5E-3", 0, 0.0015),
    VAL("2.5E+2", 0, 250),
    VAL("2.5e2", 0, 250),
    VAL("E", 0, 7),
    VAL("E+1", 0, 0),  // a number: an exponent without digits before it
    VAL("E-1", 0, 0),
    VAL("E*2", 0, 14),
    VAL("-0.04", 0, -0.04),
    VAL("007", 0, 7),
    VAL("1E0005", 0, 1e5),
    VAL("+.E-0", 0, 0),
    VAL("1E-999", 0, 0),
    VAL("PI", 0, kPi),
    VAL("-PI", 0, -kPi),
    VAL("pi*2", 0, 2 * kPi),
    VAL("2*PI", 0, 2 * kPi),
    VAL("-PI^2", 0, -kPi* kPi),
    VAL("0.5*x", 4, 2),
    VAL(".5*x", 4, 2),
    VAL("5.*x", 4, 20),
    CERR("2E", SYNTAX "2E"),
    CERR("1.2.3", SYNTAX "1.2.3"),
    CERR("1,5", SYNTAX "1,5"),
    CERR("PI2", SYNTAX "PI2"),
    CERR("..5", SYNTAX "..5"),
    CERR("5E+", SYNTAX "5E+"),
    CERR("1E999", SYNTAX "1E999"),

    // Powers.
    VAL("x^2", 3, 9),
    VAL("x^3", 3, 27),
    VAL("x^4", 3, 81),
    VAL("x^5", 3, 243),
    VAL("x^-1", 4, 0.25),
    VAL("x^-2", 2, 0.25),
    VAL("x^0.5", 4, 2),
    VAL("x^y", 2, 8),
    VAL("x^2.0", 3, 9),
    VAL("x^1", 3, 3),
    VAL("x^0", 3, 1),
    VAL("x^(2)", 3, 9),
    VAL("(x+1)^2", 2, 9),
    VAL("sin(x)^2", 0, 0),
    VAL("2^x", 10, 1024),
    VAL("2^-1", 0, 0.5),
    VAL("0^0", 0, 1),
    VAL("0^x", 2, 0),
    VAL("(-2)^3", 0, -8),
    VAL("(-2)^y", 0, -8),
    VAL("10^-400", 0, 0),
    VAL("4^0.5", 0, 2),
    EERR("0^-1", 0, kZeroDivide),
    EERR("x^-0.5", 0, kZeroDivide),
    EERR("(-8)^(1/3)", 0, kInvalid),
    EERR("(-2)^0.5", 0, kInvalid),
    EERR("10^400", 0, kOverflow),
    EERR("x^1000", 10, kOverflow),
    CERR("2^3^2", SYNTAX "2^3\r2"),
    CERR("x^-y", SYNTAX "X\r-Y"),
    CERR("x^2^3", SYNTAX "X^2\r3"),

    // Functions.
    VAL("sin(0)", 0, 0),
    VAL("cos(0)", 0, 1),
    VAL("tan(0)", 0, 0),
    VAL("sinh(0)", 0, 0),
    VAL("cosh(0)", 0, 1),
    VAL("arctan(1)", 0, kPi / 4),
    VAL("exp(0)", 0, 1),
    VAL("ln(1)", 0, 0),
    VAL("sqrt(16)", 0, 4),
    VAL("abs(-3)", 0, 3),
    VAL("abs(x-5)", 2, 3),
    VAL("heav(0)", 0, 1),
    VAL("heav(-0.1)", 0, 0),
    VAL("heav(x)", 3, 1),
    VAL("sign(0)", 0, 0),
    VAL("sign(-2)", 0, -1),
    VAL("sign(5)", 0, 1),
    VAL("zero(0)", 0, 0),
    VAL("zero(-3)", 0, 1),
    VAL("rnd(0.9)", 0, 0),
    VAL("rnd(0)", 0, 0),
    VAL("max(2,3)", 0, 3),
    VAL("min(2,3)", 0, 2),
    VAL("max(2,2)", 0, 2),
    VAL("min(2,2)", 0, 2),
    VAL("max(1,-2)", 0, 1),
    VAL("max(-x,x)", 2, 2),
    VAL("max(1,min(2,3))", 0, 2),
    VAL("max((x),y)", 2, 3),
    VAL("min(x+1,y*2)", 2, 3),
    VAL("sin(x)+cos(x)", 0, 1),
    VAL("SQRT(X)", 9, 3),
    VAL("sin(pi/2)", 0, 1),
    VAL("cos(pi)", 0, -1),
    VAL("sin(1E19)", 0, 0),
    VAL("cos(-1E19)", 0, 0),
    VAL("sin((x))", 0, 0),
    VAL("exp(ln(x))*2", 1, 2),
    VAL("sqrt(x*x+16)", 3, 5),
    CERR("sin()", SYNTAX "SIN()"),
    CERR("foo(1)", SYNTAX "FOO(1)"),
    CERR("max(1)", SYNTAX "MAX(1)"),
    CERR("max(1,2,3)", SYNTAX "MAX(1,2,3)"),
    CERR("max(,1)", SYNTAX "MAX(,1)"),
    CERR("sin(1,2)", SYNTAX "SIN(1,2)"),
    CERR("sin", SYNTAX "SIN"),

    // Floating-point errors end the evaluation.
    EERR("1/0", 0, kZeroDivide),
    EERR("x/0", 2, kZeroDivide),
    EERR("1/(x-x)", 2, kZeroDivide),
    EERR("0/0", 0, kInvalid),
    EERR("ln(0)", 0, kZeroDivide),
    EERR("ln(-1)", 0, kInvalid),
    EERR("sqrt(-1)", 0, kInvalid),
    EERR("sqrt(x)", -4, kInvalid),
    EERR("exp(1000)", 0, kOverflow),
    EERR("exp(x)*0", 800, kOverflow),
    EERR("1E300*1E300", 0, kOverflow),
    EERR("(-1E308)-1E308", 0, kOverflow),
    CERR("-1E308-1E308", SYNTAX "1E308-1E308\r "),
    EERR("sinh(1000)", 0, kOverflow),
    EERR("cosh(-1000)", 0, kOverflow),
    EERR("x*x*x", 1e200, kOverflow),

    // Blanks, brackets and malformed texts.
    VAL(" x+1 ", 2, 3),
    VAL("  (x)  ", 2, 2),
    CERR("x + 1", "Expression has blanks"),
    CERR("sin (x)", "Expression has blanks"),
    CERR("(x+1", "Missing brackets in expression"),
    CERR("x+1)", "Missing brackets in expression"),
    CERR("sin(x", "Missing brackets in expression"),
    CERR("x + (1", "Expression has blanks"),  // blanks are checked before brackets
    CERR(")x(", SYNTAX ")X("),
    CERR("(x)(y)", SYNTAX "(X)(Y)"),
    CERR("()", SYNTAX "()"),
    CERR("   ", SYNTAX ""),
    CERR("x+", SYNTAX "X+"),
    CERR("+x", SYNTAX "+X"),
    CERR("*x", SYNTAX "*X"),
    CERR("x*", SYNTAX "X*"),
    CERR("x**2", SYNTAX "X*\r2"),
    CERR("z+1", SYNTAX "Z\r1"),
    CERR("x2", SYNTAX "X2"),
    CERR("2x", SYNTAX "2X"),
    CERR("x=1", SYNTAX "X=1"),
};

#undef VAL
#undef CERR
#undef EERR
#undef SYNTAX
