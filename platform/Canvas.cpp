#include "Canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <cmath>

#include "Stage.h"

namespace {
// The pen of every stroke: solid, round ends, no smoothing, so that a dot is a crisp disc.
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
    // Crisp on scaled screens and stages: the raster has as many pixels as the screen shows.
    const qreal dpr = stage::rasterScale(this);
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
        p.end();
        dot(to, w);
    } else {
        p.setPen(strokePen(pen_, w));
        p.drawLine(pos_, to);
    }
    dirty = QRect(pos_, to).normalized().adjusted(-w - 1, -w - 1, w + 1, w + 1);
    keep(to == pos_ ? CanvasStroke::Dot : CanvasStroke::Line, pos_, to, dirty);
    pos_ = to;
    update(dirty);
}

// A zero-length line leaves a round dot w pixels across, as thick as a segment of that pen: the
// pixels whose centres lie within w/2 of the segment's centre line through the point. A segment
// of width w at row y covers rows y - w/2 (rounded down) onwards, so that centre line lies half a
// pixel below y for odd widths and on y's top edge for even ones; likewise across.
QList<QRect> WindowCanvas::dotSpans(QPoint at, int w, double scale) {
    const double radius = std::max(1, w) / 2.0;
    const double cx = at.x() - std::max(1, w) / 2 + radius;
    const double cy = at.y() - std::max(1, w) / 2 + radius;
    // On a scaled raster its own pixels are tested, so the dot stays round and crisp.
    const int top = static_cast<int>(std::floor((cy - radius) * scale));
    const int bottom = static_cast<int>(std::ceil((cy + radius) * scale));
    const int left = static_cast<int>(std::floor((cx - radius) * scale));
    const int right = static_cast<int>(std::ceil((cx + radius) * scale));
    QList<QRect> spans;
    for (int j = top; j < bottom; ++j) {
        const double dy = (j + 0.5) / scale - cy;
        int first = right, last = left - 1;
        for (int i = left; i < right; ++i) {
            const double dx = (i + 0.5) / scale - cx;
            if (dx * dx + dy * dy > radius * radius) continue;
            first = std::min(first, i);
            last = std::max(last, i);
        }
        if (first <= last) spans << QRect(first, j, last - first + 1, 1);
    }
    return spans;
}

void WindowCanvas::dot(QPoint at, int w) {
    const QRgb colour = qPremultiply(pen_.rgba());
    const QRect raster = image_.rect();
    for (const QRect& span : dotSpans(at, w, image_.devicePixelRatio())) {
        const QRect inside = span & raster;
        if (inside.isEmpty()) continue;
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(inside.top()));
        std::fill(row + inside.left(), row + inside.left() + inside.width(), colour);
    }
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
    const QRect dirty = box.adjusted(-width_ - 1, -width_ - 1, width_ + 1, width_ + 1);
    keep(CanvasStroke::Ellipse, QPoint(x1, y1), QPoint(x2, y2), dirty);
    update(dirty);
}

void WindowCanvas::keep(CanvasStroke::Kind kind, QPoint from, QPoint to, QRect bounds) {
    if (strokes_.size() >= kKeptStrokes) {
        unkept_ += bounds;
        return;
    }
    strokes_.push_back(CanvasStroke{kind, pen_, std::max(1, width_), brush_, from, to, bounds, {}});
}

