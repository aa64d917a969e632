// A long random walk over the whole window: nothing may crash, hang or leak, and "Выход" at any
// moment ends the program cleanly. Run under AddressSanitizer and UndefinedBehaviorSanitizer.
#include <QtTest>

#include "Fonts.h"
#include "FormFixture.h"
#include "Monkey.h"

namespace {
int envInt(const char* name, int fallback) {
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}
}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    void randomWalk_data() {
        QTest::addColumn<quint64>("seed");
        const int seeds = envInt("LITERON_MONKEY_SEEDS", 2);
        const quint64 first = static_cast<quint64>(envInt("LITERON_MONKEY_FIRST_SEED", 1));
        for (int i = 0; i < seeds; ++i)
            QTest::newRow(qPrintable(QString("seed %1").arg(first + i))) << first + i;
    }
    void randomWalk() {
        QFETCH(quint64, seed);
        const int events = envInt("LITERON_MONKEY_EVENTS", 5000);
        FormFixture f;
        Monkey monkey(f.form(), seed, events);
        if (const QString trace = qEnvironmentVariable("LITERON_MONKEY_TRACE"); !trace.isEmpty())
            monkey.traceTo(QString("%1-seed%2.log").arg(trace).arg(seed));
        if (const int odds = envInt("LITERON_MONKEY_NESTED_ODDS", 0); odds > 0)
            monkey.setNestedOdds(static_cast<quint32>(odds));
        QElapsedTimer clock;  // clock: printed only
        clock.start();
        const int sent = monkey.run();
        QCOMPARE(sent, events);
        QVERIFY(monkey.maxDepth() >= 2);  // some events did arrive inside a running drawing
        qInfo("seed %llu: %d events in %.0f s, nesting up to %d, %zu messages answered", seed, sent,
              clock.elapsed() / 1000.0, monkey.maxDepth(), f.messages().shown().size());
    }

    // A walk depends on its seed alone: the window's timers tick when the walk lets time pass,
    // not by the clock, so a failing walk can be run again event for event.
    void sameSeedSameWalk() {
        QStringList first;
        for (int run = 0; run < 2; ++run) {
            FormFixture f;
            Monkey monkey(f.form(), 7, 600);
            monkey.run();
            if (run == 0)
                first = monkey.log();
            else
                QCOMPARE(monkey.log(), first);
        }
        QVERIFY(!first.filter("wait").isEmpty());
    }

    void exitAtRandomMoments_data() {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("exitAt");
        for (quint64 seed : {11, 12, 13, 14, 15})
            QTest::newRow(qPrintable(QString("seed %1").arg(seed)))
                << seed << static_cast<int>(50 + seed * 37 % 400);
    }
    void exitAtRandomMoments() {
        QFETCH(quint64, seed);
        QFETCH(int, exitAt);
        FormFixture f;
        Monkey monkey(f.form(), seed, exitAt + 1000);
        monkey.exitAt(exitAt);
        monkey.run();
        QVERIFY(monkey.log().contains("exit"));
        QVERIFY(!f.form().isVisible());
        QVERIFY(pacing::quitting());
    }
};

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
