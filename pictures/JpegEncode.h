#pragma once

#include <QByteArray>
#include <QImage>

// Encodes a picture as a baseline JPEG with libjpeg (used by the picture generator and the
// tests; the program itself only decodes). Format_Grayscale8 pictures are written with one
// component, everything else as full-resolution colour (no chroma subsampling, so thin
// coloured lines stay crisp); alpha is dropped. `quality` is 1..100. Empty on failure.
QByteArray encodeJpeg(const QImage& image, int quality);
