#pragma once

// A letter lesson of Alphabet mode is ONE ROW of a table, and one pipeline (runLetterLesson,
// LessonPipeline.cpp) runs any row. Whatever a letter does differently — a second loop, a
// borrowed frame width, formula pairs filled out of order, the hotspots shown early — is a value
// or a flag of its row, never a copied procedure.
//
// The pipeline, in order (a row's flags move or add the steps named in brackets):
//   [shiftFirst: shiftX/shiftY]  1 frame Shape1 shown, width from the letter picture (frameFrom,
//   frameWidth, frameTop)  2 slot shown (slotWidth first)  3 Label65 hidden  4 plane reset
//   5 part controls hidden (+ alsoHides)  6 origin at the plane  7 Panel4 hidden  8 marker
//   Label38 on the key, hint Label1 (hintWithoutLetter)  9 Timer2 on  10 instruction Label40
//   (instructionUntilHotspots)  [clearsFunctionEntry]  11 pen RGB(0, 129, 129)  12 the preview
//   items  13 letter picture shown, frame hidden  [hotspotsBeforeSmallLetter]  14 small letter in
//   the slot  [pictureAfterSmallLetter] [repeatsMarkerAfterSmallLetter]  15 origin back at the
//   plane, shiftX/shiftY  16 hotspots  17 formula labels (hidden)  18 Label53 … Label58 hidden.
//
// How to write a row (the "Н" row in LessonsAtoO.cpp is the worked example):
//   - The preview is written in the notation of every stroke loop (TraceLoop.h): include
//     "TraceNotation.h" LAST in a table source. Copy every coordinate as the lesson writes it:
//     [v] becomes R(v), a bracket-free term stays an integer expression, the order of the terms
//     is kept ("[50·t + X + 32]" is R(50 * t + X + 32)). A preview loop is a TraceLoop with its
//     pen given (.pen = 5); further loops follow in .preview, with pauseFor(ms) and
//     showPart({…}) between them.
//   - Hotspots are {name, Left, Top, width, height}: the lesson sets all four.
//   - Formula labels are {caption label, caption, Left, Top, description label, description};
//     a caption without a description (a second coordinate, a prefix "y4=") leaves the last two
//     out. Texts are copied exactly, doubled blanks included; list them in the table's order.
//   - Leave out every field the letter does not set; the defaults are the common lesson.

#include <QRgb>
#include <optional>
#include <span>
#include <vector>

#include "TraceLoop.h"

// A hotspot (or any part control) placed by a lesson: Left, Top, width, height.
struct HotspotPlace {
    const char* name = nullptr;
    int left = 0, top = 0, width = 0, height = 0;
};

// One item of the preview, in order: a loop, a pause, or a part control shown mid-preview.
struct PreviewItem {
    enum Kind { Loop, Pause, ShowPart };
    PreviewItem(TraceLoop l) : kind(Loop), loop(std::move(l)) {}
    PreviewItem(Kind k, int ms, HotspotPlace p) : kind(k), pauseMs(ms), part(p) {}

    Kind kind;
    TraceLoop loop;
    int pauseMs = 0;
    HotspotPlace part;
};

inline PreviewItem pauseFor(int ms) {
    return PreviewItem(PreviewItem::Pause, ms, {});
}
inline PreviewItem showPart(HotspotPlace p) {
    return PreviewItem(PreviewItem::ShowPart, 0, p);
}

// A formula caption with its place and the description of the same pair, all left hidden.
struct FormulaLabel {
    const char* label = nullptr;
    const char* caption = nullptr;
    int left = 0, top = 0;
    const char* descriptionLabel = nullptr;  // none for a second coordinate or a prefix
    const char* description = nullptr;
};

// The colour of the small letter: an RGB value, or the system hot-light colour.
struct LetterColour {
    QRgb rgb = 0;
    bool hotLight = false;
};
constexpr LetterColour rgb(int r, int g, int b) {
    return {qRgb(r, g, b), false};
}
inline constexpr LetterColour kHotLight{0, true};

struct LetterLesson {
    char16_t letter = 0;            // u'Н'
    const char* key = nullptr;      // "Label14", from the letter's record
    const char* slot = nullptr;     // "Image18", from the letter's record
    int slotWidth = 0;              // set before the slot is shown; 0 leaves it
    const char* picture = nullptr;  // "ImN"
    int pictureLeft = 0, pictureTop = 0;
    const char* frameFrom = nullptr;  // the frame takes this picture's width (default: picture)
    int frameWidth = 0;               // or this width in pixels
    std::optional<int> frameTop{};    // "З" also moves the frame
    std::vector<PreviewItem> preview{};
    LetterColour smallColour{};
    std::vector<HotspotPlace> hotspots{};
    std::optional<int> shiftX{}, shiftY{};  // set after the small letter, for part picking
    std::vector<FormulaLabel> formulas{};

    // Departures from the common lesson.
    std::vector<const char*> alsoHides{};            // extra controls of the reset list
    bool shiftFirst = false;                         // shiftX/shiftY set before the frame
    bool hintWithoutLetter = false;                  // Label1 cleared, not given the letter
    const char* instructionUntilHotspots = nullptr;  // Label40 = this + letter until step 16
    bool clearsFunctionEntry = false;  // Edit1 emptied; Edit2, Edit3, Label36, Label37 hidden
    bool hotspotsBeforeSmallLetter = false;
    bool pictureAfterSmallLetter = false;        // the picture waits; the frame goes at 13
    bool repeatsMarkerAfterSmallLetter = false;  // Panel4 hidden and step 8 again
};

// The rows of "А" … "О" and of "П" … "Я", each in alphabetical order.
// Gives the rows their key and slot from their letters' records.
std::vector<LetterLesson> withRecords(std::vector<LetterLesson> rows);
std::span<const LetterLesson> lessonsAtoO();
std::span<const LetterLesson> lessonsPtoYa();

// The row of a letter or of a key label, nullptr if none.
const LetterLesson* findLesson(char16_t letter);
const LetterLesson* findLessonByKey(const char* key);

// Runs a lesson on the main window (the key handler of its row).
void runLetterLesson(const LetterLesson& lesson);
