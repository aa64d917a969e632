#pragma once

#include <QColor>
#include <QPoint>

#include "LetterTemplates.h"
#include "StrokeTarget.h"

class QPainter;
struct PlotState;

// The pale yellow of every template.
inline const QColor kTemplateColour(255, 251, 178);

struct TemplatePacing {
    bool paced = false;                // pauses and lets pending events in, as on the window
    bool eventsAfterEachItem = false;  // also between the items of a step
};

// Runs one template loop on `ps`: its range and parameter fields, its origin as X and Y. The end
// is read afresh at every test, since a key pressed inside the loop may change it.
void runTemplateLoop(const TemplateLoop& loop, PlotState& ps, StrokeTarget& target,
                     TemplatePacing pacing);
