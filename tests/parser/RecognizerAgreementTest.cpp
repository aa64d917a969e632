// The fast recogniser skips work it can prove useless; it must still answer exactly as the plain
// grammar does, on every piece of every text, for every recogniser.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "FunctionLibrary.h"
#include "ReferenceGrammar.h"
#include "TermRecognizer.h"

using namespace parser;

namespace {

struct Tables {
    double cell = 0;
    VariableTable variables;
    FunctionTable functions1;
    FunctionTable functions2;

    explicit Tables(std::initializer_list<const char*> extraNames) {
        for (const char* name : {"A", "B", "C", "D", "E", "X", "Y", "T"})
            variables.add(name, &cell);
        for (const char* name : extraNames) variables.add(name, &cell);
        registerBuiltinFunctions(functions1, functions2);
    }

    RecognizerTables view(bool fixed, const char* separator) const {
        return RecognizerTables{&variables, &functions1, &functions2, fixed, separator};
    }
};

std::string randomText(std::mt19937& rng, const std::vector<std::string>& pieces, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += pieces[rng() % pieces.size()];
    return text;
}

// The pieces the compiler asks about start at the text's start, after an operator, "(" or ","
// (DIV and MOD included) or at a "(", and end at the text's end or before an operator, ")" or
// ",".
bool isOperatorWord(const std::string& text, int i) {
    return text.compare(static_cast<std::size_t>(i), 3, "DIV") == 0 ||
           text.compare(static_cast<std::size_t>(i), 3, "MOD") == 0;
}

bool mayStart(const std::string& text, int a) {
    if (a == 0 || text[static_cast<std::size_t>(a)] == '(') return true;
    if (std::string("+-*/^(,").find(text[static_cast<std::size_t>(a - 1)]) != std::string::npos) {
        return true;
    }
    return a >= 3 && isOperatorWord(text, a - 3);
}

bool mayEnd(const std::string& text, int b) {
    if (b == static_cast<int>(text.size())) return true;
    return std::string("+-*/^),").find(text[static_cast<std::size_t>(b)]) != std::string::npos ||
           isOperatorWord(text, b);
}

// Compares every recogniser on every piece [a, b) of the text that the compiler may ask about.
void expectAgreement(const Tables& tables, bool fixed, const char* separator,
                     const std::string& text) {
    TermRecognizer fast(text, tables.view(fixed, separator));
    ReferenceGrammar plain(tables.view(fixed, separator));
    const int n = static_cast<int>(text.size());
    for (int a = 0; a < n; ++a) {
        if (!mayStart(text, a)) continue;
        for (int b = a + 1; b <= n; ++b) {
            if (!mayEnd(text, b)) continue;
            const std::string piece =
                text.substr(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a));
            for (int rec = RecU; rec < RecognizerCount; ++rec) {
                const auto r = static_cast<Recognizer>(rec);
                ASSERT_EQ(fast.accepts(r, a, b), plain.accepts(r, piece))
                    << "recogniser " << rec << " on \"" << piece << "\" in \"" << text << "\"";
            }
        }
    }
}

const std::vector<std::string> kArithmetic = {"X", "1", "2", ".", "E",   "+",   "-",  "-", "*",
                                              "/", "^", "(", ")", "DIV", "MOD", "PI", "Y", "5"};
const std::vector<std::string> kCalls = {"X", "1",    "-",    "+",    "*",  "^", "(", ")",
                                         ",", "SIN(", "MAX(", "MIN(", "LN", "E", "2", "/"};
const std::vector<std::string> kNumbers = {"1", "E", "-", "+",  ".",   "5", "X",
                                           "*", "^", "/", "PI", "DIV", "(", ")"};

TEST(RecognizerAgreement, ArithmeticTexts) {
    Tables tables({});
    std::mt19937 rng(20240611);
    for (int i = 0; i < 3000; ++i)
        expectAgreement(tables, true, ".",
                        randomText(rng, kArithmetic, 1 + static_cast<int>(rng() % 9)));
}

TEST(RecognizerAgreement, FunctionCalls) {
    Tables tables({});
    std::mt19937 rng(7);
    for (int i = 0; i < 3000; ++i)
        expectAgreement(tables, true, ".",
                        randomText(rng, kCalls, 1 + static_cast<int>(rng() % 9)));
}

TEST(RecognizerAgreement, NumbersAndExponents) {
    Tables tables({});
    std::mt19937 rng(99);
    for (int i = 0; i < 3000; ++i)
        expectAgreement(tables, true, ".",
                        randomText(rng, kNumbers, 1 + static_cast<int>(rng() % 9)));
}

// Names that contain operator words, look like numbers or end like DIV and MOD.
TEST(RecognizerAgreement, AwkwardVariableNames) {
    Tables tables({"XMOD", "DIVA", "E5", "PI", "MODX", "V", "SIN"});
    const std::vector<std::string> pieces = {"X", "MOD", "DIV", "A",   "E", "5", "PI", "-", "*",
                                             "(", ")",   "V",   "SIN", "+", "1", "^",  "D", "/"};
    std::mt19937 rng(3);
    for (int i = 0; i < 3000; ++i)
        expectAgreement(tables, true, ".",
                        randomText(rng, pieces, 1 + static_cast<int>(rng() % 8)));
}

// Signs after an E: an exponent's sign, or a binary operator after a name ending in E.
TEST(RecognizerAgreement, ExponentSignsNextToNames) {
    Tables tables({"XE", "E1", "ME"});
    const std::vector<std::string> pieces = {"1",   "E", "-", "+", ".",  "X", "XE", "MOD",
                                             "DIV", "*", "/", "2", "E1", "(", ")",  "ME"};
    std::mt19937 rng(5);
    for (int i = 0; i < 4000; ++i)
        expectAgreement(tables, true, ".",
                        randomText(rng, pieces, 1 + static_cast<int>(rng() % 9)));
}

TEST(RecognizerAgreement, LocaleNumbersWithComma) {
    Tables tables({});
    const std::vector<std::string> pieces = {"1", ",", "5", "-", "E", "MAX(",
                                             ")", "X", "+", "*", "(", "."};
    std::mt19937 rng(11);
    for (int i = 0; i < 3000; ++i)
        expectAgreement(tables, false, ",",
                        randomText(rng, pieces, 1 + static_cast<int>(rng() % 9)));
}

}  // namespace
