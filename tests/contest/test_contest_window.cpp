// The menu "Конкурс" on the window: the check of the letter on the plane, its verdict and marks,
// and a round played on a clock the test drives.
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "CanvasRecorder.h"
#include "ContestCommands.h"
#include "ContestDialogs.h"
#include "ContestScreen.h"
#include "ExampleLetters.h"
#include "FunctionScreen.h"
#include "GraphList.h"
#include "LetterTemplates.h"
#include "Stage.h"

namespace {

qint64 g_now = 0;

// The verdict panel's text, or "" while it is hidden.
QString panelText(FormFixture& f) {
    auto* panel = f.form().findChild<CheckPanel*>("CheckPanel");
    return panel && panel->isVisible() ? panel->text() : QString();
}
UncoveredMarks& marks(FormFixture& f) {
    return *f.form().findChild<UncoveredMarks*>("UncoveredMarks");
}
QString clock(FormFixture& f) {
    auto* c = f.form().findChild<RoundClock*>("RoundClock");
    return c && c->isVisible() ? c->text() : QString();
}

struct Answers {
    std::optional<contestdialogs::RoundSetup> setup;
    int resultsShown = 0;
    QStringList standings;
    QString savePath;
    bool endConfirmed = true;
    int endAsked = 0;
    int bells = 0;
};

Answers& answers() {
    static Answers a;
    return a;
}

void answerDialogs() {
    answers() = Answers{};
    contestdialogs::setDialogs({
        [](const contestdialogs::RoundSetup&) { return answers().setup; },
        [](const ContestRound& r) {
            ++answers().resultsShown;
            answers().standings.clear();
            for (const ContestRound::Score& s : r.standings())
                answers().standings << QString("%1 %2 %3")
                                           .arg(s.group)
                                           .arg(s.lettersBuilt)
                                           .arg(clockText(s.timeUsedMs));
        },
        [](const QString&) { return answers().savePath; },
        [](QPrinter&) { return false; },
        [] {
            ++answers().endAsked;
            return answers().endConfirmed;
        },
        [] { ++answers().bells; },
    });
    contestcommands::setClock([] { return g_now; });
}

contestdialogs::RoundSetup setupOf(const QStringList& groups, int minutes, QChar letter = {}) {
    return contestdialogs::RoundSetup{groups, minutes, letter, true};
}

// The announcement over the plane, or "" while there is none.
QString announced(FormFixture& f) {
    auto* a = f.form().findChild<TurnAnnouncement*>("TurnAnnouncement");
    return a && a->isVisible() ? a->text() : QString();
}

int pointsOf(const QString& group) {
    for (const ContestRound::Score& s : contestcommands::round()->scores())
        if (s.group == group) return s.lettersBuilt;
    return -1;
}

// The list rows that hold a graph.
int listedGraphs(FunctionScreen& f) {
    return f.list().count() > 0 ? f.list().count() - 1 : 0;
}

// A pupil types the graphs of the example letter `example` one by one and builds each: those
// from `first` up to `end` (all by default).
void typeGraphsOf(FunctionScreen& f, QChar example, int first = 0, int end = 100) {
    const ExampleLetter& e = *exampleletters::findByLetter(example);
    const auto number = [](double v) { return QString::number(v).replace('.', ','); };
    for (int k = first; k < std::min<int>(end, int(e.graphs.size())); ++k) {
        const ExampleGraph& g = e.graphs[std::size_t(k)];
        f.build(g.x, g.y, number(g.start), number(g.end));
    }
}
void pressKeyOf(FunctionScreen& f, QChar letter) {
    f.click(lettertemplates::find(letter.unicode())->key);
    pacing::processPendingEvents();
}

}  // namespace

class ContestWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        g_now = 0;
        answerDialogs();
    }
    void cleanup() {
        contestdialogs::resetDialogs();
        contestcommands::setClock({});
    }

    // "Конкурс" comes after "Пример букв" in the main menu.
    void theMenuFollowsTheExamples() {
        FormFixture f;
        QStringList titles;
        for (QAction* a : f.form().menuBar()->actions()) titles << a->text();
        QCOMPARE(titles.indexOf("Конкурс"), titles.indexOf("Пример букв") + 1);
        QCOMPARE(f.form().menuItem("CheckLetter").shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(f.form().menuItem("CheckLetter").text(), QString("Проверить букву"));
    }

    void withoutATemplateOrAGraphThePupilIsToldWhy() {
        FunctionScreen f(',', "Label44");  // the blank key: no template
        f.build("0", "x", "0", "1");
        f.menu("CheckLetter");
        QCOMPARE(f.messages().shown().size(), std::size_t{1});
        QVERIFY(f.messages().last().startsWith("Проверить можно букву с образцом"));
        FunctionScreen g(',', "Label171");  // "П", no graph yet
        g.menu("CheckLetter");
        QCOMPARE(g.messages().last(),
                 QString("На плоскости нет графиков: постройте хотя бы один график."));
        QCOMPARE(panelText(g), QString());
    }

    // One upright of "П" built: a third of the letter covered, the rest marked, until the next
    // graph is built.
    void aPartLetterShowsItsShareAndMarksTheRest() {
        FunctionScreen f(',', "Label171");
        f.build("0.04", "x", "0", "3");  // the left upright, column 944
        QTest::keyClick(&f.form(), Qt::Key_F5);
        const lettercheck::Result* r = contestcommands::lastCheck();
        QVERIFY(r);
        QVERIFY(!r->built);
        QVERIFY(r->coveredPercent() > 20 && r->coveredPercent() < 50);
        QCOMPARE(r->strayPercent(), 0);
        QCOMPARE(panelText(f), lettercheck::summary(u'П', *r) + "\n" + lettercheck::verdict(*r));
        QVERIFY(marks(f).isVisible());
        QCOMPARE(marks(f).points().size(), r->uncovered.size());
        // Nothing of the left upright is marked; the right one is.
        for (QPoint p : marks(f).points()) QVERIFY(std::abs(p.x() - 944) > 5);
        QVERIFY(std::count_if(marks(f).points().begin(), marks(f).points().end(),
                              [](QPoint p) { return p.x() == 1042; }) > 100);
        // A click on the panel puts the verdict away; the next graph takes the marks away.
        QWidget* panel = f.form().findChild<CheckPanel*>("CheckPanel");
        QTest::mouseClick(panel, Qt::LeftButton, {}, panel->rect().center());
        QCOMPARE(panelText(f), QString());
        f.menu("CheckLetter");
        QVERIFY(!panelText(f).isEmpty());
        f.build("2", "x", "0", "3");
        QCOMPARE(panelText(f), QString());
        QVERIFY(!marks(f).isVisible());
        QVERIFY(f.messages().shown().empty());
    }

    // An example letter is a worked answer: outside a round it checks as built.
    void anExampleIsBuilt() {
        FormFixture f;
        f.click("Label224");
        f.click("Label147");
        f.click("Label155");  // "Й": the examples open
        f.menu("N11");        // "Буква Б"
        f.menu("CheckLetter");
        QCOMPARE(panelText(f),
                 QString("Буква «Б» построена на 100 %, лишних точек 0 %\nБуква построена!"));
        QVERIFY(!marks(f).isVisible());
    }

    // The check sees what the list draws: the dots of every example letter as its redraw puts
    // them on the canvas are the dots the check counts, pixel for pixel.
    void theCheckCountsTheDotsARedrawDraws() {
        FormFixture f;
        f.click("Label224");
        f.click("Label147");
        f.click("Label155");  // "Й": the examples open
        for (const ExampleLetter& e : exampleletters::rows()) {
            CanvasRecorder rec(f.form().surface().canvas());
            f.menu(e.menuItem);
            QSet<std::pair<int, int>> drawn, checked;
            for (const CanvasRecorder::Line& l : rec.lines())
                if (l.colour == 0xff0000 && l.from == l.to) drawn.insert({l.from.x(), l.from.y()});
            std::vector<GraphSlot> graphs;
            for (const ExampleGraph& g : e.graphs) graphs.push_back({g.x, g.y, g.start, g.end});
            for (QPoint p : lettercheck::graphDots(graphs)) checked.insert({p.x(), p.y()});
            QVERIFY2(!drawn.isEmpty() && drawn == checked, e.title);
        }
    }

    // «Звёздочки» build "Б" and score; the plane «Ракеты» get shows "Б" with none of those
    // graphs, and one graph of theirs is a part of a letter, not a point.
    void theNextGroupInheritsNoGraph() {
        FunctionScreen f(',', "Label44");
        pressKeyOf(f, u'Б');
        answers().setup = setupOf({"Звёздочки", "Ракеты"}, 5);
        f.menu("NewRound");
        typeGraphsOf(f, u'Б');
        f.menu("CheckLetter");
        QCOMPARE(pointsOf("Звёздочки"), 1);
        QCOMPARE(letterBeginning.letter, QChar(u'Б'));
        QCOMPARE(listedGraphs(f), 0);
        QVERIFY(graphlist::graphsOnPlane().empty());
        typeGraphsOf(f, u'Б', 0, 1);
        f.menu("CheckLetter");
        QVERIFY(!contestcommands::lastCheck()->built);
        QCOMPARE(pointsOf("Ракеты"), 0);
    }

    // Neither an example nor graphs the plane no longer shows score: the example "Б" opened in
    // a round, then the mode commands that wipe the plane, checked after each.
    void aShownOrWipedLetterScoresNothing() {
        FormFixture f;
        f.click("Label224");
        f.click("Label147");
        f.click("Label155");  // "Й": the examples open
        answers().setup = setupOf({"А", "Б"}, 5);
        f.menu("NewRound");
        f.menu("N11");  // "Буква Б", shown, not built
        f.menu("CheckLetter");
        QVERIFY(f.messages().last().contains("засчитываются только они"));
        f.menu("N8");  // "Режимы → Ввод функций": the plane is wiped, the list stays
        f.menu("CheckLetter");
        f.click("Label147");  // the caption "Ввод ФУНКЦИЙ"
        f.menu("CheckLetter");
        QCOMPARE(pointsOf("А") + pointsOf("Б"), 0);
    }

    // Graphs a group built, then wiped from the plane by a change of mode, are not checked.
    void aWipedPlaneHasNothingToCheck() {
        FunctionScreen f(',', "Label44");
        pressKeyOf(f, u'С');
        answers().setup = setupOf({"А", "Б"}, 5);
        f.menu("NewRound");
        typeGraphsOf(f, u'С');
        f.menu("N8");
        QVERIFY(listedGraphs(f) > 0);
        f.menu("CheckLetter");
        QCOMPARE(f.messages().last(),
                 QString("На плоскости нет графиков: постройте хотя бы один график."));
        QCOMPARE(pointsOf("А"), 0);
    }

    // "Закончить раунд" asks first; "Продолжить раунд" keeps it going.
    void theEndOfARoundIsAsked() {
        FormFixture f;
        answers().setup = setupOf({"А", "Б"}, 5);
        f.menu("NewRound");
        answers().endConfirmed = false;
        f.menu("EndRound");
        QCOMPARE(answers().endAsked, 1);
        QVERIFY(contestcommands::roundRunning());
        QCOMPARE(answers().resultsShown, 0);
        answers().endConfirmed = true;
        f.menu("EndRound");
        QVERIFY(!contestcommands::roundRunning());
        QCOMPARE(answers().resultsShown, 1);
    }

    // A whole round of three groups, two minutes a turn, on the test's clock (seconds):
    //   0   the round begins: «Звёздочки».
    //   20  «Звёздочки» check "Б" with two graphs of it: not built, no point, the turn stays;
    //   40  they build the rest and check again: a point (40 s). «Ракеты».
    //   60  «Ракеты» build "Б" on the template of "В": the wrong letter, no point;
    //   160 their two minutes run out (a check at once scores nothing). «Совята», on "В" with no
    //       graph.
    //   235 «Совята» build "В": a point (75 s). «Звёздочки».
    //   245 «Звёздочки» pass the turn. «Ракеты».
    //   295 «Ракеты» build "С" on its own template: a point (50 s). «Совята».
    //   300 the teacher ends the round.
    // One letter each, so time decides: Звёздочки 00:40, Ракеты 00:50, Совята 01:15. Every end
    // of a turn is announced and rung: five bells.
    void aWholeRoundOfThreeGroups() {
        FunctionScreen f(',', "Label44");
        pressKeyOf(f, u'Б');
        answers().setup = setupOf({"Звёздочки", "Ракеты", "Совята"}, 2);
        f.menu("NewRound");
        QCOMPARE(announced(f), QString("Раунд начался\nХод группы «Звёздочки»"));
        QCOMPARE(clock(f), QString("Ход группы «Звёздочки» — осталось 02:00"));

        g_now = 20'000;
        typeGraphsOf(f, u'Б', 0, 2);
        f.menu("CheckLetter");
        QVERIFY(panelText(f).contains("Буква ещё не построена"));
        pacing::tick(*f.form().findChild<QTimer*>("RoundTimer"));
        QCOMPARE(clock(f), QString("Ход группы «Звёздочки» — осталось 01:40"));
        g_now = 40'000;
        typeGraphsOf(f, u'Б', 2);
        f.menu("CheckLetter");
        QVERIFY(panelText(f).endsWith("Буква построена! Очко группе «Звёздочки»."));
        QCOMPARE(announced(f), QString("Очко группе «Звёздочки»!\nХод группы «Ракеты»"));

        g_now = 60'000;
        pressKeyOf(f, u'В');
        typeGraphsOf(f, u'Б');
        f.menu("CheckLetter");
        QVERIFY(!contestcommands::lastCheck()->built);
        // Their two minutes run out at 160 s; a check a moment later, before the clock's timer
        // has ticked, scores nothing for the next group with what «Ракеты» built.
        g_now = 160'100;
        f.menu("CheckLetter");
        QCOMPARE(pointsOf("Совята"), 0);
        QCOMPARE(f.messages().last(), QString("На плоскости нет графиков, которые группа «Совята» "
                                              "построила в этот ход, а засчитываются только они."));
        f.messages().clear();
        pacing::tick(*f.form().findChild<QTimer*>("RoundTimer"));
        QCOMPARE(announced(f), QString("Время группы «Ракеты» вышло\nХод группы «Совята»"));
        QCOMPARE(letterBeginning.letter, QChar(u'В'));
        QCOMPARE(listedGraphs(f), 0);

        g_now = 235'000;
        typeGraphsOf(f, u'В');
        f.menu("CheckLetter");
        QVERIFY(panelText(f).endsWith("Очко группе «Совята»."));
        g_now = 245'000;
        f.menu("PassTurn");
        QCOMPARE(announced(f), QString("Ход передан\nХод группы «Ракеты»"));
        g_now = 295'000;
        pressKeyOf(f, u'С');
        typeGraphsOf(f, u'С');
        f.menu("CheckLetter");
        QVERIFY(panelText(f).endsWith("Очко группе «Ракеты»."));
        // The announcement goes by itself.
        pacing::tick(*f.form().findChild<QTimer*>("TurnAnnouncementTimer"));
        QCOMPARE(announced(f), QString());

        g_now = 300'000;
        f.menu("EndRound");
        QCOMPARE(answers().standings,
                 QStringList({"Звёздочки 1 00:40", "Ракеты 1 00:50", "Совята 1 01:15"}));
        QCOMPARE(contestcommands::round()->scores()[1].letters, QString("С"));
        QCOMPARE(answers().bells, 5);
        QVERIFY(f.messages().shown().empty());

        QTemporaryDir dir;
        answers().savePath = dir.filePath("итоги.csv");
        f.menu("SaveRound");
        QFile saved(answers().savePath);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), contestcommands::round()->table());
    }

    // A round's letter is the letter of every turn; another letter is not checked.
    void aRoundOfOneLetter() {
        FunctionScreen f(',', "Label44");
        pressKeyOf(f, u'С');
        answers().setup = setupOf({"А", "Б"}, 5, u'В');
        f.menu("NewRound");
        QCOMPARE(letterBeginning.letter, QChar(u'В'));
        pressKeyOf(f, u'Б');
        typeGraphsOf(f, u'Б');
        f.menu("CheckLetter");
        QCOMPARE(f.messages().last(),
                 QString("В этом раунде строят букву «В»: выберите её на панели букв."));
        pressKeyOf(f, u'В');
        typeGraphsOf(f, u'В');
        f.menu("CheckLetter");
        QCOMPARE(pointsOf("А"), 1);
        QCOMPARE(letterBeginning.letter, QChar(u'В'));
    }

    void aRoundOfOneGroupIsRefused() {
        FormFixture f;
        answers().setup = setupOf({"Одни"}, 5);
        f.menu("NewRound");
        QVERIFY(!contestcommands::roundRunning());
        QCOMPARE(f.messages().last(), QString("В раунде должно быть от 2 до 8 групп."));
        f.menu("PassTurn");
        QCOMPARE(f.messages().last(),
                 QString("Раунд не идёт: начните его командой «Новый раунд…»."));
    }
};

QTEST_MAIN(ContestWindowTest)
#include "test_contest_window.moc"
