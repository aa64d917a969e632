#pragma once

#include <QChar>

class QWidget;

// Function mode selects the US English keyboard layout, so that what a pupil types into its
// edit boxes arrives as Latin letters and digits. A desktop without loadable layouts gets the same
// effect here: once selected, a Cyrillic key typed into a box that follows the layout becomes the
// Latin key at the same place on the keyboard (й→q, ц→w … ю→.).
namespace keyboardlayout {

void selectUsEnglish();
bool usEnglishSelected();
void reset();  // back to the desktop's own layout (tests)

// Makes an edit box follow the selected layout.
void follow(QWidget* edit);

// The Latin character at the place of a Cyrillic one; the character itself otherwise.
QChar latinAtSamePlace(QChar c);

}  // namespace keyboardlayout
