#include "AppPictures.h"

#include <QPainter>

#include "Jpeg.h"
#include "LetterPictures.h"
#include "PictureFiles.h"
#include "Plane.h"
#include "TemplatePictures.h"

namespace {
// The round slot of "Я" in Alphabet mode: a pale disc on the work-area blue.
QImage paintRoundSlot() {
    QImage img(113, 118, QImage::Format_RGB32);
    img.fill(QColor(226, 238, 250));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(214, 196, 120), 2));
    p.setBrush(QColor(255, 251, 214));
    p.drawEllipse(QRectF(3, 3, 107, 112));
    return img;
}
}  // namespace

PictureSource appPictures() {
    return [](const QString& key) -> QImage {
        if (key == "plane") return plane::paintPicture();
        if (key == "roundslot") return paintRoundSlot();
        if (key == "start") return loadJpegResource(kStartScreenPicture);
        if (key == "workarea") return loadJpegResource(kWorkAreaPicture);
        if (key == "slot") return loadJpegResource(kSlotPicture);
        if (key == "eraser") return loadJpegResource(kSlotEraserPicture);
        if (key == "author") return loadJpegResource(kAuthorPicture);
        if (key.startsWith("letter:")) return paintLetterPicture(key.mid(7));
        if (key.startsWith("grid:")) return templatepictures::paintGridFrame(key.mid(5));
        if (key.startsWith("template:")) return templatepictures::paintTemplatePicture(key.mid(9));
        return QImage();
    };
}
