// Function mode's letter keys: the new letter each starts, the grid and picture places, the
// traced templates, and the pictures painted from the same strokes.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "CanvasRecorder.h"
#include "Fonts.h"
#include "FormFixture.h"
#include "FunctionEntry.h"
#include "FunctionState.h"
#include "GraphTable.h"
#include "LetterTemplates.h"
#include "LocaleNumbers.h"

namespace {

const QColor kPale(255, 251, 178);
const char* const kGrids[] = {"ImRamkaSetka1", "ImRamkaSetka2", "ImsetkakratJ"};

// Function mode entered from its caption, pauses off.
struct FunctionKeys : FormFixture {
    FunctionKeys() {
        localenumbers::setDecimalSeparator(',');
        functionEntry = FunctionEntry{};
        graphTable.graphCount = 0;
        graphTable.selectedGraph = 0;
        click("Label224");
        click("Label147");
        pacing::processPendingEvents();
    }
    ~FunctionKeys() { localenumbers::setDecimalSeparator(QChar()); }

    // A graph typed and built, as a pupil does before picking another letter.
    void buildGraph(const QString& x, const QString& y, const QString& start, const QString& end) {
        const QString texts[] = {x, y, start, end};
        for (int box = 1; box <= 4; ++box) {
            functionentry::edit(box).setText(texts[box - 1]);
            click("Label132");
        }
        click("Label148");
    }
    int visibleTemplatePictures() {
        int n = 0;
        for (const LetterTemplate& r : lettertemplates::rows()) n += !ctl(r.picture).isHidden();
        return n;
    }
};

const LetterTemplate& rowOf(const QString& letter) {
    const LetterTemplate* r = lettertemplates::find(letter.at(0).unicode());
    if (!r) qFatal("no template row for %s", qPrintable(letter));
    return *r;
}

}  // namespace

class LetterTemplatesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    // --- Places -------------------------------------------------------------------------------

    void gridAndPictureStandInTheirPlaces_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QPoint>("gridAt");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QPoint>("pictureAt");
        const struct {
            const char *letter, *key, *grid;
            int gx, gy;
            const char* picture;
            int px, py;
        } rows[] = {
            {"А", "Label170", "ImRamkaSetka1", 942, 177, "ImAJ", 940, 178},
            {"Б", "Label186", "ImRamkaSetka1", 942, 177, "ImBJ", 941, 177},
            {"В", "Label169", "ImRamkaSetka1", 942, 177, "ImVJ", 938, 176},
            {"Г", "Label161", "ImRamkaSetka1", 942, 177, "ImGJ", 942, 176},
            {"Д", "Label175", "ImRamkaSetka1", 942, 177, "ImDJ", 938, 174},
            {"Е", "Label159", "ImRamkaSetka1", 942, 177, "ImEJ", 939, 175},
            {"Ё", "Label178", "ImRamkaSetka1", 942, 177, "ImJOJ", 939, 161},
            {"Ж", "Label176", "ImRamkaSetka2", 942, 178, "ImJEJ", 938, 175},
            {"З", "Label164", "ImRamkaSetka1", 942, 177, "ImZJ", 939, 177},
            {"И", "Label183", "ImRamkaSetka1", 942, 177, "ImIJ", 939, 176},
            {"К", "Label158", "ImRamkaSetka1", 942, 177, "ImKJ", 939, 176},
            {"Л", "Label152", "ImRamkaSetka1", 942, 177, "ImLJ", 922, 175},
            {"М", "Label182", "ImRamkaSetka2", 942, 178, "ImMJ", 942, 178},
            {"Н", "Label160", "ImRamkaSetka1", 942, 177, "ImNJ", 938, 176},
            {"О", "Label153", "ImRamkaSetka1", 942, 177, "ImOJ", 937, 176},
            {"П", "Label171", "ImRamkaSetka1", 942, 177, "ImPJ", 942, 176},
            {"Р", "Label172", "ImRamkaSetka1", 942, 177, "ImRJ", 941, 176},
            {"С", "Label173", "ImRamkaSetka1", 942, 177, "ImSJ", 939, 179},
            {"Т", "Label184", "ImRamkaSetka1", 942, 177, "ImTJ", 938, 176},
            {"У", "Label157", "ImRamkaSetka1", 942, 177, "ImUJ", 939, 176},
            {"Ф", "Label167", "ImRamkaSetka2", 942, 178, "ImFJ", 938, 178},
            {"Х", "Label165", "ImRamkaSetka1", 942, 177, "ImHJ", 942, 177},
            {"Ц", "Label156", "ImRamkaSetka1", 942, 177, "ImCJ", 939, 175},
            {"Ч", "Label180", "ImRamkaSetka1", 942, 177, "ImCHJ", 939, 176},
            {"Ш", "Label162", "ImRamkaSetka2", 942, 176, "ImSHJ", 940, 177},
            {"Щ", "Label163", "ImRamkaSetka2", 942, 176, "ImSHAJ", 940, 178},
            {"Ъ", "Label166", "ImRamkaSetka1", 942, 177, "ImZnakTJ", 901, 175},
            {"Ы", "Label168", "ImRamkaSetka2", 942, 176, "ImEIJ", 942, 172},
            {"Ь", "Label185", "ImRamkaSetka1", 942, 177, "ImZnakMJ", 938, 174},
            {"Э", "Label177", "ImRamkaSetka1", 942, 177, "ImELJ", 937, 177},
            {"Ю", "Label187", "ImRamkaSetka2", 942, 178, "ImYUJ", 939, 176},
            {"Я", "Label179", "ImRamkaSetka1", 942, 177, "ImYAJ", 942, 175},
        };
        for (const auto& r : rows)
            QTest::newRow(r.letter) << QString(r.key) << QString(r.grid) << QPoint(r.gx, r.gy)
                                    << QString(r.picture) << QPoint(r.px, r.py);
    }
    void gridAndPictureStandInTheirPlaces() {
        QFETCH(QString, key);
        QFETCH(QString, grid);
        QFETCH(QPoint, gridAt);
        QFETCH(QString, picture);
        QFETCH(QPoint, pictureAt);
        FunctionKeys f;
        // Every frame and picture starts somewhere else: the key must place what it shows.
        for (const char* g : kGrids) f.ctl(g).move(0, 0);
        f.ctl(picture).move(0, 0);
        f.click("Label158");  // another letter first: its picture must go
        f.click(key.toUtf8().constData());
        for (const char* g : kGrids) QCOMPARE(!f.ctl(g).isHidden(), grid == QLatin1String(g));
        QCOMPARE(f.ctl(grid).pos(), gridAt);
        QVERIFY(!f.ctl(picture).isHidden());
        QCOMPARE(f.ctl(picture).pos(), pictureAt);
        QCOMPARE(f.visibleTemplatePictures(), 1);
    }

    void shortIUsesTheTallGridAndHidesItAfterwards() {
        FunctionKeys f;
        f.click("Label158");
        f.click("Label155");
        for (const char* g : kGrids) QVERIFY(f.ctl(g).isHidden());
        QCOMPARE(f.ctl("ImsetkakratJ").pos(), QPoint(943, 166));
        QCOMPARE(f.ctl("ImKratIJ").pos(), QPoint(941, 165));
        QVERIFY(!f.ctl("ImKratIJ").isHidden());
    }

    void blankKeyAfterAKeyLeavesTheOrdinaryGridShown() {
        FunctionKeys f;
        f.click("Label158");
        f.click("Label44");
        QVERIFY(!f.ctl("ImRamkaSetka1").isHidden());
        QVERIFY(!f.ctl("ImRamkaSetka2").isHidden());
        QCOMPARE(f.ctl("ImRamkaSetka2").pos(), QPoint(942, 178));
        QCOMPARE(f.visibleTemplatePictures(), 0);
    }

    // --- A new letter -------------------------------------------------------------------------

    void everyKeyStartsANewLetter_data() {
        QTest::addColumn<QString>("letter");
        for (const LetterTemplate& r : lettertemplates::rows()) {
            const QString l = QString(QChar(r.letter));
            QTest::newRow(l.toUtf8().constData()) << l;
        }
    }
    void everyKeyStartsANewLetter() {
        QFETCH(QString, letter);
        FunctionKeys f;
        f.click("Label44");
        f.buildGraph("0", "x", "0", "1");
        for (int box = 1; box <= 4; ++box) functionentry::edit(box).setText("1");  // half typed
        plotState.originX = plotState.originY = 0;
        f.ctl("Label47").show();
        f.ctl("Label56").show();
        f.click(rowOf(letter).key);
        for (int box = 1; box <= 4; ++box) QCOMPARE(functionentry::edit(box).text(), QString());
        QCOMPARE(functionEntry.entryBuffer, QString());
        QCOMPARE(functionEntry.entryStage, 1);
        QCOMPARE(graphTable.graphCount, 0);
        QCOMPARE(graphTable.slot(1).xExpr, QString());
        QCOMPARE(f.ctl<QListWidget>("ListBox1").count(), 0);
        QVERIFY(f.ctl("ListBox1").isHidden());
        QVERIFY(!f.ctl("Panel4").isHidden());
        QVERIFY(f.ctl("Panel10").isEnabled());
        QVERIFY(f.ctl("Label148").isHidden());
        QVERIFY(!f.ctl("Label44").isHidden());
        QVERIFY(f.ctl("Label47").isHidden());
        QVERIFY(f.ctl("Label56").isHidden());
        QCOMPARE(QPoint(plotState.originX, plotState.originY), QPoint(942, 328));
        QCOMPARE(f.form().surface().canvas().penColor(), kPale);
    }

    void onlyThirteenKeysHideTheListPanel_data() {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<bool>("hides");
        const QString hiding = "АГЕЗЙКНУХЦШЩЪ";
        for (QChar c : QString("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"))
            QTest::newRow(QString(c).toUtf8().constData()) << QString(c) << hiding.contains(c);
    }
    void onlyThirteenKeysHideTheListPanel() {
        QFETCH(QString, letter);
        QFETCH(bool, hides);
        FunctionKeys f;
        f.click("Label44");
        f.buildGraph("0", "x", "0", "1");
        QVERIFY(!f.ctl("Panel8").isHidden());
        f.click(rowOf(letter).key);
        QCOMPARE(f.ctl("Panel8").isHidden(), hides);
        QVERIFY(f.ctl("ListBox1").isHidden());  // the list inside is hidden and empty either way
    }

    void letterFrameOfYeEfShaShcha() {
        FunctionKeys f;
        QVERIFY(f.ctl("Shape1").isHidden());
        const int height = f.ctl("Shape1").height();
        f.click(rowOf("Е").key);
        QVERIFY(!f.ctl("Shape1").isHidden());
        QCOMPARE(f.ctl("Shape1").size(), QSize(108, height));
        f.click(rowOf("К").key);  // the other keys leave it
        QVERIFY(!f.ctl("Shape1").isHidden());
        for (const char* letter : {"Ф", "Ш", "Щ"}) {
            f.ctl("Shape1").show();
            f.click(rowOf(letter).key);
            QVERIFY2(f.ctl("Shape1").isHidden(), letter);
        }
    }

    // A graph of the new letter may reach 108 / 50 = 2.16 units across once "Е" widened the frame.
    void widerFrameOfYeLetsWiderGraphsIn() {
        FunctionKeys f;
        f.click(rowOf("Е").key);
        CanvasRecorder rec(f.form().surface().canvas());
        f.buildGraph("2.1", "x", "0", "1");
        QVERIFY(f.ctl("Label225").isHidden());
        QCOMPARE(rec.lines().size(), size_t(100));
    }

    // --- "Й" and the example letters ---------------------------------------------------------

    void onlyShortIOpensTheExampleLetters() {
        FunctionKeys f;
        QAction& examples = f.form().menuItem("N5");
        QVERIFY(!examples.isEnabled());
        for (const LetterTemplate& r : lettertemplates::rows()) {
            if (r.letter == u'Й') continue;
            f.click(r.key);
        }
        f.click("Label44");
        QVERIFY(!examples.isEnabled());
        f.click(rowOf("Й").key);
        QVERIFY(examples.isEnabled());
        f.click("Label145");  // the Alphabet caption closes it again
        QVERIFY(!examples.isEnabled());
    }

    void shortIGivesEnterBackAndHidesTheSixthPrefix() {
        FunctionKeys f;
        f.click("Label44");
        f.buildGraph("0", "x", "0", "1");  // "Ввод" is disabled after a build
        QVERIFY(!f.ctl("Label132").isEnabled());
        f.ctl("Label59").show();
        f.click(rowOf("К").key);
        QVERIFY(!f.ctl("Label59").isHidden());  // only "Й" hides it
        f.click(rowOf("Й").key);
        QVERIFY(f.ctl("Label132").isEnabled());
        QVERIFY(f.ctl("Label59").isHidden());
    }

    void shortIClearsTheEndOfTheNewestGraph() {
        FunctionKeys f;
        graphTable.graphCount = 12;  // past the ten slots the reset clears
        graphTable.slot(12).endValue = 2.5;
        graphTable.slot(11).endValue = 1.5;
        f.click(rowOf("Й").key);
        QCOMPARE(graphTable.slot(12).endValue, 0.0);
        QCOMPARE(graphTable.slot(11).endValue, 1.5);
        // With no graph there is no slot to clear, and nothing to report.
        f.click(rowOf("Й").key);
        QVERIFY(f.messages().shown().empty());
    }

    // --- The traced templates -----------------------------------------------------------------

    void templateLoopsAndPauses_data() {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pauseMs");
        // Steps of each loop: 0 … 2 by 0.01 makes 200; −0.62 … 0.62, 124; 0 … 7 by 0.01, 701 (the
        // sum passes 7 by nearly a step); the 0.001 loops make 1271 (0 … 1.27), 1800 (−0.9 … 0.9),
        // 2301 (0 … 2.3), 2001 (0 … 2), 4900 (0.7 … 5.6). Lines = steps × items.
        // clang-format off
        const struct {
            const char* letter;
            int lines, pauseMs;
        } rows[] = {
            {"А", 100 * 3, 100 * 5},    {"Б", 124 * 5, 124 * 5},    {"В", 118 * 6, 118 * 5},
            {"Г", 200 * 2, 200 * 5},    {"Д", 1271 * 6, 1271 * 1},  {"Е", 200 * 4, 200 * 5},
            {"Ё", 200 * 4, 200 * 5},    {"Ж", 1800 * 3, 1800 * 1},  {"З", 2301 * 2, 2301 * 1},
            {"И", 200 * 3, 200 * 5},    {"К", 190 * 4, 190 * 5},    {"Л", 1271 * 4, 1271 * 2},
            {"М", 260 * 3, 260 * 5},    {"Н", 200 * 3, 200 * 5},    {"О", 701 * 1, 701 * 5},
            {"П", 200 * 3, 200 * 5},    {"Р", 124 * 4, 124 * 5},    {"С", 501 * 1, 501 * 5},
            {"Т", 200 * 2, 200 * 5},    {"У", 2001 * 2, 2001 * 1},  {"Ф", 701 * 2, 701 * 3},
            {"Х", 200 * 2, 200 * 5},    {"Ц", 200 * 4, 200 * 5},    {"Ч", 200 * 3, 200 * 5},
            {"Ш", 200 * 4, 200 * 5},    {"Щ", 200 * 5, 200 * 5},    {"Ъ", 124 * 5, 124 * 5},
            {"Ы", 124 * 5, 124 * 5},    {"Ь", 124 * 4, 124 * 5},    {"Э", 4900 * 2, 4900 * 1},
            {"Ю", 701 * 3, 701 * 5},    {"Я", 124 * 5, 124 * 5},
            // The letter, then the breve: 25 dots, pausing the 11 ms the slot reset leaves.
            {"Й", 200 * 3 + 25, 200 * 5 + 25 * 11},
        };
        // clang-format on
        for (const auto& r : rows)
            QTest::newRow(r.letter) << QString(r.letter) << r.lines << r.pauseMs;
    }
    void templateLoopsAndPauses() {
        QFETCH(QString, letter);
        QFETCH(int, lines);
        QFETCH(int, pauseMs);
        FunctionKeys f;
        CanvasRecorder rec(f.form().surface().canvas());
        pacing::resetRequestedPause();
        f.click(rowOf(letter).key);
        const auto drawn = rec.lines();
        QCOMPARE(int(drawn.size()), lines);
        QCOMPARE(int(pacing::requestedPauseMs()), pauseMs);
        for (const auto& l : drawn) {
            QCOMPARE(l.colour, 0xFFFBB2u);
            if (letter != "Й") QCOMPARE(l.width, 4);
        }
    }

    void firstAndLastStepOfA() {
        FunctionKeys f;
        CanvasRecorder rec(f.form().surface().canvas());
        f.click(rowOf("А").key);
        const auto l = rec.lines();
        // t = 0.01: [992 − 0.49] = 992, [1.48 + 178] = 179; [0.49 + 991] = 991.
        QCOMPARE(l[0].from, QPoint(992, 178));
        QCOMPARE(l[0].to, QPoint(992, 179));
        QCOMPARE(l[1].from, QPoint(991, 178));
        QCOMPARE(l[1].to, QPoint(991, 179));
        QCOMPARE(l[2].from, QPoint(964, 263));
        QCOMPARE(l[2].to, QPoint(1020, 263));
        // t ≈ 1: the legs end at (943, 326) and (1040, 326).
        QCOMPARE(l[l.size() - 3].to, QPoint(943, 326));
        QCOMPARE(l[l.size() - 2].to, QPoint(1040, 326));
    }

    void halvesRoundToEven() {
        FunctionKeys f;
        CanvasRecorder rec(f.form().surface().canvas());
        f.click(rowOf("Ю").key);
        // [Y − 149.5] = [178.5] = 178 and [Y − 4.5] = [323.5] = 324.
        QCOMPARE(rec.lines().front().from, QPoint(944, 178));
        QCOMPARE(rec.lines().front().to, QPoint(944, 324));
        rec.clear();
        f.click(rowOf("Н").key);
        // [X + 1.5] = [943.5] = 944, [X + 99.5] = [1041.5] = 1042.
        QCOMPARE(rec.lines()[0].from, QPoint(944, 178));
        QCOMPARE(rec.lines()[1].from, QPoint(1042, 178));
    }

    void breveOfShortI() {
        FunctionKeys f;
        CanvasRecorder rec(f.form().surface().canvas());
        f.click(rowOf("Й").key);
        const auto l = rec.lines();
        QCOMPARE(int(l.size()), 625);
        const auto& first = l[600];
        const auto& last = l.back();
        // clang-format off
        // t = −0.23: ([−34.5] + 990, [173 − 5.29]) = (956, 168); t = 0.25: (990 + 38, [173 − 6.25]) = (1028, 167).
        // clang-format on
        QCOMPARE(first.from, first.to);
        QCOMPARE(first.to, QPoint(956, 168));
        QCOMPARE(first.width, 5);
        QCOMPARE(last.to, QPoint(1028, 167));
        QCOMPARE(l[599].width, 4);
    }

    // --- Pictures painted from the strokes -----------------------------------------------------

    void pictureShowsTheAnimatedTemplate_data() { everyKeyStartsANewLetter_data(); }
    void pictureShowsTheAnimatedTemplate() {
        QFETCH(QString, letter);
        FunctionKeys f;
        const LetterTemplate& row = rowOf(letter);
        // Run directly, so that the strokes are still on the canvas when the picture is shown.
        messages::dispatch([&] { lettertemplates::runLetterTemplate(row); });
        const QImage canvas = f.form().surface().canvas().image();
        const auto& picture = f.ctl<Picture>(row.picture);
        const QImage image = picture.picture();
        const QRect place = picture.geometry();
        QCOMPARE(image.size(), place.size());
        int onCanvas = 0, inPicture = 0, missing = 0, outside = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) {
                if (QColor::fromRgba(canvas.pixel(x, y)) != kPale) continue;
                ++onCanvas;
                if (!place.contains(x, y))
                    outside += !place.adjusted(-3, -3, 3, 3).contains(x, y);
                else if (image.pixelColor(x - place.x(), y - place.y()) != kPale)
                    ++missing;
            }
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) inPicture += image.pixelColor(x, y) == kPale;
        QVERIFY(onCanvas > 300);
        QCOMPARE(outside, 0);  // the picture holds the template, but for a pen's rim at an edge
        QCOMPARE(missing, 0);  // every traced pixel is in the picture
        // The picture may have a little more: the first step's dots vanish when the grid frame
        // repaints, and the dots of "Ё" are painted only.
        QVERIFY2(inPicture - onCanvas <= 80,
                 qPrintable(QString("%1 more").arg(inPicture - onCanvas)));
    }

    void gridFramesArePaintedAtTheirSizes() {
        FunctionKeys f;
        const struct {
            const char* name;
            QSize size;
        } frames[] = {{"ImRamkaSetka1", {99, 149}},
                      {"ImRamkaSetka2", {117, 150}},
                      {"ImsetkakratJ", {99, 160}}};
        for (const auto& fr : frames) {
            const QImage img = f.ctl<Picture>(fr.name).picture();
            QCOMPARE(img.size(), fr.size);
            int cyan = 0, dots = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QColor c = img.pixelColor(x, y);
                    cyan += c == QColor(128, 255, 255);
                    dots += c != QColor(128, 255, 255);
                }
            QVERIFY(cyan > 8 * dots);  // a light area, dotted
            QVERIFY(dots > 200);
        }
    }
};

QTEST_MAIN(LetterTemplatesTest)
#include "test_letter_templates.moc"
