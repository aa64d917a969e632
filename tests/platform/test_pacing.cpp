// Pacing without a clock: the rhythm of successive pauses worked out on given instants, the
// requested total of nested pauses, and window timers that tick only when told to.
#include <QTimer>
#include <QtTest>

#include "Pacing.h"

namespace {
constexpr long long ms = 1000;  // the planner counts microseconds
}

class PacingTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        pacing::setPausesEnabled(false);
        pacing::resetRequestedPause();
    }
    void cleanup() {
        pacing::setPausesEnabled(true);
        pacing::setEventPassHook(nullptr);
        pacing::setClockDrivesTimers(true);
    }

    // A 5 ms step of a drawing that spent 2 ms drawing since the last pause waits 3 ms more:
    // the step takes 5 ms, not 7.
    void drawingTimeCountsTowardThePause() {
        const auto end = pacing::planPause(1002 * ms, 1000 * ms, 5);
        QCOMPARE(end.until, 1005 * ms);
        QCOMPARE(end.counted, 1005 * ms);
    }

    // Ten steps of 5 ms, each woken 1 ms late, still end 50 ms after the first began: the late
    // wakings do not add up.
    void oversleepingDoesNotAddUp() {
        long long last = 0, now = 10'000 * ms;
        for (int step = 0; step < 10; ++step) {
            const auto end = pacing::planPause(now, last, 5);
            last = end.counted;
            now = end.until + 1 * ms;  // woken late
        }
        QCOMPARE(last, 10'000 * ms + 50 * ms);
    }

    // After a break of 50 ms or more (the pupil thought, the program waited for a click) the next
    // pause is a whole pause from now.
    void aBreakStartsAfresh() {
        QCOMPARE(pacing::planPause(1050 * ms, 1000 * ms, 5).until, 1055 * ms);
        QCOMPARE(pacing::planPause(1049 * ms, 1000 * ms, 5).until, 1005 * ms);
    }

    // A drawing that fell behind (8 ms of drawing for a 5 ms step) does not sleep, and the next
    // step counts from now instead of hurrying.
    void aDrawingBehindDoesNotHurry() {
        const auto end = pacing::planPause(1008 * ms, 1000 * ms, 5);
        QVERIFY(end.until <= 1008 * ms);
        QCOMPARE(end.counted, 1008 * ms);
        QCOMPARE(pacing::planPause(1009 * ms, end.counted, 5).until, 1013 * ms);
    }

    // With pauses off, pauses only add up, nested ones (a drawing started inside another's event
    // pass) included; zero and negative pauses ask for nothing.
    void nestedPausesAddUp() {
        int nested = 0;
        pacing::setEventPassHook([&] {
            if (nested++ < 3) pacing::pause(3);
        });
        for (int step = 0; step < 3; ++step) {
            pacing::pause(5);
            pacing::processPendingEvents();
        }
        pacing::pause(0);
        pacing::pause(-4);
        QCOMPARE(pacing::requestedPauseMs(), 3 * 5 + 3 * 3LL);
    }

    // With the clock taken away, an adopted timer ticks only when told, once a tick; a stopped
    // timer does not tick at all. A timer not adopted keeps to the clock.
    void timersTickWhenTold() {
        QTimer adopted, own;
        pacing::adoptWindowTimer(&adopted);
        int ticks = 0, ownTicks = 0;
        connect(&adopted, &QTimer::timeout, [&] { ++ticks; });
        connect(&own, &QTimer::timeout, [&] { ++ownTicks; });
        pacing::setClockDrivesTimers(false);
        pacing::tick(adopted);
        QCOMPARE(ticks, 0);  // not started
        adopted.start(0);
        own.start(0);
        for (int pass = 0; pass < 5; ++pass) pacing::processPendingEvents();
        QCOMPARE(ticks, 0);
        QVERIFY(ownTicks > 0);
        pacing::tick(adopted);
        pacing::tick(adopted);
        QCOMPARE(ticks, 2);
        pacing::setClockDrivesTimers(true);
        pacing::processPendingEvents();
        QVERIFY(ticks > 2);
    }
};

QTEST_MAIN(PacingTest)
#include "test_pacing.moc"
