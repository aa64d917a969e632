// The large letters: for every routine its steps, the pixels of its first and last step at the
// plane's origin (942, 328), its pauses and pens; then the irregular ones one by one.
#include <QtTest>
#include <cmath>

#include "StepLoop.h"
#include "StrokeCatalogue.h"
#include "StrokeTrace.h"
#include "TestSurface.h"

namespace {

const QColor kTeal(0, 129, 129);

}  // namespace

class LargeLettersTest : public QObject {
    Q_OBJECT
  private slots:
    void everyRoutine_data() {
        addLetterRoutineColumns();
        // clang-format off
        // Worked through for "Б" (penWidth 3, delay 7): t runs −0.62 + 0.01 = −0.61 up to 0.62
        // (the 124th sum is 0.6200000000000008, not below the end), so 124 steps.
        // At t = −0.61: stem (−46, −1) → (−46, −1 + 115·(−0.61) = −71.15): 896,327 > 896,256.85 → 257;
        // bowl dot (46 − 89·0.3721 = 12.883, 35 − 35.38 = −0.38): 954.883 → 955, 327.62 → 328;
        // bars to −9 + 30·(−0.61) = −27.3: 914.7 → 915 at dy −1 and 71 (327, 399);
        // top bar (−46, −71) → (73·(−0.61) = −44.53, −71): 897.47 → 897, 257.
        // At t = 0.62: stem to −1 + 71.3 = 70.3 → 398.3 → 398; dot (46 − 34.2116 = 11.79, 70.96):
        // 953.79 → 954, 398.96 → 399; bars to −9 + 18.6 = 9.6 → 951.6 → 952; top to 45.26 → 987.
        // Every other row is worked the same way from its formulas.
    // The Text-mode key gives "А" the range 0 → 1: 100 steps, t = 0.01 … 1.0; the legs end at
    // (−48, 71) and (49, 71), the crossbar stands at dy = 15 from the first step on.
    letterRoutineRow("А", 0, 1, 0.01, true, 100, 700, 1.0,
        "w3 p7 942,255>942,256 943,255>943,256 914,343>970,343",
        "w3 p7 942,255>894,399 943,255>991,399 914,343>970,343");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("Б", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w3 p7 896,327>896,257 955,328 896,327>915,327 896,399>915,399 896,257>897,257",
        "w3 p7 896,327>896,398 954,399 896,327>952,327 896,399>952,399 896,257>987,257");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("В", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w3 p7 896,327>896,256 897,257>911,257 897,327>910,327 955,257 955,328 896,327>915,327 896,399>915,399",
        "w3 p7 896,327>896,399 897,257>954,257 897,327>953,327 953,326 954,399 896,327>952,327 896,399>952,399");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Г", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w3 p7 896,328>896,257 896,257>897,257",
        "w3 p7 896,328>896,400 896,257>988,257");
    // The first step of "Д" only advances t: 1270 steps drawn, t = 0.002 … 1.271, 1 ms each.
    letterRoutineRow("Д", 0.0, 1.27, 0.001, false, 1270, 1270, 1.271,
        "w3 p1 929,257>925,257 987,257 887,398>890,398 890,398 887,398>887,412 994,398>994,412",
        "w3 p1 929,257>987,257 987,257>987,397 887,398>992,398 926,257 887,398>887,412 994,398>994,412");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Е", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w3 p7 896,328>896,257 896,257>897,257 897,328>898,328 896,399>898,399",
        "w3 p7 896,328>896,399 896,257>988,257 897,328>987,328 896,399>987,399");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Ё", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w3 p7 896,328>896,257 896,257>897,257 897,328>898,328 896,399>898,399 w6 [908,244,915,251] [969,243,976,250]",
        "w3 p7 896,328>896,399 896,257>988,257 897,328>987,328 896,399>987,399 w6 [908,244,915,251] [969,243,976,250]");
    // 0 → 4.6, 0.01; t = 0.01 … 4.61, 461 steps.
    letterRoutineRow("З", 0.0, 4.6, 0.01, false, 461, 3227, 4.61,
        "w3 p7 897,292 942,328",
        "w3 p7 947,328 897,368");
    // -1 → 1, 0.01; t = -0.99 … 1.0, 200 steps.
    letterRoutineRow("И", -1.0, 1.0, 0.01, false, 200, 1400, 1.0,
        "w3 p7 896,328>896,257 988,328>988,257 943,328>987,260",
        "w3 p7 896,328>896,400 988,328>988,400 943,328>899,397");
    // 0 → 1.9, 0.01; t = 0.01 … 1.9, 190 steps.
    letterRoutineRow("К", 0.0, 1.9, 0.01, false, 190, 1330, 1.9,
        "w3 p7 896,256>896,257 896,328 926,328 926,328",
        "w3 p7 896,256>896,399 896,328>924,328 988,257 988,398");
    // 0 → 1.27, 0.001; t = 0.001 … 1.271, 1271 steps.
    letterRoutineRow("Л", 0.0, 1.27, 0.001, false, 1271, 1271, 1.271,
        "w3 p1 929,257>925,257 987,257 890,399 892,400>882,400",
        "w3 p1 929,257>987,257 987,257>987,397 926,257 892,400>882,400");
    // -1.3 → 1.3, 0.01; t = -1.29 … 1.3, 260 steps.
    letterRoutineRow("М", -1.3, 1.3, 0.01, false, 260, 1820, 1.3,
        "w3 p7 882,256>882,400 1003,256>1003,400 w4 941,401>882,257",
        "w3 p7 882,256>882,401 1003,256>1003,401 w4 941,401>1001,255");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Н", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w3 p7 896,328>896,257 988,328>988,257 897,328>898,328",
        "w3 p7 896,328>896,400 988,328>988,400 897,328>987,328");
    // "О" runs past 2π to t = 7.01 (701 steps): its dots close the oval and go round again.
    letterRoutineRow("О", 0.0, 7.0, 0.01, false, 701, 4907, 7.01,
        "w3 p7 989,327",
        "w3 p7 977,280");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("П", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w3 p7 896,328>896,257 988,328>988,257 896,257>897,257",
        "w3 p7 896,328>896,400 988,328>988,400 896,257>988,257");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("Р", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w3 p7 896,327>896,256 897,257>911,257 897,327>910,327 955,257",
        "w3 p7 896,327>896,399 897,257>954,257 897,327>953,327 953,326");
    // 0.8 → 5.6, 0.01; t = 0.81 … 5.61, 481 steps.
    letterRoutineRow("С", 0.8, 5.6, 0.01, false, 481, 3367, 5.61,
        "w3 p7 974,276",
        "w3 p7 979,373");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Т", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w3 p7 942,328>942,257 896,257>897,257",
        "w3 p7 942,328>942,400 896,257>988,257");
    // 0 → 2, 0.001; t = 0.001 … 2.001, 2001 steps.
    letterRoutineRow("У", 0.0, 2.0, 0.001, false, 2001, 2001, 2.001,
        "w3 p1 896,395 895,258",
        "w3 p1 989,257 895,258>955,348");
    // 0 → 7, 0.01; t = 0.01 … 7.01, 701 steps.
    letterRoutineRow("Ф", 0.0, 7.0, 0.01, false, 701, 4907, 7.01,
        "w5 p7 1004,328 w3 942,256>942,257",
        "w5 p7 989,295 w3 942,256>942,399");
    // 0 → 2, 0.01; t = 0.01 … 2.0, 200 steps.
    letterRoutineRow("Х", 0.0, 2.0, 0.01, false, 200, 1400, 2.0,
        "w4 p7 988,258>988,259 988,398>988,397",
        "w4 p7 988,258>896,399 988,398>896,257");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Ц", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w3 p7 896,328>896,257 988,328>988,257 896,399>898,399 992,398>992,414",
        "w3 p7 896,328>896,399 988,328>988,399 896,399>987,399 992,398>992,414");
    // 0 → 2, 0.01; t = 0.01 … 2.0, 200 steps.
    letterRoutineRow("Ч", 0.0, 2.0, 0.01, false, 200, 1000, 2.0,
        "w3 p5 896,257>896,256 988,257 896,328>942,328",
        "w3 p5 896,257>896,328 988,257>988,400 896,328>982,328");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Ш", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w3 p7 882,400 1002,400 942,400 881,399",
        "w3 p7 882,255 1002,255 942,255 1002,399");
    // -0.97 → 0.97, 0.01; t = -0.96 … 0.97, 194 steps.
    letterRoutineRow("Щ", -0.97, 0.97, 0.01, false, 194, 1358, 0.97,
        "w3 p7 882,400 1002,400 942,400 881,399 1005,400>1005,417",
        "w3 p7 882,255 1002,255 942,255 1002,399 1005,400>1005,417");
    // "Э" with the Text-mode range 0.8 → 5.6: t = 0.81 … 5.61, 481 steps.
    letterRoutineRow("Э", 0.8, 5.6, 0.01, true, 481, 3367, 5.61,
        "w3 p7 910,276 990,327>983,327",
        "w3 p7 905,373 990,327>943,327");
    // 0 → 7, 0.01; t = 0.01 … 7.01, 701 steps.
    letterRoutineRow("Ю", 0.0, 7.0, 0.01, false, 701, 4907, 7.01,
        "w3 p7 882,328 882,328>912,328 w5 1003,327",
        "w3 p7 882,256>882,400 882,328>912,328 w5 991,280");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("Ь", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w3 p7 896,327>896,257 955,328 896,327>915,327 896,399>915,399",
        "w3 p7 896,327>896,398 954,399 896,327>952,327 896,399>952,399");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("Ъ", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w3 p7 896,327>896,257 955,328 896,327>915,327 896,399>915,399 878,257>896,257",
        "w3 p7 896,327>896,398 954,399 896,327>952,327 896,399>952,399 878,257>896,257");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("Ы", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w3 p7 886,400 955,328 888,327>915,327 888,399>915,399 998,400",
        "w3 p7 886,256 954,399 888,327>952,327 888,399>952,399 998,256");
    // -0.62 → 0.62, 0.01; t = -0.61 … 0.62, 124 steps.
    letterRoutineRow("Я", -0.62, 0.62, 0.01, false, 124, 868, 0.62,
        "w3 p7 932,256 987,326>987,255 933,256>987,256 934,333>984,333 924,365>954,333",
        "w3 p7 933,333 987,326>987,398 933,256>987,256 934,333>984,333 924,365>894,398");
        // clang-format on
    }
    void everyRoutine() {
        TestSurface ts;
        checkLetterRoutine(ts.canvas(), hasLargeLetterRoutine, LargeLetterRoutine, kTeal);
    }

    void shortIDrawsILetterThenItsBreve() {
        TestSurface ts;
        setUpCaller();
        StrokeTrace trace(ts.canvas());
        LargeLetterRoutine(QChar(u'Й'));
        const QStringList all = trace.tokens();
        // "И": t = −0.99 … 1.0, 200 steps of pen, pause and three strokes.
        compareSteps(all.mid(0, 200 * 5), 200,
                     "w3 p7 896,328>896,257 988,328>988,257 943,328>987,260",
                     "w3 p7 896,328>896,400 988,328>988,400 943,328>899,397");
        // The breve: t advanced twice per dot, −0.25 + 0.02 = −0.23, −0.21, … 0.25: 25 dots, and
        // t = 0.25000000000000017 ends the loop. x = 150t lands on a half pixel at every dot
        // (907.5 + 3k), which rounds to the even neighbour.
        const QStringList breve = all.mid(200 * 5);
        QCOMPARE(breve.size(), 25 * 3);
        QStringList dots;
        for (int i = 0; i < 25; ++i) {
            QCOMPARE(breve[3 * i], QString("w3"));
            QCOMPARE(breve[3 * i + 1], QString("p7"));
            dots << breve[3 * i + 2];
        }
        QCOMPARE(dots.join(' '),
                 QString("908,238 910,239 914,239 916,240 920,241 922,241 926,242 928,242 932,243 "
                         "934,243 938,243 940,243 944,243 946,243 950,243 952,243 956,242 958,242 "
                         "962,241 964,241 968,240 970,239 974,239 976,238 980,237"));
        QCOMPARE(pacing::requestedPauseMs(), 200 * 7 + 25 * 7);
        // The range left behind is the breve's.
        QCOMPARE(plotState.paramStart, -0.25);
        QCOMPARE(plotState.paramEnd, 0.25);
        QCOMPARE(plotState.paramStep, 0.01);
        QVERIFY(std::abs(plotState.paramValue - 0.25) < 1e-9);
    }

    void noLargeZhe() {
        TestSurface ts;
        setUpCaller();
        plotState.paramStart = 1;
        plotState.paramEnd = 2;
        plotState.paramValue = 3;
        StrokeTrace trace(ts.canvas());
        QVERIFY(!hasLargeLetterRoutine(QChar(u'Ж')));
        LargeLetterRoutine(QChar(u'Ж'));
        QVERIFY(trace.tokens().isEmpty());
        QCOMPARE(plotState.paramValue, 3.0);
        QVERIFY(!hasLargeLetterRoutine(QChar('A')));  // a Latin A is no letter of the alphabet
    }

    void yoDotsAreWideAtEveryStepAndTheNextStepStartsWithPenWidth() {
        TestSurface ts;
        setUpCaller();
        StrokeTrace trace(ts.canvas());
        LargeLetterRoutine(QChar(u'Ё'));
        const QStringList all = trace.tokens();
        QCOMPARE(all.size(), 194 * 9);
        for (int s = 0; s < 194; ++s) {
            QCOMPARE(all[9 * s], QString("w3"));
            QCOMPARE(all[9 * s + 6], QString("w6"));
            QCOMPARE(all[9 * s + 7], QString("[908,244,915,251]"));
            QCOMPARE(all[9 * s + 8], QString("[969,243,976,250]"));
        }
        QCOMPARE(ts.canvas().penWidth(), 6);  // the pen as the last step left it
    }

    void esHasItsGapOnTheRight() {
        TestSurface ts;
        setUpCaller();
        StrokeTrace trace(ts.canvas());
        LargeLetterRoutine(QChar(u'С'));
        // 47·cos 0.81 = 32.4 and 47·cos 5.61 = 36.7: no dot lies right of 942 + 37, while the
        // oval reaches 942 − 47 = 895 on the left and 328 ± 72 above and below.
        int minX = 10000, maxX = 0, minY = 10000, maxY = 0;
        for (const QString& tok : trace.tokens()) {
            if (tok.startsWith('w') || tok.startsWith('p')) continue;
            const QStringList xy = tok.split(',');
            minX = std::min(minX, xy[0].toInt());
            maxX = std::max(maxX, xy[0].toInt());
            minY = std::min(minY, xy[1].toInt());
            maxY = std::max(maxY, xy[1].toInt());
        }
        QCOMPARE(minX, 895);
        QCOMPARE(maxX, 979);
        QCOMPARE(minY, 256);
        QCOMPARE(maxY, 400);
    }

    void yuStemGrowsBothWaysFromTheCentre() {
        TestSurface ts;
        setUpCaller();
        StrokeTrace trace(ts.canvas());
        LargeLetterRoutine(QChar(u'Ю'));
        const QStringList all = trace.tokens();
        // Step 100, t = 1.0: the stem runs from 328 − 10.2 to 328 + 10.2.
        QCOMPARE(all[99 * 6 + 2], QString("882,318>882,338"));
        // Step 350, t = 3.5: 35.7 either way, 292.3 → 292 and 363.7 → 364.
        QCOMPARE(all[349 * 6 + 2], QString("882,292>882,364"));
    }

    void letterAfterAnotherRangeStartsFromItsOwn() {
        // "Э" takes its range from the caller; after the Text-mode "А" (0 → 1) without setting
        // one it would run 0 → 1 and leave most of its arc undrawn.
        TestSurface ts;
        setUpCaller();
        plotState.paramStart = 0;
        plotState.paramEnd = 1;
        LargeLetterRoutine(QChar(u'А'));
        StrokeTrace trace(ts.canvas());
        LargeLetterRoutine(QChar(u'Э'));
        QCOMPARE(trace.tokens().size(), 100 * 4);
    }
};

QTEST_MAIN(LargeLettersTest)
#include "test_large_letters.moc"
