#pragma once

#include <QString>
#include <QStringList>

class QPagedPaintDevice;
struct LetterTemplate;

// The printed page: the letter cell with, under it, the letter and the formulas of its graphs; or
// a worksheet — the plane with the letter's template grid and no graph, and lines to write the
// formulas on.
namespace workprint {

struct Sheet {
    bool worksheet = false;
    bool screenColours = false;  // the cell as the screen shows it; else for paper (forPaper)
    QString heading;  // "Литерон. Буква «П»", "Рабочий лист. Буква «П»"
    QString comment;                                 // printed under the heading when there is one
    QStringList formulas;                            // one line per graph of the list
    const LetterTemplate* letterTemplate = nullptr;  // the worksheet's template; null: wide grid
};

// Paints the sheet on the device (a printer, a PDF), over as many pages as the formulas need;
// false when the device cannot be painted on.
bool paint(QPagedPaintDevice& device, const Sheet& sheet);

// The formula line of a graph: x(k)=…;   y(k)=…;   x от S до E.
QString formulaLine(int k, const QString& x, const QString& y, const QString& start,
                    const QString& end);

}  // namespace workprint
