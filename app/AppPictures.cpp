#include "AppPictures.h"

#include <QPainter>
#include <future>

#include "Jpeg.h"
#include "LetterPictures.h"
#include "PictureFiles.h"
#include "PictureResources.h"
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
    // The start screen's picture is the one the first frame needs; it is decoded on a second
    // core while the window is being built.
    initPictureResources();
    auto start = std::async(std::launch::async, [] {
                     return loadJpegResource(kStartScreenPicture);
                 }).share();
    return [start](const QString& key) -> QImage {
        if (key == "plane") return plane::paintPicture();
        if (key == "roundslot") return paintRoundSlot();
        if (key == "start") return start.get();
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
