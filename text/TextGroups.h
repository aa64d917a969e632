#pragma once

#include <QStringList>

// The word slots of Text mode, which the mode entries show, hide, resize and enable together.
namespace groups {

// The 33 word slots, in the order the screens list them.
const QStringList& wordSlots();
// The slots whose Enabled state the Alphabet and Text entries set, Image8 left out.
const QStringList& slotsEnabledByMode();

}  // namespace groups
