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
#include "FunctionCommands.h"
#include "FunctionControlNames.h"
#include "FunctionState.h"
#include "GraphList.h"
#include "GraphTable.h"
#include "Journal.h"
#include "LetterStart.h"
#include "LetterTemplates.h"
#include "Messages.h"
#include "Pacing.h"
#include "SharedControls.h"
#include "Surface.h"
#include "Window.h"
#include "WorkCommands.h"
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
    TurnAnnouncement* announcement = nullptr;
    QTimer* ticker = nullptr;
    std::optional<lettercheck::Result> last;
    std::unique_ptr<ContestRound> round;
    bool running = false;
    contestdialogs::RoundSetup setup{{"Группа 1", "Группа 2"}, 5, QChar(), true};
    // The turn the room was last told of, its group, and the count of graph builds when it
    // began: only the graphs built after that count toward its check.
    int turnSeen = 0;
    int turnGroup = 0;
    long long turnBuilds = 0;
    // The plane still waits to be made ready for the turn (a drawing was under way).
    bool planePending = false;
    // A round an earlier session left unfinished, taken from the journal at start.
    QString interrupted;
    int keptGroup = -1;  // whose turn the journal last heard of
    int ticksSinceKept = 0;
};
State g;

const QString kJournalName = "round";
// While a round runs the journal hears of every score and turn, and of the clock every 5 s.
constexpr int kTicksBetweenKeeps = 20;

void keepRound() {
    g.ticksSinceKept = 0;
    if (!g.running || !g.round) {
        g.keptGroup = -1;
        journal::keep(kJournalName, QByteArray());
        return;
    }
    const qint64 now = g.now();
    g.keptGroup = g.round->currentGroup(now);
    journal::keep(kJournalName, g.round->saved(now).toUtf8());
}

// The letter whose template is on the plane, or a null QChar.
QChar templateLetter() {
    const LetterBeginning& b = letterBeginning;
    if (b.kind != LetterBeginning::Key && b.kind != LetterBeginning::Example) return QChar();
    return lettertemplates::find(b.letter.unicode()) ? b.letter : QChar();
}

bool functionModeShown() {
    return window::control(fnctl::kLetterPanel).isVisible();
}

// The plane of a new turn: the round's letter, or the letter that was on it, with no graph; a
// plane without a template loses its graphs. Another mode's plane is left alone: the graphs
// Function mode keeps from earlier turns are not on the plane when it comes back, and count for
// nobody.
void readyPlane() {
    g.planePending = false;
    if (!g.running || !functionModeShown()) return;
    g.marks->hide();
    const QChar letter = g.round->letter().isNull() ? templateLetter() : g.round->letter();
    if (const LetterTemplate* t =
            letter.isNull() ? nullptr : lettertemplates::find(letter.unicode()))
        lettertemplates::runLetterTemplate(*t);
    else if (letterBeginning.kind != LetterBeginning::None)
        fncmd::kBlankLetter.run();
}

// Makes the plane ready unless more event handlers than `running` are under way (a build that a
// timer or a key interrupted): then the round's timer does it when they have finished.
void readyPlaneWhenFree(int running) {
    if (g.planePending && messages::handlersRunning() <= running) messages::dispatch(readyPlane);
}

// A turn begins: the room is told (the end of a turn with the bell, where the teacher wants
// it), and the plane is made ready for the group.
enum class TurnStart { RoundBegins, TurnEnded };
void beginTurn(const QString& headline, int handlersRunning,
               TurnStart start = TurnStart::TurnEnded) {
    ContestRound& r = *g.round;
    const qint64 now = g.now();
    g.turnSeen = r.turn(now);
    g.turnGroup = r.currentGroup(now);
    g.turnBuilds = graphlist::buildCount();
    g.planePending = true;
    g.announcement->announce(headline + "\n" +
                             QString("Ход группы «%1»").arg(r.groupName(g.turnGroup)));
    if (g.setup.bell && start == TurnStart::TurnEnded) contestdialogs::dialogs().bell();
    readyPlaneWhenFree(handlersRunning);
}

void startRunning(const QString& headline) {
    g.running = true;
    g.clock->show();
    g.clock->raise();
    g.ticker->start();
    beginTurn(headline, 1, TurnStart::RoundBegins);
    refreshClock();
    keepRound();
}

qint64 steadyNow() {
    static const QDeadlineTimer start = QDeadlineTimer::current();
    return QDeadlineTimer::current().deadline() - start.deadline();
}

QString turnText() {
    ContestRound& r = *g.round;
    const qint64 now = g.now();
    return QString("Ход группы «%1» — осталось %2")
        .arg(r.groupName(r.currentGroup(now)), clockText(r.remainingMs(now)));
}

// The names of every control whose command changes the letter on the plane.
QStringList changingCommands() {
    QStringList names = {fnctl::kBuildKey,      fnctl::kChangeGraphKey,     fnctl::kDeleteGraphKey,
                         fnctl::kDeleteAllKey,  fnctl::kWidthNotice,        fnctl::kBlankKey,
                         shared::kAlphabetMenu, shared::kTextMenu,          shared::kFunctionsMenu,
                         shared::kStartMenu,    workcommands::kOpenWorkItem};
    for (const LetterTemplate& row : lettertemplates::rows()) names << row.key;
    for (const ExampleLetter& e : exampleletters::rows()) names << e.menuItem;
    return names;
}

