// lesson_sheet [file.png]: runs the 33 letter lessons of Alphabet mode one after another on the
// main window (pauses off) and lays out what each leaves on the screen: the letter picture on the
// plane with its hotspots, and the small letter in its slot; under the grid, the whole window
// after the last lesson, every slot filled. docs/lessons.png by default.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "Fonts.h"
#include "LetterLesson.h"
#include "Messages.h"
#include "Pacing.h"
#include "ScenePacing.h"
#include "TForm1.h"

namespace {

const QString kAlphabet = QString::fromUtf8("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
const QRect kLetterArea(840, 140, 270, 300);  // around the letter on the plane
constexpr int kColumns = 6, kMargin = 24, kGap = 16, kSlotBox = 120;
const QSize kCell(kLetterArea.width() + kSlotBox, kLetterArea.height() + 24);

QImage grabClient(TForm1& form) {
    pacing::processPendingEvents();
    return form.surface().grab().toImage();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fonts::registerSubstitutions();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("docs/lessons.png");
    paceByScenesOnly();
    messages::Recorder quiet;

    TForm1 form;
    form.show();
    pacing::processPendingEvents();
    form.Label142Click();
    form.Label145Click();

    const int rows = (int(kAlphabet.size()) + kColumns - 1) / kColumns;
    const QSize client = form.surface().size();
    const int width = 2 * kMargin + kColumns * kCell.width() + (kColumns - 1) * kGap;
    const int gridTop = kMargin;
    const int windowTop = gridTop + rows * (kCell.height() + kGap) + kGap;
    QImage sheet(width, windowTop + client.height() + kMargin, QImage::Format_RGB32);
    sheet.fill(QColor(250, 250, 247));
    QPainter p(&sheet);
    p.setFont(QFont("Liberation Sans", 13, QFont::Bold));

    int i = 0;
    int missing = 0;
    for (QChar letter : kAlphabet) {
        const QPoint at(kMargin + (i % kColumns) * (kCell.width() + kGap),
                        gridTop + (i / kColumns) * (kCell.height() + kGap));
        p.setPen(QColor(40, 40, 40));
        p.drawText(at + QPoint(4, 16), letter);
        ++i;
        const LetterLesson* lesson = findLesson(letter.unicode());
        if (!lesson) {
            ++missing;
            p.drawText(at + QPoint(30, 16), QString::fromUtf8("нет урока"));
            continue;
        }
        messages::dispatch([&] { runLetterLesson(*lesson); });
        const QImage shot = grabClient(form);
        p.drawImage(at + QPoint(0, 24), shot, kLetterArea);
        const QWidget& slot = form.ctl(lesson->slot);
        const QRect slotArea = slot.geometry().adjusted(-4, -4, 4, 4);
        p.drawImage(at + QPoint(kLetterArea.width() + 8, 24), shot, slotArea);
    }
    p.drawImage(QPoint(kMargin, windowTop), grabClient(form));
    p.end();

    if (!sheet.save(out)) {
        std::fprintf(stderr, "lesson_sheet: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s (%d of %d letters without a lesson)\n", qPrintable(out), missing,
                int(kAlphabet.size()));
    return 0;
}
