#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
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

// The graphs the plane shows now, as their list lines show them: listed, and drawn since the
// plane was last cleared. With `builtAfter` (a moment counted by buildCount), only the graphs
// built or changed after it: an example's graphs and an opened work's are shown, not built here,
// and never count as built.
std::vector<GraphSlot> graphsOnPlane(std::optional<long long> builtAfter = std::nullopt);
// How many graphs were built or changed so far: the moment graphsOnPlane counts from.
long long buildCount();
// The graphs now listed were opened, not built: graphsOnPlane counts them as shown only.
void forgetBuilds();

// The window pixel of a point (x; y) of a plane whose origin stands at `origin`: 50 px a unit
// across, 49 up, the origin raised by 3 px. pixelX and pixelY map with the drawing's origin.
QPoint dotPixel(double x, double y, QPoint origin);
int pixelX(double x);
int pixelY(double y);
// Whether a redraw plots the point (x; y): |x| ≤ 2.6 and |y| ≤ 3.
bool plotted(double x, double y);

// The dots a redraw of the graph plots, in order, for a plane whose origin stands at `origin`:
// the same steps of the parameter, the same points left out, the same mapping. The graph is
// read with parsers of its own (the entry's stay as they are); one that does not compile has
// no dots, one whose value fails at a point ends there. With `clipped` false every point is kept,
// the ones a redraw leaves out too (the dots of "Ё" and the breve of "Й" stand above y = 3).
std::vector<QPoint> graphDots(const GraphSlot& graph, QPoint origin, bool clipped = true);

// The most points one graph plots: a range of 200 units at the step of 0.01.
inline constexpr int kMaxPoints = 20000;
// How many points the last build or redraw evaluated (for tests and the examples).
int lastPointCount();

}  // namespace graphlist
