#include "FunctionMode.h"

#include <QLineEdit>

#include "FunctionControlNames.h"
#include "FunctionEntry.h"
#include "FunctionLetters.h"
#include "GraphList.h"
#include "LetterStart.h"
#include "ModeParts.h"
#include "Window.h"

void bindFunctionMode() {
    // What another mode asks it to put away: the entry panel, and the entry emptied as a lesson
    // of a letter that is also an example leaves it.
    modeparts::registerMode(
        "functions",
        {.hideParts = [] { window::control(fnctl::kEntryPanel).hide(); },
         .clearInput =
             [] {
                 functionentry::edit(1).clear();
                 for (const char* n : {"Edit2", "Edit3", fnctl::kStartCaption, fnctl::kEndCaption})
                     window::control(n).hide();
             }});
    functionentry::bind();
    graphlist::bind();
    letterstart::bind();
    functionletters::bind();
}
