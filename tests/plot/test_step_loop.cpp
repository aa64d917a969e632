// The step loop, the origin of a cell and the window canvas model.
#include <QtTest>

#include "CanvasRecorder.h"
#include "Draw.h"
#include "InternalError.h"
#include "ModeParts.h"
#include "StepLoop.h"
#include "TestSurface.h"

namespace {
struct LoopRun {
    int steps = 0;
    double first = 0, last = 0;
};

LoopRun run(double start, double end, double step) {
    plotState.paramStart = start;
    plotState.paramEnd = end;
    plotState.paramStep = step;
    LoopRun r;
    runStepLoop([&] {
        if (r.steps++ == 0) r.first = plotState.paramValue;
        r.last = plotState.paramValue;
    });
    return r;
}

const QColor kStroke(0, 129, 129);
}  // namespace

class StepLoopTest : public QObject {
    Q_OBJECT
  private slots:
    // A mode asked for by a name no mode registered is a fault said aloud, not a silent nothing.
    void anUnknownModeIsRefused() {
        int hidden = 0;
        modeparts::registerMode("test mode", {.hideParts = [&] { ++hidden; }});
        modeparts::hidePartsOf("test mode");
        QCOMPARE(hidden, 1);
        QVERIFY_THROWS_EXCEPTION(InternalError, modeparts::hidePartsOf("tets mode"));
        QVERIFY_THROWS_EXCEPTION(InternalError, modeparts::letterKeyOf("tets mode", u'А'));
    }

    void stepCounts_data() {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("steps");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("last");
        // The first value drawn is start + step; the test is strict and the sum is a double.
        QTest::newRow("0..1 by 0.01") << 0.0 << 1.0 << 0.01 << 100 << 0.01 << 1.0;
        QTest::newRow("-0.97..0.97") << -0.97 << 0.97 << 0.01 << 194 << -0.96 << 0.97;
        QTest::newRow("0..7 passes the end") << 0.0 << 7.0 << 0.01 << 701 << 0.01 << 7.01;
        QTest::newRow("0..1.4") << 0.0 << 1.4 << 0.01 << 140 << 0.01 << 1.4;
        QTest::newRow("0..2 (the Н preview)") << 0.0 << 2.0 << 0.01 << 200 << 0.01 << 2.0;
        QTest::newRow("empty range") << 1.0 << 1.0 << 0.01 << 0 << 0.0 << 0.0;
        QTest::newRow("reversed range") << 2.0 << 1.0 << 0.01 << 0 << 0.0 << 0.0;
    }
    void stepCounts() {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(double, step);
        QFETCH(int, steps);
        QFETCH(double, first);
        QFETCH(double, last);
        TestSurface ts;
        const LoopRun r = run(start, end, step);
        QCOMPARE(r.steps, steps);
        if (steps > 0) {
            QVERIFY(qAbs(r.first - first) < 1e-9);
            QVERIFY(qAbs(r.last - last) < 1e-9);
            QVERIFY(plotState.paramValue >= end);  // the loop leaves t at its last value
        }
    }

    void loopReadsEndAfreshEachTest() {
        // A nested drawing that leaves paramValue past paramEnd ends the interrupted loop.
        TestSurface ts;
        plotState.paramStart = 0;
        plotState.paramEnd = 2;
        plotState.paramStep = 0.01;
        int steps = 0;
        runStepLoop([&] {
            if (++steps == 10) {
                plotState.paramStart = -0.97;
                plotState.paramEnd = 0.97;
                runStepLoop([] {});
            }
        });
        QCOMPARE(steps, 10);
        QVERIFY(plotState.paramValue >= 0.97);
    }

    void originOfPlaneRoundsHalfToEven() {
        TestSurface ts;
        draw::originAtCentreOf(plane::image10());
        QCOMPARE(plotState.originX, 942);  // 697 + 491 / 2 = 942.5 rounds to 942
        QCOMPARE(plotState.originY, 328);
        // A slot 67 × 101 at (24, 88): 57.5 → 58 and 138.5 → 138.
        QWidget slot(&ts.surface());
        slot.setGeometry(24, 88, 67, 101);
        draw::originAtCentreOf(slot);
        QCOMPARE(plotState.originX, 58);
        QCOMPARE(plotState.originY, 138);
    }

    void roundingIsPerCoordinateAfterTheOffset() {
        TestSurface ts;
        plotState.originX = 942;
        plotState.originY = 328;
        QCOMPARE(draw::px(99.5), 1042);  // 1041.5 → 1042 (even)
        QCOMPARE(draw::px(1.5), 944);    // 943.5 → 944
        QCOMPARE(draw::px(0.5), 942);    // 942.5 → 942
        QCOMPARE(draw::py(-78.5), 250);  // 249.5 → 250
        QCOMPARE(draw::py(-77.5), 250);  // 250.5 → 250
    }

