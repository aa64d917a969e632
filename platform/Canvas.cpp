#include "Canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

namespace {
// The pen of the original platform: solid, round ends, no smoothing.
QPen strokePen(QColor c, int w) {
    QPen p(c);
    p.setWidth(std::max(1, w));
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}
}  // namespace

WindowCanvas::WindowCanvas(QWidget* surface) : QWidget(surface) {
    setObjectName("WindowCanvas");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setGeometry(surface->rect());
    ensureImage();
}

void WindowCanvas::ensureImage() {
    // Crisp on scaled screens: the raster has as many pixels as the screen shows.
    const qreal dpr = devicePixelRatioF();
    const QSize want = size() * dpr;
    if (image_.size() == want && image_.devicePixelRatio() == dpr) return;
    QImage fresh(want, QImage::Format_ARGB32_Premultiplied);
    fresh.fill(Qt::transparent);
    fresh.setDevicePixelRatio(dpr);
    if (!image_.isNull()) {
        QPainter p(&fresh);
        p.drawImage(QPoint(0, 0), image_);
    }
    image_ = fresh;
}

void WindowCanvas::resizeEvent(QResizeEvent*) {
    ensureImage();
}

void WindowCanvas::record(CanvasOp::Kind k, int a, int b, int c, int d) {
    if (listener_) listener_->canvasOp(CanvasOp{k, a, b, c, d});
}

void WindowCanvas::setPenColor(QColor c) {
    pen_ = c;
    record(CanvasOp::PenColor, static_cast<int>(c.rgb() & 0xFFFFFF));
}

void WindowCanvas::setPenWidth(int w) {
    width_ = w;
    record(CanvasOp::PenWidth, w);
}

void WindowCanvas::setBrushColor(QColor c) {
    brush_ = c;
    record(CanvasOp::BrushColor, static_cast<int>(c.rgb() & 0xFFFFFF));
}

void WindowCanvas::moveTo(int x, int y) {
    pos_ = QPoint(x, y);
    record(CanvasOp::MoveTo, x, y);
}

void WindowCanvas::lineTo(int x, int y) {
    record(CanvasOp::LineTo, x, y);
    ensureImage();
    const QPoint to(x, y);
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    const int w = std::max(1, width_);
    QRect dirty;
    if (to == pos_) {
        // A zero-length line with a wide pen leaves a round dot of the pen's width.
        if (w <= 1) {
            p.setPen(strokePen(pen_, 1));
            p.drawPoint(to);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(pen_);
            p.drawEllipse(QRectF(to.x() - w / 2.0, to.y() - w / 2.0, w, w));
        }
    } else {
        p.setPen(strokePen(pen_, w));
        p.drawLine(pos_, to);
    }
    dirty = QRect(pos_, to).normalized().adjusted(-w - 1, -w - 1, w + 1, w + 1);
    pos_ = to;
    update(dirty);
}

void WindowCanvas::ellipse(int x1, int y1, int x2, int y2) {
    record(CanvasOp::Ellipse, x1, y1, x2, y2);
    ensureImage();
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(strokePen(pen_, width_));
    p.setBrush(brush_);
    const QRect box = QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized();
    p.drawEllipse(box);
    update(box.adjusted(-width_ - 1, -width_ - 1, width_ + 1, width_ + 1));
}

void WindowCanvas::erase(const QRegion& region) {
    if (region.isEmpty()) return;
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    for (const QRect& r : region) p.fillRect(r, Qt::transparent);
    update(region);
}

void WindowCanvas::clearAll() {
    erase(QRegion(rect()));
}

QColor WindowCanvas::pixel(int x, int y) const {
    const qreal dpr = image_.devicePixelRatio();
    const QPoint at(qRound((x + 0.5) * dpr - 0.5), qRound((y + 0.5) * dpr - 0.5));
    if (!image_.rect().contains(at)) return QColor(Qt::transparent);
    return QColor::fromRgba(image_.pixel(at));
}

void WindowCanvas::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    for (const QRect& r : e->region())
        p.drawImage(
            r, image_,
            QRectF(r.topLeft() * image_.devicePixelRatio(), r.size() * image_.devicePixelRatio()));
}
