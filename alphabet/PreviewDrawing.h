#pragma once

#include <QColor>

// Every preview stroke of a lesson is drawn in this colour.
inline const QColor kPreviewColour(0, 129, 129);
