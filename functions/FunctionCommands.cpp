#include "FunctionCommands.h"

#include "FunctionControlNames.h"
#include "FunctionEntry.h"
#include "GraphList.h"
#include "LetterStart.h"
#include "Window.h"

namespace fncmd {

const KeyCommand kEnter{fnctl::kEnterKey, functionentry::Label132Click};
const KeyCommand kBuild{fnctl::kBuildKey, graphlist::Label148Click};
const KeyCommand kChangeRange{fnctl::kChangeRangeKey, graphlist::Label190Click};
const KeyCommand kChangeGraph{fnctl::kChangeGraphKey, graphlist::Label189Click};
const KeyCommand kBlankLetter{fnctl::kBlankKey, letterstart::Label44Click};

void chooseGraph(int k) {
    graphlist::ListBox1Click(k);
}

void bind(const KeyCommand& command) {
    window::onClick(command.key, command.run);
}

}  // namespace fncmd
