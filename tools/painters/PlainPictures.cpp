#include <QLinearGradient>
#include <QRadialGradient>

#include "PictureKit.h"
#include "Pictures.h"

namespace painters {

QImage paintWorkAreaPicture() {
    QImage image(685, 681, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(238, 246, 253));
    sky.setColorAt(1, QColor(222, 236, 249));
    p.fillRect(image.rect(), sky);
    // A barely visible exercise-book grid; the slots and panels sit on top of it.
    p.setRenderHint(QPainter::Antialiasing);
    paintGraphPaper(p, image.rect(), QPointF(0, 0), 17, 1000, QColor(210, 226, 244, 110),
                    QColor(210, 226, 244, 110));
    return image;
}

QImage paintSlotPicture() {
    QImage image(67, 101, QImage::Format_RGB32);
    image.fill(kSlotPaper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Slightly lighter in the middle, where the small letter is drawn.
    QRadialGradient glow(QPointF(33.5, 50.5), 60);
    glow.setColorAt(0, QColor(255, 253, 238));
    glow.setColorAt(1, kSlotPaper.darker(102));
    p.fillRect(image.rect(), glow);
    p.setPen(QPen(QColor(222, 200, 130), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, 66, 100), 3, 3);
    p.setPen(QPen(QColor(244, 230, 180), 1.0));
    p.drawRoundedRect(QRectF(2.5, 2.5, 62, 96), 2, 2);
    return image;
}

QImage paintSlotEraserPicture() {
    QImage image(96, 121, QImage::Format_RGB32);
    image.fill(kSlotPaper);
    return image;
}

}  // namespace painters
