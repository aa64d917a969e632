#include "GraphList.h"

#include <QLineEdit>
#include <QListWidget>
#include <cmath>
#include <vector>

#include "Controls.h"
#include "Draw.h"
#include "FunctionControlNames.h"
#include "FunctionEntry.h"
#include "FunctionState.h"
#include "GraphTable.h"
#include "LocaleNumbers.h"
#include "Messages.h"
#include "Pacing.h"
#include "Plane.h"
#include "PlotState.h"
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
    parser1().SetExpression(s.xExpr.toStdString());
    parser2().SetExpression(s.yExpr.toStdString());
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
// end, advances by 0.01 before each point, so the last point reaches or passes the end. A range
// wider than the point buffers allow stops at their size.
template <class PointStep>
void forEachPoint(const GraphSlot& s, PointStep step) {
    double arg = s.startValue;
    int index = 0;
    g_points.x.clear();
    g_points.y.clear();
    while (arg < s.endValue && !pacing::quitting()) {
        if (index == kMaxPoints) {
            g_lastPoints = index;
            messages::show(kTooManyPoints);
            return;
        }
        arg += kGraphStep;
        ++index;
        g_lastPoints = index;
        step(arg);
    }
    g_lastPoints = index;
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

int pixelX(double x) {
    return roundHalfEven(x * 50 + plotState.originX);
}
int pixelY(double y) {
    return roundHalfEven((plotState.originY - 3) - y * 49);
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
    // A failed compile leaves the new slot without texts.
    s.xExpr.clear();
    s.yExpr.clear();
    parser1().SetExpression(functionentry::edit(1).text().toStdString());
    parser2().SetExpression(functionentry::edit(2).text().toStdString());
    s.startValue = localenumbers::textToFloat(functionentry::edit(3).text());
    s.endValue = localenumbers::textToFloat(functionentry::edit(4).text());
    s.xExpr = functionentry::edit(1).text();
    s.yExpr = functionentry::edit(2).text();

    auto& frame = window::control<Shape>(fnctl::kLetterFrame);
    auto& notice = window::control<Label>(fnctl::kWidthNotice);
    forEachPoint(s, [&](double arg) {
        const double x = evaluate(parser1(), arg);
        if (!readsTheSameTwice(x, arg)) {
            reportInputError();
            return;
        }
        double y = evaluate(parser2(), arg);
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
    rebuildList();
    backToTheFirstEntry();
}

void redrawSlot(int k, RedrawOptions options) {
    const GraphSlot& s = graphTable.slot(k);
    compile(s);
    forEachPoint(s, [&](double arg) {
        const double x = evaluate(parser1(), arg);
        if (options.secondReading && !readsTheSameTwice(x, arg)) {
            reportInputError();
            return;
        }
        const double y = evaluate(parser2(), arg);
        plotState.penWidth = 5;
        if (std::fabs(y) > 3 || std::fabs(x) > 2.6) return;
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
        --graphTable.graphCount;
    }
    ctl(fnctl::kWidthNotice).hide();
    listChanged(ListChange::Graphs);
}

void bind() {
    window::onClick(fnctl::kBuildKey, Label148Click);
    window::onClick(fnctl::kChangeRangeKey, Label190Click);
    window::onClick(fnctl::kChangeGraphKey, Label189Click);
    window::onClick(fnctl::kDeleteGraphKey, Label154Click);
    window::onClick(fnctl::kDeleteAllKey, Label226Click);
    window::onClick(fnctl::kWidthNotice, Label225Click);
    QListWidget& l = list();
    QObject::connect(&l, &QListWidget::itemClicked, &l, [&l](QListWidgetItem* item) {
        messages::dispatch([&] { ListBox1Click(l.row(item)); });
    });
}

}  // namespace graphlist
