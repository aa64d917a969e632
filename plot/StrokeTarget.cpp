#include "StrokeTarget.h"

#include <QPainter>
#include <algorithm>

#include "Canvas.h"
#include "Draw.h"

void WindowTarget::penWidth(int width) {
    draw::penWidth(width);
}

void WindowTarget::line(QPoint from, QPoint to) {
    WindowCanvas& c = draw::canvas();
    c.moveTo(from.x(), from.y());
    c.lineTo(to.x(), to.y());
}

PictureTarget::PictureTarget(QPainter& painter, QPoint at, QColor colour)
    : painter_(painter), at_(at), colour_(colour) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void PictureTarget::penWidth(int width) {
    width_ = std::max(1, width);
}

void PictureTarget::line(QPoint from, QPoint to) {
    const QPoint a = from - at_, b = to - at_;
    if (a == b) {
        for (const QRect& span : WindowCanvas::dotSpans(b, width_))
            painter_.fillRect(span, colour_);
        return;
    }
    QPen pen(colour_);
    pen.setWidth(width_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.drawLine(a, b);
}
