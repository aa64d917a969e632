#pragma once

#include <QColor>
#include <QPoint>

class QPainter;

// Where the strokes of an animated letter go: the window canvas while it is traced, or a picture
// painted from the same strokes (a letter picture, a template picture). Both draw the same points
// with the same pen, so picture and animation agree.
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

// A painter on a picture whose top-left corner stands at client point `at`: a solid pen with
// round ends and no smoothing, a zero-length line a filled round dot, as the window canvas draws.
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
