#pragma once

#include <QChar>
#include <QString>

class QWidget;
#include <functional>

// What a mode leaves on screen that another mode must put away, asked for without naming a
// control of it: each mode says how to put away its own parts and how to empty its half-typed
// input; the others ask by the mode's name.
namespace modeparts {

struct Mode {
    std::function<void()> hideParts{};   // Alphabet mode: its letter pictures and hotspots
    std::function<void()> clearInput{};  // Function mode: its entry, as a new lesson leaves it
    std::function<QWidget*(QChar)> letterKey{};  // the mode's key of a letter, nullptr if none
};

// A mode says how (the window does it for each mode when it is built; again replaces).
void registerMode(const QString& name, Mode mode);
// Does it for the mode of that name (nothing for a mode that said nothing). A name no mode
// registered throws InternalError: a misspelt name must not pass silently.
void hidePartsOf(const QString& name);
void clearInputOf(const QString& name);
// The key of `letter` on the keyboard of the mode of that name; nullptr when it has none.
QWidget* letterKeyOf(const QString& name, QChar letter);

}  // namespace modeparts
