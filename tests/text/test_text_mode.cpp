// Text mode: keys, the hint, the word slots and the delete key.
#include <QTimer>
#include <QtTest>

#include "CanvasRecorder.h"
#include "Fonts.h"
#include "FormFixture.h"
#include "TextMode.h"

namespace {
const unsigned kKeyColour = 0x008181;
const unsigned kSlotColour = 0x0000FF;

// A window in Text mode entered from the caption (slots 67 × 101) or the menu (90 × 115).
struct TextScreen : FormFixture {
    explicit TextScreen(bool fromMenu = false) {
        textmode::resetState();
        click("Label224");
        if (fromMenu)
            menu("N7");
        else
            click("Label146");
        pacing::processPendingEvents();
    }
    WindowCanvas& canvas() { return form().surface().canvas(); }
};

bool anyLineNear(const std::vector<CanvasRecorder::Line>& lines, QPoint centre, int radius,
                 unsigned colour) {
    for (const auto& l : lines)
        if (l.colour == colour && (l.to - centre).manhattanLength() <= radius) return true;
    return false;
}
}  // namespace

class TextModeTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    void keyTseDrawsTheLargeLetterAndSetsTheCurrentLetter() {
        TextScreen f;
        CanvasRecorder rec(f.canvas());
        f.click("Label192");
        auto& frame = f.ctl<Shape>("Shape1");
        QCOMPARE(frame.width(), 101);
        QCOMPARE(frame.x(), 892);
        QCOMPARE(plotState.originX, 942);
        QCOMPARE(plotState.originY, 328);
        QVERIFY(f.ctl("Panel4").isHidden());
        auto& marker = f.ctl<Label>("Label38");
        QCOMPARE(marker.caption(), QString("Ц"));
        QCOMPARE(marker.pos(), QPoint(32, 8));  // the place of the alphabet key "Ц"
        QCOMPARE(f.ctl<Label>("Label1").caption(), QString("Ц"));
        QVERIFY(f.form().timer("Timer2").isActive());
        // clang-format off
        QCOMPARE(f.ctl<Label>("Label40").caption(),
                 QString("Выполнять щелчки по деталям буквы  Ц  для показа содержимого их функций и графиков  "));
        // clang-format on
        QCOMPARE(plotState.stepDelayMs, 5);
        QCOMPARE(plotState.penWidth, 5);
        // The large "Ц": −0.97 … 0.97, 194 steps of four parts, in the key colour.
        const auto lines = rec.lines();
        QCOMPARE(lines.size(), size_t(194 * 4));
        QCOMPARE(lines.front().colour, kKeyColour);
        QCOMPARE(lines.front().width, 5);
        QCOMPARE(pacing::requestedPauseMs(), 194 * 5);
    }

    void keysSetTheirFramesAndLoopValues_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("pen");
        QTest::newRow("А") << "Label206" << 101 << 892 << 7 << 5;
        QTest::newRow("Д") << "Label211" << 121 << 878 << 5 << 5;
        QTest::newRow("Ж") << "Label212" << 130 << 878 << 7 << 5;
        QTest::newRow("М") << "Label218" << 130 << 878 << 5 << 5;
        QTest::newRow("Ф") << "Label203" << 130 << 878 << 3 << 4;
        QTest::newRow("Ю") << "Label223" << 130 << 878 << 2 << 5;
        QTest::newRow("Ы keeps the Left") << "Label204" << 121 << 938 << 5 << 5;
    }
    void keysSetTheirFramesAndLoopValues() {
        QFETCH(QString, key);
        QFETCH(int, width);
        QFETCH(int, left);
        QFETCH(int, delay);
        QFETCH(int, pen);
        TextScreen f;
        f.ctl("Shape1").move(938, 175);
        f.click(key.toUtf8().constData());
        QCOMPARE(f.ctl("Shape1").width(), width);
        QCOMPARE(f.ctl("Shape1").x(), left);
        QCOMPARE(plotState.penWidth, pen);
        // "Ю" and the routines with fixed pauses leave stepDelayMs as the key set it.
        QCOMPARE(plotState.stepDelayMs, delay);
    }

    void largeZheIsDrawnByItsKey() {
        TextScreen f;
        CanvasRecorder rec(f.canvas());
        f.click("Label212");
        const auto lines = rec.lines();
        QCOMPARE(lines.size(), size_t(1800 * 3));  // −0.9 … 0.9 by 0.001
        // t = −0.899: the upper dot at (942 + 57, [328 − 71.53]), the stem from 330 up to 255.
        QCOMPARE(lines[0].from, QPoint(999, 256));
        QCOMPARE(lines[0].to, QPoint(999, 256));
        QCOMPARE(lines[2].from, QPoint(942, 330));
        QCOMPARE(lines[2].to, QPoint(942, 255));
        // t ≈ 0.9: the dots at (885, 256) and (884, 404), the stem down to 405.
        const size_t last = lines.size() - 3;
        QCOMPARE(lines[last].to, QPoint(885, 256));
        QCOMPARE(lines[last + 1].to, QPoint(884, 404));
        QCOMPARE(lines[last + 2].to, QPoint(942, 405));
        QCOMPARE(pacing::requestedPauseMs(), 1800);
        QCOMPARE(f.ctl<Label>("Label38").caption(), QString("Ж"));
    }

    void pAndONeverStartTheHintTimer() {
        for (const char* key : {"Label208", "Label209"}) {
            TextScreen f;
            f.click(key);
            QVERIFY2(!f.form().timer("Timer2").isActive(), key);
            QCOMPARE(f.ctl<Label>("Label1").caption().size(), 1);  // the bare letter
        }
    }

    void iLeavesTheInstructionAlone() {
        TextScreen f;
        f.ctl<Label>("Label40").setCaption("прежний текст");
        f.click("Label219");
        QCOMPARE(f.ctl<Label>("Label40").caption(), QString("прежний текст"));
        QVERIFY(f.ctl("Label40").isHidden());
    }

    void khaHasItsOwnInstruction() {
        TextScreen f;
        f.click("Label201");
        QCOMPARE(f.ctl<Label>("Label40").caption(),
                 QString("Раскрыть содержимое функций щелчками по их номерам для буквы  Х"));
    }

    void esAndYuHideTheRangeCaptions() {
        for (const char* key : {"Label217", "Label223"}) {
            TextScreen f;
            f.ctl("Label36").show();
            f.ctl("Label37").show();
            f.click(key);
            QVERIFY2(f.ctl("Label36").isHidden() && f.ctl("Label37").isHidden(), key);
        }
    }

    void hintIsTypedOneCharacterPerTick() {
        TextScreen f;
        f.click("Label192");
        auto& hint = f.ctl<Label>("Label1");
        const QString full =
            "Щелчок по одному из прямоугольников для формирования буквы  Ц  в слове.";
        QCOMPARE(full.size(), 71);
        QCOMPARE(textmode::hintFor("Ц"), full);
        textmode::Timer2Timer();
        QCOMPARE(hint.x(), 45);
        QCOMPARE(hint.caption(), QString());  // the count starts at 0
        for (int i = 0; i < 10; ++i) textmode::Timer2Timer();
        QCOMPARE(hint.caption(), full.left(10));
        for (int i = 0; i < 70; ++i) textmode::Timer2Timer();
        QCOMPARE(hint.caption(), full);
        // The count is never reset: a new letter shows its whole hint at the next tick.
        f.click("Label206");
        QCOMPARE(hint.caption(), QString("А"));
        textmode::Timer2Timer();
        QCOMPARE(hint.caption(), textmode::hintFor("А"));
    }

    void secondKeyWipesTheFirstLetter() {
        TextScreen f;
        f.click("Label196");  // "Н": its right upright at x 988, from y 254 to 402
        QCOMPARE(f.canvas().pixel(988, 262), QColor(0, 129, 129));
        // "О" leaves nothing at that spot: at y 262 its ellipse (942 + 47 cos t, 328 - 72 sin t)
        // passes x 961, far from the upright.
        f.click("Label209");
        pacing::processPendingEvents();
        QCOMPARE(f.canvas().pixel(988, 262).alpha(), 0);
    }

    void slotCentres_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QPoint>("narrow101");
        QTest::addColumn<QPoint>("wide115");
        const struct {
            int slot, x67, x90, y101, y115;
        } rows[] = {{1, 56, 68, 138, 146},    {2, 152, 163, 138, 146},  {3, 246, 257, 138, 146},
                    {4, 340, 351, 138, 146},  {5, 434, 445, 138, 146},  {6, 528, 540, 138, 146},
                    {7, 622, 634, 138, 146},  {11, 56, 68, 258, 266},   {12, 152, 163, 258, 266},
                    {13, 246, 257, 258, 266}, {14, 340, 351, 258, 266}, {15, 434, 445, 258, 266},
                    {16, 528, 540, 258, 266}, {17, 622, 634, 258, 266}, {18, 118, 129, 378, 386},
                    {19, 230, 241, 378, 386}, {8, 338, 349, 378, 386},  {20, 462, 473, 378, 386},
                    {21, 574, 585, 378, 386}, {22, 56, 68, 506, 514},   {23, 152, 163, 506, 514},
                    {24, 246, 257, 506, 514}, {25, 340, 351, 506, 514}, {26, 434, 445, 506, 514},
                    {27, 528, 540, 506, 514}, {28, 622, 634, 506, 514}, {29, 56, 68, 626, 634},
                    {30, 152, 163, 626, 634}, {32, 246, 257, 626, 634}, {33, 340, 351, 626, 634},
                    {34, 434, 445, 626, 634}, {35, 528, 540, 626, 634}, {36, 622, 634, 626, 634}};
        for (const auto& r : rows)
            QTest::newRow(qPrintable(QString("Image%1").arg(r.slot)))
                << r.slot << QPoint(r.x67, r.y101) << QPoint(r.x90, r.y115);
    }
    void slotCentres() {
        QFETCH(int, slot);
        QFETCH(QPoint, narrow101);
        QFETCH(QPoint, wide115);
        const QByteArray name = QString("Image%1").arg(slot).toUtf8();
        {
            TextScreen f;         // caption entry: 67 × 101
            f.click("Label206");  // "А"
            f.click(name.constData());
            QCOMPARE(QPoint(plotState.originX, plotState.originY), narrow101);
            QCOMPARE(f.ctl(name.constData()).size(), QSize(67, 101));
            QCOMPARE(textmode::slotNumber(), slot);
            QCOMPARE(f.ctl("Label143").pos(),
                     f.ctl(name.constData()).geometry().bottomLeft() + QPoint(0, 1));
            QVERIFY(!f.ctl("Label143").isHidden());
        }
        {
            TextScreen f(true);   // menu entry: 90 × 115
            f.click("Label212");  // "Ж"
            f.click(name.constData());
            QCOMPARE(QPoint(plotState.originX, plotState.originY), wide115);
            QCOMPARE(f.ctl(name.constData()).size(), QSize(90, 115));
        }
    }

    void rewritingASlotChangesItsWidthAndWipesIt() {
        TextScreen f;
        f.click("Label212");  // "Ж"
        CanvasRecorder rec(f.canvas());
        f.click("Image1");
        QCOMPARE(f.ctl("Image1").size(), QSize(90, 101));
        QCOMPARE(QPoint(plotState.originX, plotState.originY), QPoint(68, 138));
        QVERIFY(anyLineNear(rec.lines(), QPoint(68, 138), 60, kSlotColour));
        QCOMPARE(f.canvas().pixel(68, 100), QColor(0, 0, 255));  // the stem of the small "Ж"
        f.click("Label206");                                     // "А"
        f.click("Image1");
        QCOMPARE(f.ctl("Image1").size(), QSize(67, 101));
        QCOMPARE(QPoint(plotState.originX, plotState.originY), QPoint(56, 138));
        QCOMPARE(f.canvas().pixel(68, 100).alpha(), 0);  // the "Ж" was wiped first
    }

    void narrowLetterInAMenuSizedSlot() {
        TextScreen f(true);
        f.click("Label206");
        f.click("Image8");
        QCOMPARE(f.ctl("Image8").size(), QSize(67, 115));
        QCOMPARE(QPoint(plotState.originX, plotState.originY), QPoint(338, 386));
    }

    void slotBeforeAnyLetterDrawsNothing() {
        TextScreen f;
        CanvasRecorder rec(f.canvas());
        f.click("Image14");
        QVERIFY(rec.lines().empty());
        QVERIFY(!f.ctl("Label143").isHidden());
        QCOMPARE(f.ctl("Label143").pos(), QPoint(306, 309));
    }

    void slotLetterIsBlueWithAFivePixelPen() {
        TextScreen f;
        f.click("Label192");
        CanvasRecorder rec(f.canvas());
        f.click("Image3");
        const auto lines = rec.lines();
        QVERIFY(!lines.empty());
        for (const auto& l : lines) QCOMPARE(l.colour, kSlotColour);
        QCOMPARE(lines.front().width, 5);
    }

    void uLeavesTheSlotPaceAtOneMillisecond() {
        TextScreen f;
        f.click("Label193");  // "У"
        f.click("Image3");
        QCOMPARE(plotState.stepDelayMs, 1);
        f.click("Label38");  // not a key: the marker is on the hidden alphabet keyboard
        f.ctl<Label>("Label38").setCaption("Н");  // as an Alphabet lesson would leave it
        pacing::resetRequestedPause();
        f.click("Image4");
        // The small "Н" pauses twice per step: 194 steps × 2 × 1 ms, after the slot's own 1 ms.
        QCOMPARE(pacing::requestedPauseMs(), 1 + 194 * 2);
        // Slots 1 and 2 set their own pace of 5 ms.
        pacing::resetRequestedPause();
        f.click("Image2");
        QCOMPARE(pacing::requestedPauseMs(), 1 + 194 * 2 * 5);
    }

    void deleteKeyWipesOnlyTheSlotWrittenLast() {
        TextScreen f;
        f.click("Label196");  // "Н"
        f.click("Image13");
        f.click("Image14");
        const QPoint inThirteen(246 - 31, 258);  // the left upright of the small "Н"
        const QPoint inFourteen(340 - 31, 258);
        QCOMPARE(f.canvas().pixel(inThirteen.x(), inThirteen.y()), QColor(0, 0, 255));
        QCOMPARE(f.canvas().pixel(inFourteen.x(), inFourteen.y()), QColor(0, 0, 255));
        f.click("Label143");
        pacing::processPendingEvents();
        QVERIFY(f.ctl("Label143").isHidden());
        QCOMPARE(f.canvas().pixel(inFourteen.x(), inFourteen.y()).alpha(), 0);
        QCOMPARE(f.canvas().pixel(inThirteen.x(), inThirteen.y()), QColor(0, 0, 255));
        QCOMPARE(f.ctl("Image14").width(), 67);  // the slot keeps its width
        QCOMPARE(textmode::slotNumber(), 14);
    }

    void keyPressedWhileASlotLetterIsDrawn() {
        TextScreen f;
        f.click("Label206");  // "А"
        CanvasRecorder rec(f.canvas());
        bool pressed = false;
        QTimer::singleShot(0, &f.form(), [&] {
            pressed = true;
            f.click("Label215");  // "Я", later than "А" in the slot's order
        });
        f.click("Image3");
        QVERIFY(pressed);
        // The click read the letter afresh: after the "А" it also drew a small "Я" around the
        // origin the key left (the plane centre), in the pen the key left (its own colour). The
        // last part of the small "Я" at t = 0.62 ends at (942 − 12 − 19.84, 328 + 27 + 16.12).
        const auto lines = rec.lines();
        QCOMPARE(lines.back().to, QPoint(910, 371));
        QCOMPARE(lines.back().width, 4);
        QCOMPARE(lines.back().colour, kKeyColour);
        QCOMPARE(f.ctl<Label>("Label38").caption(), QString("Я"));
    }
};

QTEST_MAIN(TextModeTest)
#include "test_text_mode.moc"
