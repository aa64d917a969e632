#pragma once

#include <QRect>

class QWidget;

// A widget that stands on the main window over its client surface, not on the surface itself:
// it covers the canvas's strokes without wiping them, as the surface's own windowed controls
// would when shown or hidden. Its place is given in the surface's 1212 × 731 coordinates, and it
// keeps that place whatever the menu bar above the surface takes.
class OverSurface {
  public:
    OverSurface(QWidget* self, QWidget* surface, QRect place);
    void follow();  // called on every show

  private:
    QWidget* self_;
    QWidget* surface_;
    QRect place_;
};
