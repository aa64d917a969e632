#include "FunctionState.h"

#include "Window.h"

TParser& parser1() {
    return window::control<ParserComponent>("Parser1").parser;
}
TParser& parser2() {
    return window::control<ParserComponent>("Parser2").parser;
}
