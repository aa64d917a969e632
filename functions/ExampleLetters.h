#pragma once

// The example letters of the menu "Пример букв": each is ONE RECORD of the example table
// (ExampleLetterRows.cpp) and one procedure (showExample, ExamplePipeline.cpp) shows any record:
//   1 the graph slots reset  2 Label65 hidden, the plane reset, every letter picture, letter part
//   and caption left over hidden  3 the entry emptied (emptiedEdits), the slots reset again, the
//   list emptied and hidden, Panel4 hidden (keepsEntryOpen: shown, stage 1), "Построить график"
//   hidden [erasesCell: the cell wiped, stage 1]  4 the template picture at its place  5 the
//   captions  6 the graphs into slots 1 … n  7 origin at the plane, Label148 and Label174 hidden,
//   Panel8 shown  8 each graph redrawn with a 5 ms pause before each dot and the x-value read twice
//   9 graphCount := n, the list shown and rebuilt with the record's separators.

#include <QChar>
#include <span>
#include <vector>

#include "GraphList.h"

struct ExampleGraph {
    const char* x = nullptr;  // as the parser reads it: a decimal point
    const char* y = nullptr;
    double start = 0;
    double end = 0;
};

// A caption: free text for the reader (a comma or a rounded formula is fine), at its place.
struct ExampleCaption {
    const char* label = nullptr;
    const char* text = nullptr;
    int left = 0, top = 0;
};

struct ExampleLetter {
    enum class Edits { First, None, All };

    const char* menuItem = nullptr;  // "N11"
    const char* title = nullptr;     // the submenu caption
    const char* picture = nullptr;
    int pictureLeft = 0, pictureTop = 0;
    std::vector<ExampleCaption> captions{};
    std::vector<ExampleGraph> graphs{};
    graphlist::ListSeparators separators{};
    Edits emptiedEdits = Edits::First;
    bool erasesCell = false;      // "Й": the cell wiped and stage 1 as well
    bool keepsEntryOpen = false;  // "Р", "С": the pupil may go on adding graphs
};

namespace exampleletters {

// The fourteen examples in the order of the submenu.
std::span<const ExampleLetter> rows();
const ExampleLetter* findByMenuItem(const char* menuItem);
// The letter an example shows (the last letter of its menu caption), and the example of a letter.
QChar letterOf(const ExampleLetter& example);
const ExampleLetter* findByLetter(QChar letter);

// Shows an example on the main window: the handler of its menu item.
void showExample(const ExampleLetter& example);

// Binds the items N11 … N24 of "Пример букв".
void bind();

}  // namespace exampleletters
