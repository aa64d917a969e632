#pragma once

#include <QColor>
#include <QPoint>

#include "LetterTemplates.h"

class QPainter;
struct PlotState;

// Where the strokes of a template go: the window canvas while a key animates it, or a template
// picture painted at start. Both draw the same points with the same pen, so the picture agrees
// with the animation.
class TemplateTarget {
  public:
    virtual ~TemplateTarget() = default;
    virtual void penWidth(int width) = 0;
    // MoveTo from, LineTo to; from == to leaves a round dot of the pen's width.
    virtual void line(QPoint from, QPoint to) = 0;
};

// The main window's canvas, in the pen colour set there.
class WindowTemplateTarget : public TemplateTarget {
  public:
    void penWidth(int width) override;
    void line(QPoint from, QPoint to) override;
};

// A picture whose top-left corner stands at client point `at`, drawn as the window canvas draws:
// a solid pen with round ends, no smoothing, a zero-length line a filled round dot.
class PictureTemplateTarget : public TemplateTarget {
  public:
    PictureTemplateTarget(QPainter& painter, QPoint at, QColor colour);
    void penWidth(int width) override;
    void line(QPoint from, QPoint to) override;

  private:
    QPainter& painter_;
    QPoint at_;
    QColor colour_;
    int width_ = 1;
};

// The pale yellow of every template.
inline const QColor kTemplateColour(255, 251, 178);

struct TemplatePacing {
    bool paced = false;                // pauses and lets pending events in, as on the window
    bool eventsAfterEachItem = false;  // also between the items of a step
};

// Runs one template loop on `ps`: its range and parameter fields, its origin as X and Y. The end
// is read afresh at every test, since a key pressed inside the loop may change it.
void runTemplateLoop(const TemplateLoop& loop, PlotState& ps, TemplateTarget& target,
                     TemplatePacing pacing);
