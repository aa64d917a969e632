// The mode entries. The menu entry and the caption entry of a mode are separate handlers with
// small differences of their own; each difference is marked where it happens.
#include <QAction>

#include "AlphabetGroups.h"
#include "Draw.h"
#include "FunctionControlNames.h"
#include "KeyboardLayout.h"
#include "LetterStart.h"
#include "Plane.h"
#include "PlotState.h"
#include "Rounding.h"
#include "SharedControls.h"
#include "ShellGroups.h"
#include "TForm1.h"
#include "TextGroups.h"

namespace {
const QColor kChosenCaption(255, 0, 0);
const QColor kOtherCaption(0, 0, 255);
}  // namespace

void TForm1::hideGroup(const QStringList& names) {
    for (const QString& n : names) ctl(n.toUtf8().constData()).hide();
}

void TForm1::markModeCaption(const char* chosen) {
    for (const char* n : {"Label145", "Label146", "Label147"})
        ctl<Label>(n).setFontColor(qstrcmp(n, chosen) == 0 ? kChosenCaption : kOtherCaption);
}

void TForm1::wipeWorkArea() {
    ctl("Image38").hide();
    ctl("Image38").show();
}

void TForm1::setSlotsEnabled(bool enabled) {
    for (const QString& n : groups::slotsEnabledByMode())
        ctl(n.toUtf8().constData()).setEnabled(enabled);
    ctl("Image37").setEnabled(enabled);
}

void TForm1::resizeSlots(int w, int h) {
    for (const QString& n : groups::wordSlots()) ctl(n.toUtf8().constData()).resize(w, h);
}

// --- Alphabet ---------------------------------------------------------------------------------

void TForm1::enterAlphabet(bool fromCaption) {
    if (fromCaption) {
        wipeWorkArea();
        menuItem(shared::kExampleLettersMenu).setEnabled(false);
    }
    ctl("Panel4").hide();
    ctl("Panel3").show();
    ctl("Panel5").hide();
    ctl("Panel6").hide();
    ctl("Panel8").hide();
    ctl(shared::kHint).setVisible(!fromCaption);
    markModeCaption("Label145");
    auto& frame = ctl<Shape>(shared::kLetterFrame);
    frame.show();
    if (fromCaption) {
        frame.setPenColor(QColor(255, 242, 0));
        frame.setGeometry(938, 175, 105, frame.height());
    } else {
        frame.move(892, 252);
    }
    ctl(fnctl::kGrid).hide();
    if (fromCaption) ctl(fnctl::kWideGrid).hide();
    plane::wipe();
    wipeWorkArea();
    ctl(shared::kWordDeleteKey).hide();
    ctl(shared::kBanner).hide();
    plane::reset();
    hideGroup(groups::letterPartControls());
    hideGroup(groups::formulaLabels());
    ctl(shared::kWordDeleteKey).hide();
    hideGroup(groups::wordSlots());
    ctl("Image37").show();
    setSlotsEnabled(false);
    resizeSlots(67, 101);
    hideGroup(groups::templatePictures());
}

void TForm1::N6Click() {
    enterAlphabet(false);
}
void TForm1::Label145Click() {
    enterAlphabet(true);
}

// --- Text -------------------------------------------------------------------------------------

void TForm1::enterText(bool fromCaption) {
    if (fromCaption) {
        ctl(fnctl::kEnterKey).setEnabled(true);
        wipeWorkArea();
        menuItem(shared::kExampleLettersMenu).setEnabled(false);
    }
    ctl("Panel4").hide();
    ctl("Panel3").hide();
    ctl("Panel5").hide();
    ctl("Panel6").show();
    ctl("Panel8").hide();
    markModeCaption("Label146");
    ctl(shared::kLetterFrame).show();
    ctl(shared::kLetterFrame).move(892, 252);
    ctl(shared::kHint).show();
    wipeWorkArea();
    ctl(fnctl::kGrid).hide();
    if (fromCaption) ctl(fnctl::kWideGrid).hide();
    plane::wipe();
    ctl(shared::kBanner).hide();
    plane::reset();
    hideGroup(groups::letterPartControls());
    hideGroup(groups::formulaLabels());
    for (const QString& n : groups::wordSlots()) ctl(n.toUtf8().constData()).show();
    ctl("Image37").hide();
    setSlotsEnabled(true);
    if (fromCaption) {
        resizeSlots(67, 101);
    } else {
        resizeSlots(90, 115);
        ctl("Image37").resize(90, 115);
    }
    hideGroup(groups::templatePictures());
}

void TForm1::N7Click() {
    enterText(false);
}
void TForm1::Label146Click() {
    enterText(true);
}

// --- Function ---------------------------------------------------------------------------------

void TForm1::enterFunction(bool fromCaption) {
    if (fromCaption) {
        wipeWorkArea();
        ctl("ListBox1").setEnabled(true);
    }
    keyboardlayout::selectUsEnglish();
    ctl("Panel3").hide();
    ctl("Panel5").show();
    ctl("Panel6").hide();
    ctl(shared::kWordDeleteKey).hide();
    ctl("Label181").hide();
    ctl(shared::kBanner).hide();
    if (fromCaption) ctl(shared::kHint).hide();
    plane::reset();
    hideGroup(groups::letterPartControls());
    if (fromCaption) {
        ctl("label228").hide();
        ctl("Label44").show();
        hideGroup(groups::formulaPairs());
    }
    draw::originAtCentreOf(ctl(shared::kPlane));
    ctl(shared::kLetterFrame).hide();
    plane::wipe();
    // The grid frame's lower edge lies 2 pixels above the plane's x axis.
    QWidget& grid = ctl(fnctl::kGrid);
    grid.move(grid.x(), roundHalfEven(plotState.originY - 2.0 - grid.height()));
    plotState.stepDelayMs = 5;
    ctl("Panel3").hide();
    ctl("Panel5").show();
    markModeCaption("Label147");
    hideGroup(groups::wordSlots());
    ctl("Image37").hide();
}

void TForm1::N8Click() {
    enterFunction(false);
}
void TForm1::Label147Click() {
    enterFunction(true);
}

// --- The bars ---------------------------------------------------------------------------------

void TForm1::Panel1Click() {
    ctl("Label151").show();
}
void TForm1::Panel2Click() {
    ctl("Panel2").hide();
}
