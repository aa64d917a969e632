#pragma once

#include <QColor>
#include <QPoint>

#include "LetterLesson.h"

class QPainter;
struct PlotState;

// Where the strokes of a preview go: the window canvas while a lesson runs, or a letter picture
// painted at start-up. Both draw the same points with the same pen, so picture and animation agree.
class StrokeTarget {
  public:
    virtual ~StrokeTarget() = default;
    virtual void penWidth(int width) = 0;
    // MoveTo from, LineTo to; from == to leaves a round dot of the pen's width.
    virtual void line(QPoint from, QPoint to) = 0;
};

// The main window's canvas.
class WindowTarget : public StrokeTarget {
  public:
    void penWidth(int width) override;
    void line(QPoint from, QPoint to) override;
};

// A painter on a piece of the plane whose top-left corner stands at client point `at`: a solid
// pen with round ends and no smoothing, as the window canvas draws.
class PictureTarget : public StrokeTarget {
  public:
    PictureTarget(QPainter& painter, QPoint at, QColor colour);
    void penWidth(int width) override;
    void line(QPoint from, QPoint to) override;

  private:
    QPainter& painter_;
    QPoint at_;
    QColor colour_;
    int width_ = 1;
};

// Every preview stroke is drawn in this colour.
inline const QColor kPreviewColour(0, 129, 129);

// Runs one preview loop on `ps` (its range and parameter fields, its origin as X and Y). Paced, it
// pauses and processes pending events at every pass, as a lesson on the window does, and re-reads
// paramEnd at every test, since a lesson started inside may change it; unpaced it only draws.
void runPreviewLoop(const PreviewLoop& loop, PlotState& ps, StrokeTarget& target, bool paced);
