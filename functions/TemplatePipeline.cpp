// The one pipeline of the letter keys of Panel5: any row of the template table, step by step
// (the steps are listed in LetterTemplates.h).
#include <QAction>
#include <QLineEdit>

#include "Controls.h"
#include "Draw.h"
#include "FunctionControlNames.h"
#include "FunctionEntry.h"
#include "FunctionState.h"
#include "GraphTable.h"
#include "LetterStart.h"
#include "LetterTemplates.h"
#include "Plane.h"
#include "PlotState.h"
#include "SharedControls.h"
#include "TemplateDrawing.h"
#include "TraceLoop.h"
#include "Window.h"

namespace lettertemplates {
namespace {

QWidget& ctl(const char* name) {
    return window::control(QString::fromUtf8(name));
}

const char* const kGridFrames[] = {"ImRamkaSetka1", "ImRamkaSetka2"};

// "Й" opens the example letters and gives "Ввод" back; the end of the newest graph is cleared
// (only where the count names a slot: with no graph there is none to clear).
void shortIOpening() {
    ctl(fnctl::kEnterKey).setEnabled(true);
    if (GraphTable::isSlot(graphTable.graphCount))
        graphTable.slot(graphTable.graphCount).endValue = 0;
    window::menuItem(shared::kExampleLettersMenu).setEnabled(true);
}

void showFrameWithWidth(int width) {
    QWidget& frame = ctl(fnctl::kLetterFrame);
    frame.show();
    frame.resize(width, frame.height());
}

// The row's grid stands on the plane with its lower edge just above the x axis; the other
// frames go.
void placeGrid(const LetterTemplate& row) {
    for (const char* g : kGridFrames)
        if (qstrcmp(g, row.grid) != 0) ctl(g).hide();
    QWidget& grid = ctl(row.grid);
    grid.move(row.gridLeft, row.gridTop);
    grid.show();
}

}  // namespace

void runLetterTemplate(const LetterTemplate& row) {
    letterBeginning = {LetterBeginning::Key, QChar(row.letter)};
    if (row.showsFrameWidth) showFrameWithWidth(row.showsFrameWidth);
    if (row.shortIExtras) shortIOpening();
    ctl(fnctl::kBlankKey).show();
    letterstart::hideTemplatePictures();
    if (row.hidesPanel8) ctl(fnctl::kListPanel).hide();
    ctl(fnctl::kBuildKey).hide();
    ctl(fnctl::kBlankKey).show();
    for (const char* n : shared::kPrefixes) ctl(n).hide();
    if (row.shortIExtras) ctl(shared::kSixthPrefix).hide();
    // The captions an example letter leaves over the plane must not show over a template.
    for (const char* n : shared::kFormulaCaptions) ctl(n).hide();
    letterstart::emptyEntryAndGraphs();
    ctl(fnctl::kOperatorBlock).setEnabled(true);
    ctl(fnctl::kEntryPanel).show();
    functionentry::edit(1).setFocus();
    draw::originAtCentreOf(ctl(fnctl::kPlane));
    plane::wipe();
    ctl(fnctl::kBuildKey).hide();
    functionEntry.entryStage = 1;
    placeGrid(row);

    draw::penColour(kTemplateColour);
    WindowTarget window;
    for (const TraceLoop& loop : row.loops)
        if (!loop.pictureOnly)
            runTraceLoop(loop, plotState, window,
                         {.paced = true, .eventsAfterEachItem = row.eventsAfterEachItem});

    if (row.picture) {
        QWidget& picture = ctl(row.picture);
        picture.move(row.pictureLeft, row.pictureTop);
        picture.show();
    }
    if (row.shortIExtras) ctl(row.grid).hide();
    if (row.hidesFrameAtEnd) ctl(fnctl::kLetterFrame).hide();
}

void bind() {
    for (const LetterTemplate& row : rows())
        window::onClick(QString::fromUtf8(row.key), [&row] { runLetterTemplate(row); });
}

}  // namespace lettertemplates
