#pragma once

#include <cstdint>

#include "ParserOperation.h"

namespace parser {

// The routine of an operator step, by token (tokens 0 to 13). Function steps (14, 15) carry the
// function's own routine.
TParserRoutine routineForToken(std::uint8_t token);

// a raised to the integer n by repeated squaring in extended precision; the reciprocal for
// n < 0. Shared by the integral and the general power.
double integralPower(double a, int n);

// The general power a^b.
double realPower(double a, double b);

}  // namespace parser
