#pragma once

// Picking a part of a shown letter is ONE ROW of a table (PartPickTable.cpp) and one procedure
// runs any row (runPartPick, PartPicking.cpp). A row says what the pick shows and hides, which
// description goes to the banner Label65, whether the plane is cleared, the shiftX/shiftY it sets
// and what it draws: a single stroke of the catalogue, or its own loops in the notation of the
// stroke tables (StrokeTable.h).
//
// The procedure, in order:
//   1 the plane is cleared (clearsPlane; seeded at the mouse position for a press on a shape, at
//   the plane's corner otherwise)  2 `hides` hidden, `shows` shown  3 the banner Label65 takes the
//   caption of `description`, and is shown (showsBanner)  4 shiftX, shiftY  5 the origin at the
//   plane (originAtPlane)  6 the pen colour once (colourOnce)  7 the single stroke, then the loops.
// Nothing repaints before the first step of the drawing, so the user sees all of it at once.
//
// A control may have several rows for one event, each for some letters: the first row whose
// `letters` hold the current letter (the caption of Label38), or that has no `letters`, is run.

#include <QPoint>
#include <QRgb>
#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "StrokeTable.h"

struct PartPick {
    enum Event {
        MouseDown,     // a shape: a press of any mouse button
        Click,         // a click strip or a letter picture
        ContextPopup,  // a right click's context request, after the press
    };
    std::vector<const char*> controls{};  // controls that share the handler
    Event event = MouseDown;
    const char16_t* letters = nullptr;  // the row is for these current letters only

    std::vector<const char*> shows{};
    std::vector<const char*> hides{};
    const char* description = nullptr;  // its caption becomes the banner's text
    bool showsBanner = true;
    bool clearsPlane = true;

    std::optional<int> shiftX{}, shiftY{};
    bool originAtPlane = false;
    std::optional<QRgb> colourOnce{};  // set before the drawing, not at its steps
    void (*stroke)() = nullptr;        // a single stroke of the catalogue
    std::vector<StrokeLoop> loops{};
};

// The rows, shapes first, then the click strips and the letter pictures.
std::span<const PartPick> partPicks();

// The row a control's event runs with the given current letter; nullptr if none.
const PartPick* findPartPick(const QString& control, PartPick::Event event, const QString& letter);

// Runs one pick on the main window. `fillStart` is the pressed point, where the clearing of the
// plane starts.
void runPartPick(const PartPick& pick, QPoint fillStart = QPoint(0, 0));
