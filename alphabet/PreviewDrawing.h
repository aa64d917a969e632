#pragma once

#include <QColor>
#include <QPoint>

#include "LetterLesson.h"
#include "StrokeTarget.h"

class QPainter;
struct PlotState;

// Every preview stroke is drawn in this colour.
inline const QColor kPreviewColour(0, 129, 129);

// Runs one preview loop on `ps` (its range and parameter fields, its origin as X and Y). Paced, it
// pauses and processes pending events at every pass, as a lesson on the window does, and re-reads
// paramEnd at every test, since a lesson started inside may change it; unpaced it only draws.
void runPreviewLoop(const PreviewLoop& loop, PlotState& ps, StrokeTarget& target, bool paced);
