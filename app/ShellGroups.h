#pragma once

#include <QStringList>

namespace groups {

// Label44 and Label45 … Label61: the formula captions the lessons and the examples place over the
// plane (Label44 is also the blank key of Function mode).
const QStringList& formulaLabels();

}  // namespace groups
