#pragma once

#include <QString>
#include <functional>

#include "WorkFile.h"

// The letter being composed in Function mode as a work file, and back: what is saved is how the
// letter was begun and the graphs of the list; opening a file begins the letter the same way and
// enters every graph through the same steps a pupil takes (the edit boxes, "Ввод", "Построить
// график"), so a file can never make a state the screen cannot.
namespace letterwork {

// Whether Function mode is on screen (its letter keys show).
bool functionModeShown();

// Whether there is work to save: Function mode on screen, a letter begun, a graph in the list.
bool canSave();

// The work on screen: the graphs as the list shows them. A line left by a failed build (no
// formulas) is not a graph and is left out. An example whose graphs were changed in a way opening
// cannot repeat is saved as its letter's template with all the graphs.
workfile::Work current(const QString& comment);
// How many lines of failed builds the list shows (left out of the work).
int leftOutRows();

// Why the screen cannot open a work that reads well (a letter without a key, a text the keys
// cannot type, an example changed where it cannot be), in Russian; empty when it can.
QString openingProblem(const workfile::Work& work);

// The screen's own steps that begin the work: the start command where the start screen still
// shows, and the entry of Function mode.
struct ScreenSteps {
    std::function<void()> startProgram;
    std::function<void()> enterFunctionMode;
};

// Builds the work on screen, animated as usual. Returns false when the replay was cut short (the
// program is closing, or a click during the drawing changed what the next step needs).
bool replay(const workfile::Work& work, const ScreenSteps& steps);

// The text a pupil types for a number: the file's point as the system's decimal separator.
QString typedNumber(double v);

}  // namespace letterwork
