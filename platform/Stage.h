#pragma once

#include <QPoint>
#include <QSize>

class QRect;
class QScreen;
class QGraphicsView;
class QWidget;

// Every school screen: the main window keeps its place and size where they fit the screen's
// available area; it is moved to fit where only the place does not; and on a screen smaller than
// the window, or in the projector view, the whole interface is scaled uniformly: every control,
// the menu, the pictures and the window canvas together, from one factor. The window and its
// controls keep their own 1212 × 731 coordinates whatever the factor; only the stage that shows
// them scales.
namespace stage {

// Shows the main window on its screen, as above.
void present(QWidget* form, QPoint place);

// The projector view: the interface scaled to fill the whole screen, centred, aspect kept; off,
// the window is shown as present() shows it.
void setProjector(bool on);
bool projector();

// Gives the window back as a plain top-level window and removes the stage.
void release();

// The view that shows the scaled window, once there is one (nullptr before).
QGraphicsView* view();

// How much the interface is scaled now: 1 when the window shows as it is.
double factor();

// The pixels per logical pixel that a raster shown in w needs to stay crisp: the screen's own
// ratio times the stage's factor.
double rasterScale(const QWidget* w);

// Where a window of `size` that wants to stand at `wanted` goes in the available area of its
// screen, and at what factor: its own place and size where they fit, moved where only the place
// does not, scaled down (at most 1) where the size does not.
struct Placement {
    QPoint topLeft;
    double factor;
};
Placement place(QPoint wanted, QSize size, const QRect& available);
// The factor that fills `screen` with `size`, aspect kept.
double fillFactor(QSize size, const QRect& screen);

}  // namespace stage
