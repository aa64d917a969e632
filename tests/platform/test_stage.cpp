// Where the window goes on a school screen, and at what scale, worked out by hand for a window of
// 1212 × 750 (the client area and the menu bar) that wants to stand at (61, 150).
#include <QtTest>

#include "Stage.h"

class StageTest : public QObject {
    Q_OBJECT
  private slots:
    void placement_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<double>("factor");
        // Room for place and size: as it is.
        QTest::newRow("1920 × 1040") << QRect(0, 0, 1920, 1040) << QPoint(61, 150) << 1.0;
        // 150 + 750 > 768: moved up to 768 − 750 = 18, not scaled.
        QTest::newRow("1366 × 768") << QRect(0, 0, 1366, 768) << QPoint(61, 18) << 1.0;
        // A task bar of 40 px leaves 728: 728 / 750; the window is then 1176 wide, and 61 fits.
        QTest::newRow("1366 × 768, task bar below")
            << QRect(0, 0, 1366, 728) << QPoint(61, 0) << 728 / 750.0;
        // A panel of 32 px above: 568 / 750 = 0.757; the top stays below the panel.
        QTest::newRow("1024 × 600, panel above")
            << QRect(0, 32, 1024, 568) << QPoint(61, 32) << 568 / 750.0;
        // A narrow screen: 800 / 1212; 1212 × 0.66 = 800 wide, so it moves to x 0.
        QTest::newRow("800 × 1280") << QRect(0, 0, 800, 1280) << QPoint(0, 150) << 800 / 1212.0;
    }
    void placement() {
        QFETCH(QRect, available);
        QFETCH(QPoint, topLeft);
        QFETCH(double, factor);
        const stage::Placement p = stage::place(QPoint(61, 150), QSize(1212, 750), available);
        QCOMPARE(p.topLeft, topLeft);
        QCOMPARE(p.factor, factor);
        const QRect shown(p.topLeft, QSize(int(1212 * p.factor), int(750 * p.factor)));
        QVERIFY(available.contains(shown));
    }

    // The projector view fills the screen with the aspect kept: the tighter of the two ratios.
    void fillFactor() {
        QCOMPARE(stage::fillFactor(QSize(1212, 750), QRect(0, 0, 3840, 2160)), 2160 / 750.0);
        QCOMPARE(stage::fillFactor(QSize(1212, 750), QRect(0, 0, 1920, 1080)), 1080 / 750.0);
        QCOMPARE(stage::fillFactor(QSize(1212, 750), QRect(0, 0, 1280, 1024)), 1280 / 1212.0);
    }
};

QTEST_MAIN(StageTest)
#include "test_stage.moc"
