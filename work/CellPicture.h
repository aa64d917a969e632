#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;
struct LetterTemplate;

// The letter cell as a picture: the plane with its axes, what stands on it (grid frame, template
// picture, formula captions) and the strokes drawn over it. Everything is drawn again from what
// the window keeps — the pictures pixel for pixel, the strokes from the canvas's own record — so a
// picture at 2× is as crisp as the screen at 2×, and PDF and SVG get the strokes as vectors.
namespace cellpicture {

// The cell, Image10's place in the window.
QRect cellRect();

// The cell as the screen shows it, drawn with a painter in client coordinates. rasterScale > 0
// gives the canvas's own pixels at that scale; 0 draws the strokes as vectors.
void paintScreen(QPainter& p, double rasterScale);
// The cell of a worksheet: the plane with the template a key leaves (grid and pale letter), no
// graph, no caption. A null letter is the blank key's wide grid.
void paintWorksheet(QPainter& p, const LetterTemplate* letter);

// The cell as the screen shows it, and a worksheet's cell, `scale` (1 … 4) pixels per client
// pixel.
QImage screenImage(int scale);
QImage worksheetImage(const LetterTemplate* letter, int scale);

// A picture of the cell for paper: the light cyan plane white, its faint grid light grey, the
// pale template and grid frames dark grey, so that little ink goes on the page and the letter's
// strokes stay clear on a greyscale printer; the axes, numbers and graphs keep their colours.
QImage forPaper(QImage cell);

enum class Format { Png, Pdf, Svg };
// Writes the cell to `path`: PNG at `scale`, or PDF or SVG with the strokes as vectors. Returns
// the reason in Russian when the file could not be written, empty on success; a failed write
// leaves an existing file as it was.
QString write(const QString& path, Format format, int scale);

}  // namespace cellpicture
