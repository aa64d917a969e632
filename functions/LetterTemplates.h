#pragma once

// The letter keys of Function mode's letter panel Panel5. Each key is ONE ROW of the template
// table (LetterTemplateRows.cpp) and one pipeline (runLetterTemplate, TemplatePipeline.cpp) runs
// any row:
//   [Е: the frame Shape1 shown with its width]  [Й: "Ввод" enabled, the end of the last graph
//   cleared, "Пример букв" enabled]  1 Label44 shown  2 the template pictures hidden  3 Panel8
//   (hidesPanel8) and Label148 hidden  5 Label44 shown, the prefix labels hidden (Й also Label59)
//   4, 6, 7 the entry and the graphs emptied  8 Panel10 enabled, Panel4 shown, focus in Edit1
//   9 origin at the plane  10 cell wipe  11 Label148 hidden, stage 1  12 the row's grid frame
//   shown at its place, the others hidden  13 the pale pen  14 the template loops  15 the template
//   picture at its place  [Й: the tall grid hidden]  [Ф, Ш, Щ: Shape1 hidden].
//
// How to write a row: include "TemplateNotation.h" LAST in the table source; a point is
// XY(x, y), with t the loop parameter and X, Y the origin; [v] is R(v); t² is sq(t). A coordinate
// is a TemplatePixel, which takes no double, so a term left unrounded cannot slip in a fraction.

#include <QString>
#include <span>
#include <vector>

struct TemplatePixel {
    constexpr TemplatePixel(int v) : value(v) {}
    TemplatePixel(double) = delete;
    int value;
};

using TemplateCoord = TemplatePixel (*)(double t, int X, int Y);

struct TemplatePoint {
    TemplateCoord x = nullptr;
    TemplateCoord y = nullptr;
};

// One item of a template step: MoveTo `from`, LineTo `to` on the window canvas.
struct TemplateItem {
    enum Kind { Segment, Dot };
    Kind kind = Segment;
    TemplatePoint from{};
    TemplatePoint to{};
};

inline TemplateItem segment(TemplatePoint from, TemplatePoint to) {
    return {TemplateItem::Segment, from, to};
}
inline TemplateItem dot(TemplatePoint at) {
    return {TemplateItem::Dot, at, at};
}

// "Loop from … below by step": t starts at `from`; while t < paramEnd, t advances by the step
// (twice when stepTwicePerPass), the pen width is set, the program pauses, every item is drawn
// for the new t and pending events are processed.
struct TemplateLoop {
    double from = 0;
    double below = 0;
    double step = 0.01;
    int pauseMs = 5;
    bool pauseOfStepDelay = false;  // pauses as many ms as stepDelayMs holds at that moment
    int pen = 4;
    bool stepTwicePerPass = false;
    bool pictureOnly = false;  // painted into the template picture, not animated by the key
    std::vector<TemplateItem> items{};
};

struct LetterTemplate {
    char16_t letter = 0;
    const char* key = nullptr;   // "Label158"
    const char* grid = nullptr;  // ImRamkaSetka1, ImRamkaSetka2 or ImsetkakratJ
    int gridLeft = 0, gridTop = 0;
    std::vector<TemplateLoop> loops{};
    const char* picture = nullptr;
    int pictureLeft = 0, pictureTop = 0;

    // The "also" column.
    bool hidesPanel8 = false;
    bool eventsAfterEachItem = false;  // "У" lets pending events in after every item
    int showsFrameWidth = 0;           // "Е" first shows Shape1 with this width
    bool hidesFrameAtEnd = false;      // "Ф", "Ш", "Щ"
    bool shortIExtras = false;         // "Й": see the pipeline
};

namespace lettertemplates {

std::span<const LetterTemplate> rows();
const LetterTemplate* find(char16_t letter);
const LetterTemplate* findByPicture(const QString& picture);

// Runs a row on the main window: the handler of its key.
void runLetterTemplate(const LetterTemplate& row);

// Binds the 33 keys of Panel5 to their rows.
void bind();

}  // namespace lettertemplates
