// The graph table of Function mode and its reset.
#include <QtTest>
#include <stdexcept>

#include "GraphTable.h"
#include "InternalError.h"
#include "PlotState.h"
#include "StrokeCatalogue.h"
#include "TestSurface.h"

namespace {
void fillSlots(int upTo) {
    for (int k = 1; k <= upTo; ++k) {
        GraphSlot& s = graphTable.slot(k);
        s.xExpr = QString("x+%1").arg(k);
        s.yExpr = QString("%1*x").arg(k);
        s.startValue = -k;
        s.endValue = k;
    }
}
}  // namespace

class GraphTableTest : public QObject {
    Q_OBJECT
  private slots:
    void slotsAreNumberedOneTo20000() {
        graphTable.slot(1).xExpr = "first";
        graphTable.slot(20000).yExpr = "last";
        QCOMPARE(graphTable.slot(1).xExpr, QString("first"));
        QCOMPARE(graphTable.slot(20000).yExpr, QString("last"));
        QVERIFY_THROWS_EXCEPTION(InternalError, graphTable.slot(0));
        QVERIFY_THROWS_EXCEPTION(InternalError, graphTable.slot(20001));
        QVERIFY_THROWS_EXCEPTION(InternalError, graphTable.slot(-1));
    }

    void resetClearsSlotsOneToTenAndLeavesTheDelayAtEleven() {
        fillSlots(12);
        graphTable.graphCount = 12;
        graphTable.selectedGraph = 4;
        plotState.stepDelayMs = 5;
        ResetGraphSlots();
        QCOMPARE(plotState.stepDelayMs, 11);
        for (int k = 1; k <= 10; ++k) {
            const GraphSlot& s = graphTable.slot(k);
            QVERIFY(s.xExpr.isEmpty());
            QVERIFY(s.yExpr.isEmpty());
            QCOMPARE(s.startValue, 0.0);
            QCOMPARE(s.endValue, 0.0);
        }
        // Slots from 11 on, and the count and selection, are not the reset's business.
        QCOMPARE(graphTable.slot(11).xExpr, QString("x+11"));
        QCOMPARE(graphTable.slot(12).endValue, 12.0);
        QCOMPARE(graphTable.graphCount, 12);
        QCOMPARE(graphTable.selectedGraph, 4);
    }

    void aLetterDrawnRightAfterTheResetPausesElevenMsAStep() {
        TestSurface ts;
        plotState.originX = 942;
        plotState.originY = 328;
        plotState.penWidth = 5;
        plotState.stepDelayMs = 5;
        ResetGraphSlots();
        LargeLetterRoutine(QChar(u'Н'));  // −0.97 → 0.97: 194 steps
        QCOMPARE(pacing::requestedPauseMs(), 194 * 11);
    }
};

QTEST_MAIN(GraphTableTest)
#include "test_graph_table.moc"
