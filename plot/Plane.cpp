#include "Plane.h"

#include <QPainter>
#include <stdexcept>

#include "Controls.h"
#include "Fonts.h"
#include "InternalError.h"
#include "SharedControls.h"
#include "Surface.h"

namespace plane {

QImage paintPicture() {
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(kCyan);
    QPainter p(&img);
    const int cx = kWidth / 2;   // 245: the column of client x 942
    const int cy = kHeight / 2;  // 242: the row of client y 328
    // A faint grid helps pupils read off coordinates.
    p.setPen(QColor(96, 224, 224));
    for (int k = -4; k <= 4; ++k) {
        p.drawLine(cx + 50 * k, 0, cx + 50 * k, kHeight - 1);
        p.drawLine(0, cy - 49 * k, kWidth - 1, cy - 49 * k);
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(0, cy, kWidth - 1, cy);
    p.drawLine(cx, 0, cx, kHeight - 1);
    // Arrow heads and axis names.
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygon(
        {QPoint(kWidth - 1, cy), QPoint(kWidth - 11, cy - 4), QPoint(kWidth - 11, cy + 4)}));
    p.drawPolygon(QPolygon({QPoint(cx, 0), QPoint(cx - 4, 10), QPoint(cx + 4, 10)}));
    p.setFont(fonts::make("Times New Roman", 15, true, true));
    p.drawText(QRect(kWidth - 24, cy + 6, 20, 18), Qt::AlignCenter, "X");
    p.drawText(QRect(cx + 8, 2, 20, 18), Qt::AlignCenter, "Y");
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(fonts::make("Arial", 11, true));
    for (int k = -4; k <= 4; ++k) {
        if (k == 0) continue;
        const int x = cx + 50 * k;
        const int y = cy - 49 * k;
        p.drawLine(x, cy - 4, x, cy + 4);
        p.drawLine(cx - 4, y, cx + 4, y);
        const QString n = QString::number(k).replace('-', QChar(0x2212));
        p.drawText(QRect(x - 15, cy + 6, 30, 14), Qt::AlignHCenter | Qt::AlignTop, n);
        p.drawText(QRect(cx - 36, y - 8, 30, 16), Qt::AlignRight | Qt::AlignVCenter, n);
    }
    p.drawText(QRect(cx - 16, cy + 5, 12, 14), Qt::AlignRight | Qt::AlignTop, "0");
    return img;
}

Picture& image10() {
    ClientSurface* s = ClientSurface::current();
    Picture* p = s ? s->control<Picture>(shared::kPlane) : nullptr;
    if (!p) throw InternalError("the window has no plane Image10");
    return *p;
}

namespace {
int g_clearings = 0;
}

int clearings() {
    return g_clearings;
}

void reset(QPoint) {
    ++g_clearings;
    // What clears the cell is the repaint: the picture itself stays as it is.
    image10().pictureChanged();
}

void wipe() {
    ++g_clearings;
    Picture& p = image10();
    p.hide();
    p.show();
}

}  // namespace plane
