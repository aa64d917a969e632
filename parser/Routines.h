#pragma once

#include <cstdint>

#include "ParserOperation.h"

namespace parser {

// The routine of an operator step, by token (tokens 0 to 13). Function steps (14, 15) carry the
// function's own routine.
TParserRoutine routineForToken(std::uint8_t token);

}  // namespace parser
