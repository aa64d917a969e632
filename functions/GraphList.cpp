#include "GraphList.h"

#include <QLineEdit>
#include <QListWidget>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "Controls.h"
#include "Draw.h"
#include "FunctionCommands.h"
#include "FunctionControlNames.h"
#include "FunctionEntry.h"
#include "FunctionState.h"
#include "GraphTable.h"
#include "LocaleNumbers.h"
#include "Messages.h"
#include "Pacing.h"
#include "Plane.h"
#include "PlotState.h"
#include "PupilErrors.h"
#include "Rounding.h"
#include "Window.h"

namespace graphlist {
namespace {

const QColor kGraphColour(255, 0, 0);
const double kGraphStep = 0.01;
const QString kListHint =
    QString(38, ' ') + "Выделить строку для её удаления или изменения с графиком";
const QString kWidthNotice =
    "Значение переменной не должно превышать горизонтального размера буквы!" + QString(47, ' ') +
    "Ok ";
const QString kTooManyPoints =
    "Диапазон переменной больше 200: построены только первые 20000 точек графика.";

int g_lastPoints = 0;
std::function<void(ListChange)> g_watcher;

// What the plane holds of each graph slot: when the graph was built (by the count of builds; 0
// for a graph shown rather than built) and after which clearing of the plane it was last drawn.
struct Mark {
    long long built = 0;
    int drawnAfter = -1;
};
std::unordered_map<int, Mark> g_marks;
long long g_builds = 0;

// What a list line shows, kept with the line.
enum ShownRole { kSlotRole = Qt::UserRole, kXRole, kYRole, kStartRole, kEndRole };

QWidget& ctl(const char* name) {
    return window::control(name);
}
QListWidget& list() {
    return window::control<QListWidget>(fnctl::kGraphList);
}

// The values of the two expressions at the points of the graph being drawn.
struct Points {
    std::vector<double> x, y;
};
Points g_points;

void dot(double x, double y) {
    draw::pen(kGraphColour, plotState.penWidth);
    WindowCanvas& c = draw::canvas();
    c.moveTo(pixelX(x), pixelY(y));
    c.lineTo(pixelX(x), pixelY(y));
}

void compile(const GraphSlot& s) {
    pupilerrors::compile(parser1(), 1, s.xExpr);
    pupilerrors::compile(parser2(), 2, s.yExpr);
}

double evaluate(TParser& p, double x) {
    p.SetVariable("x", x);
    return p.Value();
}

// An expression with RND gives another value at the second reading.
bool readsTheSameTwice(double first, double x) {
    return evaluate(parser1(), x) == first;
}

void reportInputError() {
    messages::show("Ошибка ввода !!!");
    ctl("Edit2").hide();
    ctl(fnctl::kYCaption).hide();
    ctl(fnctl::kEnterKey).setEnabled(false);
}

void backToTheFirstEntry() {
    functionentry::edit(1).setFocus();
    functionEntry.entryBuffer.clear();
    ctl(fnctl::kEnterKey).setEnabled(false);
    functionEntry.entryStage = 1;
    ctl(fnctl::kReminder).hide();
    ctl(fnctl::kOperatorBlock).setEnabled(true);
}

// The step loop of the graphs: the parameter starts at the slot's start and, while below its
// end, advances by 0.01 before each point, so the last point reaches or passes the end; at most
// kMaxPoints points. `step` is called with the index of the point (from 1) and the parameter, and
// ends the loop by returning false. Returns whether the range was wider than kMaxPoints allow.
template <class PointStep>
bool stepParameter(const GraphSlot& s, PointStep step) {
    double arg = s.startValue;
    for (int index = 0; arg < s.endValue;) {
        if (index == kMaxPoints) return true;
        arg += kGraphStep;
        if (!step(++index, arg)) return false;
    }
    return false;
}

// The step loop of a build or redraw: it stops when the window closes and says when the range
// was cut at kMaxPoints.
template <class PointStep>
void forEachPoint(const GraphSlot& s, PointStep step) {
    g_points.x.clear();
    g_points.y.clear();
    g_lastPoints = 0;
    const bool cut = stepParameter(s, [&](int index, double arg) {
        if (pacing::quitting()) return false;
        g_lastPoints = index;
        step(arg);
        return true;
    });
    if (cut) messages::show(kTooManyPoints);
}

void erasePlane() {
    plane::wipe();
}

// The redraws count the graph slots with the plot state's delay field, which a letter drawn next
// then pauses by.
void redrawAll(int except = 0) {
    for (plotState.stepDelayMs = 1; plotState.stepDelayMs <= graphTable.graphCount;
         ++plotState.stepDelayMs)
        if (plotState.stepDelayMs != except) redrawSlot(plotState.stepDelayMs);
}
}  // namespace

int lastPointCount() {
    return g_lastPoints;
}

QPoint dotPixel(double x, double y, QPoint origin) {
    return QPoint(roundHalfEven(x * 50 + origin.x()), roundHalfEven((origin.y() - 3) - y * 49));
}
int pixelX(double x) {
    return dotPixel(x, 0, QPoint(plotState.originX, plotState.originY)).x();
}
int pixelY(double y) {
    return dotPixel(0, y, QPoint(plotState.originX, plotState.originY)).y();
}
bool plotted(double x, double y) {
    return std::fabs(y) <= 3 && std::fabs(x) <= 2.6;
}

std::vector<QPoint> graphDots(const GraphSlot& graph, QPoint origin, bool clipped) {
    std::vector<QPoint> dots;
    TParser xParser, yParser;
    try {
        xParser.SetExpression(graph.xExpr.toStdString());
        yParser.SetExpression(graph.yExpr.toStdString());
        stepParameter(graph, [&](int, double arg) {
            const double x = evaluate(xParser, arg), y = evaluate(yParser, arg);
            if (!clipped || plotted(x, y)) dots.push_back(dotPixel(x, y, origin));
            return true;
        });
    } catch (const std::exception&) {
        // A graph that does not compile has no dots; one whose value fails ends there.
    }
    return dots;
}

std::vector<GraphSlot> graphsOnPlane(std::optional<long long> builtAfter) {
    std::vector<GraphSlot> shown;
    const QListWidget& l = list();
    for (int row = 0; row < l.count(); ++row) {
        const QListWidgetItem& line = *l.item(row);
        const QVariant k = line.data(kSlotRole);
        if (!k.isValid()) continue;
        const auto mark = g_marks.find(k.toInt());
        if (mark == g_marks.end() || mark->second.drawnAfter != plane::clearings()) continue;
        if (builtAfter && mark->second.built <= *builtAfter) continue;
        shown.push_back(GraphSlot{line.data(kXRole).toString(), line.data(kYRole).toString(),
                                  line.data(kStartRole).toDouble(),
                                  line.data(kEndRole).toDouble()});
    }
    return shown;
}

long long buildCount() {
    return g_builds;
}

void forgetBuilds() {
    for (auto& [k, mark] : g_marks) mark.built = 0;
}

QString rangeText(double v) {
    // Two significant digits, shown with two decimals; from 100 on in exponent notation.
    if (std::fabs(v) >= 100) {
        QString s = QString::number(v, 'g', 2).replace("e+", "E").replace("e-", "E-");
        return s.replace('.', localenumbers::decimalSeparator());
    }
    const double rounded = v == 0 ? 0 : QString::number(v, 'g', 2).toDouble();
    return localenumbers::floatToFixed(rounded, 2);
}

QString listLine(int k, const ListSeparators& sep) {
    const GraphSlot& s = graphTable.slot(k);
    const QString n = QString::number(k);
    return "x(" + n + ")=" + s.xExpr + sep.beforeY + n + ")=" + s.yExpr + sep.beforeStart + n +
           ")=" + rangeText(s.startValue) + sep.beforeEnd + n + ")=" + rangeText(s.endValue);
}

void rebuildList(const ListSeparators& separators) {
    QListWidget& l = list();
    l.clear();
    l.addItem(kListHint);
    for (int k = 1; k <= graphTable.graphCount; ++k) {
        auto* line = new QListWidgetItem(listLine(k, separators), &l);
        const GraphSlot& s = graphTable.slot(k);
        line->setData(kSlotRole, k);
        line->setData(kXRole, s.xExpr);
        line->setData(kYRole, s.yExpr);
        line->setData(kStartRole, s.startValue);
        line->setData(kEndRole, s.endValue);
    }
    listChanged(ListChange::Graphs);
}

std::vector<GraphSlot> shownGraphs() {
    std::vector<GraphSlot> shown;
    const QListWidget& l = list();
    for (int row = 0; row < l.count(); ++row) {
        const QListWidgetItem& line = *l.item(row);
        if (!line.data(kSlotRole).isValid()) continue;
        shown.push_back(GraphSlot{line.data(kXRole).toString(), line.data(kYRole).toString(),
                                  line.data(kStartRole).toDouble(),
                                  line.data(kEndRole).toDouble()});
    }
    return shown;
}

void setListWatcher(std::function<void(ListChange)> watcher) {
    g_watcher = std::move(watcher);
}

void listChanged(ListChange change) {
    if (change == ListChange::Emptied) g_marks.clear();
    if (g_watcher) g_watcher(change);
}

std::vector<int> listedGraphs() {
    std::vector<int> listed;
    const QListWidget& l = list();
    for (int row = 0; row < l.count(); ++row)
        if (const QVariant k = l.item(row)->data(kSlotRole); k.isValid())
            listed.push_back(k.toInt());
    return listed;
}

void Label148Click() {
    graphTable.checkRoomForAnotherGraph();
    ctl(fnctl::kBuildKey).hide();
    ctl(fnctl::kDeleteAllKey).show();
    draw::originAtCentreOf(ctl(fnctl::kPlane));
    ctl(fnctl::kReminder).hide();
    ctl(fnctl::kListPanel).show();
    ++graphTable.graphCount;
    GraphSlot& s = graphTable.slot(graphTable.graphCount);
    // A failed compile leaves the new slot without texts, and off the plane.
    s.xExpr.clear();
    s.yExpr.clear();
    g_marks.erase(graphTable.graphCount);
    // Counted from the moment the build begins: a graph whose build was under way when a contest
    // turn passed belongs to the turn it began in.
    const Mark mark{++g_builds, plane::clearings()};
    pupilerrors::compile(parser1(), 1, functionentry::edit(1).text());
    pupilerrors::compile(parser2(), 2, functionentry::edit(2).text());
    s.startValue = pupilerrors::number(3, functionentry::edit(3).text());
    s.endValue = pupilerrors::number(4, functionentry::edit(4).text());
    s.xExpr = functionentry::edit(1).text();
    s.yExpr = functionentry::edit(2).text();

    auto& frame = window::control<Shape>(fnctl::kLetterFrame);
    auto& notice = window::control<Label>(fnctl::kWidthNotice);
    forEachPoint(s, [&](double arg) {
        const double x = pupilerrors::value(parser1(), 1, s.xExpr, arg);
        if (!readsTheSameTwice(x, arg)) {
            reportInputError();
            return;
        }
        double y = pupilerrors::value(parser2(), 2, s.yExpr, arg);
        g_points.x.push_back(x);
        if (y > 3.01) {
            g_points.y.push_back(3.01);  // kept at the top of the letter, not drawn
            return;
        }
        g_points.y.push_back(y);
        plotState.penWidth = 5;
        if (std::fabs(x * 50) > frame.width()) {
            functionentry::edit(1).setFocus();
            notice.setCaption(kWidthNotice);
            notice.show();
            return;
        }
        notice.hide();
        pacing::pause(5);
        dot(x, y);
        pacing::processPendingEvents();
    });
    g_marks[graphTable.graphCount] = mark;
    rebuildList();
    backToTheFirstEntry();
}

void redrawSlot(int k, RedrawOptions options) {
    const GraphSlot& s = graphTable.slot(k);
    compile(s);
    g_marks[k].drawnAfter = plane::clearings();
    forEachPoint(s, [&](double arg) {
        const double x = pupilerrors::value(parser1(), 1, s.xExpr, arg);
        if (options.secondReading && !readsTheSameTwice(x, arg)) {
            reportInputError();
            return;
        }
        const double y = pupilerrors::value(parser2(), 2, s.yExpr, arg);
        plotState.penWidth = 5;
        if (!plotted(x, y)) return;
        if (options.pause) pacing::pause(5);
        dot(x, y);
        pacing::processPendingEvents();
    });
}

void ListBox1Click(int row) {
    functionentry::edit(1).setFocus();
    ctl(fnctl::kDeleteGraphKey).show();
    ctl(fnctl::kChangeRangeKey).show();
    graphTable.selectedGraph = row;
    window::control<Label>(fnctl::kSelectedNumber).setCaption(QString::number(row));
}

void Label190Click() {
    functionentry::edit(1).setFocus();
    ctl(fnctl::kDeleteGraphKey).hide();
}

void Label189Click() {
    const int k = graphTable.selectedGraph;
    // Nothing is selected, or the selection no longer names a graph of this letter.
    if (k < 1 || k > graphTable.graphCount) return;
    functionentry::edit(1).setFocus();
    erasePlane();
    ctl(fnctl::kBuildKey).hide();
    ctl(fnctl::kChangeGraphKey).hide();
    GraphSlot& s = graphTable.slot(k);
    s.xExpr = functionentry::edit(1).text();
    s.yExpr = functionentry::edit(2).text();
    g_marks[k].built = ++g_builds;
    redrawAll();
    rebuildList();
    graphTable.selectedGraph = 0;
    functionEntry.entryBuffer.clear();
    functionentry::edit(1).clear();
    ctl(fnctl::kEnterKey).setEnabled(false);
    functionEntry.entryStage = 1;
    ctl(fnctl::kReminder).hide();
    ctl(fnctl::kOperatorBlock).setEnabled(true);
}

void Label154Click() {
    erasePlane();
    functionentry::edit(1).setFocus();
    ctl(fnctl::kBuildKey).hide();
    ctl(fnctl::kChangeRangeKey).hide();
    const int k = graphTable.selectedGraph;
    if (k >= 0 && k < list().count()) delete list().takeItem(k);
    redrawAll(k);
    ctl(fnctl::kDeleteGraphKey).hide();
    listChanged(ListChange::Graphs);
}

void Label226Click() {
    functionentry::edit(1).setFocus();
    list().clear();
    graphTable.graphCount = 0;
    ctl(fnctl::kDeleteAllKey).hide();
    erasePlane();
    functionEntry.entryBuffer.clear();
    listChanged(ListChange::Emptied);
}

void Label225Click() {
    functionEntry.entryBuffer.clear();
    functionentry::edit(1).clear();
    const int k = graphTable.graphCount;
    if (k >= 0 && k < list().count()) delete list().takeItem(k);
    if (k >= 1) {
        GraphSlot& s = graphTable.slot(k);
        s = GraphSlot{};
        g_marks.erase(k);
        --graphTable.graphCount;
    }
    ctl(fnctl::kWidthNotice).hide();
    listChanged(ListChange::Graphs);
}

void bind() {
    fncmd::bind(fncmd::kBuild);
    fncmd::bind(fncmd::kChangeRange);
    fncmd::bind(fncmd::kChangeGraph);
    window::onClick(fnctl::kDeleteGraphKey, Label154Click);
    window::onClick(fnctl::kDeleteAllKey, Label226Click);
    window::onClick(fnctl::kWidthNotice, Label225Click);
    QListWidget& l = list();
    QObject::connect(&l, &QListWidget::itemClicked, &l, [&l](QListWidgetItem* item) {
        messages::dispatch([&] { ListBox1Click(l.row(item)); });
    });
}

}  // namespace graphlist
