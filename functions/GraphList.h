#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "GraphTable.h"

// The graph list and the plotting of Function mode: building a graph from the four entries,
// the list of the letter's graphs, selecting, changing and deleting graphs, and the redraw of a
// stored graph.
namespace graphlist {

void bind();

void Label148Click();  // "Построить график"
void ListBox1Click(int row);
void Label190Click();  // "Сменить параметры"
void Label189Click();  // "Изменить график"
void Label154Click();  // "Удалить график"
void Label226Click();  // "Удалить все графики"
void Label225Click();  // the notice of a point outside the letter width

// Redraws stored graph k. The example letters read each value twice (reporting expressions
// with RND) and pause 5 ms before each dot.
struct RedrawOptions {
    bool secondReading = false;
    bool pause = false;
};
void redrawSlot(int k, RedrawOptions options = {});

// The texts between the parts of a list line, with their blanks; the example letters list their
// graphs with blanks of their own.
struct ListSeparators {
    QString beforeY = ";     y(";
    QString beforeStart = ";       Нач. знач. перемен.(";
    QString beforeEnd = ";   Конечн. знач. перемен.(";
};

void rebuildList(const ListSeparators& separators = {});
// The slots of the graphs the list shows, in its order. A graph deleted from the list stays in
// its slot until the list is rebuilt, but is no longer listed.
std::vector<int> listedGraphs();
// The graphs as their list lines show them, in list order: a line keeps the formulas and range
// it was written with, even where a change that failed has given its slot other texts since.
std::vector<GraphSlot> shownGraphs();
QString listLine(int k, const ListSeparators& separators = {});

// Every change of the list is reported: graphs built, changed or deleted, or the list emptied (a
// new letter, an example begun, "Удалить все графики"). Keeping work watches it.
enum class ListChange { Graphs, Emptied };
void setListWatcher(std::function<void(ListChange)> watcher);
void listChanged(ListChange change);
QString rangeText(double v);  // two significant digits, two decimals, the system separator

// The mapped pixel of a point of the function plane: 50 px a unit across, 49 up, the origin
// raised by 3 px.
int pixelX(double x);
int pixelY(double y);

// The most points one graph plots: a range of 200 units at the step of 0.01.
inline constexpr int kMaxPoints = 20000;
// How many points the last build or redraw evaluated (for tests and the examples).
int lastPointCount();

}  // namespace graphlist
