#pragma once

#include <QColor>

class QWidget;
class WindowCanvas;

// Drawing helpers of the stroke routines. Points are offsets (dx, dy) from the plot state's
// origin, dy downwards; each client coordinate is Round(origin + offset), halves to even.
namespace draw {

WindowCanvas& canvas();  // the main window's canvas

void pen(QColor colour, int width);
void penWidth(int width);
void penColour(QColor colour);

int px(double dx);  // Round(originX + dx)
int py(double dy);  // Round(originY + dy)

// One MoveTo a and one LineTo b: a growing segment when b moves with t, a fixed one otherwise.
void segment(double ax, double ay, double bx, double by);
// MoveTo and LineTo the same point: a dot of the pen's width.
void dot(double x, double y);
// An ellipse inscribed in the box (x1, y1) – (x2, y2).
void ellipse(double x1, double y1, double x2, double y2);

// originX/originY := the centre of a picture, Round(Left + Width / 2), Round(Top + Height / 2).
void originAtCentreOf(const QWidget& picture);

}  // namespace draw
