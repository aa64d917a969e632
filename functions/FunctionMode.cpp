#include "FunctionMode.h"

#include "FunctionEntry.h"
#include "GraphList.h"
#include "LetterStart.h"

void bindFunctionMode() {
    functionentry::bind();
    graphlist::bind();
    letterstart::bind();
}
