#include "WorkPrint.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "CellPicture.h"

namespace workprint {
namespace {

constexpr int kWorksheetLines = 8;

// Sizes in points, whatever the device's resolution.
struct Page {
    QPainter& p;
    QRectF area;
    double pt;  // device pixels per point
    double y = 0;

    void text(const QString& s, double size, bool bold = false) {
        QFont f("Liberation Serif");
        f.setPointSizeF(size);
        f.setBold(bold);
        p.setFont(f);
        const QRectF box(area.left(), y, area.width(), size * 1.6 * pt);
        p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, s);
        y += box.height();
    }
    bool fits(double points) const { return y + points * pt <= area.bottom(); }
};

void paintCell(Page& page, const Sheet& s) {
    const QRect cell = cellpicture::cellRect();
    const double width = page.area.width() * 0.8;
    const double scale = width / cell.width();
    const QRectF target(page.area.left() + (page.area.width() - width) / 2, page.y, width,
                        cell.height() * scale);
    page.p.save();
    page.p.translate(target.topLeft());
    page.p.scale(scale, scale);
    page.p.translate(-cell.topLeft());
    if (s.screenColours && s.worksheet) {
        cellpicture::paintWorksheet(page.p, s.letterTemplate);
    } else if (s.screenColours) {
        cellpicture::paintScreen(page.p, 0);
    } else {
        // For paper the colours change pixel by pixel: drawn at 4 pixels a client pixel first.
        constexpr int k = 4;
        page.p.drawImage(
            QRectF(cell),
            cellpicture::forPaper(s.worksheet ? cellpicture::worksheetImage(s.letterTemplate, k)
                                              : cellpicture::screenImage(k)));
    }
    page.p.restore();
    page.p.setPen(QPen(Qt::black, 0.5 * page.pt));
    page.p.setBrush(Qt::NoBrush);
    page.p.drawRect(target);
    page.y = target.bottom() + 12 * page.pt;
}

}  // namespace

QString formulaLine(int k, const QString& x, const QString& y, const QString& start,
                    const QString& end) {
    return QString("x(%1)=%2;   y(%1)=%3;   x от %4 до %5").arg(k).arg(x, y, start, end);
}

bool paint(QPagedPaintDevice& device, const Sheet& sheet) {
    QPainter p;
    if (!p.begin(&device)) return false;
    Page page{p, QRectF(0, 0, device.width(), device.height()), device.logicalDpiY() / 72.0};
    page.text(sheet.heading, 18, true);
    if (!sheet.comment.isEmpty()) page.text(sheet.comment, 12);
    page.y += 6 * page.pt;
    paintCell(page, sheet);
    if (sheet.worksheet) {
        page.text("Имя: ______________________________     Группа: ____________________", 12);
        page.y += 6 * page.pt;
        for (int k = 1; k <= kWorksheetLines; ++k)
            page.text(
                formulaLine(k, "__________________", "__________________", "______", "______"), 12);
        return true;
    }
    if (sheet.formulas.isEmpty()) return true;
    page.text("Графики:", 12, true);
    for (const QString& line : sheet.formulas) {
        if (!page.fits(12 * 1.6)) {
            device.newPage();
            page.y = 0;
        }
        page.text(line, 11);
    }
    return true;
}

}  // namespace workprint
