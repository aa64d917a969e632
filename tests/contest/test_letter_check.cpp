// The letter check: the 14 worked examples build their letters, every template fed back as graphs
// covers itself, and the wrong letter, an empty plane or a stray line do not pass.
#include <QtTest>

#include "ExampleLetters.h"
#include "LetterCheck.h"
#include "LetterTemplates.h"

namespace {

std::vector<GraphSlot> exampleGraphs(const ExampleLetter& e) {
    std::vector<GraphSlot> graphs;
    for (const ExampleGraph& g : e.graphs) graphs.push_back(GraphSlot{g.x, g.y, g.start, g.end});
    return graphs;
}

// Each pixel as a graph of one point (its parameter runs 0 → 0.01 once): x = (column − 942) / 50,
// y = (325 − row) / 49, the inverse of the plane's mapping.
std::vector<GraphSlot> pixelsAsGraphs(const std::vector<QPoint>& pixels) {
    std::vector<GraphSlot> graphs;
    for (QPoint p : pixels)
        graphs.push_back(GraphSlot{QString::number((p.x() - 942) / 50.0, 'g', 17),
                                   QString::number((325 - p.y()) / 49.0, 'g', 17), 0, 0.005});
    return graphs;
}

const LetterTemplate& templ(char16_t letter) {
    const LetterTemplate* t = lettertemplates::find(letter);
    if (!t) qFatal("no template");
    return *t;
}

lettercheck::Result checkOn(char16_t letter, const std::vector<GraphSlot>& graphs) {
    return lettercheck::check(lettercheck::templatePixels(templ(letter)),
                              lettercheck::graphDots(graphs));
}

}  // namespace

class LetterCheckTest : public QObject {
    Q_OBJECT
  private slots:
    void theExamplesAreBuilt() {
        QCOMPARE(exampleletters::rows().size(), std::size_t{14});
        for (const ExampleLetter& e : exampleletters::rows()) {
            const QChar letter = exampleletters::letterOf(e);
            const lettercheck::Result r = checkOn(letter.unicode(), exampleGraphs(e));
            QVERIFY2(r.built, qPrintable(lettercheck::summary(letter, r)));
            QCOMPARE(r.coveredPercent(), 100);
            QCOMPARE(r.strayPercent(), 0);
        }
    }

    void everyTemplateFedBackCoversItself() {
        QCOMPARE(lettertemplates::rows().size(), std::size_t{33});
        for (const LetterTemplate& t : lettertemplates::rows()) {
            const std::vector<QPoint> pixels = lettercheck::templatePixels(t);
            QVERIFY(pixels.size() > 100);  // every letter has strokes where graphs can draw
            const lettercheck::Result r =
                lettercheck::check(pixels, lettercheck::graphDots(pixelsAsGraphs(pixels)));
            QCOMPARE(r.covered, 1.0);
            QCOMPARE(r.stray, 0.0);
            QCOMPARE(r.dotCount, int(pixels.size()));
            QVERIFY(r.uncovered.empty());
            QVERIFY(r.built);
        }
    }

    // The strokes lie where the letter tables put them: "П" is two uprights at 2 and 100 px right
    // of the origin (942, 328), joined at the top 150 px above it.
    void thePixelsAreTheTemplatesStrokes() {
        const std::vector<QPoint> p = lettercheck::templatePixels(templ(u'П'));
        auto has = [&](int x, int y) { return std::count(p.begin(), p.end(), QPoint(x, y)) == 1; };
        QVERIFY(has(944, 250));   // the left upright
        QVERIFY(has(1042, 250));  // the right upright
        QVERIFY(has(990, 178));   // the top bar
        QVERIFY(!has(990, 250));  // nothing between the uprights
    }

