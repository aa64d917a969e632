#pragma once

#include <QStringList>

// The groups of Alphabet mode's controls that its entry and its lessons hide together, in the
// order they are treated.
namespace groups {

// Every letter picture, hotspot and click strip of Alphabet mode (without the formula banner,
// label228 and the formula pairs).
const QStringList& letterPartControls();
// The twelve labels of the six formula pairs (captions and descriptions).
const QStringList& formulaPairs();
// What every letter lesson hides before it draws: the banner, the letter parts, label228 and the
// formula pairs, in this order.
const QStringList& partResetList();

}  // namespace groups
