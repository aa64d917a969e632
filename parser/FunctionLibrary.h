#pragma once

#include <cstdint>

#include "NameTable.h"

namespace parser {

// Registers the built-in functions: one-argument "TAN", "SIN", "COS", "SINH", "COSH", "ARCTAN",
// "EXP", "LN", "SQRT", "ABS", "HEAV", "SIGN", "ZERO", "PH", "RND" and two-argument "MAX",
// "MIN". Raises EParserInternalError if a name is already taken.
void registerBuiltinFunctions(FunctionTable& oneArgument, FunctionTable& twoArguments);

// The computation behind a built-in one-argument routine, for the evaluator to call directly;
// nullptr for any other routine.
using OneArgumentKernel = double (*)(double);
OneArgumentKernel kernelOf(TParserRoutine routine);

// The generator behind RND: uniform in [0, 1). Seeded from the system at start; tests and the
// fuzzer may fix the seed.
double randomUnit();
void seedRandom(std::uint64_t seed);

}  // namespace parser
