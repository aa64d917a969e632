#include "Draw.h"

#include <QWidget>
#include <stdexcept>

#include "Canvas.h"
#include "InternalError.h"
#include "PlotState.h"
#include "Rounding.h"
#include "Surface.h"

namespace draw {

WindowCanvas& canvas() {
    ClientSurface* s = ClientSurface::current();
    if (!s) throw InternalError("no window to draw on");
    return s->canvas();
}

void pen(QColor colour, int width) {
    canvas().setPenColor(colour);
    canvas().setPenWidth(width);
}

void penWidth(int width) {
    canvas().setPenWidth(width);
}
void penColour(QColor colour) {
    canvas().setPenColor(colour);
}

int px(double dx) {
    return roundHalfEven(plotState.originX + dx);
}
int py(double dy) {
    return roundHalfEven(plotState.originY + dy);
}

void segment(double ax, double ay, double bx, double by) {
    WindowCanvas& c = canvas();
    c.moveTo(px(ax), py(ay));
    c.lineTo(px(bx), py(by));
}

void dot(double x, double y) {
    segment(x, y, x, y);
}

void ellipse(double x1, double y1, double x2, double y2) {
    canvas().ellipse(px(x1), py(y1), px(x2), py(y2));
}

void originAtCentreOf(const QWidget& picture) {
    const QRect g = picture.geometry();
    plotState.originX = roundHalfEven(g.left() + g.width() / 2.0);
    plotState.originY = roundHalfEven(g.top() + g.height() / 2.0);
}

}  // namespace draw