namespace {

// The part of a segment inside a rectangle (Liang and Barsky's clipping); false when none is.
bool clipSegment(QLineF& l, const QRectF& r) {
    double t0 = 0, t1 = 1;
    const double dx = l.dx(), dy = l.dy();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {l.x1() - r.left(), r.right() - l.x1(), l.y1() - r.top(),
                        r.bottom() - l.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    l = QLineF(l.pointAt(t0), l.pointAt(t1));
    return true;
}

// A stroke of which a repaint wiped a part, drawn as vectors. Some vector formats (SVG) ignore a
// painter's clip, so the remaining part is cut out geometrically: the outline in pieces inside
// the rectangles still showing, with flat ends where it was cut and round ones where it ends.
void paintCutStroke(QPainter& p, const CanvasStroke& s, const QRegion& showing) {
    std::vector<QLineF> outline;
    std::vector<QPointF> ends;
    if (s.kind == CanvasStroke::Line) {
        outline.emplace_back(s.from, s.to);
        ends = {QPointF(s.from), QPointF(s.to)};
    } else {
        const QRectF box = QRectF(QRect(s.from, s.to - QPoint(1, 1)).normalized());
        constexpr int kPieces = 180;
        for (int i = 0; i < kPieces; ++i) {
            auto at = [&](int k) {
                const double a = 2 * M_PI * k / kPieces;
                return QPointF(box.center().x() + box.width() / 2 * std::cos(a),
                               box.center().y() + box.height() / 2 * std::sin(a));
            };
            outline.emplace_back(at(i), at(i + 1));
        }
    }
    QPen pen = strokePen(s.pen, s.width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (const QLineF& whole : outline)
        for (const QRect& r : showing) {
            QLineF piece = whole;
            if (clipSegment(piece, QRectF(r)) && piece.length() > 0) p.drawLine(piece);
        }
    p.setPen(Qt::NoPen);
    p.setBrush(s.pen);
    for (QPointF end : ends)
        if (showing.contains(end.toPoint())) p.drawEllipse(end, s.width / 2.0, s.width / 2.0);
}

}  // namespace

void WindowCanvas::paintStrokes(QPainter& p, const QRect& area, double rasterScale) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, rasterScale <= 0);
    for (const CanvasStroke& s : strokes_) {
        if (!s.bounds.intersects(area)) continue;
        if (s.erased.isEmpty()) {
            p.setClipRect(area);
        } else {
            const QRegion showing = QRegion(area) - s.erased;
            if (rasterScale <= 0 && s.kind != CanvasStroke::Dot) {
                p.setClipping(false);
                paintCutStroke(p, s, showing & s.bounds);
                continue;
            }
            // A dot whose centre was wiped is gone from a vector picture, clip or no clip.
            if (rasterScale <= 0 && !showing.contains(s.to)) continue;
            p.setClipRegion(showing);
        }
        if (s.kind == CanvasStroke::Dot) {
            p.setPen(Qt::NoPen);
            p.setBrush(s.pen);
            if (rasterScale > 0) {
                for (const QRect& span : dotSpans(s.to, s.width, rasterScale))
                    p.drawRect(QRectF(span.x() / rasterScale, span.y() / rasterScale,
                                      span.width() / rasterScale, span.height() / rasterScale));
            } else {
                // The disc the raster footprint approximates: w across, centred as dotSpans has it.
                const double r = s.width / 2.0;
                const QPointF c(s.to.x() - s.width / 2 + r, s.to.y() - s.width / 2 + r);
                p.drawEllipse(c, r, r);
            }
        } else if (s.kind == CanvasStroke::Line) {
            p.setPen(strokePen(s.pen, s.width));
            p.setBrush(Qt::NoBrush);
            p.drawLine(s.from, s.to);
        } else {
            p.setPen(strokePen(s.pen, s.width));
            p.setBrush(s.brush);
            p.drawEllipse(QRect(s.from, s.to - QPoint(1, 1)).normalized());
        }
    }
    p.restore();
}

void WindowCanvas::erase(const QRegion& region) {
    if (region.isEmpty()) return;
    // A stroke wholly inside the erased area is gone; one partly inside keeps the rest.
    const bool oneRect = region.rectCount() == 1;
    const QRect whole = region.boundingRect();
    std::erase_if(strokes_, [&](CanvasStroke& s) {
        if (!whole.intersects(s.bounds)) return false;
        if (oneRect && whole.contains(s.bounds)) return true;
        const QRegion hit = region & s.bounds;
        if (hit.isEmpty()) return false;
        s.erased += hit;
        return (QRegion(s.bounds) - s.erased).isEmpty();
    });
    unkept_ -= region;
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
