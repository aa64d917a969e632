#include "TemplatePictures.h"

#include <QPainter>

#include "FunctionControls.h"
#include "LetterTemplates.h"
#include "Plane.h"
#include "PlotState.h"
#include "Rounding.h"
#include "TemplateDrawing.h"
#include "TraceLoop.h"

namespace templatepictures {
namespace {

const QColor kGridDots(0, 139, 139);
constexpr int kDotPitch = 3;

const ControlRow* controlRow(const QString& name) {
    for (const ControlRow& row : functionControls())
        if (name == QLatin1String(row.name)) return &row;
    return nullptr;
}

// Where the first key that uses a grid frame puts it (the grid lines are laid out for that place).
const LetterTemplate* firstUserOf(const QString& grid) {
    for (const LetterTemplate& r : lettertemplates::rows())
        if (grid == QLatin1String(r.grid)) return &r;
    return nullptr;
}

// A grid frame standing at client point `at`: lines every half unit of Function mode's scale
// (25 px across, 24.5 px up, from the origin of the graphs), dotted, and a dotted border.
QImage gridFrame(QSize size, QPoint at) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(plane::kCyan);
    const QPoint o = plane::kOrigin;
    const int axisRow = o.y() - 3;  // y = 0 of the graphs
    auto dotAt = [&](int x, int y) {
        if (img.rect().contains(x, y)) img.setPixelColor(x, y, kGridDots);
    };
    for (int k = -20; k <= 20; ++k) {
        const int x = o.x() + 25 * k - at.x();
        const int y = roundHalfEven(axisRow - 24.5 * k) - at.y();
        for (int i = 0; i < size.height(); i += kDotPitch) dotAt(x, i);
        for (int i = 0; i < size.width(); i += kDotPitch) dotAt(i, y);
    }
    const int right = size.width() - 1, bottom = size.height() - 1;
    for (int i = 0; i < size.width(); i += kDotPitch - 1) {
        dotAt(i, 0);
        dotAt(i, bottom);
    }
    for (int i = 0; i < size.height(); i += kDotPitch - 1) {
        dotAt(0, i);
        dotAt(right, i);
    }
    return img;
}

const QImage& planePicture() {
    static const QImage picture = plane::paintPicture();
    return picture;
}

}  // namespace

QImage paintGridFrame(const QString& name) {
    const ControlRow* row = controlRow(name);
    const LetterTemplate* user = firstUserOf(name);
    if (!row || !user) return QImage();
    return gridFrame(QSize(row->width, row->height), QPoint(user->gridLeft, user->gridTop));
}

QImage paintTemplatePicture(const QString& name) {
    const LetterTemplate* letter = lettertemplates::findByPicture(name);
    const ControlRow* row = controlRow(name);
    if (!letter || !row) return QImage();
    const QPoint at(letter->pictureLeft, letter->pictureTop);
    QImage piece = planePicture().copy(QRect(at - plane::kAt, QSize(row->width, row->height)));
    QPainter painter(&piece);
    // Under the letter, the key's grid frame where the key puts it.
    painter.drawImage(QPoint(letter->gridLeft, letter->gridTop) - at,
                      paintGridFrame(QString::fromUtf8(letter->grid)));
    PlotState ps;
    ps.originX = plane::kOrigin.x();
    ps.originY = plane::kOrigin.y();
    PictureTarget target(painter, at, kTemplateColour);
    for (const TraceLoop& loop : letter->loops) runTraceLoop(loop, ps, target, {});
    return piece;
}

void paintTemplate(QPainter& painter, const LetterTemplate* letter) {
    if (!letter) {
        const QImage grid = paintGridFrame("ImRamkaSetka2");
        painter.drawImage(QPoint(plane::kOrigin.x(), plane::kOrigin.y() - grid.height()), grid);
        return;
    }
    painter.drawImage(QPoint(letter->gridLeft, letter->gridTop),
                      paintGridFrame(QString::fromUtf8(letter->grid)));
    PlotState ps;
    ps.originX = plane::kOrigin.x();
    ps.originY = plane::kOrigin.y();
    PictureTarget target(painter, QPoint(0, 0), kTemplateColour);
    for (const TraceLoop& loop : letter->loops) runTraceLoop(loop, ps, target, {});
}

}  // namespace templatepictures
