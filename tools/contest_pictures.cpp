// contest_pictures [folder]: the pictures of the contests (docs/ by default): a letter checked with
// its uncovered parts marked, the round dialog, the end of a turn announced, and the results of
// a round over the window. Run offscreen:
// QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTextBrowser>
#include <QTimer>

#include "ContestCommands.h"
#include "ContestDialogs.h"
#include "ExampleLetters.h"
#include "FunctionEntry.h"
#include "LetterTemplates.h"
#include "LetterWork.h"
#include "Pacing.h"
#include "ScenePacing.h"
#include "TForm1.h"

namespace {
qint64 g_now = 0;

void click(TForm1& form, const char* name) {
    emit form.ctl<GraphicControl>(name).clicked();
    pacing::processPendingEvents();
}

// Types the four boxes as a pupil does, with "Ввод" after each, then "Построить график".
void build(TForm1& form, const QStringList& texts) {
    for (int box = 1; box <= 4; ++box) {
        QLineEdit& edit = functionentry::edit(box);
        edit.clear();
        edit.setFocus();
        for (QChar c : texts[box - 1]) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(&edit, &press);
        }
        click(form, "Label132");
    }
    click(form, "Label148");
}

// The results of a round as the dialog shows them, over the middle of the window.
QImage withResults(TForm1& form, const ContestRound& round) {
    QImage shot = form.grab().toImage();
    QTextBrowser table;
    table.setHtml(contestdialogs::standingsHtml(round));
    table.resize(600, 290);
    QPainter p(&shot);
    const QPoint at((shot.width() - 600) / 2, 180);
    p.drawPixmap(at, table.grab());
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.drawRect(QRect(at, table.size()).adjusted(-1, -1, 0, 0));
    return shot;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = startPictureTool(argc, argv);
    QApplication::setCursorFlashTime(0);  // the text cursor stands still: every picture the same
    contestcommands::setClock([] { return g_now; });

    TForm1 form;
    form.show();
    pacing::processPendingEvents();
    form.Label142Click();
    form.Label147Click();
    click(form, "Label171");  // "П"
    build(form, {"0.04", "x", "0", "3"});
    build(form, {"x", "3", "0", "1"});
    form.menuItem("CheckLetter").trigger();
    pacing::processPendingEvents();
    form.grab().save(QDir(folder).filePath("letter-check.png"));

    // The round dialog as the teacher sees it, with its rules; cancelled once pictured.
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        dialog->grab().save(QDir(folder).filePath("round-dialog.png"));
        dialog->close();
    });
    form.menuItem("NewRound").trigger();

    // A round of three groups, five minutes a turn: each scoring turn builds a letter by typing
    // the graphs of its example.
    contestdialogs::setDialogs({[](const contestdialogs::RoundSetup&) {
                                    return std::optional<contestdialogs::RoundSetup>(
                                        {{"Звёздочки", "Совята", "Знайки"}, 5, QChar(), false});
                                },
                                [](const ContestRound&) {},
                                [](const QString&) { return QString(); },
                                [](QPrinter&) { return false; }, [] { return true; }, [] {}});
    form.menuItem("NewRound").trigger();
    const char16_t letters[] = {u'Б', u'В', u'М', u'Р', u'Д', u'Я', u'С'};
    const qint64 after[] = {95'000, 130'000, 70'000, 101'000, 88'000, 160'000, 45'000};
    for (int i = 0; i < 7; ++i) {
        g_now += after[i];
        click(form, lettertemplates::find(letters[i])->key);
        for (const ExampleGraph& g : exampleletters::findByLetter(QChar(letters[i]))->graphs)
            build(form,
                  {g.x, g.y, letterwork::typedNumber(g.start), letterwork::typedNumber(g.end)});
        form.menuItem("CheckLetter").trigger();
        pacing::processPendingEvents();
        if (i == 0) {
            // The end of the turn, announced over the plane.
            form.grab().save(QDir(folder).filePath("turn-announcement.png"));
        }
    }
    g_now += 42'000;
    contestcommands::refreshClock();
    pacing::processPendingEvents();
    if (auto* a = form.findChild<QWidget*>("TurnAnnouncement")) a->hide();
    withResults(form, *contestcommands::round()).save(QDir(folder).filePath("round-results.png"));
    return 0;
}
