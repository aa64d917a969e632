// The menu "Конкурс" on the window: the check of the letter on the plane, its verdict and marks,
// and a round played on a clock the test drives.
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "ContestCommands.h"
#include "ContestDialogs.h"
#include "ContestScreen.h"
#include "FunctionScreen.h"
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
                answers().standings << QString("%1 %2").arg(s.group).arg(s.lettersBuilt);
        },
        [](const QString&) { return answers().savePath; },
        [](QPrinter&) { return false; },
    });
    contestcommands::setClock([] { return g_now; });
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
                 QString("На букве ещё нет графиков: постройте хотя бы один график."));
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

    // An example letter is a worked answer; the same check on a stage scaled for a projector
    // gives the same numbers.
    void anExampleIsBuiltAtEveryScale() {
        FormFixture f;
        f.click("Label224");
        f.click("Label147");
        f.click("Label155");  // "Й": the examples open
        f.menu("N11");        // "Буква Б"
        f.menu("CheckLetter");
        QCOMPARE(panelText(f),
                 QString("Буква «Б» построена на 100 %, лишних точек 0 %\nБуква построена!"));
        QVERIFY(!marks(f).isVisible());
        const lettercheck::Result first = *contestcommands::lastCheck();
        stage::present(&f.form(), QPoint(61, 150));
        stage::setProjector(true);
        QVERIFY(stage::factor() != 1.0);
        f.menu("CheckLetter");
        const lettercheck::Result& scaled = *contestcommands::lastCheck();
        QCOMPARE(scaled.covered, first.covered);
        QCOMPARE(scaled.stray, first.stray);
        QCOMPARE(scaled.dotCount, first.dotCount);
        QCOMPARE(scaled.templatePixelCount, first.templatePixelCount);
        stage::release();
    }

    // A round of two groups, one minute a turn, on the test's clock.
    void aRoundScoresBuiltLettersTurnByTurn() {
        FormFixture f;
        f.click("Label224");
        f.click("Label147");
        f.click("Label155");
        answers().setup = contestdialogs::RoundSetup{{"Синие", "", "Зелёные"}, 1};
        f.menu("NewRound");
        QVERIFY(contestcommands::roundRunning());
        QCOMPARE(clock(f), QString("Ход группы «Синие» — осталось 01:00"));

        g_now = 20'000;
        f.menu("N11");  // "Буква Б", built
        f.menu("CheckLetter");
        QVERIFY(panelText(f).endsWith("Буква построена! Очко группе «Синие»."));
        QCOMPARE(clock(f), QString("Ход группы «Зелёные» — осталось 01:00"));
        // The same letter again scores nothing; built anew (the example chosen again), it scores
        // for the group whose turn it is.
        f.menu("CheckLetter");
        QVERIFY(panelText(f).endsWith("Эта буква уже засчитана."));
        f.menu("N11");
        f.menu("CheckLetter");
        QVERIFY(panelText(f).endsWith("Очко группе «Зелёные»."));
        QCOMPARE(clock(f), QString("Ход группы «Синие» — осталось 01:00"));

        // Синие let their minute run out: the clock's timer shows Зелёные's turn.
        g_now = 20'000 + 61'000;
        pacing::tick(*f.form().findChild<QTimer*>("RoundTimer"));
        QCOMPARE(clock(f), QString("Ход группы «Зелёные» — осталось 00:59"));

        // Зелёные build "В" in 30 s.
        g_now += 30'000;
        f.menu("N12");
        f.menu("CheckLetter");
        QVERIFY(panelText(f).endsWith("Очко группе «Зелёные»."));
        const ContestRound& r = *contestcommands::round();
        QCOMPARE(r.scores()[0].lettersBuilt, 1);
        QCOMPARE(r.scores()[0].timeUsedMs, qint64{20'000});
        QCOMPARE(r.scores()[1].lettersBuilt, 2);
        QCOMPARE(r.scores()[1].timeUsedMs, qint64{0 + 31'000});
        QCOMPARE(r.scores()[1].letters, QString("БВ"));

        f.menu("RoundResults");
        QCOMPARE(answers().resultsShown, 1);
        QCOMPARE(answers().standings, QStringList({"Зелёные 2", "Синие 1"}));

        QTemporaryDir dir;
        answers().savePath = dir.filePath("итоги.csv");
        f.menu("SaveRound");
        QFile saved(answers().savePath);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), r.table());

        f.menu("EndRound");
        QVERIFY(!contestcommands::roundRunning());
        QCOMPARE(clock(f), QString());
        QCOMPARE(answers().resultsShown, 2);
        // After the round a built letter scores for nobody.
        f.menu("N13");
        f.menu("CheckLetter");
        QVERIFY(panelText(f).endsWith("Буква построена!"));
        QVERIFY(f.messages().shown().empty());
    }

    void aRoundOfOneGroupIsRefused() {
        FormFixture f;
        answers().setup = contestdialogs::RoundSetup{{"Одни"}, 5};
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
