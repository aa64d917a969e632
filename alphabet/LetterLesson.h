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
//   - Include "LessonNotation.h" LAST in a table source: it brings the notation XY(x, y) for a
//     point and R(v) for [v]. Inside XY, t is paramValue and X, Y are originX, originY.
//   - Copy every coordinate as the lesson writes it: [v] becomes R(v), a bracket-free term stays
//     an integer expression. A coordinate is a Pixel, which takes no double: an unrounded
//     fractional term does not compile. Keep the order of the terms ("[50·t + X + 32]" is
//     R(50 * t + X + 32)); cos, sin and abs are at hand.
//   - "segment P → Q" is segment(XY(…), XY(…)); "dot at P" is dot(XY(…)).
//   - "Preview: t from a, step s, while t < b; pen p px; pause q ms" is
//     PreviewLoop{.from = a, .step = s, .below = b, .pen = p, .pauseMs = q, .strokes = {…}}.
//     Further loops follow in .preview; pauseFor(ms) and showPart({…}) go between them.
//   - Hotspots are {name, Left, Top, width, height}: the lesson sets all four.
//   - Formula labels are {caption label, caption, Left, Top, description label, description};
//     a caption without a description (a second coordinate, a prefix "y4=") leaves the last two
//     out. Texts are copied exactly, doubled blanks included; list them in the table's order.
//   - Leave out every field the letter does not set; the defaults are the common lesson.

#include <QRgb>
#include <optional>
#include <span>
#include <vector>

// A pixel coordinate of a preview stroke, always an integer: a double does not convert, so a
// coordinate the lesson rounds must say R(…), and one it does not round cannot pick up a fraction.
struct Pixel {
    constexpr Pixel(int v) : value(v) {}
    Pixel(double) = delete;
    int value;
};

// One coordinate as a function of t and the origin (X, Y) while the preview runs.
using LessonCoord = Pixel (*)(double t, int X, int Y);

struct LessonPoint {
    LessonCoord x = nullptr;
    LessonCoord y = nullptr;
};

// One item of a preview step: a MoveTo and a LineTo on the window canvas.
struct PreviewStroke {
    enum Kind {
        Segment,  // MoveTo from, LineTo to: grows where `to` moves with t, fixed otherwise
        Dot,      // MoveTo and LineTo the same point: a round dot of the pen's width
    };
    Kind kind = Segment;
    LessonPoint from{};
    LessonPoint to{};
};

inline PreviewStroke segment(LessonPoint from, LessonPoint to) {
    return {PreviewStroke::Segment, from, to};
}
inline PreviewStroke dot(LessonPoint at) {
    return {PreviewStroke::Dot, at, at};
}

// A loop of the preview: paramStart = from, paramEnd = below, paramStep = step; each pass adds the
// step to t (twice when stepTwicePerPass), sets the pen width, pauses, draws every stroke for the
// new t in the listed order and processes pending events, while t < belowFactor × paramEnd.
struct PreviewLoop {
    double from = 0;
    double step = 0.01;
    double below = 0;
    int pen = 5;
    int pauseMs = 5;
    std::vector<PreviewStroke> strokes{};
    double belowFactor = 1;         // "З" tests t < 2 × paramEnd
    bool stepTwicePerPass = false;  // the dots of "Ё", the breve of "Й"
    bool pictureOnly = false;       // drawn into the letter picture, not by the lesson
};

// A hotspot (or any part control) placed by a lesson: Left, Top, width, height.
struct HotspotPlace {
    const char* name = nullptr;
    int left = 0, top = 0, width = 0, height = 0;
};

// One item of the preview, in order: a loop, a pause, or a part control shown mid-preview.
struct PreviewItem {
    enum Kind { Loop, Pause, ShowPart };
    PreviewItem(PreviewLoop l) : kind(Loop), loop(std::move(l)) {}
    PreviewItem(Kind k, int ms, HotspotPlace p) : kind(k), pauseMs(ms), part(p) {}

    Kind kind;
    PreviewLoop loop;
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
    const char* key = nullptr;      // "Label14"
    const char* slot = nullptr;     // "Image18"
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
std::span<const LetterLesson> lessonsAtoO();
std::span<const LetterLesson> lessonsPtoYa();

// The row of a letter or of a key label, nullptr if none.
const LetterLesson* findLesson(char16_t letter);
const LetterLesson* findLessonByKey(const char* key);

// Runs a lesson on the main window (the key handler of its row).
void runLetterLesson(const LetterLesson& lesson);
