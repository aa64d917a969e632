#include "TextMode.h"

#include <cmath>

#include "Controls.h"
#include "Draw.h"
#include "Letters.h"
#include "Messages.h"
#include "ModeParts.h"
#include "Pacing.h"
#include "Plane.h"
#include "PlotState.h"
#include "Rounding.h"
#include "SharedControls.h"
#include "StepLoop.h"
#include "StrokeCatalogue.h"
#include "TextKeys.h"
#include "Window.h"

namespace textmode {
namespace {
int g_slotNumber = 0;

const QColor kKeyLetterColour(0, 129, 129);
const QColor kSlotLetterColour(0, 0, 255);

// The order in which a slot compares the current letter with every letter.
const QStringList kSlotOrder = {"А", "Б", "В", "Г", "Д", "Е", "Ж", "З", "И", "Й", "К",
                                "Л", "М", "Н", "О", "П", "Р", "С", "Т", "У", "Ф", "Х",
                                "Ц", "Ч", "Ш", "Щ", "Э", "Ё", "Ю", "Ь", "Ъ", "Ы", "Я"};

Label& marker() {
    return window::control<Label>(shared::kLetterMarker);
}
QString currentLetter() {
    return marker().caption();
}

QString instructionFor(const QString& letter) {
    return "Выполнять щелчки по деталям буквы  " + letter +
           "  для показа содержимого их функций и графиков  ";
}
}  // namespace

QString hintFor(const QString& letter) {
    return "Щелчок по одному из прямоугольников для формирования буквы  " + letter + "  в слове.";
}

int slotNumber() {
    return g_slotNumber;
}
void resetState() {
    g_slotNumber = 0;
}

void pressKey(const TextKey& key) {
    auto& frame = window::control<Shape>(shared::kLetterFrame);
    frame.resize(key.frameWidth, frame.height());
    if (key.frameLeft) frame.move(*key.frameLeft, frame.y());
    plane::reset();
    draw::originAtCentreOf(window::control(shared::kPlane));
    modeparts::hidePartsOf("functions");  // the entry of Function mode

    auto& hint = window::control<Label>(shared::kHint);
    const QChar letter = QString::fromUtf8(key.letter).at(0);
    auto* alphabetKey = qobject_cast<Label*>(modeparts::letterKeyOf("alphabet", letter));
    if (!alphabetKey) window::missing("the Alphabet key of " + QString(letter));
    const Label& copied = *alphabetKey;
    marker().setCaption("");
    hint.setCaption("");
    marker().show();
    marker().setCaption(copied.caption());
    marker().move(copied.pos());
    hint.setCaption(marker().caption());
    if (key.startsHintTimer) window::timer("Timer2").start();
    if (key.showsInstruction) {
        auto& instruction = window::control<Label>(shared::kInstruction);
        instruction.show();
        instruction.setCaption(key.instructionPrefix ? key.instructionPrefix + marker().caption()
                                                     : instructionFor(marker().caption()));
    }
    if (key.hidesRangeCaptions) {
        window::control(shared::kStartCaption).hide();
        window::control(shared::kEndCaption).hide();
    }
    PlotState& ps = plotState;
    ps.stepDelayMs = key.stepDelayMs;
    ps.penWidth = key.penWidth;
    if (key.start) ps.paramStart = *key.start;
    if (key.end) ps.paramEnd = *key.end;
    if (key.step) ps.paramStep = *key.step;
    draw::penColour(kKeyLetterColour);

    if (hasLargeLetterRoutine(letter))
        LargeLetterRoutine(letter);
    else
        drawLargeZhe();
}

void drawLargeZhe() {
    // Two parabolas open up and down from the origin and meet the stem there; the stem is redrawn
    // from its fixed end 2 px below the origin, so it sweeps from above the origin to below it.
    runStepLoop([] {
        const PlotState& ps = plotState;
        const double t = ps.paramValue;
        WindowCanvas& c = draw::canvas();
        c.setPenWidth(5);
        pacing::pause(1);
        const int upperX = ps.originX - roundHalfEven(1.27 * t * 50);
        const int upperY = roundHalfEven(ps.originY - 88.5 * t * t);
        c.moveTo(upperX, upperY);
        c.lineTo(upperX, upperY);
        const int lowerX = ps.originX - roundHalfEven(1.28 * t * 50);
        const int lowerY = roundHalfEven(ps.originY + 94 * t * t);
        c.moveTo(lowerX, lowerY);
        c.lineTo(lowerX, lowerY);
        c.moveTo(ps.originX, ps.originY + 2);
        c.lineTo(ps.originX, roundHalfEven(83 * t + (ps.originY + 2)));
    });
}

void Timer2Timer() {
    auto& hint = window::control<Label>(shared::kHint);
    hint.move(45, hint.y());
    // The count lives in the hint line's tag and is never reset.
    hint.setCaption(hintFor(currentLetter()).left(hint.tag()));
    hint.setTag(hint.tag() + 1);
}

void writeSlot(int number) {
    const QString name = QString("Image%1").arg(number);
    auto& slot = window::control<Picture>(name);
    g_slotNumber = number;
    const QString current = currentLetter();
    const letters::LetterRecord* record =
        current.size() == 1 ? letters::find(current.at(0).unicode()) : nullptr;
    slot.resize(record && record->wide ? 90 : 67, slot.height());
    auto& deleteKey = window::control(shared::kWordDeleteKey);
    deleteKey.move(slot.x(), slot.y() + slot.height());
    deleteKey.show();
    pacing::pause(1);
    draw::originAtCentreOf(slot);
    slot.show();
    auto& eraser = window::control(shared::kWordEraser);
    eraser.move(slot.pos());
    eraser.show();
    eraser.hide();
    plotState.penWidth = 5;
    draw::penColour(kSlotLetterColour);
    if (number == 1 || number == 2) plotState.stepDelayMs = 5;
    // The letter is read afresh for every comparison: a key pressed while this letter is drawn
    // can make the same click draw a second letter later in the order.
    for (const QString& letter : kSlotOrder) {
        if (currentLetter() != letter) continue;
        if (letter == "У") plotState.stepDelayMs = 1;
        SmallLetterRoutine(letter.at(0));
    }
}

void Label143Click() {
    window::control(shared::kWordDeleteKey).hide();
    if (g_slotNumber == 0) return;
    QWidget& slot = window::control(QString("Image%1").arg(g_slotNumber));
    slot.hide();
    slot.show();
}

void bind() {
    for (const TextKey& key : textKeys()) {
        const char16_t letter = QString::fromUtf8(key.letter).at(0).unicode();
        window::onClick(letters::of(letter).textKey, [&key] { pressKey(key); });
    }
    for (int n : {1,  2,  3,  4,  5,  6,  7,  8,  11, 12, 13, 14, 15, 16, 17, 18, 19,
                  20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 32, 33, 34, 35, 36})
        window::onClick(QString("Image%1").arg(n), [n] { writeSlot(n); });
    window::onClick(shared::kWordDeleteKey, [] { Label143Click(); });
    QTimer& hintTimer = window::timer("Timer2");
    QObject::connect(&hintTimer, &QTimer::timeout, &hintTimer,
                     [] { messages::dispatch(Timer2Timer); });
}

}  // namespace textmode

void bindTextMode() {
    textmode::bind();
}
