#include "FunctionEntry.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "Controls.h"
#include "EditKeys.h"
#include "FunctionCommands.h"
#include "FunctionControlNames.h"
#include "FunctionState.h"
#include "GraphTable.h"
#include "KeyboardLayout.h"
#include "LocaleNumbers.h"
#include "Messages.h"
#include "PupilErrors.h"
#include "Window.h"

namespace functionentry {
namespace {

struct PadKey {
    const char* key;
    const char* text;
    int stages;  // bit k: the key writes edit box k in stage k
};
constexpr int kAllFour = 0b11110, kFirstThree = 0b01110, kExpressions = 0b00110;

// clang-format off
const PadKey kPadKeys[] = {
    {"Label99", "0", kAllFour},      {"Label100", "1", kAllFour},     {"Label102", "2", kAllFour},
    {"Label112", "3", kAllFour},     {"Label111", "4", kAllFour},     {"Label123", "5", kAllFour},
    {"Label124", "6", kAllFour},     {"Label125", "7", kAllFour},     {"Label126", "8", kAllFour},
    {"Label127", "9", kAllFour},     {"Label128", "-", kFirstThree},  {"Label135", ",", kAllFour},
    {"Label188", ".", kAllFour},     {"Label129", "+", kExpressions}, {"Label130", "*", kExpressions},
    {"Label110", "^", kExpressions}, {"Label131", "/", kExpressions}, {"Label103", "(", kExpressions},
    {"Label104", ")", kExpressions}, {"Label113", "x", kExpressions}, {"Label115", "x^2", kExpressions},
    {"Label117", "sin(x)", kExpressions}, {"Label116", "cos(x)", kExpressions},
    {"Label120", "abs(x)", kExpressions}, {"Label229", "sqrt(x)", kExpressions},
};
// clang-format on

const QString kExpressionChars = "\b()*+-./0123456789abcinosxy";
const QString kBoxChars[] = {kExpressionChars, kExpressionChars + "qrt", "\b,-0123456789",
                             "\b,0123456789"};

QWidget& ctl(const char* name) {
    return window::control(name);
}

// The reminder stands beside the box being filled, for the first graph of a letter only.
void remindAt(int box) {
    QWidget& reminder = ctl(fnctl::kReminder);
    reminder.move(reminder.x(), edit(box).y());
    reminder.setVisible(graphTable.graphCount == 0);
}

void showPoint(bool point) {
    ctl(fnctl::kPointKey).setVisible(point);
    ctl(fnctl::kCommaKey).setVisible(!point);
}

// A comma in a formula is a decimal comma copied from a caption ("1,5"): between digits it
// becomes the point the parser reads. Any other comma is refused, with a hint beside the box.
QChar formulaComma(QChar c, const QString& before, const QString& after) {
    if (c != ',') return c;
    const bool digitBefore = !before.isEmpty() && before.back().isDigit();
    const bool digitAfter = after.isEmpty() || after.front().isDigit();
    return digitBefore && digitAfter ? QChar('.') : QChar();
}

// What the hint beside a box says of a character the box refuses.
QString refusal(int box, QChar c) {
    if (box <= 2 && c == ',')
        return "Запятую здесь не поставить: дробную часть числа пишут через точку (1.5).";
    // The hint is small: a few short lines beside the box.
    if (box <= 2)
        return QString("Знака «%1» здесь нет. Функции — на кнопках (F1 — список).").arg(c);
    return QString("«%1» здесь нет: только цифры, «-» и «%2».")
        .arg(c)
        .arg(localenumbers::decimalSeparator());
}

void hintAt(int box, QChar c) {
    auto& hint = window::control<Label>(fnctl::kCommaHint);
    hint.setCaption(refusal(box, c));
    hint.move(hint.x(), edit(box).y());
    hint.show();
    hint.raise();
}

// Only the characters an edit box accepts reach it; each one typed at the end also joins the
// buffer. Any other edit (Backspace, Delete, caret moves, paste) leaves the buffer equal to the
// box's text, so a later keypad key appends to what the pupil sees.
editkeys::Hooks keyHooks(int box) {
    QLineEdit* e = &edit(box);
    return editkeys::Hooks{
        .accepts = [box](QChar c) { return accepts(box, c); },
        .appended = [](QChar c) { functionEntry.entryBuffer += c; },
        .edited = [e] { functionEntry.entryBuffer = e->text(); },
        // Enter confirms the box as "Ввод" does, when "Ввод" can be pressed.
        .enter =
            [] {
                QWidget& enter = ctl(fnctl::kEnterKey);
                if (enter.isVisible() && enter.isEnabled()) messages::dispatch(Label132Click);
            },
        .translate =
            box <= 2 ? formulaComma : std::function<QChar(QChar, const QString&, const QString&)>(),
        .refused = [box](QChar c) { hintAt(box, c); },
    };
}
}  // namespace

QLineEdit& edit(int box) {
    return window::control<QLineEdit>(QString("Edit%1").arg(box));
}

bool accepts(int box, QChar c) {
    if (box < 1 || box > 4) return false;
    // The formulas take a comma only as the point it becomes (formulaComma).
    if (box <= 2 && c == ',') return false;
    return c == localenumbers::decimalSeparator() || kBoxChars[box - 1].contains(c);
}

bool reachable(int box, const QString& text) {
    if (box < 1 || box > 4) return false;
    QString keypad;
    for (const PadKey& k : kPadKeys)
        if (k.stages & (1 << box)) keypad += QString::fromUtf8(k.text);
    for (QChar c : text)
        if (c.category() == QChar::Other_Control || !(accepts(box, c) || keypad.contains(c)))
            return false;
    return true;
}

void keypadKey(const char* key) {
    for (const PadKey& k : kPadKeys) {
        if (qstrcmp(k.key, key) != 0) continue;
        functionEntry.entryBuffer += QString::fromUtf8(k.text);
        const int stage = functionEntry.entryStage;
        if (stage >= 1 && stage <= 4 && (k.stages & (1 << stage)))
            edit(stage).setText(functionEntry.entryBuffer);
        return;
    }
}

// A hint stays while the pupil goes on typing, so that it is read; an emptied box or "Ввод" takes
// it away.
void hideHintWhenEmpty(int box) {
    if (edit(box).text().isEmpty()) ctl(fnctl::kCommaHint).hide();
}

void Edit1Change() {
    functionEntry.entryStage = 1;
    hideHintWhenEmpty(1);
    window::control<Label>(fnctl::kSelectedNumber)
        .setCaption(QString::number(graphTable.selectedGraph));
    showPoint(true);
    ctl(fnctl::kOperatorBlock).setEnabled(true);
    for (const char* key : {fnctl::kEnterKey, fnctl::kDeleteKey}) {
        ctl(key).show();
        ctl(key).setEnabled(true);
    }
    ctl(fnctl::kBuildKey).hide();
    ctl(fnctl::kDeleteGraphKey).hide();
    remindAt(1);
    if (graphTable.graphCount > 0 && !edit(1).text().isEmpty()) {
        // From the second graph on, a graph can be built straight after its first expression.
        if (graphTable.selectedGraph == 0) {
            ctl(fnctl::kBuildKey).show();
            ctl(fnctl::kChangeGraphKey).hide();
        } else {
            ctl(fnctl::kChangeGraphKey).show();
            ctl(fnctl::kBuildKey).hide();
            ctl(fnctl::kChangeRangeKey).hide();
        }
    }
}

void Edit2Change() {
    functionEntry.entryStage = 2;
    hideHintWhenEmpty(2);
    showPoint(true);
    ctl(fnctl::kOperatorBlock).setEnabled(true);
    ctl(fnctl::kEnterKey).setEnabled(true);
    ctl(fnctl::kDeleteKey).setEnabled(true);
    ctl(fnctl::kBuildKey).hide();
    remindAt(2);
}

void Edit3Change() {
    functionEntry.entryStage = 3;
    showPoint(false);
    ctl(fnctl::kOperatorBlock).setEnabled(false);
    ctl(fnctl::kEnterKey).setEnabled(true);
    ctl(fnctl::kBuildKey).hide();
    remindAt(3);
}

void Edit4Change() {
    functionEntry.entryStage = 4;
    showPoint(false);
    ctl(fnctl::kEnterKey).setEnabled(true);
    ctl(fnctl::kOperatorBlock).setEnabled(false);
    ctl(fnctl::kGraphList).setVisible(true);
    remindAt(4);
}

void Label132Click() {
    ctl(fnctl::kCommaHint).hide();
    ctl(fnctl::kEnterKey).setEnabled(false);
    FunctionEntry& e = functionEntry;
    ++e.entryStage;
    auto refuse = [&](const char* message, std::initializer_list<const char*> hide) {
        --e.entryStage;
        for (const char* n : hide) ctl(n).hide();
        messages::show(QString::fromUtf8(message));
    };
    switch (e.entryStage) {
        case 1:
            e.entryBuffer.clear();
            ctl(fnctl::kReminder).setVisible(graphTable.graphCount == 0);
            break;
        case 2:
            if (edit(1).text().isEmpty())
                return refuse("Не введено значение аргумента !!!", {"Edit2", fnctl::kYCaption});
            ctl(fnctl::kOperatorBlock).setEnabled(true);
            ctl(fnctl::kYCaption).show();
            edit(2).show();
            edit(2).setFocus();
            e.entryBuffer.clear();
            ctl(fnctl::kReminder).hide();
            break;
        case 3:
            if (edit(2).text().isEmpty())
                return refuse("Не введено значение функции!!! ", {"Edit3", fnctl::kStartCaption});
            ctl(fnctl::kOperatorBlock).setEnabled(true);
            ctl(fnctl::kStartCaption).show();
            edit(3).show();
            edit(3).setFocus();
            e.entryBuffer.clear();
            ctl(fnctl::kReminder).hide();
            break;
        case 4:
            if (edit(3).text().isEmpty())
                return refuse("Не введено начальное значение переменной!!! ",
                              {"Edit4", fnctl::kEndCaption});
            ctl(fnctl::kOperatorBlock).setEnabled(false);
            edit(4).show();
            ctl(fnctl::kEndCaption).show();
            edit(4).setFocus();
            e.entryBuffer.clear();
            graphTable.entrySlot().startValue = pupilerrors::number(3, edit(3).text());
            break;
        case 5:
            if (edit(4).text().isEmpty())
                return refuse("Не введено конечное значение переменной!!! ", {});
            ctl(fnctl::kOperatorBlock).setEnabled(false);
            graphTable.entrySlot().endValue = pupilerrors::number(4, edit(4).text());
            ctl(fnctl::kBuildKey).show();
            break;
        default:
            break;
    }
}

void Label134Click() {
    const int stage = functionEntry.entryStage;
    if (stage < 1 || stage > 4) return;
    edit(stage).clear();
    functionEntry.entryBuffer.clear();
    if (stage == 1) window::control<Label>(fnctl::kSelectedNumber).setCaption(edit(1).text());
}

void bind() {
    for (const PadKey& k : kPadKeys) window::onClick(k.key, [key = k.key] { keypadKey(key); });
    fncmd::bind(fncmd::kEnter);
    window::onClick(fnctl::kDeleteKey, Label134Click);
    void (*const changes[])() = {Edit1Change, Edit2Change, Edit3Change, Edit4Change};
    for (int box = 1; box <= 4; ++box) {
        QLineEdit& e = edit(box);
        editkeys::filter(&e, keyHooks(box));
        // The layout switch sees a key before the filter, so Cyrillic keys arrive translated.
        keyboardlayout::follow(&e);
        QObject::connect(&e, &QLineEdit::textChanged, &e,
                         [change = changes[box - 1]] { messages::dispatch(change); });
    }
}

}  // namespace functionentry
