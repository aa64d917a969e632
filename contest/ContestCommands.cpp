#include "ContestCommands.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QKeySequence>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTimer>
#include <stdexcept>

#include "ContestDialogs.h"
#include "ContestScreen.h"
#include "ExampleLetters.h"
#include "FunctionControlNames.h"
#include "FunctionState.h"
#include "GraphList.h"
#include "GraphTable.h"
#include "LetterTemplates.h"
#include "Messages.h"
#include "Pacing.h"
#include "Surface.h"
#include "Window.h"
#include "WorkSaving.h"

namespace contestcommands {
namespace {

const window::MenuCommand kCommands[] = {
    {"CheckLetter", "F5", CheckLetterClick}, {"NewRound", "", NewRoundClick},
    {"PassTurn", "", PassTurnClick},         {"RoundResults", "", RoundResultsClick},
    {"SaveRound", "", SaveRoundClick},       {"PrintRound", "", PrintRoundClick},
    {"EndRound", "", EndRoundClick},
};

struct State {
    std::function<qint64()> now;
    CheckPanel* panel = nullptr;
    UncoveredMarks* marks = nullptr;
    RoundClock* clock = nullptr;
    QTimer* ticker = nullptr;
    std::optional<lettercheck::Result> last;
    std::unique_ptr<ContestRound> round;
    bool running = false;
    contestdialogs::RoundSetup setup{{"Группа 1", "Группа 2"}, 5};
    // What the last scoring check saw, so that checking the same letter again, with nothing
    // changed in between, scores nothing.
    QString scored;
};
State g;

qint64 steadyNow() {
    static const QDeadlineTimer start = QDeadlineTimer::current();
    return QDeadlineTimer::current().deadline() - start.deadline();
}

bool functionModeShown() {
    return window::control(fnctl::kLetterPanel).isVisible();
}

// The letter whose template is on the plane, or a null QChar.
QChar templateLetter() {
    const LetterBeginning& b = letterBeginning;
    if (b.kind != LetterBeginning::Key && b.kind != LetterBeginning::Example) return QChar();
    return lettertemplates::find(b.letter.unicode()) ? b.letter : QChar();
}

std::vector<GraphSlot> listedGraphs() {
    std::vector<GraphSlot> graphs;
    for (int k : graphlist::listedGraphs()) graphs.push_back(graphTable.slot(k));
    return graphs;
}

// The letter and its graphs as text: the same text twice is the same letter.
QString fingerprint(QChar letter, const std::vector<GraphSlot>& graphs) {
    QString f = letter;
    for (const GraphSlot& s : graphs)
        f += "\n" + s.xExpr + ";" + s.yExpr + ";" + QString::number(s.startValue, 'g', 17) + ";" +
             QString::number(s.endValue, 'g', 17);
    return f;
}

QString turnText() {
    ContestRound& r = *g.round;
    const qint64 now = g.now();
    return QString("Ход группы «%1» — осталось %2")
        .arg(r.groupName(r.currentGroup(now)), clockText(r.remainingMs(now)));
}

// The names of every control whose command changes the letter on the plane.
QStringList changingCommands() {
    QStringList names = {fnctl::kBuildKey,
                         fnctl::kChangeGraphKey,
                         fnctl::kDeleteGraphKey,
                         fnctl::kDeleteAllKey,
                         fnctl::kWidthNotice,
                         fnctl::kBlankKey,
                         "N6",
                         "N7",
                         "N8",
                         "N9",
                         "OpenWork"};
    for (const LetterTemplate& row : lettertemplates::rows()) names << row.key;
    for (const ExampleLetter& e : exampleletters::rows()) names << e.menuItem;
    return names;
}

QString suggestedFolder() {
    return QDir::homePath();
}

}  // namespace

void setClock(std::function<qint64()> now) {
    g.now = now ? std::move(now) : std::function<qint64()>(steadyNow);
}

void bind() {
    std::function<qint64()> now = std::move(g.now);
    g = State{};
    setClock(std::move(now));
    ClientSurface* surface = ClientSurface::current();
    g.marks = new UncoveredMarks(surface);
    g.panel = new CheckPanel(surface);
    g.clock = new RoundClock(surface);
    g.ticker = new QTimer(surface);
    g.ticker->setObjectName("RoundTimer");
    g.ticker->setInterval(250);
    pacing::adoptWindowTimer(g.ticker);
    QObject::connect(g.ticker, &QTimer::timeout, g.ticker, refreshClock);
    window::bindMenuCommands(kCommands);
    for (const QString& name : changingCommands()) window::onClick(name, clearCheck);
}

void clearCheck() {
    if (g.panel) g.panel->hide();
    if (g.marks) g.marks->hide();
    g.scored.clear();  // a letter built again after a change scores again
}

void CheckLetterClick() {
    const QChar letter = templateLetter();
    if (!functionModeShown() || letter.isNull()) {
        messages::show(
            "Проверить можно букву с образцом в режиме «Ввод функций»: выберите букву "
            "на панели букв и постройте графики.");
        return;
    }
    const std::vector<GraphSlot> graphs = listedGraphs();
    if (graphs.empty()) {
        messages::show("На букве ещё нет графиков: постройте хотя бы один график.");
        return;
    }
    const LetterTemplate& tmpl = *lettertemplates::find(letter.unicode());
    g.last = lettercheck::check(lettercheck::templatePixels(tmpl), lettercheck::graphDots(graphs));
    const lettercheck::Result& r = *g.last;
    QString verdict = lettercheck::verdict(r);
    if (g.running && r.built) {
        const QString seen = fingerprint(letter, graphs);
        if (seen == g.scored) {
            verdict += " Эта буква уже засчитана.";
        } else {
            g.scored = seen;
            const int group = g.round->letterBuilt(letter, r.covered, g.now());
            verdict += QString(" Очко группе «%1».").arg(g.round->groupName(group));
            refreshClock();
        }
    }
    g.marks->mark(r.uncovered);
    g.marks->setVisible(!r.uncovered.empty());
    g.marks->raise();
    g.panel->showText(lettercheck::summary(letter, r), verdict, r.built);
}

void NewRoundClick() {
    const auto setup = contestdialogs::dialogs().newRound(g.setup);
    if (!setup) return;
    try {
        g.round = std::make_unique<ContestRound>(
            setup->groups, qint64{setup->minutesPerTurn} * 60 * 1000, g.now());
    } catch (const std::invalid_argument& e) {
        messages::show(QString::fromStdString(e.what()));
        return;
    }
    g.setup = *setup;
    g.running = true;
    g.scored.clear();
    g.clock->show();
    g.clock->raise();
    g.ticker->start();
    refreshClock();
}

void PassTurnClick() {
    if (!g.running) {
        messages::show("Раунд не идёт: начните его командой «Новый раунд…».");
        return;
    }
    g.round->passTurn(g.now());
    refreshClock();
}

void RoundResultsClick() {
    if (!g.round) {
        messages::show("Раундов ещё не было: начните раунд командой «Новый раунд…».");
        return;
    }
    contestdialogs::dialogs().results(*g.round);
}

void SaveRoundClick() {
    if (!g.round) {
        messages::show("Сохранять нечего: раундов ещё не было.");
        return;
    }
    const QString path =
        contestdialogs::dialogs().savePath(QDir(suggestedFolder()).filePath("Итоги раунда.csv"));
    if (path.isEmpty()) return;
    const QString why = worksaving::writeAtomically(path, g.round->table().toUtf8());
    if (!why.isEmpty()) messages::show("Итоги не сохранены в файл «" + path + "»: " + why);
}

void PrintRoundClick() {
    if (!g.round) {
        messages::show("Печатать нечего: раундов ещё не было.");
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Литерон: итоги раунда");
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!contestdialogs::dialogs().print(printer)) return;
    QTextDocument doc;
    doc.setHtml(contestdialogs::standingsHtml(*g.round));
    doc.print(&printer);
}

void EndRoundClick() {
    if (!g.running) {
        messages::show("Раунд не идёт.");
        return;
    }
    g.running = false;
    g.ticker->stop();
    g.clock->hide();
    contestdialogs::dialogs().results(*g.round);
}

const lettercheck::Result* lastCheck() {
    return g.last ? &*g.last : nullptr;
}

ContestRound* round() {
    return g.round.get();
}

bool roundRunning() {
    return g.running;
}

void refreshClock() {
    if (!g.running || !g.clock) return;
    g.clock->setText(turnText());
}

}  // namespace contestcommands
