#include "FunctionMode.h"

#include "FunctionEntry.h"
#include "FunctionLetters.h"
#include "GraphList.h"
#include "LetterStart.h"

void bindFunctionMode() {
    functionentry::bind();
    graphlist::bind();
    letterstart::bind();
    functionletters::bind();
}
