#include "FunctionLetters.h"

#include "ExampleLetters.h"
#include "LetterTemplates.h"

namespace functionletters {

void bind() {
    lettertemplates::bind();
    exampleletters::bind();
}

}  // namespace functionletters
