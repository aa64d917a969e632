// function_sheet [folder]: runs the 33 letter keys of Function mode and the 14 example letters of
// "Пример букв" on the main window (pauses off) and lays out what each leaves on the plane:
// templates.png, the template of every letter on its grid; examples.png, every example with its
// red graphs over the pale template and its captions. docs/ by default.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>

#include "ExampleLetters.h"
#include "Fonts.h"
#include "LetterTemplates.h"
#include "Messages.h"
#include "Pacing.h"
#include "ScenePacing.h"
#include "TForm1.h"

namespace {

constexpr int kMargin = 24, kGap = 16, kCaption = 24;

struct Sheet {
    QRect area;  // the part of the window each cell shows
    int columns;
};

QImage grabClient(TForm1& form) {
    pacing::processPendingEvents();
    return form.surface().grab().toImage();
}

// Runs `show` for every title on one window and lays the shots out in a grid.
QImage layOut(TForm1& form, const Sheet& sheet, const QStringList& titles,
              const std::function<void(int)>& show) {
    const int rows = (int(titles.size()) + sheet.columns - 1) / sheet.columns;
    const QSize cell(sheet.area.width(), sheet.area.height() + kCaption);
    QImage out(2 * kMargin + sheet.columns * cell.width() + (sheet.columns - 1) * kGap,
               2 * kMargin + rows * cell.height() + (rows - 1) * kGap, QImage::Format_RGB32);
    out.fill(QColor(250, 250, 247));
    QPainter p(&out);
    p.setFont(QFont("Liberation Sans", 13, QFont::Bold));
    for (int i = 0; i < int(titles.size()); ++i) {
        const QPoint at(kMargin + (i % sheet.columns) * (cell.width() + kGap),
                        kMargin + (i / sheet.columns) * (cell.height() + kGap));
        messages::dispatch([&] { show(i); });
        p.setPen(QColor(40, 40, 40));
        p.drawText(at + QPoint(4, 17), titles[i]);
        p.drawImage(at + QPoint(0, kCaption), grabClient(form), sheet.area);
    }
    return out;
}

bool save(const QImage& img, const QString& path) {
    if (img.save(path)) {
        std::printf("%s\n", qPrintable(path));
        return true;
    }
    std::fprintf(stderr, "function_sheet: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fonts::registerSubstitutions();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("docs");
    QDir().mkpath(folder);
    paceByScenesOnly();
    messages::Recorder quiet;

    TForm1 form;
    form.show();
    pacing::processPendingEvents();
    form.Label142Click();
    form.Label147Click();

    QStringList letters;
    for (const LetterTemplate& r : lettertemplates::rows()) letters << QString(QChar(r.letter));
    const QImage templates = layOut(form, {QRect(890, 150, 200, 200), 9}, letters, [](int i) {
        lettertemplates::runLetterTemplate(lettertemplates::rows()[i]);
    });

    QStringList examples;
    for (const ExampleLetter& e : exampleletters::rows())
        examples << QString::fromUtf8(e.title) + "  (" + QString::number(e.graphs.size()) + ")";
    const QImage sheet = layOut(form, {QRect(700, 132, 488, 250), 4}, examples, [](int i) {
        exampleletters::showExample(exampleletters::rows()[i]);
    });

    const bool ok = save(templates, QDir(folder).filePath("templates.png")) &&
                    save(sheet, QDir(folder).filePath("examples.png"));
    return ok ? 0 : 1;
}
