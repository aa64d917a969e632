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
// How to write a row: the template loops are stroke loops (TraceLoop.h) in its notation; include
// "TraceNotation.h" LAST in the table source. A template's pen is 4 px unless its loop says.

#include <QString>
#include <span>
#include <vector>

#include "TraceLoop.h"

struct LetterTemplate {
    char16_t letter = 0;
    const char* key = nullptr;   // "Label158", from the letter's record
    const char* grid = nullptr;  // ImRamkaSetka1, ImRamkaSetka2 or ImsetkakratJ
    int gridLeft = 0, gridTop = 0;
    std::vector<TraceLoop> loops{};
    const char* picture = nullptr;  // from the letter's record
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
