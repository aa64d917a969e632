// The introduction memo and the author panel with its typed credit line.
#include <QPlainTextEdit>
#include <QTimer>

#include "TForm1.h"

namespace {
// Several lines end in blanks, and the empty lines belong to the text.
const char* const kIntroduction[] = {
    "Программа формирует буквы русского ",
    "алфавита",
    "графиками математических функций.",
    "Состоит из трех режимов:",
    "- Режим Алфавита.",
    "- Ввод текста.",
    "- Ввод функций.",
    "",
    "Первый режим формирует буквы математическими ",
    "графиками на правой координатной плоскости ",
    "с демонстрацией их деталей. Затем сформированные ",
    "буквы выводятся в левом поле, ",
    "порядок мест которых соответствует алфавиту.",
    "",
    "Второй режим позволяет пользователю ",
    "самому определять место созданной букве в левом ",
    "поле, а значит, вводить текст.",
    "",
    "Третий  режим  позволяет пользователю ",
    "вводить по своему усмотрению  функции и параметры ",
    "для них. После чего вычерчиваются графики,  ",
    "представляющие  картинку  буквы.",
    "",
    "Программу  можно применять, как занимательное",
    " пособие,  в процессе закрепления знаний по ",
    "математическим функциям. Можно организовать ",
    "соревновательное мероприятия между отдельными ",
    "группами учащихся по скорости и количеству ",
    "созданных букв функциями.",
};
}  // namespace

QStringList introductionLines() {
    QStringList lines;
    for (const char* l : kIntroduction) lines << QString::fromUtf8(l);
    return lines;
}

// The program credits itself: its name and year, eight blanks, and what it is; 40 characters.
const QString& creditLine() {
    static const QString line = QStringLiteral("Литерон, 2026        свободная программа");
    return line;
}

void TForm1::setUpIntroduction() {
    auto& memo = ctl<QPlainTextEdit>("Memo1");
    memo.setPlainText(introductionLines().join('\n'));
    // The text is set before the change handler is attached: only the user's edits hide it.
    connect(&memo, &QPlainTextEdit::textChanged, this,
            [this] { runHandler(&TForm1::Memo1Change); });
    memo.viewport()->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
    auto* memo = surface_->findChild<QPlainTextEdit*>("Memo1");
    if (memo && watched == memo->viewport() && e->type() == QEvent::MouseButtonRelease)
        runHandler(&TForm1::Memo1Click);
    return QMainWindow::eventFilter(watched, e);
}

void TForm1::N1Click() {
    ctl("Memo1").show();
}
void TForm1::Memo1Click() {
    ctl("Memo1").hide();
}
void TForm1::Memo1Change() {
    ctl("Memo1").hide();
}

void TForm1::N2Click() {
    ctl("Panel2").show();
    timer("Timer3").start();
}

void TForm1::Timer3Timer() {
    QWidget& strip = ctl("Panel9");
    strip.move(strip.x(), strip.y() + 9);
    if (strip.y() > 400) {
        strip.hide();
        ctl("Panel2").show();
        timer("Timer3").stop();
        timer("Timer1").start();
    }
}

void TForm1::Timer1Timer() {
    auto& credit = ctl<Label>("Label141");
    credit.setCaption(creditLine().left(credit.tag()));
    credit.setTag(credit.tag() + 1);
    if (credit.tag() > 800) {
        timer("Timer1").stop();
        ctl("Label181").hide();
    }
    ctl("Label142").show();
}