    void anotherLettersGraphsFail() {
        auto fedBack = [](char16_t letter) {
            return pixelsAsGraphs(lettercheck::templatePixels(templ(letter)));
        };
        // "Н" on "П": the bar in the middle is stray, the top bar uncovered.
        const lettercheck::Result np = checkOn(u'П', fedBack(u'Н'));
        QVERIFY(!np.built);
        QVERIFY(np.covered < 0.9);
        QVERIFY(np.stray > 0.1);
        // The nearest pairs of the alphabet.
        QVERIFY(!checkOn(u'Щ', fedBack(u'Ш')).built);  // the tail is missing
        QVERIFY(!checkOn(u'Ш', fedBack(u'Щ')).built);  // the tail is stray
        QVERIFY(!checkOn(u'Ь', fedBack(u'Ъ')).built);
        QVERIFY(!checkOn(u'Ъ', fedBack(u'Ь')).built);
        // A worked example on another template.
        QVERIFY(!checkOn(u'В', exampleGraphs(*exampleletters::findByLetter(u'Б'))).built);
        QVERIFY(!checkOn(u'Л', exampleGraphs(*exampleletters::findByLetter(u'Д'))).built);
    }

    void anEmptyPlaneOrAStrayLineFails() {
        const lettercheck::Result empty = checkOn(u'П', {});
        QVERIFY(!empty.built);
        QCOMPARE(empty.dotCount, 0);
        QCOMPARE(empty.covered, 0.0);
        QCOMPARE(lettercheck::verdict(empty),
                 QString("Графиков на букве нет: постройте хотя бы один график."));

        std::vector<GraphSlot> graphs = pixelsAsGraphs(lettercheck::templatePixels(templ(u'П')));
        graphs.push_back(
            GraphSlot{"x", "-2.5", -2, 2});  // a line across the plane under the letter
        const lettercheck::Result r = checkOn(u'П', graphs);
        QCOMPARE(r.coveredPercent(), 100);
        QVERIFY(!r.built);
        // 200 points 0.01 apart, 0.5 px apart on screen: 201 pixels of the line, all stray.
        QCOMPARE(r.dotCount - r.templatePixelCount, 201);
        QCOMPARE(r.stray, 201.0 / r.dotCount);
        QCOMPARE(lettercheck::summary(u'П', r),
                 QString("Буква «П» построена на 100 %, лишних точек %1 %")
                     .arg(int(std::ceil(r.stray * 100))));
        QCOMPARE(lettercheck::verdict(r),
                 QString("Буква ещё не построена: нужно лишних точек не больше 2 %."));
    }

    // A graph that leaves the drawable plane adds only the dots a redraw would draw; one that does
    // not compile, or fails at a point, adds what it drew before.
    void onlyDrawnDotsCount() {
        // y = 0.01 … 3 (rows 325 down to 178, 0.49 px apart): 148 rows.
        QCOMPARE(lettercheck::graphDots({GraphSlot{"0", "x", 0, 5}}).size(), std::size_t{148});
        // x = 2.51 … 2.6, no further: columns 1067.5 … 1072, halves to even, 1068 to 1072.
        QCOMPARE(lettercheck::graphDots({GraphSlot{"x", "0", 2.5, 3}}).size(), std::size_t{5});
        QCOMPARE(lettercheck::graphDots({GraphSlot{"(", "x", 0, 1}}).size(), std::size_t{0});
        // 1/(x-0.5) from 0.49: the first point is x = 0.5 exactly, a division by zero; the graph
        // stops there, although from x = 0.84 on its values would be drawn.
        QCOMPARE(lettercheck::graphDots({GraphSlot{"0", "1/(x-0.5)", 0.49, 1}}).size(),
                 std::size_t{0});
        QVERIFY(!lettercheck::graphDots({GraphSlot{"0", "1/(x-0.5)", 0.5, 1}}).empty());
    }

    // The percentages never claim more than holds.
    void percentagesRoundTowardsTheTruth() {
        lettercheck::Result r;
        r.covered = 0.999;
        r.stray = 0.001;
        QCOMPARE(r.coveredPercent(), 99);
        QCOMPARE(r.strayPercent(), 1);
        r.covered = 0.92;
        r.stray = 0.03;
        QCOMPARE(r.coveredPercent(), 92);
        QCOMPARE(r.strayPercent(), 3);
        QCOMPARE(lettercheck::summary(u'П', r),
                 QString("Буква «П» построена на 92 %, лишних точек 3 %"));
    }
};

QTEST_MAIN(LetterCheckTest)
#include "test_letter_check.moc"