    void planeResetWipesStrokesAtTheNextEventProcessing() {
        TestSurface ts;
        WindowCanvas& c = ts.canvas();
        c.setPenColor(kStroke);
        c.setPenWidth(5);
        c.moveTo(900, 300);  // over the plane
        c.lineTo(1000, 300);
        c.moveTo(300, 300);  // beside it
        c.lineTo(400, 300);
        plane::reset();
        // Not before: the repaint waits for the next processing of events.
        QCOMPARE(c.pixel(950, 300), kStroke);
        pacing::processPendingEvents();
        QCOMPARE(c.pixel(950, 300).alpha(), 0);
        QCOMPARE(c.pixel(350, 300), kStroke);
        // The plane picture itself comes out unchanged: cyan with its axes.
        const QImage& pic = plane::image10().picture();
        QCOMPARE(pic.pixelColor(10, 10), QColor(128, 255, 255));
        QCOMPARE(pic.pixelColor(245, 10), QColor(Qt::black));
        QCOMPARE(pic.pixelColor(10, 242), QColor(Qt::black));
    }

    void wipeByHideAndShowAlsoClears() {
        TestSurface ts;
        WindowCanvas& c = ts.canvas();
        c.setPenColor(kStroke);
        c.setPenWidth(3);
        c.moveTo(700, 100);
        c.lineTo(700, 100);
        plane::wipe();
        pacing::processPendingEvents();
        QCOMPARE(c.pixel(700, 100).alpha(), 0);
    }

    void strokeUnderAPanelIsGoneOnceThePanelHides() {
        TestSurface ts;
        auto* panel = new Panel(&ts.surface());
        panel->setGeometry(100, 600, 200, 100);
        panel->show();
        pacing::processPendingEvents();
        WindowCanvas& c = ts.canvas();
        c.setPenColor(kStroke);
        c.setPenWidth(4);
        c.moveTo(150, 650);
        c.lineTo(250, 650);
        c.moveTo(150, 720);  // below the panel
        c.lineTo(250, 720);
        panel->hide();
        pacing::processPendingEvents();
        QCOMPARE(c.pixel(200, 650).alpha(), 0);
        QCOMPARE(c.pixel(200, 720), kStroke);
    }

    void windowedControlsLieAboveTheCanvasGraphicOnesBelow() {
        TestSurface ts;
        auto* panel = new Panel(&ts.surface());
        auto* label = new Label(&ts.surface());
        pacing::processPendingEvents();
        const QObjectList& kids = ts.surface().children();
        const int canvasAt = kids.indexOf(&ts.canvas());
        QVERIFY(kids.indexOf(panel) > canvasAt);
        QVERIFY(kids.indexOf(label) < canvasAt);
        QVERIFY(kids.indexOf(&plane::image10()) < canvasAt);
    }

    void zeroLengthWideLineLeavesARoundDot() {
        TestSurface ts;
        WindowCanvas& c = ts.canvas();
        c.setPenColor(Qt::red);
        c.setPenWidth(5);
        c.moveTo(500, 500);
        c.lineTo(500, 500);
        QCOMPARE(c.pixel(500, 500), QColor(Qt::red));
        QCOMPARE(c.pixel(501, 501), QColor(Qt::red));
        QCOMPARE(c.pixel(503, 503).alpha(), 0);  // round, not square
        QCOMPARE(c.pixel(506, 500).alpha(), 0);
    }

    void changingAVisibleLabelWipesWhatLiesOverIt() {
        TestSurface ts;
        auto* label = new Label(&ts.surface());
        label->setGeometry(100, 100, 100, 20);
        label->show();
        pacing::processPendingEvents();
        WindowCanvas& c = ts.canvas();
        c.setPenColor(kStroke);
        c.setPenWidth(2);
        c.moveTo(110, 110);
        c.lineTo(190, 110);
        label->setCaption("y(2)=1,5");
        pacing::processPendingEvents();
        QCOMPARE(c.pixel(150, 110).alpha(), 0);
    }

    void recorderSeesTheExactTrace() {
        TestSurface ts;
        CanvasRecorder rec(ts.canvas());
        plotState.originX = 942;
        plotState.originY = 328;
        draw::pen(QColor(255, 150, 27), 2);
        draw::segment(-49, 0, 49, 0);
        const auto lines = rec.lines();
        QCOMPARE(lines.size(), size_t(1));
        QCOMPARE(lines[0].from, QPoint(893, 328));
        QCOMPARE(lines[0].to, QPoint(991, 328));
        QCOMPARE(lines[0].width, 2);
        QCOMPARE(lines[0].colour, 0xFF961Bu);
    }
};

QTEST_MAIN(StepLoopTest)
#include "test_step_loop.moc"
