#pragma once

#include <QImage>
#include <QString>

class QPainter;
struct LetterTemplate;

// The pictures of Function mode painted at start: the grid frames laid over the first quadrant
// of the plane, and the template pictures, each the screen that its key leaves — the piece of the
// plane, the key's grid frame and the pale template drawn to the end from the key's own strokes.
namespace templatepictures {

// ImRamkaSetka1, ImRamkaSetka2, ImsetkakratJ: a light-cyan area with a dotted square grid, a line
// every half unit of the plane. A null image for any other name.
QImage paintGridFrame(const QString& name);

// ImAJ … ImYAJ. A null image for a name that is no template picture.
QImage paintTemplatePicture(const QString& name);

// What a key leaves on the plane, painted in client coordinates over the plane picture: the key's
// grid frame at its place and the pale letter drawn to the end; for no letter (the blank key),
// the wide grid alone where that key puts it.
void paintTemplate(QPainter& painter, const LetterTemplate* letter);

}  // namespace templatepictures
