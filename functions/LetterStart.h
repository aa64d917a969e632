#pragma once

#include <QStringList>

// Starting a new letter in Function mode: the entry, the graph table and the list emptied.
namespace letterstart {

// Empties the four edit boxes and the buffer, clears slots 1 to 10, empties and hides the list
// and sets graphCount to 0 (the part every letter key and the blank key share).
void emptyEntryAndGraphs();

// Hides the 33 template pictures (every letter key and the blank key start with it).
void hideTemplatePictures();

}  // namespace letterstart

namespace groups {
// The 33 template pictures of Function mode, in alphabetical order of their letters.
const QStringList& templatePictures();
}  // namespace groups

namespace letterstart {

// The blank key of the letter panel: a new letter with the wide grid and no template.
void Label44Click();

void bind();

}  // namespace letterstart
