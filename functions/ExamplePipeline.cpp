// The one procedure of the example letters: any record of the example table, step by step (the
// steps are listed in ExampleLetters.h).
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>

#include "Controls.h"
#include "Draw.h"
#include "ExampleLetters.h"
#include "FunctionControlNames.h"
#include "FunctionEntry.h"
#include "FunctionState.h"
#include "GraphList.h"
#include "GraphTable.h"
#include "LetterStart.h"
#include "ModeParts.h"
#include "Plane.h"
#include "PlotState.h"
#include "SharedControls.h"
#include "Window.h"

namespace exampleletters {
namespace {

QWidget& ctl(const char* name) {
    return window::control(QString::fromUtf8(name));
}
QWidget& ctl(const QString& name) {
    return window::control(name);
}

// The captions of the formulas, the examples' and the lessons' (the blank key Label44 is a key,
// not a caption, and stays).
const QStringList& captionLabels() {
    static const QStringList list = window::numbered("Label", 45, 61);
    return list;
}

void hideLeftovers() {
    ctl(shared::kBanner).hide();
    plane::reset();
    modeparts::hidePartsOf("alphabet");  // every letter picture and hotspot of Alphabet mode
    letterstart::hideTemplatePictures();
    for (const QString& n : captionLabels()) ctl(n).hide();
}

void emptyEntry(const ExampleLetter& e) {
    using Edits = ExampleLetter::Edits;
    if (e.emptiedEdits == Edits::First) functionentry::edit(1).clear();
    if (e.emptiedEdits == Edits::All)
        for (int box = 1; box <= 4; ++box) functionentry::edit(box).clear();
    functionEntry.entryBuffer.clear();
    ctl(fnctl::kOperatorBlock).setEnabled(true);
    ResetGraphSlots();
    auto& list = window::control<QListWidget>(fnctl::kGraphList);
    list.clear();
    graphTable.graphCount = 0;
    list.hide();
    graphlist::listChanged(graphlist::ListChange::Emptied);
    ctl(fnctl::kEntryPanel).setVisible(e.keepsEntryOpen);
    if (e.keepsEntryOpen) functionEntry.entryStage = 1;
    ctl(fnctl::kBuildKey).hide();
    if (e.erasesCell) {
        plane::wipe();
        functionEntry.entryStage = 1;
    }
}

void showCaptions(const ExampleLetter& e) {
    for (const ExampleCaption& c : e.captions) {
        auto& label = window::control<Label>(QString::fromUtf8(c.label));
        label.setCaption(QString::fromUtf8(c.text));
        label.move(c.left, c.top);
        label.show();
    }
}

// The captions are read over the template picture, and over a grid frame that a letter key left
// shown: these go under the lowest of the captions.
void putUnderCaptions(const ExampleLetter& e) {
    QWidget* lowest = nullptr;
    for (QObject* o : ctl(fnctl::kPlane).parentWidget()->children())  // bottom to top
        for (const ExampleCaption& c : e.captions)
            if (!lowest && o->objectName() == QLatin1String(c.label))
                lowest = static_cast<QWidget*>(o);
    if (!lowest) return;
    for (const char* n : {fnctl::kGrid, fnctl::kWideGrid, fnctl::kShortIGrid, e.picture})
        ctl(n).stackUnder(lowest);
}

void fillSlots(const ExampleLetter& e) {
    int k = 0;
    for (const ExampleGraph& g : e.graphs) {
        GraphSlot& s = graphTable.slot(++k);
        s.xExpr = QString::fromUtf8(g.x);
        s.yExpr = QString::fromUtf8(g.y);
        s.startValue = g.start;
        s.endValue = g.end;
    }
}

}  // namespace

QChar letterOf(const ExampleLetter& e) {
    const QString title = QString::fromUtf8(e.title);
    return title.isEmpty() ? QChar() : title.back();
}

const ExampleLetter* findByLetter(QChar letter) {
    for (const ExampleLetter& e : rows())
        if (letterOf(e) == letter) return &e;
    return nullptr;
}

void showExample(const ExampleLetter& e) {
    letterBeginning = {LetterBeginning::Example, letterOf(e)};
    ResetGraphSlots();
    hideLeftovers();
    emptyEntry(e);
    QWidget& picture = ctl(e.picture);
    picture.move(e.pictureLeft, e.pictureTop);
    putUnderCaptions(e);
    picture.show();
    showCaptions(e);
    fillSlots(e);
    draw::originAtCentreOf(ctl(fnctl::kPlane));
    ctl(fnctl::kBuildKey).hide();
    ctl(fnctl::kReminder).hide();
    ctl(fnctl::kListPanel).show();
    const int n = static_cast<int>(e.graphs.size());
    // The graphs are counted with the plot state's delay field, as every redraw loop counts them: a
    // letter key pressed meanwhile leaves it at 11, and the loop ends.
    for (plotState.stepDelayMs = 1; plotState.stepDelayMs <= n; ++plotState.stepDelayMs)
        graphlist::redrawSlot(plotState.stepDelayMs, {.secondReading = true, .pause = true});
    graphTable.graphCount = n;
    ctl(fnctl::kGraphList).show();
    graphlist::rebuildList(e.separators);
}

void bind() {
    for (const ExampleLetter& e : rows())
        window::onClick(QString::fromUtf8(e.menuItem), [&e] { showExample(e); });
}

}  // namespace exampleletters
