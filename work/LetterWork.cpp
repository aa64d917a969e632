#include "LetterWork.h"

#include <QLineEdit>

#include "ExampleLetters.h"
#include "FunctionCommands.h"
#include "FunctionControlNames.h"
#include "FunctionEntry.h"
#include "FunctionState.h"
#include "GraphList.h"
#include "GraphTable.h"
#include "LetterStart.h"
#include "LetterTemplates.h"
#include "LocaleNumbers.h"
#include "Messages.h"
#include "Pacing.h"
#include "Window.h"

namespace letterwork {
namespace {

// A file holds no more graphs than the table.
static_assert(workfile::kMaxGraphs == GraphTable::kSlots);

using workfile::Graph;
using workfile::Work;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
std::string utf8(const QString& s) {
    return s.toStdString();
}

QChar letterOf(const Work& w) {
    const QString l = qs(w.letter);
    return l.size() == 1 ? l.front() : QChar();
}

Graph graphOf(const GraphSlot& s) {
    return Graph{utf8(s.xExpr), utf8(s.yExpr), s.startValue, s.endValue};
}

// A build that failed (a formula that did not compile, a range that did not read) leaves a list
// line without formulas; such a line is not a graph, and a work file keeps none.
bool builtRow(const GraphSlot& s) {
    return !s.xExpr.isEmpty() && !s.yExpr.isEmpty();
}

Graph graphOf(const ExampleGraph& g) {
    return Graph{g.x, g.y, g.start, g.end};
}

// The menu "Пример букв" opens only after "Й": opening an example presses it first, as a pupil
// must.
constexpr char16_t kExampleMenuKey = u'Й';

// How the graphs of a work relate to its example: each of the example's graphs kept or given
// other expressions (the range stays), and graphs added after them.
struct ExampleEdits {
    bool fits = false;     // the work is the example with these edits
    bool changes = false;  // some expressions differ, or graphs were added
};

ExampleEdits compare(const ExampleLetter& e, const std::vector<Graph>& graphs) {
    ExampleEdits r;
    if (graphs.size() < e.graphs.size()) return r;
    for (std::size_t k = 0; k < e.graphs.size(); ++k) {
        const Graph ex = graphOf(e.graphs[k]);
        if (graphs[k].start != ex.start || graphs[k].end != ex.end) return r;
        if (graphs[k].x != ex.x || graphs[k].y != ex.y) r.changes = true;
    }
    if (graphs.size() > e.graphs.size()) r.changes = true;
    // Only an example that keeps the entry open lets a pupil change or add graphs.
    r.fits = !r.changes || e.keepsEntryOpen;
    return r;
}

QWidget& ctl(const char* name) {
    return window::control(name);
}

// A key the replay presses must be there to press, as for a pupil; a click during the drawing
// may have taken it away.
bool press(const fncmd::KeyCommand& command) {
    if (pacing::quitting()) return false;
    QWidget& k = ctl(command.key);
    if (!k.isVisible() || !k.isEnabled()) return false;
    messages::dispatch(command.run);
    return !pacing::quitting();
}

// Types a text into an edit box: emptied first, so that the box reports a change even when it
// already held the same text, as it does when a pupil retypes it.
bool type(int box, const QString& text) {
    QLineEdit& e = functionentry::edit(box);
    if (!e.isVisible()) return false;
    e.clear();
    e.setText(text);
    functionEntry.entryBuffer = text;
    return true;
}

bool buildGraph(const Graph& g) {
    return type(1, qs(g.x)) && press(fncmd::kEnter) && type(2, qs(g.y)) && press(fncmd::kEnter) &&
           type(3, typedNumber(g.start)) && press(fncmd::kEnter) && type(4, typedNumber(g.end)) &&
           press(fncmd::kEnter) && press(fncmd::kBuild);
}

bool changeGraph(int k, const Graph& g) {
    messages::dispatch([k] { fncmd::chooseGraph(k); });
    return press(fncmd::kChangeRange) && type(1, qs(g.x)) && press(fncmd::kEnter) &&
           type(2, qs(g.y)) && press(fncmd::kChangeGraph);
}

bool begin(const Work& w) {
    switch (w.begin) {
        case Work::Begin::Blank:
            messages::dispatch(fncmd::kBlankLetter.run);
            return true;
        case Work::Begin::Key:
            messages::dispatch([&] {
                lettertemplates::runLetterTemplate(*lettertemplates::find(letterOf(w).unicode()));
            });
            return true;
        case Work::Begin::Example:
            messages::dispatch([] {
                lettertemplates::runLetterTemplate(*lettertemplates::find(kExampleMenuKey));
            });
            if (pacing::quitting()) return false;
            messages::dispatch(
                [&] { exampleletters::showExample(*exampleletters::findByLetter(letterOf(w))); });
            return true;
    }
    return false;
}

}  // namespace

QString typedNumber(double v) {
    return qs(workfile::formatNumber(v)).replace('.', localenumbers::decimalSeparator());
}

bool functionModeShown() {
    return window::control(fnctl::kLetterPanel).isVisible();
}

int leftOutRows() {
    int rows = 0;
    for (const GraphSlot& s : graphlist::shownGraphs())
        if (!builtRow(s)) ++rows;
    return rows;
}

bool canSave() {
    return letterBeginning.kind != LetterBeginning::None && functionModeShown() &&
           int(graphlist::shownGraphs().size()) > leftOutRows();
}

Work current(const QString& comment) {
    Work w;
    w.comment = utf8(comment);
    for (const GraphSlot& s : graphlist::shownGraphs())
        if (builtRow(s)) w.graphs.push_back(graphOf(s));
    const LetterBeginning& b = letterBeginning;
    w.letter = b.kind == LetterBeginning::Blank ? std::string() : utf8(QString(b.letter));
    w.begin = b.kind == LetterBeginning::Blank ? Work::Begin::Blank : Work::Begin::Key;
    if (b.kind == LetterBeginning::Example) {
        const ExampleLetter* e = exampleletters::findByLetter(b.letter);
        // A graph deleted from the list, or a changed range, cannot be repeated from the example:
        // the letter's template and every graph give the same table and list.
        const std::vector<int> listed = graphlist::listedGraphs();
        bool inOrder = true;
        for (std::size_t i = 0; i < listed.size(); ++i)
            inOrder = inOrder && listed[i] == int(i) + 1;
        if (e && inOrder && compare(*e, w.graphs).fits) w.begin = Work::Begin::Example;
    }
    return w;
}

QString openingProblem(const Work& w) {
    const QChar letter = letterOf(w);
    if (w.begin == Work::Begin::Key && !lettertemplates::find(letter.unicode()))
        return QString("для буквы «%1» нет клавиши шаблона.").arg(qs(w.letter));
    if (w.begin == Work::Begin::Example) {
        const ExampleLetter* e = exampleletters::findByLetter(letter);
        if (!e) return QString("примера буквы «%1» в программе нет.").arg(qs(w.letter));
        if (!compare(*e, w.graphs).fits)
            return QString(
                       "графики примера «%1» в файле изменены так, как на экране их изменить "
                       "нельзя.")
                .arg(qs(w.letter));
    }
    for (std::size_t k = 0; k < w.graphs.size(); ++k) {
        const Graph& g = w.graphs[k];
        for (const std::string& text : {g.x, g.y})
            if (text.find(',') != std::string::npos)
                return QString(
                           "в графике %1 в выражении «%2» стоит запятая, а в формулах дробную "
                           "часть числа пишут через точку (1.5).")
                    .arg(k + 1)
                    .arg(qs(text));
        for (int box : {1, 2})
            if (!functionentry::reachable(box, qs(box == 1 ? g.x : g.y)))
                return QString(
                           "в графике %1 выражение «%2» нельзя набрать на клавиатуре программы.")
                    .arg(k + 1)
                    .arg(qs(box == 1 ? g.x : g.y));
    }
    return QString();
}

bool replay(const Work& w, const ScreenSteps& steps) {
    if (steps.startProgram) messages::dispatch(steps.startProgram);
    if (steps.enterFunctionMode) messages::dispatch(steps.enterFunctionMode);
    if (pacing::quitting() || !begin(w)) return false;
    // What was opened is shown, not built by whoever sits at the screen now: a contest turn does
    // not count it (even where the replay stops half way).
    struct Forget {
        ~Forget() { graphlist::forgetBuilds(); }
    } forget;
    std::size_t first = 0;
    if (w.begin == Work::Begin::Example) {
        const ExampleLetter& e = *exampleletters::findByLetter(letterOf(w));
        first = e.graphs.size();
        for (std::size_t k = 0; k < first; ++k) {
            const Graph& g = w.graphs[k];
            const Graph ex = graphOf(e.graphs[k]);
            if ((g.x != ex.x || g.y != ex.y) && !changeGraph(int(k) + 1, g)) return false;
        }
    }
    for (std::size_t k = first; k < w.graphs.size(); ++k)
        if (!buildGraph(w.graphs[k])) return false;
    return !pacing::quitting();
}

}  // namespace letterwork
