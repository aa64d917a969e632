// The small letters: for every routine its steps, the pixels of its first and last step around
// (942, 328), its pauses and pens; then the irregular ones one by one.
#include <QtTest>
#include <cmath>

#include "StepLoop.h"
#include "StrokeCatalogue.h"
#include "StrokeTrace.h"
#include "TestSurface.h"

namespace {

const QColor kBlue(0, 0, 255);

}  // namespace

class SmallLettersTest : public QObject {
    Q_OBJECT
  private slots:
    void everyRoutine_data() {
        addLetterRoutineColumns();
        // clang-format off
        // Worked through for "Р" (width 5, delay 7): t = −0.61 … 0.62, 124 steps (the 124th sum,
        // 0.6200000000000008, is not below 0.62).
        // At t = −0.61: stem (−31, 0) → (−31, 77.5·(−0.61) = −47.275): 911,328 > 911,280.725 → 281;
        // bowl dot (30 − 49·0.3721 = 11.767, −23 − 24.4 = −47.4): 953.767 → 954, 280.6 → 281;
        // bars at dy 2 and −47 to −9 + 30·(−0.61) = −27.3: 914.7 → 915.
        // At t = 0.62: stem to 48.05 → 376; dot (30 − 18.8356 = 11.16, −23 + 24.8 = 1.8): 953.16 → 953,
        // 329.8 → 330; bars to 9.6 → 951.6 → 952.
        // The delay is paused twice a step by "Н", "С" and "Ч" (p14), and "Ю" pauses after its
        // stem and bar; every other row is worked the same way from its formulas.
    // "А" with the range 0 → 1 left by the caller: 100 steps.
    letterRoutineRow("А", 0, 1, 0.01, true, 100, 700, 1.0,
        "w5 p7 942,281>942,282 942,281>942,282 926,333>958,333",
        "w5 p7 942,281>910,374 942,281>971,374 926,333>958,333");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("Б", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w5 p7 911,328>911,281 954,327 911,327>915,327 911,376>915,376 912,281>914,281",
        "w5 p7 911,328>911,376 953,376 911,327>952,327 911,376>952,376 912,281>971,281");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("В", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w5 p7 911,328>911,281 954,282 911,329>915,329 911,281>915,281 954,328 911,376>915,376",
        "w5 p7 911,328>911,376 953,328 911,329>952,329 911,281>952,281 953,374 911,376>952,376");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Г", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w5 p7 912,328>912,281 912,281>914,281",
        "w5 p7 912,328>912,376 912,281>971,281");
    // 0 → 1.27, 0.001; t = 0.001 … 1.271, 1271 steps.
    letterRoutineRow("Д", 0.0, 1.27, 0.001, false, 1271, 1271, 1.271,
        "w5 p1 930,281 904,375>942,375 972,281>972,306 904,375 904,377>904,381 979,377>979,381",
        "w5 p1 930,281>971,281 904,375>978,375 972,281>972,373 927,281 904,377>904,381 979,377>979,381");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Е", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w5 p7 912,328>912,281 912,281>914,281 912,328>914,328 912,375>914,375",
        "w5 p7 912,328>912,375 912,281>970,281 912,328>970,328 912,375>970,375");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Ё", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w5 p7 912,331>912,284 912,285>914,285 942,331>914,331 912,380>914,380 [921,276,926,281] [956,276,961,281]",
        "w5 p7 912,331>912,378 912,285>970,285 942,331>970,331 912,380>970,380 [921,276,926,281] [956,276,961,281]");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Ж", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w5 p7 942,328>942,376 941,328>928,328 983,280 900,280 983,376 900,376",
        "w5 p7 942,328>942,279 941,328>955,328 983,279 900,279 983,377 900,377");
    // 0 → 4.6, 0.01; t = 0.01 … 4.61, 461 steps.
    letterRoutineRow("З", 0.0, 4.6, 0.01, false, 461, 3227, 4.61,
        "w5 p7 912,304 942,328",
        "w5 p7 945,327>945,328 912,355");
    // -1 → 1, 0.01; t = -0.99 … 1.0, 200 steps.
    letterRoutineRow("И", -1.0, 1.0, 0.01, false, 200, 1400, 1.0,
        "w5 p7 911,328>911,278 971,328>971,278 942,328>971,279",
        "w5 p7 911,328>911,378 971,328>971,378 942,328>913,377");
    // 0 → 1.55, 0.01; t = 0.01 … 1.55, 155 steps.
    letterRoutineRow("К", 0.0, 1.55, 0.01, false, 155, 1085, 1.55,
        "w5 p7 911,281>911,283 911,328 926,328 927,328",
        "w5 p7 911,281>911,376 911,328>934,328 972,281 972,375");
    // "Л" with the range 0 → 1.27 left by the caller: 1271 steps of 1 ms.
    letterRoutineRow("Л", 0, 1.27, 0.001, true, 1271, 1271, 1.271,
        "w5 p1 930,281 972,281>972,306 904,379 898,379>904,379",
        "w5 p1 930,281>971,281 972,281>972,376 929,282 898,379>904,379");
    // -1.3 → 1.3, 0.01; t = -1.29 … 1.3, 260 steps.
    letterRoutineRow("М", -1.3, 1.3, 0.01, false, 260, 1820, 1.3,
        "w5 p7 903,328>903,279 981,328>981,279 w4 941,376>902,279",
        "w5 p7 903,328>903,377 981,328>981,377 w4 941,376>980,278");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Н", -0.97, 0.97, 0.01, false, 194, 2716, 0.97,
        "w5 p14 911,328>911,280 971,328>971,280 911,328>914,328",
        "w5 p14 911,328>911,377 971,328>971,377 911,328>971,328");
    // 0 → 7, 0.01; t = 0.01 … 7.01, 701 steps.
    letterRoutineRow("О", 0.0, 7.0, 0.01, false, 701, 4907, 7.01,
        "w5 p7 973,328",
        "w5 p7 966,296");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("П", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w5 p7 911,328>911,280 972,328>972,280 911,281>914,281",
        "w5 p7 911,328>911,377 972,328>972,377 911,281>971,281");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("Р", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w5 p7 911,328>911,281 954,281 911,330>915,330 911,281>915,281",
        "w5 p7 911,328>911,376 953,330 911,330>952,330 911,281>952,281");
    // 0.8 → 5.6, 0.01; t = 0.81 … 5.61, 481 steps.
    letterRoutineRow("С", 0.8, 5.6, 0.01, false, 481, 6734, 5.61,
        "w5 p14 964,293",
        "w5 p14 967,358");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Т", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w5 p7 942,328>942,284 911,281>914,281",
        "w5 p7 942,328>942,376 911,281>971,281");
    // 0 → 1.77, 0.001; t = 0.001 … 1.771, 1771 steps.
    letterRoutineRow("У", 0.0, 1.77, 0.001, false, 1771, 1771, 1.771,
        "w5 p1 908,373 911,281",
        "w5 p1 973,281 911,281>951,343");
    // 0 → 7, 0.01; t = 0.01 … 7.01, 701 steps.
    letterRoutineRow("Ф", 0.0, 7.0, 0.01, false, 701, 4907, 7.01,
        "w5 p7 983,328 942,280",
        "w5 p7 973,308 942,280>942,375");
    // 0 → 2, 0.01; t = 0.01 … 2.0, 200 steps.
    letterRoutineRow("Х", 0.0, 2.0, 0.01, false, 200, 1400, 2.0,
        "w4 p7 973,278>973,280 911,278>911,280",
        "w4 p7 973,278>909,376 911,278>975,376");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Ц", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w5 p7 911,328>911,281 971,328>971,281 911,375>914,375 974,380>974,375",
        "w5 p7 911,328>911,375 971,328>971,375 911,375>971,375 974,380>974,375");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Ч", -0.97, 0.97, 0.01, false, 194, 2716, 0.97,
        "w5 p14 911,303>911,279 972,328>972,280 910,328>914,328",
        "w5 p14 911,303>911,327 972,328>972,377 910,328>971,328");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Ш", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w5 p7 904,326>904,281 980,326>980,281 911,375>905,375 942,326>942,375",
        "w5 p7 904,326>904,375 980,326>980,375 911,375>980,375 942,326>942,281");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Щ", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w5 p7 904,326>904,280 980,326>980,280 911,372>905,372 942,326>942,280 983,378>983,372",
        "w5 p7 904,326>904,372 980,326>980,372 911,372>980,372 942,326>942,372 983,378>983,372");
    // "Э" with the range 0.8 → 5.6 left by the caller: 481 steps.
    letterRoutineRow("Э", 0.8, 5.6, 0.01, true, 481, 3367, 5.61,
        "w5 p7 915,293 971,327>965,327",
        "w5 p7 912,358 971,327>932,327");
    // 0 → 7, 0.02; t = 0.02 … 7.02, 351 steps.
    letterRoutineRow("Ю", 0.0, 7.0, 0.02, false, 351, 2457, 7.02,
        "w5 902,280 902,328>918,328 p7 982,327",
        "w5 902,280>902,378 902,328>918,328 p7 974,296");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("Ь", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w5 p7 911,328>911,280 954,327 911,327>915,327 911,376>915,376",
        "w5 p7 911,328>911,376 953,376 911,327>952,327 911,376>952,376");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("Ъ", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w5 p7 917,328>917,281 957,327 936,327>916,327 936,376>916,376 917,281>907,281",
        "w5 p7 917,328>917,376 956,376 936,327>956,327 936,376>956,376 917,281>907,281");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("Ы", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w5 p7 911,328>911,280 954,327 911,327>915,327 911,376>915,376 978,377",
        "w5 p7 911,328>911,376 953,376 911,327>952,327 911,376>952,376 978,281");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("Я", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w5 p7 927,286 970,328>970,287 930,286>970,286 930,339>970,339 w4 930,355>950,339",
        "w5 p7 928,339 970,328>970,370 930,286>970,286 930,339>970,339 w4 930,355>910,371");
        // clang-format on
    }
    void everyRoutine() {
        TestSurface ts;
        checkLetterRoutine(ts.canvas(), hasSmallLetterRoutine, SmallLetterRoutine, kBlue);
    }

    void shortIDrawsILetterThenItsBreve() {
        TestSurface ts;
        setUpCaller();
        StrokeTrace trace(ts.canvas());
        SmallLetterRoutine(QChar(u'Й'));
        const QStringList all = trace.tokens();
        compareSteps(all.mid(0, 200 * 5), 200,
                     "w5 p7 911,328>911,278 971,328>971,278 942,328>971,279",
                     "w5 p7 911,328>911,378 971,328>971,378 942,328>913,377");
        // 25 dots at t = −0.23, −0.21, … 0.25, x = 100t: 919, 921, … 967.
        const QStringList breve = all.mid(200 * 5);
        QCOMPARE(breve.size(), 25 * 3);
        QStringList dots;
        for (int i = 0; i < 25; ++i) dots << breve[3 * i + 2];
        QCOMPARE(dots.join(' '),
                 QString("919,273 921,274 923,274 925,275 927,276 929,276 931,277 933,277 935,278 "
                         "937,278 939,278 941,278 943,278 945,278 947,278 949,278 951,277 953,277 "
                         "955,276 957,276 959,275 961,274 963,274 965,273 967,272"));
        QCOMPARE(plotState.paramStart, -0.25);
        QCOMPARE(plotState.paramEnd, 0.25);
        QVERIFY(std::abs(plotState.paramValue - 0.25) < 1e-9);
    }

    void callerRangeThatIsEmptyDrawsNothing_data() {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        for (const char* l : {"А", "Л", "Э"}) {
            QTest::addRow("%s equal", l) << QString::fromUtf8(l) << 1.0 << 1.0;
            QTest::addRow("%s reversed", l) << QString::fromUtf8(l) << 2.0 << 1.0;
        }
    }
    void callerRangeThatIsEmptyDrawsNothing() {
        QFETCH(QString, letter);
        QFETCH(double, start);
        QFETCH(double, end);
        TestSurface ts;
        setUpCaller();
        plotState.paramStart = start;
        plotState.paramEnd = end;
        plotState.paramValue = -9;
        StrokeTrace trace(ts.canvas());
        SmallLetterRoutine(letter[0]);
        QVERIFY(trace.tokens().isEmpty());
        QCOMPARE(pacing::requestedPauseMs(), 0);
        QCOMPARE(plotState.paramValue, start);
    }

    void everyCapitalHasASmallLetter() {
        const QString alphabet = QString::fromUtf8("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
        QCOMPARE(alphabet.size(), 33);
        for (QChar c : alphabet) QVERIFY2(hasSmallLetterRoutine(c), qPrintable(QString(c)));
        QVERIFY(!hasSmallLetterRoutine(QChar(u'Й').toLower()));
    }

    void esHasItsGapOnTheRight() {
        TestSurface ts;
        setUpCaller();
        StrokeTrace trace(ts.canvas());
        SmallLetterRoutine(QChar(u'С'));
        // 31.5·cos 0.81 = 21.7, 31.5·cos 5.61 = 24.6: the arc stays left of 942 + 25. On the left
        // no step falls on π: t = 3.14 gives −31.49996, and 910.50004 rounds to 911.
        int minX = 10000, maxX = 0;
        for (const QString& tok : trace.tokens()) {
            if (tok.startsWith('w') || tok.startsWith('p')) continue;
            minX = std::min(minX, tok.split(',')[0].toInt());
            maxX = std::max(maxX, tok.split(',')[0].toInt());
        }
        QCOMPARE(minX, 911);
        QCOMPARE(maxX, 967);
    }
};

QTEST_MAIN(SmallLettersTest)
#include "test_small_letters.moc"
