#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <vector>

class QPainter;

// One recorded canvas operation, for tests that assert the exact trace of a drawing.
struct CanvasOp {
    enum Kind { PenColor, PenWidth, BrushColor, MoveTo, LineTo, Ellipse };
    Kind kind;
    int a = 0, b = 0, c = 0, d = 0;  // coordinates, or the width / colour in a
    bool operator==(const CanvasOp&) const = default;
};

// What the canvas shows, kept as the strokes that drew it, so that the same picture can be drawn
// again at any scale, or as vectors: each stroke with the parts of it erased since.
struct CanvasStroke {
    enum Kind { Line, Dot, Ellipse };
    Kind kind;
    QColor pen;
    int width;
    QColor brush;
    QPoint from, to;  // the line's ends, the dot twice, or the ellipse's bounding corners
    QRect bounds;     // every pixel the stroke may cover
    QRegion erased;
};

class CanvasListener {
  public:
    virtual ~CanvasListener() = default;
    virtual void canvasOp(const CanvasOp& op) = 0;
};

// The main window's own canvas: a transparent raster layer over the surface's graphic controls
// and under its windowed ones. Nothing drawn here is kept anywhere else; a repaint of the area
// under a stroke (see ClientSurface::invalidate) erases it for good.
class WindowCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit WindowCanvas(QWidget* surface);

    void setPenColor(QColor c);
    QColor penColor() const { return pen_; }
    void setPenWidth(int w);
    int penWidth() const { return width_; }
    void setBrushColor(QColor c);
    QColor brushColor() const { return brush_; }

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    // An ellipse inscribed in the rectangle (x1, y1) – (x2, y2): outline in the pen, filled
    // with the brush.
    void ellipse(int x1, int y1, int x2, int y2);

    // The raster follows the scale the canvas is shown at; what is drawn is kept, scaled.
    void rescale() {
        ensureImage();
        update();
    }

    // Forgets everything drawn inside the region (the area repainted).
    void erase(const QRegion& region);
    void clearAll();

    // The raster pixels a dot of pen width w at `at` covers, as one rectangle per row, on a raster
    // of `scale` pixels per client pixel.
    static QList<QRect> dotSpans(QPoint at, int w, double scale = 1.0);

    // Draws what the canvas shows inside `area` (client coordinates) with the painter, at the
    // painter's own scale: dots as round vector discs, or as the canvas's own raster footprints
    // at `rasterScale` pixels per client pixel (then the pixels equal the canvas's at that scale).
    void paintStrokes(QPainter& p, const QRect& area, double rasterScale = 0) const;
    // Whether every stroke still showing inside `area` is kept. A very long session without
    // erasing keeps at most kKeptStrokes; what is drawn past that is known only as pixels.
    bool strokesComplete(const QRect& area) const { return !unkept_.intersects(area); }
    static constexpr std::size_t kKeptStrokes = 200000;
    const std::vector<CanvasStroke>& strokes() const { return strokes_; }

    // The colour at a client pixel, transparent where nothing is drawn.
    QColor pixel(int x, int y) const;
    const QImage& image() const { return image_; }

    void setListener(CanvasListener* l) { listener_ = l; }
    CanvasListener* listener() const { return listener_; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

  private:
    void record(CanvasOp::Kind k, int a = 0, int b = 0, int c = 0, int d = 0);
    void ensureImage();
    void dot(QPoint at, int w);
    void keep(CanvasStroke::Kind kind, QPoint from, QPoint to, QRect bounds);

    QImage image_;
    QColor pen_{Qt::black};
    QColor brush_{Qt::white};
    int width_ = 1;
    QPoint pos_;
    CanvasListener* listener_ = nullptr;
    std::vector<CanvasStroke> strokes_;
    QRegion unkept_;
};
