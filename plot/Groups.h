#pragma once

#include <QStringList>

// The named groups of controls that the mode entries and lessons hide or resize together, in the
// order they are treated.
namespace groups {

// Every letter picture, hotspot and click strip of Alphabet mode (without the formula banner,
// label228 and the formula pairs).
const QStringList& letterPartControls();
// Label44 and Label45 … Label61.
const QStringList& formulaLabels();
// The 33 word slots, in the order the screens list them.
const QStringList& wordSlots();
// The slots whose Enabled state the Alphabet and Text entries set, Image8 left out.
const QStringList& slotsEnabledByMode();
// The 33 template pictures of Function mode.
const QStringList& templatePictures();
// The twelve labels of the six formula pairs (captions and descriptions).
const QStringList& formulaPairs();
// What every letter lesson hides before it draws: the banner, the letter parts, label228 and the
// formula pairs, in this order.
const QStringList& partResetList();

}  // namespace groups
