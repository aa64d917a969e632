#pragma once

// "Построить по формулам": the formulas of the lesson on screen, built in Function mode over the
// same letter's template, one graph after another, so that the class sees them draw the letter.
namespace lessonbuilding {

// The item of the "Режимы" menu.
inline constexpr char kItem[] = "BuildFromFormulas";

// Binds the menu item and its shortcut F6.
void bind();

// The command: in Alphabet mode, with a letter chosen, opens Function mode for that letter and
// builds the lesson's formulas; elsewhere it says what to do first.
void BuildFromFormulasClick();

}  // namespace lessonbuilding
