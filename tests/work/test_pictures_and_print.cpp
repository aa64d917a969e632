// The letter cell as a picture (PNG at 1× to 4×, PDF, SVG) and on paper (the drawing with its
// formulas, or a worksheet).
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "Canvas.h"
#include "CellPicture.h"
#include "Fonts.h"
#include "FunctionScreen.h"
#include "LetterTemplates.h"
#include "Plane.h"
#include "Surface.h"
#include "WorkDialogs.h"
#include "WorkPrint.h"

namespace {

const QColor kRed(255, 0, 0), kTemplate(255, 251, 178), kGridDots(0, 139, 139);

QImage grabCell(FormFixture& f) {
    pacing::processPendingEvents();
    return f.form()
        .surface()
        .grab(f.ctl("Image10").geometry())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

int count(const QImage& img, QColor c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == c;
    return n;
}

QSet<QRgb> colours(const QImage& img) {
    QSet<QRgb> out;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) out.insert(img.pixel(x, y));
    return out;
}

// The cell without the panels and lists that stand over its edge: they are not the drawing.
QImage drawingOnly(FormFixture& f, QImage cell) {
    const QRect at = f.ctl("Image10").geometry();
    for (QWidget* w : f.form().surface().findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (isWindowedControl(w) && w->isVisible() && w != &f.form().surface().canvas())
            for (int y = 0; y < cell.height(); ++y)
                for (int x = 0; x < cell.width(); ++x)
                    if (w->geometry().contains(at.topLeft() + QPoint(x, y))) cell.setPixel(x, y, 0);
    return cell;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A pupil's "П": three graphs over the template, no caption on the plane.
struct LetterPe : FunctionScreen {
    LetterPe() {
        click("Label171");
        build("0", "x", "0", "3");
        build("x", "3", "0", "2");
        build("2", "x", "0", "3");
        pacing::processPendingEvents();
    }
    int dotsInCell() {
        int n = 0;
        for (const CanvasStroke& s : form().surface().canvas().strokes())
            n += s.kind == CanvasStroke::Dot && s.bounds.intersects(ctl("Image10").geometry());
        return n;
    }
};

// The pages of a PDF: its page objects, "/Type /Page" not followed by "s".
int pages(const QByteArray& pdf) {
    static const QRegularExpression page("/Type\\s*/Page(?!s)");
    return int(QString::fromLatin1(pdf).count(page));
}

}  // namespace

class PicturesAndPrintTest : public QObject {
    Q_OBJECT
  private slots:
    // For paper the worksheet of "П" has a white plane and a dark template that a greyscale
    // printer keeps; a graph's red and the black axes stay as they are.
    void paperTakesLittleInk() {
        FunctionScreen f(',', "Label171");
        const QRect cell = cellpicture::cellRect();
        QImage sheet(cell.size(), QImage::Format_RGB32);
        QPainter p(&sheet);
        p.translate(-cell.topLeft());
        cellpicture::paintWorksheet(p, lettertemplates::find(u'П'));
        p.setPen(Qt::red);
        p.drawPoint(cell.topLeft() + QPoint(5, 5));
        p.end();
        const QImage paper = cellpicture::forPaper(sheet);
        const auto grey = [&](QPoint client) {
            return qGray(paper.pixel(client - cell.topLeft()));
        };
        QCOMPARE(paper.pixel(QPoint(20, 20)), qRgb(255, 255, 255));  // the plane, off every line
        QVERIFY(grey(QPoint(944, 250)) < 128);  // the left upright of "П" (client x 944)
        QCOMPARE(paper.pixel(QPoint(5, 5)), qRgb(255, 0, 0));
        QCOMPARE(paper.pixel(plane::kOrigin - cell.topLeft() + QPoint(30, 0)), qRgb(0, 0, 0));
        int cyan = 0;
        for (int y = 0; y < paper.height(); ++y)
            for (int x = 0; x < paper.width(); ++x) cyan += paper.pixel(x, y) == plane::kCyan.rgb();
        QCOMPARE(cyan, 0);
    }

    void initTestCase() { fonts::registerSubstitutions(); }

    // At 1× the picture is the screen, pixel for pixel — captions, template picture, dots, and
    // the dots a caption hid since.
    void pngAtOneIsTheScreen() {
        FunctionScreen f;
        f.click("Label155");
        f.menu("N11");  // "Буква Б"
        QCOMPARE(drawingOnly(f, cellpicture::screenImage(1)), drawingOnly(f, grabCell(f)));
        f.ctl("Label48").hide();  // the caption "y(2)=2.98" wipes the dots under it
        QCOMPARE(drawingOnly(f, cellpicture::screenImage(1)), drawingOnly(f, grabCell(f)));
        QVERIFY(count(grabCell(f), kRed) > 0);
    }

    // At 2× every picture pixel becomes a 2 × 2 block and the dots are drawn again, round, at
    // twice the size: no colour appears that the screen does not have.
    void pngAtTwoIsCrisp() {
        LetterPe f;
        const QImage one = cellpicture::screenImage(1);
        const QImage two = cellpicture::screenImage(2);
        QCOMPARE(two.size(), one.size() * 2);
        QVERIFY(colours(two).subtract(colours(one)).isEmpty());
        const WindowCanvas& canvas = f.form().surface().canvas();
        const QPoint cell = f.ctl("Image10").pos();
        int blocks = 0;
        for (int y = 0; y < one.height(); ++y)
            for (int x = 0; x < one.width(); ++x) {
                bool nearStroke = false;
                for (int dy = -4; dy <= 4 && !nearStroke; ++dy)
                    for (int dx = -4; dx <= 4 && !nearStroke; ++dx)
                        nearStroke =
                            canvas.pixel(cell.x() + x + dx, cell.y() + y + dy).alpha() != 0;
                if (nearStroke) continue;
                for (int k = 0; k < 4; ++k)
                    QCOMPARE(two.pixel(2 * x + k % 2, 2 * y + k / 2), one.pixel(x, y));
                ++blocks;
            }
        QVERIFY(blocks > one.width() * one.height() / 2);
        const double red = double(count(two, kRed)) / count(one, kRed);
        QVERIFY2(red > 3.5 && red < 4.5, qPrintable(QString::number(red)));
        // Four times as many pixels a side at 4×.
        QCOMPARE(cellpicture::screenImage(4).size(), one.size() * 4);
    }

    // PDF and SVG carry the dots as vectors, one disc a dot.
    void pdfAndSvgCarryTheStrokesAsVectors() {
        LetterPe f;
        QTemporaryDir dir;
        const QString svg = dir.filePath("П.svg"), pdf = dir.filePath("П.pdf");
        QVERIFY(cellpicture::write(svg, cellpicture::Format::Svg, 1).isEmpty());
        QVERIFY(cellpicture::write(pdf, cellpicture::Format::Pdf, 1).isEmpty());
        const QByteArray s = readAll(svg);

        QVERIFY(s.contains("<svg"));
        QVERIFY(s.contains("<image"));  // the plane and the template picture
        QCOMPARE(int(s.count("<circle")), f.dotsInCell());
        QVERIFY(f.dotsInCell() > 300);
        QVERIFY(readAll(pdf).startsWith("%PDF-"));
        QCOMPARE(pages(readAll(pdf)), 1);
        QVERIFY(cellpicture::write(dir.filePath("П.png"), cellpicture::Format::Png, 2).isEmpty());
        QCOMPARE(QImage(dir.filePath("П.png")), cellpicture::screenImage(2));
        // A folder that is not there: the reason, and no file.
        QCOMPARE(cellpicture::write(dir.filePath("none/П.png"), cellpicture::Format::Png, 1),
                 "такой папки нет.");
    }

    // The worksheet: the plane, the key's grid and the pale template, no graph.
    void worksheetHasTheTemplateAndNoGraph() {
        LetterPe f;
        QImage sheet(f.ctl("Image10").size(), QImage::Format_RGB32);
        QPainter p(&sheet);
        p.translate(-f.ctl("Image10").pos());
        cellpicture::paintWorksheet(p, lettertemplates::find(u'П'));
        p.end();
        QCOMPARE(count(sheet, kRed), 0);
        QVERIFY(count(sheet, kTemplate) > 500);
        QVERIFY(count(sheet, kGridDots) > 300);
        // The template stands where the key draws it: the left upright of "П" at X + 2.
        QCOMPARE(sheet.pixelColor(942 + 2 - 697, 328 - 100 - 86), kTemplate);

        QImage blank(sheet.size(), QImage::Format_RGB32);
        QPainter b(&blank);
        b.translate(-f.ctl("Image10").pos());
        cellpicture::paintWorksheet(b, nullptr);
        b.end();
        QCOMPARE(count(blank, kTemplate), 0);
        QVERIFY(count(blank, kGridDots) > 300);
    }

    // "Печать…" prints the drawing with a formula line a graph, over as many pages as needed, or
    // the worksheet; the printer is the one the print dialog set up.
    void printingTheDrawingAndTheWorksheet() {
        LetterPe f;
        QTemporaryDir dir;
        bool offered = false, worksheet = false;
        QString out;
        workdialogs::setDialogs(workdialogs::Dialogs{
            {}, {}, {}, [&](QPrinter& printer, bool worksheetOffered) {
                offered = worksheetOffered;
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(out);
                return std::optional<workdialogs::PrintChoice>(workdialogs::PrintChoice{worksheet});
            }});
        emit f.form().findChild<QMenu*>("File1Menu")->aboutToShow();
        out = dir.filePath("drawing.pdf");
        f.menu("PrintWork");
        QVERIFY(offered);
        QCOMPARE(pages(readAll(out)), 1);
        worksheet = true;
        out = dir.filePath("worksheet.pdf");
        f.menu("PrintWork");
        QCOMPARE(pages(readAll(out)), 1);
        // Seventy graphs do not fit under the cell on one page.
        for (int k = 0; k < 67; ++k) f.build("x", "0", "0", "0,1");
        worksheet = false;
        out = dir.filePath("long.pdf");
        f.menu("PrintWork");
        QVERIFY(pages(readAll(out)) >= 2);
        workdialogs::resetDialogs();
        QVERIFY(f.messages().shown().empty());
    }

    void formulaLines() {
        QCOMPARE(workprint::formulaLine(3, "2-1.2*x*x", "0.77+x", "-0,75", "0,75"),
                 "x(3)=2-1.2*x*x;   y(3)=0.77+x;   x от -0,75 до 0,75");
    }
};

QTEST_MAIN(PicturesAndPrintTest)
#include "test_pictures_and_print.moc"
