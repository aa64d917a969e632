#include "CellPicture.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>

#include "Controls.h"
#include "Plane.h"
#include "SharedControls.h"
#include "Surface.h"
#include "TemplatePictures.h"
#include "Window.h"
#include "WorkSaving.h"

namespace cellpicture {
namespace {

ClientSurface& surface() {
    return *ClientSurface::current();
}

// A picture drawn pixel for pixel: scaled by whole numbers it stays crisp.
void paintPicture(QPainter& p, const Picture& picture) {
    const QImage& img = picture.picture();
    if (img.isNull()) return;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setClipRect(picture.geometry(), Qt::IntersectClip);
    if (picture.stretch())
        p.drawImage(picture.geometry(), img);
    else
        p.drawImage(picture.pos(), img);
    p.restore();
}

void paintControl(QPainter& p, QWidget& w) {
    if (auto* picture = qobject_cast<Picture*>(&w)) return paintPicture(p, *picture);
    p.save();
    p.setClipRect(w.geometry(), Qt::IntersectClip);
    w.render(&p, w.pos(), QRegion(), QWidget::DrawChildren);
    p.restore();
}

}  // namespace

QRect cellRect() {
    return window::control(shared::kPlane).geometry();
}

void paintScreen(QPainter& p, double rasterScale) {
    ClientSurface& s = surface();
    // What is about to be wiped from the canvas is gone already.
    s.flushPending();
    const QRect cell = cellRect();
    p.save();
    p.setClipRect(cell);
    // The graphic controls stand under the canvas, bottom to top; the windowed ones (panels,
    // edit boxes, lists) above it are not part of the drawing.
    WindowCanvas& canvas = s.canvas();
    for (QObject* o : s.children()) {
        if (o == &canvas) break;
        auto* w = qobject_cast<GraphicControl*>(o);
        if (w && w->isVisible() && w->geometry().intersects(cell)) paintControl(p, *w);
    }
    if (canvas.strokesComplete(cell)) {
        canvas.paintStrokes(p, cell, rasterScale);
    } else {
        // Past the kept strokes only the pixels are known.
        const QImage& raster = canvas.image();
        const double r = raster.devicePixelRatio();
        p.drawImage(QRectF(cell), raster,
                    QRectF(cell.x() * r, cell.y() * r, cell.width() * r, cell.height() * r));
    }
    p.restore();
}

void paintWorksheet(QPainter& p, const LetterTemplate* letter) {
    const QRect cell = cellRect();
    p.save();
    p.setClipRect(cell);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(cell.topLeft(), plane::paintPicture());
    templatepictures::paintTemplate(p, letter);
    p.restore();
}

namespace {
// The cell painted by `paint` on a raster of `scale` pixels per client pixel.
template <class Paint>
QImage raster(int scale, Paint paint) {
    const QRect cell = cellRect();
    QImage img(cell.size() * scale, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(scale, scale);
    p.translate(-cell.topLeft());
    paint(p);
    return img;
}
}  // namespace

QImage screenImage(int scale) {
    return raster(scale, [scale](QPainter& p) { paintScreen(p, scale); });
}

QImage worksheetImage(const LetterTemplate* letter, int scale) {
    return raster(scale, [letter](QPainter& p) { paintWorksheet(p, letter); });
}

QImage forPaper(QImage cell) {
    cell = cell.convertToFormat(QImage::Format_RGB32);
    const QRgb cyan = plane::kCyan.rgb();
    for (int y = 0; y < cell.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(cell.scanLine(y));
        for (int x = 0; x < cell.width(); ++x) {
            const QRgb c = line[x] | 0xff000000;
            if (c == cyan) {
                line[x] = qRgb(255, 255, 255);
                continue;
            }
            const int r = qRed(c), g = qGreen(c), b = qBlue(c);
            const int lightest = std::max({r, g, b}), darkest = std::min({r, g, b});
            // The plane's faint grid and anything tinted with its cyan: a light grey line.
            if (r < g - 20 && g > 200 && b > 200) {
                line[x] = qRgb(185, 185, 185);
                continue;
            }
            // The pale template (a light yellow) and other pale strokes: dark grey.
            if (lightest > 215 && darkest > 140 && darkest < 250) line[x] = qRgb(95, 95, 95);
        }
    }
    return cell;
}

QString write(const QString& path, Format format, int scale) {
    const QRect cell = cellRect();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == Format::Png) {
        screenImage(scale).save(&buffer, "PNG");
    } else if (format == Format::Pdf) {
        QPdfWriter pdf(&buffer);
        pdf.setCreator("Литерон");
        pdf.setTitle("Литерон");
        // One page the size of the cell, a client pixel a point.
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(cell.size()), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter p(&pdf);
        p.translate(-cell.topLeft());
        paintScreen(p, 0);
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setTitle("Литерон");
        svg.setSize(cell.size());
        svg.setViewBox(QRect(QPoint(0, 0), cell.size()));
        QPainter p(&svg);
        p.translate(-cell.topLeft());
        paintScreen(p, 0);
    }
    buffer.close();
    return worksaving::writeAtomically(path, bytes);
}

}  // namespace cellpicture
