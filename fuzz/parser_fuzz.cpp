// libFuzzer target for TParser: compiles arbitrary text, sets variables to awkward values and
// evaluates. Any crash, sanitizer report, leak or costly compile is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "Compiler.h"
#include "TParser.h"

namespace {

const double kValues[] = {0.0,
                          -0.0,
                          1.0,
                          -1.0,
                          0.5,
                          2.0,
                          3.141592653589793,
                          1e300,
                          -1e-300,
                          9223372036854775808.0,
                          -9223372036854775808.0,
                          1e19,
                          2147483648.0,
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};
constexpr std::size_t kValueCount = sizeof(kValues) / sizeof(kValues[0]);

// A compile asks the recognisers' memory at most 40 questions a character on every adversarial
// family the tests know (tests/parser/CompileTimeTest.cpp): 40 000 for 1000 characters. The
// limit here is fifty times that, so that only a search gone exponential is a finding. Counted in
// work, not time, so a busy machine finds nothing.
constexpr std::size_t kMaxCompileWork = 2'000'000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::uint64_t hash = 1469598103934665603ULL;
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ULL;

    TParser::SeedRandom(hash);
    TParser parser;
    parser.SetFixedNumberFormat((hash & 3) != 0);
    static const char* const kSeparators[] = {".", ",", ""};
    TParser::SetSystemDecimalSeparator(kSeparators[(hash >> 2) % 3]);

    // A variable named after the first few characters; invalid names must raise EBadName.
    try {
        parser.SetVariable(text.substr(0, (hash >> 4) % 4), kValues[(hash >> 6) % kValueCount]);
    } catch (const EBadName&) {
    }

    bool failed = false;
    try {
        parser.SetExpression(text);
    } catch (const EMathParserError&) {
        failed = true;
    }
    if (size <= 1000 && parser::lastCompileWork() > kMaxCompileWork) {
        std::fprintf(stderr, "costly compile: %zu questions for %zu characters\n",
                     parser::lastCompileWork(), size);
        std::abort();
    }
    if (failed != parser.CompileFailed()) std::abort();
    if (failed && (parser.FirstOperation() != nullptr || parser.Value() != 0.0)) std::abort();

    // Evaluate with several variable settings; every error must be one of the parser's own.
    for (int round = 0; round < 4; ++round) {
        parser.X = kValues[(hash >> (8 + 4 * round)) % kValueCount];
        parser.Y = kValues[(hash >> (24 + 4 * round)) % kValueCount];
        parser.SetVariable("t", kValues[(hash >> (40 + 2 * round)) % kValueCount]);
        try {
            volatile double v = parser.Value();
            (void)v;
        } catch (const EMathError&) {
        } catch (const EIntError&) {
        }
    }
    return 0;
}
