#include "LetterStart.h"

#include <QLineEdit>
#include <QListWidget>

#include "FunctionCommands.h"
#include "FunctionControlNames.h"
#include "FunctionEntry.h"
#include "FunctionState.h"
#include "GraphList.h"
#include "GraphTable.h"
#include "Letters.h"
#include "Plane.h"
#include "PlotState.h"
#include "Rounding.h"
#include "SharedControls.h"
#include "Window.h"

namespace letterstart {
namespace {

void emptyEdits() {
    for (int box = 1; box <= 4; ++box) functionentry::edit(box).clear();
    functionEntry.entryBuffer.clear();
}

void emptyList() {
    auto& list = window::control<QListWidget>(fnctl::kGraphList);
    list.clear();
    graphTable.graphCount = 0;
    list.hide();
    graphlist::listChanged(graphlist::ListChange::Emptied);
}

void hidePrefixLabels() {
    for (const char* n : shared::kPrefixes) window::control(n).hide();
}
}  // namespace

void emptyEntryAndGraphs() {
    emptyEdits();
    ResetGraphSlots();
    emptyList();
}

void hideTemplatePictures() {
    for (const QString& n : groups::templatePictures()) window::control(n).hide();
}

void Label44Click() {
    letterBeginning = {LetterBeginning::Blank, QChar()};
    hideTemplatePictures();
    emptyEdits();
    hidePrefixLabels();
    window::control(fnctl::kOperatorBlock).setEnabled(true);
    ResetGraphSlots();
    emptyList();
    window::control(fnctl::kEntryPanel).show();
    window::control(fnctl::kBuildKey).hide();
    functionEntry.entryStage = 1;
    functionentry::edit(1).setFocus();
    // The wide grid stands on the origin as it was left; the origin is not taken afresh.
    QWidget& grid = window::control(fnctl::kWideGrid);
    grid.move(plotState.originX,
              roundHalfEven(plotState.originY - static_cast<double>(grid.height())));
    grid.show();
    plane::wipe();
}

void bind() {
    fncmd::bind(fncmd::kBlankLetter);
}

}  // namespace letterstart

const QStringList& groups::templatePictures() {
    static const QStringList list = [] {
        QStringList pictures;
        for (const letters::LetterRecord& r : letters::all()) pictures << r.templatePicture;
        return pictures;
    }();
    return list;
}