QString suggestedFolder() {
    return worksaving::defaultFolder();
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
    g.announcement = new TurnAnnouncement(surface);
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
}

void CheckLetterClick() {
    // A turn that ran out since the clock's last tick has ended: what its group built does not
    // count for the next.
    if (g.running) refreshClock();
    const QChar letter = templateLetter();
    if (!functionModeShown() || letter.isNull()) {
        messages::show(
            "Проверить можно букву с образцом в режиме «Ввод функций»: выберите букву "
            "на панели букв и постройте графики.");
        return;
    }
    if (g.running && !g.round->letter().isNull() && letter != g.round->letter()) {
        messages::show(QString("В этом раунде строят букву «%1»: выберите её на панели букв.")
                           .arg(g.round->letter()));
        return;
    }
    if (graphlist::graphsOnPlane().empty()) {
        messages::show("На плоскости нет графиков: постройте хотя бы один график.");
        return;
    }
    // In a round only what the group built in its own turn counts.
    const std::vector<GraphSlot> graphs =
        graphlist::graphsOnPlane(g.running ? std::optional(g.turnBuilds) : std::nullopt);
    if (graphs.empty()) {
        const ContestRound& r = *g.round;
        messages::show(QString("На плоскости нет графиков, которые группа «%1» построила в этот "
                               "ход, а засчитываются только они.")
                           .arg(r.groupName(g.turnGroup)));
        return;
    }
    const LetterTemplate& tmpl = *lettertemplates::find(letter.unicode());
    g.last = lettercheck::check(lettercheck::templatePixels(tmpl), lettercheck::graphDots(graphs));
    const lettercheck::Result& r = *g.last;
    QString verdict = lettercheck::verdict(r);
    int scored = -1;
    if (g.running && r.built) {
        scored = g.round->letterBuilt(letter, r.covered, g.now());
        verdict += QString(" Очко группе «%1».").arg(g.round->groupName(scored));
    }
    g.marks->mark(r.uncovered);
    g.marks->setVisible(!r.uncovered.empty());
    g.marks->raise();
    g.panel->showText(lettercheck::summary(letter, r), verdict, r.built);
    if (scored >= 0) {
        // The turn has passed on: the next group starts on a plane of its own.
        beginTurn(QString("Очко группе «%1»!").arg(g.round->groupName(scored)), 1);
        refreshClock();
        keepRound();
    }
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
    g.round->setLetter(setup->letter);
    g.setup = *setup;
    startRunning("Раунд начался");
}

void PassTurnClick() {
    if (!g.running) {
        messages::show("Раунд не идёт: начните его командой «Новый раунд…».");
        return;
    }
    g.round->passTurn(g.now());
    beginTurn("Ход передан", 1);
    refreshClock();
    keepRound();
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
    if (!why.isEmpty()) {
        messages::show("Итоги не сохранены в файл «" + path + "»: " + why);
        return;
    }
    worksaving::rememberFolder(path);
}

void PrintRoundClick() {
    if (!g.round) {
        messages::show("Печатать нечего: раундов ещё не было.");
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    // The name a print to a file starts from: no colon, which a FAT flash drive refuses.
    printer.setDocName("Литерон — итоги раунда");
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
    if (!contestdialogs::dialogs().confirmEnd()) return;
    g.running = false;
    g.planePending = false;
    g.ticker->stop();
    g.clock->hide();
    g.announcement->hide();
    keepRound();
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
    if (g.round->turn(g.now()) != g.turnSeen)
        beginTurn(QString("Время группы «%1» вышло").arg(g.round->groupName(g.turnGroup)), 0);
    else
        readyPlaneWhenFree(0);
    g.clock->setText(turnText());
    // A turn that ran out, and the clock now and then, go to the journal.
    if (g.round->currentGroup(g.now()) != g.keptGroup || ++g.ticksSinceKept >= kTicksBetweenKeeps)
        keepRound();
}

QString interruptedRound() {
    g.interrupted = QString::fromUtf8(journal::kept(kJournalName));
    // Offered once: a round not taken up now is not offered again.
    journal::keep(kJournalName, QByteArray());
    const auto r = ContestRound::restored(g.interrupted, g.now());
    if (!r) return QString();
    QStringList scores;
    for (const ContestRound::Score& s : r->scores())
        scores << QString("«%1» — %2").arg(s.group).arg(s.lettersBuilt);
    return QString("букв построено: %1; ход группы «%2»")
        .arg(scores.join(", "), r->groupName(r->currentGroup(g.now())));
}

void resumeRound() {
    auto r = ContestRound::restored(g.interrupted, g.now());
    if (!r) return;
    g.round = std::move(r);
    startRunning("Раунд продолжается");
}

}  // namespace contestcommands
