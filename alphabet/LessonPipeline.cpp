// The one pipeline of the letter lessons: any row of the lesson tables, step by step. A row's
// flags move or add the steps that its letter does differently (see LetterLesson.h).
#include <QStringList>
#include <algorithm>
#include <cstring>

#include "AlphabetGroups.h"
#include "Controls.h"
#include "Draw.h"
#include "LetterLesson.h"
#include "Letters.h"
#include "ModeParts.h"
#include "Pacing.h"
#include "Plane.h"
#include "PlotState.h"
#include "PreviewDrawing.h"
#include "SharedControls.h"
#include "StrokeCatalogue.h"
#include "TraceLoop.h"
#include "Window.h"
#include "WindowDescription.h"

namespace {

QWidget& ctl(const char* name) {
    return window::control(QString::fromUtf8(name));
}
Label& label(const char* name) {
    return window::control<Label>(QString::fromUtf8(name));
}

QString instruction(const QString& letter) {
    return "Выполнять щелчки по деталям буквы  " + letter +
           "  для показа содержимого их функций и графиков  ";
}

void applyShifts(const LetterLesson& l) {
    if (l.shiftX) plotState.shiftX = *l.shiftX;
    if (l.shiftY) plotState.shiftY = *l.shiftY;
}

void place(const HotspotPlace& p) {
    QWidget& w = ctl(p.name);
    w.setGeometry(p.left, p.top, p.width, p.height);
    w.show();
}

// The marker shows the letter red on its key; the hint line gets the letter for its timer.
void markKey(const LetterLesson& l) {
    Label& marker = label(shared::kLetterMarker);
    Label& hint = label(shared::kHint);
    marker.setCaption("");
    hint.setCaption("");
    marker.show();
    const Label& key = label(l.key);
    marker.setCaption(key.caption());
    marker.move(key.pos());
    if (!l.hintWithoutLetter) hint.setCaption(marker.caption());
}

void showPicture(const LetterLesson& l) {
    QWidget& picture = ctl(l.picture);
    picture.move(l.pictureLeft, l.pictureTop);
    picture.show();
}

void showHotspots(const LetterLesson& l) {
    for (const HotspotPlace& h : l.hotspots) place(h);
    if (l.instructionUntilHotspots)
        label(shared::kInstruction).setCaption(instruction(label(shared::kLetterMarker).caption()));
}

void runPreview(const LetterLesson& l) {
    WindowTarget canvas;
    for (const PreviewItem& item : l.preview) {
        switch (item.kind) {
            case PreviewItem::Loop:
                if (!item.loop.pictureOnly)
                    runTraceLoop(item.loop, plotState, canvas, {.paced = true});
                break;
            case PreviewItem::Pause:
                pacing::pause(item.pauseMs);
                break;
            case PreviewItem::ShowPart:
                place(item.part);
                break;
        }
    }
}

QColor smallLetterColour(const LetterColour& c) {
    return c.hotLight ? windowdesc::hotLightColour() : QColor::fromRgb(c.rgb);
}

}  // namespace

std::vector<LetterLesson> withRecords(std::vector<LetterLesson> rows) {
    for (LetterLesson& l : rows) {
        l.key = letters::of(l.letter).alphabetKey;
        l.slot = letters::of(l.letter).lessonSlot;
    }
    return rows;
}

const LetterLesson* findLesson(char16_t letter) {
    for (auto table : {lessonsAtoO(), lessonsPtoYa()})
        for (const LetterLesson& l : table)
            if (l.letter == letter) return &l;
    return nullptr;
}

const LetterLesson* findLessonByKey(const char* key) {
    for (auto table : {lessonsAtoO(), lessonsPtoYa()})
        for (const LetterLesson& l : table)
            if (std::strcmp(l.key, key) == 0) return &l;
    return nullptr;
}

void runLetterLesson(const LetterLesson& l) {
    if (l.shiftFirst) applyShifts(l);

    // The frame stands where the letter will be drawn, as wide as its picture.
    auto& frame = window::control<Shape>(shared::kLetterFrame);
    frame.show();
    if (l.frameTop) frame.move(frame.x(), *l.frameTop);
    const int frameWidth =
        l.frameWidth ? l.frameWidth : ctl(l.frameFrom ? l.frameFrom : l.picture).width();
    frame.resize(frameWidth, frame.height());

    QWidget& slot = ctl(l.slot);
    if (l.slotWidth) slot.resize(l.slotWidth, slot.height());
    slot.show();
    ctl(shared::kBanner).hide();
    plane::reset();
    for (const QString& name : groups::partResetList()) window::control(name).hide();
    for (const char* name : l.alsoHides) ctl(name).hide();
    draw::originAtCentreOf(plane::image10());
    modeparts::hidePartsOf("functions");  // the entry of Function mode
    markKey(l);
    window::timer("Timer2").start();

    Label& line = label(shared::kInstruction);
    line.show();
    const QString letter = label(shared::kLetterMarker).caption();
    line.setCaption(l.instructionUntilHotspots
                        ? QString::fromUtf8(l.instructionUntilHotspots) + letter
                        : instruction(letter));

    // These letters are also examples of Function mode: its entry starts empty.
    if (l.clearsFunctionEntry) modeparts::clearInputOf("functions");

    draw::penColour(kPreviewColour);
    runPreview(l);

    if (!l.pictureAfterSmallLetter) showPicture(l);
    ctl(shared::kLetterFrame).hide();
    if (l.hotspotsBeforeSmallLetter) showHotspots(l);

    draw::originAtCentreOf(slot);
    draw::penColour(smallLetterColour(l.smallColour));
    SmallLetterRoutine(QChar(l.letter));

    if (l.pictureAfterSmallLetter) showPicture(l);
    if (l.repeatsMarkerAfterSmallLetter) {
        modeparts::hidePartsOf("functions");  // the entry of Function mode
        markKey(l);
    }

    plane::image10().show();
    draw::originAtCentreOf(plane::image10());
    if (!l.shiftFirst) applyShifts(l);
    if (!l.hotspotsBeforeSmallLetter) showHotspots(l);

    // One caption and one description per stroke, ready for part picking and left hidden.
    for (const FormulaLabel& f : l.formulas) {
        Label& caption = label(f.label);
        caption.setCaption(QString::fromUtf8(f.caption));
        caption.move(f.left, f.top);
        if (f.descriptionLabel)
            label(f.descriptionLabel).setCaption(QString::fromUtf8(f.description));
    }
    // The fourth and fifth pairs and their prefixes wait for their parts' clicks.
    for (const char* name :
         {shared::kPrefixes[2], shared::kFormulaCaptions[3], shared::kFormulaDescriptions[3],
          shared::kPrefixes[3], shared::kFormulaCaptions[4], shared::kFormulaDescriptions[4]})
        ctl(name).hide();
}
