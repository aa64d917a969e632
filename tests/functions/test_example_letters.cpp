// The example letters of "Пример букв": the graph table, the list with each example's blanks,
// the dots drawn, and where each example differs from the common procedure.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>
#include <vector>

#include "CanvasRecorder.h"
#include "Controls.h"
#include "ExampleLetters.h"
#include "Fonts.h"
#include "FunctionEntry.h"
#include "FunctionScreen.h"
#include "FunctionState.h"
#include "GraphList.h"
#include "GraphTable.h"
#include "LocaleNumbers.h"

namespace {

const QString kHint = QString(38, ' ') + "Выделить строку для её удаления или изменения с графиком";

// Function mode with "Пример букв" opened by the key "Й", pauses off, a comma separator.
struct ExampleScreen : FunctionScreen {
    ExampleScreen() : FunctionScreen(',', "Label155") {}
};

struct Range {
    double start, end;
};

// What each example leaves, worked out from its graphs. A graph's parameter runs from start + 0.01
// while below the end, the steps summed in floating point: 0 … 3 makes 301 points (the last at
// about 3.01, where y = x passes 3 and is skipped), 0 … 2 makes 200, −0.75 … 0.75 makes 150, 0 … 7
// makes 701. Dots are drawn only where |x| ≤ 2.6 and |y| ≤ 3: "Д" 1 stops where 0.91·t² passes 3
// (t > 1.815); "Ж" 1 rises above 3 at both ends; "Й" 4 (3.1 + 0.17·x²) never comes down to 3;
// "Я" 1 passes 3 at t = 0.72 (2.28 + 0.72 sums to just above 3) and after.
struct Expected {
    const char* letter;
    const char* menuItem;
    const char* picture;
    QPoint pictureAt;
    std::vector<Range> ranges;
    QStringList lines;
    int dots;
    int lastGraphPoints;
};

const std::vector<Expected>& expected() {
    // clang-format off
    static const std::vector<Expected> rows = {
    {"Б", "N11", "ImBJ", {941, 177},
     {{0, 3}, {0, 2}, {0, 1.3}, {0, 1.3}, {-0.75, 0.75}},
     {"x(1)=0;   y(1)=x;     Нач. знач. перемен.(1)=0,00;  Конечн. знач. перемен.(1)=3,00",
      "x(2)=x;   y(2)=2.98;     Нач. знач. перемен.(2)=0,00;  Конечн. знач. перемен.(2)=2,00",
      "x(3)=x;   y(3)=1.53;     Нач. знач. перемен.(3)=0,00;  Конечн. знач. перемен.(3)=1,30",
      "x(4)=x;   y(4)=0;     Нач. знач. перемен.(4)=0,00;  Конечн. знач. перемен.(4)=1,30",
      "x(5)=2-1.2*x*x;   y(5)=0.77+x;     Нач. знач. перемен.(5)=-0,75;  Конечн. знач. перемен.(5)=0,75"},
     /* 300 + 200 + 130 + 130 + 150 */ 910, 150},
    {"В", "N12", "ImVJ", {938, 176},
     {{0, 3}, {0, 1.3}, {0, 1.3}, {0, 1.3}, {-0.72, 0.72}, {-0.75, 0.75}},
     {"x(1)=0;   y(1)=x; Нач. знач. перемен.(1)=0,00; Конечн. знач. перемен.(1)=3,00",
      "x(2)=x;   y(2)=3; Нач. знач. перемен.(2)=0,00; Конечн. знач. перемен.(2)=1,30",
      "x(3)=x;   y(3)=1.50; Нач. знач. перемен.(3)=0,00; Конечн. знач. перемен.(3)=1,30",
      "x(4)=x;   y(4)=-0.04; Нач. знач. перемен.(4)=0,00; Конечн. знач. перемен.(4)=1,30",
      "x(5)=2.00-1.2*x*x;   y(5)=2.25+x; Нач. знач. перемен.(5)=-0,72; Конечн. знач. перемен.(5)=0,72",
      "x(6)=2.00-1.2*x*x;   y(6)=0.73+x; Нач. знач. перемен.(6)=-0,75; Конечн. знач. перемен.(6)=0,75"},
     /* 300 + 130 + 130 + 130 + 144 + 150 */ 984, 150},
    {"Д", "N13", "ImDJ", {938, 174},
     {{0, 2.27}, {0, 1.26}, {0, 3}, {0, 2.1}, {-0.4, 0}, {-0.4, 0}},
     {"x(1)=0.4*x;   y(1)=0.91*x*x; Нач. знач. перемен.(1)=0,00; Конечн. знач. перемен.(1)=2,30",
      "x(2)=0.72+x;   y(2)=3; Нач. знач. перемен.(2)=0,00; Конечн. знач. перемен.(2)=1,30",
      "x(3)=2;   y(3)=x; Нач. знач. перемен.(3)=0,00; Конечн. знач. перемен.(3)=3,00",
      "x(4)=x;   y(4)=0; Нач. знач. перемен.(4)=0,00; Конечн. знач. перемен.(4)=2,10",
      "x(5)=0;   y(5)=x; Нач. знач. перемен.(5)=-0,40; Конечн. знач. перемен.(5)=0,00",
      "x(6)=2.1;   y(6)=x; Нач. знач. перемен.(6)=-0,40; Конечн. знач. перемен.(6)=0,00"},
     /* 181 + 126 + 300 + 211 + 40 + 40 */ 898, 40},
    {"Ж", "N23", "ImJEJ", {938, 175},
     {{0, 2.3}, {0, 2.3}, {0, 3}},
     {"x(1)=x;   y(1)=1.5+1.15*(x-1.15)*(x-1.15);     Нач. знач. перемен.(1)=0,00;  Конечн. знач. перемен.(1)=2,30",
      "x(2)=x;   y(2)=1.5-1.15*(x-1.15)*(x-1.15);     Нач. знач. перемен.(2)=0,00;  Конечн. знач. перемен.(2)=2,30",
      "x(3)=1.15;   y(3)=x;     Нач. знач. перемен.(3)=0,00;  Конечн. знач. перемен.(3)=3,00"},
     /* 229 + 231 + 300 */ 760, 301},
    {"З", "N14", "ImZJ", {939, 177},
     {{0, 2.3}, {0, 2.3}},
     {"x(1)=1-cos(x);   y(1)=2.2+0.75*sin(x);  Нач. знач. перемен.(1)=0,00;  Конечн. знач. перемен.(1)=2,30",
      "x(2)=1+sin(x);   y(2)=0.75+0.75*cos(x);  Нач. знач. перемен.(2)=0,00;  Конечн. знач. перемен.(2)=2,30"},
     /* 231 + 231 */ 462, 231},
    {"Й", "N15", "ImKratIJ", {941, 164},
     {{0, 3}, {0, 2}, {0, 3}, {-0.9, 0.9}},
     {"x(1)=0;   y(1)=x;     Нач. знач. перемен.(1)=0,00;  Конечн. знач. перемен.(1)=3,00",
      "x(2)=x;   y(2)=1.48*x;     Нач. знач. перемен.(2)=0,00;  Конечн. знач. перемен.(2)=2,00",
      "x(3)=2;   y(3)=x;     Нач. знач. перемен.(3)=0,00;  Конечн. знач. перемен.(3)=3,00",
      "x(4)=x+1;   y(4)=3.1+0.17*x*x;     Нач. знач. перемен.(4)=-0,90;  Конечн. знач. перемен.(4)=0,90"},
     /* 300 + 200 + 300 + 0 */ 800, 180},
    {"М", "N16", "ImMJ", {942, 178},
     {{0, 3}, {-1.3, 1.3}, {0, 3}},
     {"x(1)=0;   y(1)=x;     Нач. знач. перемен.(1)=0,00;  Конечн. знач. перемен.(1)=3,00",
      "x(2)=0.86*x+1.15;   y(2)=2.3*abs(x);     Нач. знач. перемен.(2)=-1,30;  Конечн. знач. перемен.(2)=1,30",
      "x(3)=2.3;   y(3)=x;     Нач. знач. перемен.(3)=0,00;  Конечн. знач. перемен.(3)=3,00"},
     /* 300 + 260 + 300 */ 860, 301},
    {"Р", "N21", "ImRJ", {940, 176},
     {{0, 3}, {0, 1.3}, {0, 1.3}, {-0.75, 0.75}},
     {"x(1)=0;   y(1)=x;     Нач. знач. перемен.(1)=0,00;  Конечн. знач. перемен.(1)=3,00",
      "x(2)=x;   y(2)=3;     Нач. знач. перемен.(2)=0,00;  Конечн. знач. перемен.(2)=1,30",
      "x(3)=x;   y(3)=1.45;     Нач. знач. перемен.(3)=0,00;  Конечн. знач. перемен.(3)=1,30",
      "x(4)=2-1.2*x*x;   y(4)=2.24+x;     Нач. знач. перемен.(4)=-0,75;  Конечн. знач. перемен.(4)=0,75"},
     /* 300 + 130 + 130 + 150 */ 710, 150},
    {"С", "N22", "ImSJ", {939, 179},
     {{0.61, 5.7}},
     {"x(1)=1.08+1.06*cos(x);   y(1)=1.5-1.48*sin(x);     Нач. знач. перемен.(1)=0,61;  Конечн. знач. перемен.(1)=5,70"},
     /* 510 */ 510, 510},
    {"Ы", "N20", "ImEIJ", {942, 172},
     {{0, 3}, {0, 1.3}, {0, 1.3}, {-0.62, 0.62}, {0, 3}},
     {"x(1)=0;   y(1)=x;     Нач. знач. перемен.(1)=0,00;  Конечн. знач. перемен.(1)=3,00",
      "x(2)=x;   y(2)=1.58;     Нач. знач. перемен.(2)=0,00;  Конечн. знач. перемен.(2)=1,30",
      "x(3)=x;   y(3)=0;     Нач. знач. перемен.(3)=0,00;  Конечн. знач. перемен.(3)=1,30",
      "x(4)=2.03-2*x*x;   y(4)=0.81+1.24*x;     Нач. знач. перемен.(4)=-0,62;  Конечн. знач. перемен.(4)=0,62",
      "x(5)=2.4;   y(5)=x;     Нач. знач. перемен.(5)=0,00;  Конечн. знач. перемен.(5)=3,00"},
     /* 300 + 130 + 130 + 124 + 300 */ 984, 301},
    {"Э", "N17", "ImELJ", {937, 177},
     {{0.7, 5.6}, {1, 1.9}},
     {"x(1)=0.82-1.1*cos(x);   y(1)=1.5+1.48*sin(x);     Нач. знач. перемен.(1)=0,70;  Конечн. знач. перемен.(1)=5,60",
      "x(2)=x;   y(2)=1.5;     Нач. знач. перемен.(2)=1,00;  Конечн. знач. перемен.(2)=1,90"},
     /* 491 + 90 */ 581, 90},
    {"Ю", "N18", "ImYUJ", {941, 176},
     {{0, 3}, {0.05, 0.54}, {0, 7}},
     {"x(1)=0.05;   y(1)=x;     Нач. знач. перемен.(1)=0,00;  Конечн. знач. перемен.(1)=3,00",
      "x(2)=x;   y(2)=1.48;     Нач. знач. перемен.(2)=0,05;  Конечн. знач. перемен.(2)=0,54",
      "x(3)=1.44+0.86*cos(x);   y(3)=1.50+1.5*sin(x);     Нач. знач. перемен.(3)=0,00;  Конечн. знач. перемен.(3)=7,00"},
     /* 300 + 49 + 701 */ 1050, 701},
    {"Я", "N19", "ImYAJ", {942, 175},
     {{-0.75, 0.75}, {0, 1.2}, {0.7, 2}, {0.7, 2}, {0, 3}},
     {"x(1)=1.2*x*x;   y(1)=2.28+x;     Нач. знач. перемен.(1)=-0,75;  Конечн. знач. перемен.(1)=0,75",
      "x(2)=x;   y(2)=1.3*x;     Нач. знач. перемен.(2)=0,00;  Конечн. знач. перемен.(2)=1,20",
      "x(3)=x;   y(3)=3;     Нач. знач. перемен.(3)=0,70;  Конечн. знач. перемен.(3)=2,00",
      "x(4)=x;   y(4)=1.54;     Нач. знач. перемен.(4)=0,70;  Конечн. знач. перемен.(4)=2,00",
      "x(5)=2;   y(5)=x;     Нач. знач. перемен.(5)=0,00;  Конечн. знач. перемен.(5)=3,00"},
     /* 146 + 120 + 130 + 130 + 300 */ 826, 301},
    {"Ъ", "N24", "ImZnakTJ", {901, 175},
     {{0, 3}, {-0.71, 0}, {0, 1.3}, {0, 1.3}, {-0.75, 0.75}},
     {"x(1)=0;   y(1)=x;     Нач. знач. перемен.(1)=0,00;  Конечн. знач. перемен.(1)=3,00",
      "x(2)=x;   y(2)=2.98;     Нач. знач. перемен.(2)=-0,71;  Конечн. знач. перемен.(2)=0,00",
      "x(3)=x;   y(3)=1.53;     Нач. знач. перемен.(3)=0,00;  Конечн. знач. перемен.(3)=1,30",
      "x(4)=x;   y(4)=0;     Нач. знач. перемен.(4)=0,00;  Конечн. знач. перемен.(4)=1,30",
      "x(5)=2-1.2*x*x;   y(5)=0.77+x;     Нач. знач. перемен.(5)=-0,75;  Конечн. знач. перемен.(5)=0,75"},
     /* 300 + 71 + 130 + 130 + 150 */ 781, 150},
    };
    // clang-format on
    return rows;
}

}  // namespace

class ExampleLettersTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    void exampleFillsTheTableTheListAndThePlane_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(expected().size()); ++i) QTest::newRow(expected()[i].letter) << i;
    }
    void exampleFillsTheTableTheListAndThePlane() {
        QFETCH(int, row);
        const Expected& e = expected()[row];
        ExampleScreen f;
        CanvasRecorder rec(f.form().surface().canvas());
        pacing::resetRequestedPause();
        f.menu(e.menuItem);
        QVERIFY(f.messages().shown().empty());

        const int n = int(e.ranges.size());
        QCOMPARE(graphTable.graphCount, n);
        QCOMPARE(f.list().count(), n + 1);
        QCOMPARE(f.list().item(0)->text(), kHint);
        for (int k = 1; k <= n; ++k) {
            QCOMPARE(f.list().item(k)->text(), e.lines[k - 1]);
            // The expressions as listed, and the exact range behind the rounded texts.
            const QString& line = e.lines[k - 1];
            const QString x = line.section(';', 0, 0).section('=', 1);
            const QString y = line.section(';', 1, 1).section('=', 1);
            QCOMPARE(graphTable.slot(k).xExpr, x);
            QCOMPARE(graphTable.slot(k).yExpr, y);
            QCOMPARE(graphTable.slot(k).startValue, e.ranges[k - 1].start);
            QCOMPARE(graphTable.slot(k).endValue, e.ranges[k - 1].end);
        }
        QVERIFY(!f.list().isHidden());
        QVERIFY(!f.ctl("Panel8").isHidden());

        const auto dots = rec.lines();
        QCOMPARE(int(dots.size()), e.dots);
        for (const auto& d : dots) {
            QCOMPARE(d.from, d.to);
            QCOMPARE(d.colour, 0xFF0000u);
            QCOMPARE(d.width, 5);
        }
        QCOMPARE(int(pacing::requestedPauseMs()), 5 * e.dots);  // 5 ms before every dot
        QCOMPARE(graphlist::lastPointCount(), e.lastGraphPoints);

        QVERIFY(!f.ctl(e.picture).isHidden());
        QCOMPARE(f.ctl(e.picture).pos(), e.pictureAt);
        QCOMPARE(QPoint(plotState.originX, plotState.originY), QPoint(942, 328));
    }

    // The examples draw over their templates: every red dot lies on the pale letter of the picture
    // shown (or on its rim), and the dots cover the whole letter — all but the breve of "Й", which
    // lies above y = 3 (row 178), where the redraw draws nothing.
    void graphsCoverTheTemplate_data() { exampleFillsTheTableTheListAndThePlane_data(); }
    void graphsCoverTheTemplate() {
        QFETCH(int, row);
        const Expected& e = expected()[row];
        ExampleScreen f;
        CanvasRecorder rec(f.form().surface().canvas());
        f.menu(e.menuItem);
        const auto& picture = f.ctl<Picture>(e.picture);
        const QImage image = picture.picture();
        const QRect place = picture.geometry();
        const QImage canvas = f.form().surface().canvas().image();
        const QColor pale(255, 251, 178), red(255, 0, 0);
        // Whether a client pixel within `radius` of p has the colour, in the picture or on the
        // canvas.
        auto near = [](const QImage& img, QPoint p, int radius, QColor c) {
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx) {
                    const QPoint q = p + QPoint(dx, dy);
                    if (img.rect().contains(q) && img.pixelColor(q) == c) return true;
                }
            return false;
        };
        for (const auto& d : rec.lines())
            QVERIFY2(near(image, d.to - place.topLeft(), 4, pale),
                     qPrintable(QString("dot at %1, %2").arg(d.to.x()).arg(d.to.y())));
        int uncoveredBelowTheTop = 0, uncovered = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != pale ||
                    near(canvas, place.topLeft() + QPoint(x, y), 3, red))
                    continue;
                ++uncovered;
                uncoveredBelowTheTop += place.y() + y >= 176;
            }
        QCOMPARE(uncoveredBelowTheTop, 0);
        QCOMPARE(uncovered > 0, QString(e.letter) == "Й");
    }

    void breveGraphOfShortIDrawsNothing() {
        ExampleScreen f;
        f.menu("N15");
        CanvasRecorder rec(f.form().surface().canvas());
        graphlist::redrawSlot(4);  // 3.1 + 0.17·x² stays between 3.1 and 3.24
        QCOMPARE(graphlist::lastPointCount(), 180);
        QVERIFY(rec.lines().empty());
    }

    void ellipseOfYuRunsMoreThanATurn() {
        ExampleScreen f;
        f.menu("N18");
        CanvasRecorder rec(f.form().surface().canvas());
        graphlist::redrawSlot(3);
        QCOMPARE(graphlist::lastPointCount(), 701);
        const auto dots = rec.lines();
        QCOMPARE(int(dots.size()), 701);
        // t = 0.01 and t ≈ 0.01 + 2π lie a hair apart: the second turn retraces the first.
        QVERIFY((dots[0].to - dots[628].to).manhattanLength() <= 2);
    }

    void aSecondExampleReplacesTheFirst() {
        ExampleScreen f;
        f.menu("N11");
        f.menu("N23");
        QCOMPARE(graphTable.graphCount, 3);
        QCOMPARE(f.list().count(), 4);
        QCOMPARE(graphTable.slot(4).xExpr, QString());
        QCOMPARE(graphTable.slot(5).endValue, 0.0);
        QVERIFY(f.ctl("ImBJ").isHidden());
        QVERIFY(f.ctl("Label54").isHidden());  // "Ж" has three captions
        QVERIFY(!f.ctl("Label51").isHidden());
    }

    // --- Captions -----------------------------------------------------------------------------

    void captionsOfBe() {
        ExampleScreen f;
        f.click("Label158");  // "К" leaves its grid frame shown
        f.menu("N11");
        const struct {
            const char* label;
            const char* text;
            QPoint at;
        } captions[] = {
            {"Label45", "x(1)= 0", {880, 290}},         {"Label48", "y(2)=2.98", {970, 154}},
            {"Label51", "y(3)=1,53", {952, 222}},       {"Label54", "y(4)=0", {952, 295}},
            {"Label57", "x(5)=2-1,2*x*x", {1055, 280}}, {"Label60", "y(5)=0,77+x", {1055, 305}}};
        for (const auto& c : captions) {
            QVERIFY2(!f.ctl(c.label).isHidden(), c.label);
            QCOMPARE(f.ctl<Label>(c.label).caption(), QString(c.text));
            QCOMPARE(f.ctl(c.label).pos(), c.at);
            // Read over the template picture, which "y(3)" and "y(4)" stand on, and over the grid.
            const QObjectList& bottomToTop = f.form().surface().children();
            QVERIFY(bottomToTop.indexOf(&f.ctl("ImBJ")) < bottomToTop.indexOf(&f.ctl(c.label)));
            QVERIFY(bottomToTop.indexOf(&f.ctl("ImRamkaSetka1")) <
                    bottomToTop.indexOf(&f.ctl(c.label)));
        }
    }

    // The sixth pair of "В" stands beside the fifth; the blank key of the letter panel stays a key.
    void sixthPairOfVeAndTheBlankKey() {
        ExampleScreen f;
        f.menu("N12");
        QCOMPARE(f.ctl<Label>("Label56").caption(), QString("x(6)=2-1.2*x*x"));
        QCOMPARE(f.ctl("Label56").pos(), QPoint(1054, 280));
        QVERIFY(!f.ctl("Label56").isHidden());
        QCOMPARE(f.ctl<Label>("Label47").caption(), QString("y(6)=0.75+x"));
        QCOMPARE(f.ctl("Label47").pos(), QPoint(1054, 300));
        QCOMPARE(f.ctl<Label>("Label44").caption(), QString());
        QCOMPARE(f.ctl("Label44").geometry(), QRect(168, 72, 56, 25));
        QVERIFY(!f.ctl("Label44").isHidden());
        f.menu("N11");  // the next example hides them
        QVERIFY(f.ctl("Label56").isHidden());
        QVERIFY(f.ctl("Label47").isHidden());
    }

    void aLetterKeyAfterAnExampleClearsItsCaptions() {
        ExampleScreen f;
        f.menu("N12");
        f.click("Label158");  // "К"
        for (const char* n : {"Label45", "Label47", "Label48", "Label51", "Label54", "Label56",
                              "Label57", "Label60"})
            QVERIFY2(f.ctl(n).isHidden(), n);
        QCOMPARE(graphTable.graphCount, 0);
    }

    void alphabetLeftoversAreHidden() {
        ExampleScreen f;
        for (const char* n : {"ImB", "HV", "Label66", "ImKJ", "Label65", "Label46"})
            f.ctl(n).show();
        f.menu("N11");
        for (const char* n : {"ImB", "HV", "Label66", "ImKJ", "Label65", "Label46"})
            QVERIFY2(f.ctl(n).isHidden(), n);
    }

    // --- Where the examples differ ------------------------------------------------------------

    void editBoxesEachExampleEmpties_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("kept");  // the boxes that keep their text, e.g. "234"
        // clang-format off
        QTest::newRow("Б") << "N11" << "234";
        QTest::newRow("Д") << "N13" << "1234";
        QTest::newRow("Э") << "N17" << "";
        QTest::newRow("Ю") << "N18" << "";
        QTest::newRow("Р") << "N21" << "";
        QTest::newRow("Я") << "N19" << "234";
        // clang-format on
    }
    void editBoxesEachExampleEmpties() {
        QFETCH(QString, item);
        QFETCH(QString, kept);
        ExampleScreen f;
        for (int box = 1; box <= 4; ++box) f.edit(box).setText(QString::number(box));
        f.menu(item.toUtf8().constData());
        for (int box = 1; box <= 4; ++box)
            QCOMPARE(f.edit(box).text(),
                     kept.contains(QString::number(box)) ? QString::number(box) : QString());
        QCOMPARE(functionEntry.entryBuffer, QString());
        QVERIFY(f.ctl("Panel10").isEnabled());
        QVERIFY(f.ctl("Label148").isHidden());
        QVERIFY(f.ctl("Label174").isHidden());
    }

    void entryPanelAndStage_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("panelShown");
        QTest::addColumn<int>("stage");  // from 3, with Edit1 already empty
        QTest::newRow("Б") << "N11" << false << 3;
        QTest::newRow("Й") << "N15" << false << 1;
        QTest::newRow("Р") << "N21" << true << 1;
        QTest::newRow("С") << "N22" << true << 1;
        QTest::newRow("М") << "N16" << false << 3;
    }
    void entryPanelAndStage() {
        QFETCH(QString, item);
        QFETCH(bool, panelShown);
        QFETCH(int, stage);
        ExampleScreen f;
        QVERIFY(!f.ctl("Panel4").isHidden());
        functionEntry.entryStage = 3;
        f.menu(item.toUtf8().constData());
        QCOMPARE(!f.ctl("Panel4").isHidden(), panelShown);
        QCOMPARE(functionEntry.entryStage, stage);
    }

    // "С" leaves the entry open: the pupil's next graph is number 2 and joins the example's list.
    void aGraphAddedToEs() {
        ExampleScreen f;
        f.menu("N22");
        const QString texts[] = {"1", "x", "0", "1"};
        for (int box = 1; box <= 4; ++box) {
            f.edit(box).setText(texts[box - 1]);
            f.click("Label132");
        }
        f.click("Label148");
        QCOMPARE(graphTable.graphCount, 2);
        QCOMPARE(graphTable.slot(1).xExpr, QString("1.08+1.06*cos(x)"));
        QVERIFY(f.list().item(2)->text().startsWith("x(2)=1;     y(2)=x;"));
    }

    // An x-expression read twice must give the same value; a random one is reported at each point.
    void secondReadingReportsARandomExpression() {
        ExampleScreen f;
        ExampleLetter random = *exampleletters::findByMenuItem("N11");
        random.graphs = {{"rnd(1)", "x", 0, 0.05}};
        CanvasRecorder rec(f.form().surface().canvas());
        messages::dispatch([&] { exampleletters::showExample(random); });
        int errors = 0;
        for (const auto& m : f.messages().shown()) errors += m.text == "Ошибка ввода !!!";
        QVERIFY(errors >= 4);
        QCOMPARE(int(rec.lines().size()) + errors,
                 graphlist::lastPointCount());  // drawn or reported
        QVERIFY(f.edit(2).isHidden());
        QVERIFY(f.ctl("Label42").isHidden());
        QVERIFY(!f.ctl("Label132").isEnabled());
        QCOMPARE(graphTable.graphCount, 1);
    }
};

QTEST_MAIN(ExampleLettersTest)
#include "test_example_letters.moc"
