// The single strokes: orange at every step, their own widths and pauses, and their lines at the
// plane's origin (942, 328) with the guides at shiftX = 30 and shiftY = −20.
#include <QtTest>
#include <cmath>
#include <map>

#include "StrokeCatalogue.h"
#include "StrokeTrace.h"
#include "TestSurface.h"

namespace {

void row(const char* routine, double start, double end, double step, bool, int steps, int pauseMs,
         double lastT, const char* first, const char* last) {
    QTest::newRow(routine) << QString(routine) << start << end << step << steps << pauseMs << lastT
                           << QString(first) << QString(last);
}

const std::map<QString, void (*)()> kStrokes{{"VerticalGuideStroke", VerticalGuideStroke},
                                             {"HorizontalGuideStroke", HorizontalGuideStroke},
                                             {"AbsCornerStroke", AbsCornerStroke},
                                             {"SlantLineStroke", SlantLineStroke},
                                             {"ParabolaArmStroke", ParabolaArmStroke}};

}  // namespace

class SingleStrokesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyStroke_data() {
        QTest::addColumn<QString>("routine");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("pauseMs");
        QTest::addColumn<double>("lastT");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        // clang-format off
    // 140 steps; the line stands at shiftX = 30 from −180 to 240: 972, 148 → 568. The pen is
    // maroon after every step, and orange again at the start of the next.
    row("VerticalGuideStroke", 0.0, 1.4, 0.01, false, 140, 140, 1.4,
        "c#ff961b w2 p1 972,148>972,568 c#800000",
        "c#ff961b w2 p1 972,148>972,568 c#800000");
    // t = −4.69 … 4.71 (941 steps: the 940th sum is just below 4.7): the line first reaches
    // 49·(−4.69) = −229.81 → 230 px left of the origin, at the end 49·4.71 = 230.79 → 231 right.
    row("HorizontalGuideStroke", -4.7, 4.7, 0.01, false, 941, 1882, 4.71,
        "c#ff961b w2 p2 893,308>712,308",
        "c#ff961b w2 p2 893,308>1173,308");
    // t = −1.53: (58 − 64.26, −2 − 174.42) → 935.74 → 936, 151.58 → 152;
    // t = 1.54: (122.68, −177.56) → 1065, 150. 308 steps.
    row("AbsCornerStroke", -1.54, 1.54, 0.01, false, 308, 616, 1.54,
        "c#ff961b w2 p2 1000,326>936,152",
        "c#ff961b w2 p2 1000,326>1065,150");
    // t = −2.59: (113.96, −170.94) → 1056, 157; t = 3.31: (−145.64, 218.46) → 796, 546.
    row("SlantLineStroke", -2.6, 3.3, 0.01, false, 591, 1182, 3.31,
        "c#ff961b w1 p2 942,328>1056,157",
        "c#ff961b w1 p2 942,328>796,546");
    // 4001 steps and no pause. t = 0.001: (34.0335, −74.99998) → 976, 253;
    // t = 4.001: (168.0335, 245.16) → 1110, 573.
    row("ParabolaArmStroke", 0.0, 4.0, 0.001, false, 4001, 0, 4.001,
        "c#ff961b w2 976,253",
        "c#ff961b w2 1110,573");
        // clang-format on
    }
    void everyStroke() {
        QFETCH(QString, routine);
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(double, step);
        QFETCH(int, steps);
        QFETCH(int, pauseMs);
        QFETCH(double, lastT);
        QFETCH(QString, first);
        QFETCH(QString, last);
        TestSurface ts;
        setUpCaller();  // penWidth 3 and a delay of 7: the single strokes use neither
        plotState.paramStart = 50;
        plotState.paramEnd = -50;
        StrokeTrace trace(ts.canvas());
        kStrokes.at(routine)();
        compareSteps(trace.tokens(), steps, first, last);
        QCOMPARE(pacing::requestedPauseMs(), pauseMs);
        QCOMPARE(plotState.paramStart, start);
        QCOMPARE(plotState.paramEnd, end);
        QCOMPARE(plotState.paramStep, step);
        QVERIFY(std::abs(plotState.paramValue - lastT) < 1e-9);
        // The pen as the stroke leaves it: maroon after the vertical guide, else orange.
        QCOMPARE(ts.canvas().penColor(),
                 routine == "VerticalGuideStroke" ? QColor(128, 0, 0) : QColor(255, 150, 27));
    }
};

QTEST_MAIN(SingleStrokesTest)
#include "test_single_strokes.moc"
