// A contest round on a clock the test drives: turns, scores, standings and the saved table.
#include <QtTest>
#include <stdexcept>

#include "ContestRound.h"

namespace {
constexpr qint64 kMinute = 60 * 1000;

QString refusal(const QStringList& groups, qint64 limit) {
    try {
        ContestRound r(groups, limit, 0);
    } catch (const std::invalid_argument& e) {
        return QString::fromStdString(e.what());
    }
    return QString();
}
}  // namespace

class ContestRoundTest : public QObject {
    Q_OBJECT
  private slots:
    void aRoundNeedsTwoToEightDistinctGroups() {
        QCOMPARE(refusal({"А"}, kMinute), QString("В раунде должно быть от 2 до 8 групп."));
        QCOMPARE(refusal({"А", " ", ""}, kMinute),
                 QString("В раунде должно быть от 2 до 8 групп."));
        QCOMPARE(refusal({"1", "2", "3", "4", "5", "6", "7", "8", "9"}, kMinute),
                 QString("В раунде должно быть от 2 до 8 групп."));
        QCOMPARE(refusal({"Звёзды", " звёзды "}, kMinute),
                 QString("Названия групп повторяются: «звёзды»."));
        QCOMPARE(refusal({"А", "Б"}, 999), QString("Время хода — не меньше секунды."));
        QCOMPARE(refusal({" А  ", "Б", "", "В"}, kMinute), QString());
        ContestRound r({" Совы  и  ежи ", "Б"}, kMinute, 0);
        QCOMPARE(r.groupName(0), QString("Совы и ежи"));  // blanks tidied
    }

    // A turn lasts the limit, then passes on; turns run out one after another while nobody acts.
    void turnsPassWhenTheirTimeRunsOut() {
        ContestRound r({"А", "Б", "В"}, kMinute, 1000);
        QCOMPARE(r.currentGroup(1000), 0);
        QCOMPARE(r.remainingMs(1000), kMinute);
        QCOMPARE(clockText(r.remainingMs(1000 + 1)), QString("01:00"));  // rounded up
        QCOMPARE(clockText(r.remainingMs(1000 + kMinute - 1)), QString("00:01"));
        QCOMPARE(r.currentGroup(1000 + kMinute - 1), 0);
        QCOMPARE(r.currentGroup(1000 + kMinute), 1);
        QCOMPARE(r.remainingMs(1000 + kMinute), kMinute);
        QCOMPARE(r.currentGroup(1000 + 3 * kMinute + 5), 0);  // В's turn also ran out
        QCOMPARE(r.remainingMs(1000 + 3 * kMinute + 5), kMinute - 5);
        // A clock read out of order changes nothing.
        QCOMPARE(r.currentGroup(500), 0);
    }

    // A built letter scores for the group whose turn it is, with the time since its turn began,
    // and passes the turn on.
    void aBuiltLetterScoresAndPassesTheTurn() {
        ContestRound r({"А", "Б"}, 5 * kMinute, 0);
        QCOMPARE(r.letterBuilt(u'П', 1.0, 40'000), 0);
        QCOMPARE(r.currentGroup(40'000), 1);
        QCOMPARE(r.remainingMs(40'000), 5 * kMinute);
        QCOMPARE(r.letterBuilt(u'Б', 0.99, 40'000 + 90'000), 1);
        QCOMPARE(r.letterBuilt(u'Ш', 0.98, 130'000 + 20'000), 0);
        const ContestRound::Score& a = r.scores()[0];
        QCOMPARE(a.lettersBuilt, 2);
        QCOMPARE(a.timeUsedMs, qint64{60'000});
        QCOMPARE(a.letters, QString("ПШ"));
        QCOMPARE(a.averageCoverage(), 0.99);
        QCOMPARE(r.scores()[1].timeUsedMs, qint64{90'000});
        // The teacher passes the turn; the time of a passed turn counts for nobody.
        r.passTurn(200'000);
        QCOMPARE(r.currentGroup(200'000), 0);
        QCOMPARE(r.letterBuilt(u'Л', 1.0, 210'000), 0);
        QCOMPARE(r.scores()[0].timeUsedMs, qint64{70'000});
    }

    void standingsPutMoreLettersThenLessTimeThenCoverageFirst() {
        ContestRound r({"Медленные", "Быстрые", "Точные", "Пустые"}, 10 * kMinute, 0);
        qint64 now = 0;
        auto build = [&](int group, qint64 after, double covered) {
            while (r.currentGroup(now) != group) r.passTurn(now);
            now += after;
            r.letterBuilt(u'А', covered, now);
        };
        build(0, 50'000, 0.98);
        build(0, 50'000, 0.98);
        build(1, 10'000, 0.98);
        build(2, 10'000, 1.0);
        QStringList order;
        for (const ContestRound::Score& s : r.standings()) order << s.group;
        QCOMPARE(order, QStringList({"Медленные", "Точные", "Быстрые", "Пустые"}));
        QCOMPARE(r.table(),
                 QString("Место;Группа;Букв построено;Время, с;Среднее покрытие, %;Буквы\n"
                         "1;\"Медленные\";2;100;98;АА\n"
                         "2;\"Точные\";1;10;100;А\n"
                         "3;\"Быстрые\";1;10;98;А\n"
                         "4;\"Пустые\";0;0;0;\n"));
    }

    // Every turn has its own number, however it ended: run out (several at once when the
    // clock jumps), scored or passed; a round kept and taken back keeps its letter.
    void turnsAreNumberedAndTheLetterIsKept() {
        ContestRound r({"А", "Б", "В"}, kMinute, 0);
        QCOMPARE(r.turn(0), 1);
        QCOMPARE(r.turn(kMinute - 1), 1);
        QCOMPARE(r.turn(3 * kMinute + 5), 4);  // three turns ran out
        QCOMPARE(r.currentGroup(3 * kMinute + 5), 0);
        r.letterBuilt(u'П', 1, 3 * kMinute + 10);
        QCOMPARE(r.turn(3 * kMinute + 10), 5);
        r.passTurn(3 * kMinute + 20);
        QCOMPARE(r.turn(3 * kMinute + 20), 6);
        r.setLetter(u'Ж');
        const auto back = ContestRound::restored(r.saved(3 * kMinute + 30), 0);
        QVERIFY(back);
        QCOMPARE(back->letter(), QChar(u'Ж'));
        QCOMPARE(back->scores()[0].letters, QString("П"));
        r.setLetter(QChar());
        QCOMPARE(ContestRound::restored(r.saved(3 * kMinute + 30), 0)->letter(), QChar());
    }

    // The README gives the teacher the rules the round dialog shows, word for word.
    void theReadmeSaysTheRules() {
        QFile readme(LITERON_README);
        QVERIFY(readme.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(readme.readAll()).simplified();
        for (const QString& rule : ContestRound::rules())
            QVERIFY2(text.contains("- " + rule), qPrintable(rule));
    }

    void namesWithQuotesStayInTheirCell() {
        ContestRound r({"«Ёжики» \"5Б\"", "Б"}, kMinute, 0);
        QVERIFY(r.table().contains("1;\"«Ёжики» \"\"5Б\"\"\";0;0;0;\n"));
    }
};

QTEST_MAIN(ContestRoundTest)
#include "test_contest_round.moc"
