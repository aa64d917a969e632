// Function mode: the entry panel, building graphs and the graph list.
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "CanvasRecorder.h"
#include "Controls.h"
#include "Fonts.h"
#include "FormFixture.h"
#include "FunctionEntry.h"
#include "FunctionScreen.h"
#include "FunctionState.h"
#include "GraphList.h"
#include "GraphTable.h"
#include "LocaleNumbers.h"

namespace {
const char* const kFirstLine =
    "x(1)=0;     y(1)=x;       Нач. знач. перемен.(1)=0,00;   Конечн. знач. перемен.(1)=3,00";
}  // namespace

class FunctionModeTest : public QObject {
    Q_OBJECT
  private slots:
    // A letter a formula box cannot take is refused aloud: "tg(x)" leaves "(x)" and a hint
    // that names the "t" and the "g"; a letter in a number box is refused the same way.
    void aRefusedLetterIsNamed() {
        FunctionScreen f;
        typeText(&f.edit(1), "tg(x)");
        QCOMPARE(f.edit(1).text(), QString("(x)"));
        QVERIFY(!f.ctl("CommaHint").isHidden());
        QVERIFY(f.ctl<Label>("CommaHint").caption().startsWith("Знака «g» здесь нет"));
        f.ctl<QLineEdit>("Edit1").clear();
        typeText(&f.edit(1), "x");
        f.enter();
        typeText(&f.edit(2), "x");
        f.enter();
        typeText(&f.edit(3), "a");
        QCOMPARE(f.edit(3).text(), QString());
        QCOMPARE(f.ctl<Label>("CommaHint").caption(),
                 QString("«a» здесь нет: только цифры, «-» и «,»."));
    }

    // An input method's committed text passes the same check as keys: what the box refuses is
    // named, a decimal comma becomes a point, the composing text never shows.
    void inputMethodTextIsFiltered() {
        FunctionScreen f;
        QLineEdit& box = f.edit(1);
        box.setFocus();
        QInputMethodEvent composing("т", {});
        QCoreApplication::sendEvent(&box, &composing);
        QCOMPARE(box.text(), QString());
        QInputMethodEvent commit;
        commit.setCommitString("tg(1,5*x)");
        QCoreApplication::sendEvent(&box, &commit);
        QCOMPARE(box.text(), QString("(1.5*x)"));
        QCOMPARE(functionEntry.entryBuffer, QString("(1.5*x)"));
        QVERIFY(!f.ctl("CommaHint").isHidden());
        QVERIFY(f.ctl<Label>("CommaHint").caption().startsWith("Знака «g» здесь нет"));
    }

    // Every error a pupil can meet while building says first, in Russian, which box and what
    // is wrong, with the text as typed; the parser's own words follow in brackets.
    void pupilErrorsSpeakRussianFirst_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("parser");
        QTest::newRow("an operator without its operand")
            << QStringList{"2+", "x", "0", "1"}
            << "Поле «1-ая переменная», формула «2+»: формула записана с ошибкой"
            << "(Error parsing expression: ";
        QTest::newRow("a bracket left open")
            << QStringList{"0", "(x", "0", "1"}
            << "Поле «2-ая переменная», формула «(x»: не сходятся скобки"
            << "(Missing brackets in expression)";
        QTest::newRow("a root of a negative number")
            << QStringList{"0", "sqrt(x-1)", "0", "1"}
            << "Поле «2-ая переменная», формула «sqrt(x-1)»: при x = 0,01 её нельзя вычислить"
            << "(Invalid floating point operation)";
        QTest::newRow("a division by zero")
            << QStringList{"1/(x-x)", "x", "0", "1"}
            << "Поле «1-ая переменная», формула «1/(x-x)»: при x = 0,01 получается деление на ноль"
            << "(Floating point division by zero)";
    }
    void pupilErrorsSpeakRussianFirst() {
        QFETCH(QStringList, entries);
        QFETCH(QString, russian);
        QFETCH(QString, parser);
        FunctionScreen f(',', "Label171");
        f.build(entries[0], entries[1], entries[2], entries[3]);
        QVERIFY(!f.messages().shown().empty());
        const QStringList lines = f.messages().last().split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith(russian), qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(parser), qPrintable(lines[1]));
        QCOMPARE(f.messages().shown().back().kind, messages::Kind::Error);
    }

    void initTestCase() { fonts::registerSubstitutions(); }

    void blankKeyStartsANewLetter() {
        FunctionScreen f;
        QVERIFY(!f.ctl("Panel4").isHidden());
        QCOMPARE(functionEntry.entryStage, 1);
        QVERIFY(f.ctl("Panel10").isEnabled());
        QVERIFY(f.ctl("Label148").isHidden());
        QVERIFY(f.list().isHidden());
        QCOMPARE(f.ctl("ImRamkaSetka2").pos(), QPoint(942, 178));
        QVERIFY(!f.ctl("ImRamkaSetka2").isHidden());
        QCOMPARE(plotState.stepDelayMs, 11);  // left by the slot reset
    }

    void enterWithAnEmptyFirstBox() {
        FunctionScreen f;
        f.enter();  // the key set stage 1: this press checks Edit1
        QCOMPARE(f.messages().last(), QString("Не введено значение аргумента !!!"));
        QVERIFY(f.edit(2).isHidden());
        QVERIFY(f.ctl("Label42").isHidden());
        QCOMPARE(functionEntry.entryStage, 1);
    }

    void emptyBoxesAreRefusedWithTheirMessages() {
        FunctionScreen f;
        typeText(&f.edit(1), "x");
        f.enter();
        QVERIFY(!f.edit(2).isHidden());
        // "Ввод" disables itself; typing and "Delete" empty the box and enable it again.
        auto typeAndDelete = [&](int box) {
            typeText(&f.edit(box), "1");
            f.click("Label134");
            QCOMPARE(f.edit(box).text(), QString());
        };
        typeAndDelete(2);
        f.enter();
        QCOMPARE(f.messages().last(), QString("Не введено значение функции!!! "));
        QVERIFY(f.edit(3).isHidden());
        typeText(&f.edit(2), "1");
        f.enter();
        typeAndDelete(3);
        f.enter();
        QCOMPARE(f.messages().last(), QString("Не введено начальное значение переменной!!! "));
        QVERIFY(f.edit(4).isHidden());
        typeText(&f.edit(3), "0");
        f.enter();
        typeAndDelete(4);
        f.enter();
        QCOMPARE(f.messages().last(), QString("Не введено конечное значение переменной!!! "));
        QCOMPARE(functionEntry.entryStage, 4);
        QVERIFY(f.ctl("Label148").isHidden());
    }

    void fullCycleShowsBuild() {
        FunctionScreen f;
        f.enterGraph("0", "x", "0", "3");
        QCOMPARE(functionEntry.entryStage, 5);
        QVERIFY(!f.ctl("Label148").isHidden());
        QCOMPARE(graphTable.slot(1).startValue, 0.0);
        QCOMPARE(graphTable.slot(1).endValue, 3.0);
        QVERIFY(f.messages().shown().empty());
    }

    void keyFiltersOfTheBoxes() {
        FunctionScreen f;
        typeText(&f.edit(1), "sin(x)^Q2,5");
        // "^" and capitals are refused; a decimal comma in a formula is the parser's point.
        QCOMPARE(f.edit(1).text(), QString("sin(x)2.5"));
        QVERIFY(!functionentry::accepts(1, 'q'));
        QVERIFY(functionentry::accepts(2, 'q'));  // "sqrt" can be typed into the second box only
        QVERIFY(functionentry::accepts(2, 'r'));
        QVERIFY(functionentry::accepts(3, '-'));
        QVERIFY(!functionentry::accepts(4, '-'));
        QVERIFY(!functionentry::accepts(3, 'x'));
        QVERIFY(functionentry::accepts(3, ','));
        QVERIFY(functionentry::accepts(4, '\b'));
    }

    void pointSeparatorIsAcceptedWhereTheSystemUsesIt() {
        FunctionScreen f('.');
        QVERIFY(functionentry::accepts(3, '.'));
        QVERIFY(!functionentry::accepts(4, 'x'));
    }

    void keypadWritesTheWholeBuffer() {
        FunctionScreen f;
        f.click("Label102");  // "2"
        f.click("Label128");  // "-"
        f.click("Label110");  // "^" from the keypad
        f.click("Label115");  // "x^2"
        QCOMPARE(f.edit(1).text(), QString("2-^x^2"));
        QCOMPARE(functionEntry.entryBuffer, QString("2-^x^2"));
    }

    void separatorKeysAndOperatorBlockFollowTheStage() {
        FunctionScreen f;
        QVERIFY(!f.ctl("Label188").isHidden());  // "." for the expressions
        typeText(&f.edit(1), "x");
        f.enter();
        typeText(&f.edit(2), "x");
        f.enter();
        typeText(&f.edit(3), "0");
        QVERIFY(!f.ctl("Panel10").isEnabled());
        QVERIFY(!f.ctl("Label135").isHidden());  // "," for the values
        QVERIFY(f.ctl("Label188").isHidden());
        f.enter();
        // A keyboard "-" is refused in the end box; the keypad "-" only extends the buffer.
        typeText(&f.edit(4), "-");
        QCOMPARE(f.edit(4).text(), QString());
        f.click("Label128");
        QCOMPARE(f.edit(4).text(), QString());
        f.click("Label100");  // "1"
        QCOMPARE(f.edit(4).text(), QString("-1"));
        QVERIFY(!f.ctl("Panel10").isEnabled());
    }

    void deleteInStageThreeEmptiesOnlyThatBox() {
        FunctionScreen f;
        typeText(&f.edit(1), "x");
        f.enter();
        typeText(&f.edit(2), "x");
        f.enter();
        f.click("Label102");
        QCOMPARE(f.edit(3).text(), QString("2"));
        f.click("Label134");
        QCOMPARE(f.edit(3).text(), QString());
        QCOMPARE(functionEntry.entryBuffer, QString());
        QCOMPARE(f.edit(1).text(), QString("x"));
        QCOMPARE(f.edit(2).text(), QString("x"));
    }

    void unreadableStartShowsTheConversionMessage() {
        FunctionScreen f;
        typeText(&f.edit(1), "x");
        f.enter();
        typeText(&f.edit(2), "x");
        f.enter();
        typeText(&f.edit(3), "-");
        f.enter();
        // Russian first, then the conversion's own words.
        QCOMPARE(
            f.messages().last(),
            QString("Поле «Начальное значение переменной»: «-» — не число. Число пишут "
                    "цифрами, со знаком «-» впереди, если оно отрицательное, а дробную часть "
                    "— через «,» (например, -1,2).\n('-' is not a valid floating point value)"));
        QCOMPARE(f.messages().shown().back().kind, messages::Kind::Error);
        QCOMPARE(functionEntry.entryStage, 4);  // the stage has already advanced
        QVERIFY(!f.edit(4).isHidden());
    }

    void reminderOnlyForTheFirstGraph() {
        FunctionScreen f;
        typeText(&f.edit(1), "x");
        QVERIFY(!f.ctl("Label174").isHidden());
        QCOMPARE(f.ctl("Label174").y(), f.edit(1).y());
        f.ctl<QLineEdit>("Edit1").clear();
        f.build("0", "x", "0", "1");
        typeText(&f.edit(1), "1");
        QVERIFY(f.ctl("Label174").isHidden());
        // From the second graph on, a graph can be built right after its first expression.
        QVERIFY(!f.ctl("Label148").isHidden());
    }

    void buildListsTheGraphWithTheSystemSeparator() {
        FunctionScreen f;
        f.build("0", "x", "0", "3");
        QVERIFY(f.messages().shown().empty());
        QCOMPARE(graphTable.graphCount, 1);
        QCOMPARE(f.list().count(), 2);
        QCOMPARE(f.list().item(0)->text(),
                 QString(38, ' ') + "Выделить строку для её удаления или изменения с графиком");
        QCOMPARE(f.list().item(1)->text(), QString(kFirstLine));
        QCOMPARE(graphlist::lastPointCount(), 301);  // 0.01 … about 3.01
        QCOMPARE(functionEntry.entryStage, 1);
        QVERIFY(!f.ctl("Label132").isEnabled());
        QVERIFY(!f.ctl("Label226").isHidden());
        QVERIFY(!f.ctl("Panel8").isHidden());
    }

    void listLineWithAPointSeparator() {
        FunctionScreen f('.');
        f.build("0", "x", "0", "3");
        QCOMPARE(f.list().item(1)->text(),
                 QString(kFirstLine).replace("0,00", "0.00").replace("3,00", "3.00"));
    }

    void rangeTextRoundsToTwoSignificantDigits() {
        localenumbers::setDecimalSeparator(',');
        QCOMPARE(graphlist::rangeText(2.27), QString("2,30"));
        QCOMPARE(graphlist::rangeText(0), QString("0,00"));
        QCOMPARE(graphlist::rangeText(-1.5), QString("-1,50"));
        QCOMPARE(graphlist::rangeText(0.123), QString("0,12"));
        QCOMPARE(graphlist::rangeText(12.7), QString("13,00"));
        QVERIFY(graphlist::rangeText(150).contains('E'));
        localenumbers::setDecimalSeparator(QChar());
    }

    void dotsAreRedAtTheMappedPixels() {
        FunctionScreen f;
        CanvasRecorder rec(f.form().surface().canvas());
        f.build("1", "x", "0", "2");  // x = 1, y = t
        const auto lines = rec.lines();
        QCOMPARE(lines.size(), size_t(200));
        QCOMPARE(lines.front().colour, 0xFF0000u);
        QCOMPARE(lines.front().width, 5);
        // t = 0.01: (1 × 50 + 942, 325 − 0.49) → (992, 325); t = 2: (992, 325 − 98) = (992, 227).
        QCOMPARE(lines.front().to, QPoint(992, 325));
        QCOMPARE(lines.back().to, QPoint(992, 227));
        QCOMPARE(f.form().surface().canvas().pixel(992, 276), QColor(255, 0, 0));
        QCOMPARE(pacing::requestedPauseMs() >= 200 * 5, true);
    }

    void valuesAboveTheLetterAreCappedAndNotDrawn() {
        FunctionScreen f;
        CanvasRecorder rec(f.form().surface().canvas());
        f.build("0", "x", "0", "4");  // y runs to 4.01: points above 3.01 are not drawn
        QCOMPARE(graphlist::lastPointCount(), 401);
        QCOMPARE(rec.lines().size(), size_t(301));  // y = 0.01 … 3.01
    }

    void pointsWiderThanTheFrameRaiseTheNotice() {
        FunctionScreen f;
        QCOMPARE(f.ctl("Shape1").width(), 101);
        CanvasRecorder rec(f.form().surface().canvas());
        f.build("2", "x", "0", "1");  // x = 2: 100 px, drawn
        QCOMPARE(rec.lines().size(), size_t(100));
        QVERIFY(f.ctl("Label225").isHidden());
        rec.clear();
        f.build("2.1", "x", "0", "1");  // 105 px: the notice, no dots
        QVERIFY(rec.lines().empty());
        QVERIFY(!f.ctl("Label225").isHidden());
        QCOMPARE(f.ctl<Label>("Label225").caption(),
                 "Значение переменной не должно превышать горизонтального размера буквы!" +
                     QString(47, ' ') + "Ok ");
        // Accepting the notice discards the newest graph.
        QCOMPARE(graphTable.graphCount, 2);
        f.click("Label225");
        QCOMPARE(graphTable.graphCount, 1);
        QCOMPARE(f.list().count(), 2);
        QCOMPARE(graphTable.slot(2).xExpr, QString());
        QVERIFY(f.ctl("Label225").isHidden());
    }

    void compileErrorEndsTheBuild() {
        FunctionScreen f;
        f.build("1.2*x+", "x", "0", "1");  // the formula is cut short
        QVERIFY(!f.messages().shown().empty());
        QCOMPARE(f.messages().shown().back().kind, messages::Kind::Error);
        QCOMPARE(graphTable.graphCount, 1);  // already counted
        QCOMPARE(graphTable.slot(1).xExpr, QString());
    }

    void startNotBelowEndStoresAndListsTheGraph() {
        FunctionScreen f;
        CanvasRecorder rec(f.form().surface().canvas());
        f.build("0", "x", "2", "1");
        QVERIFY(rec.lines().empty());
        QCOMPARE(graphlist::lastPointCount(), 0);
        QCOMPARE(f.list().count(), 2);
    }

    void randomExpressionReportsEachUnequalReading() {
        FunctionScreen f;
        // "r" and "d" cannot be typed into the first box; the text is set as an example would.
        f.enterGraph("1", "x", "0", "0,05");
        f.edit(1).setText("rnd(1)");
        f.click("Label148");
        int errors = 0;
        for (const auto& m : f.messages().shown()) errors += m.text == "Ошибка ввода !!!";
        QVERIFY(errors >= 4);  // five points; readings of a uniform random number all differ
        QVERIFY(f.edit(2).isHidden());
    }

    void deleteRemovesTheLineUntilTheNextBuild() {
        FunctionScreen f;
        f.build("0", "x", "0", "1");
        f.build("1", "x", "0", "1");
        QCOMPARE(f.list().count(), 3);
        f.list().setCurrentRow(1);
        graphlist::ListBox1Click(1);
        QCOMPARE(f.ctl<Label>("Label151").caption(), QString("1"));
        QVERIFY(!f.ctl("Label154").isHidden());
        CanvasRecorder rec(f.form().surface().canvas());
        f.click("Label154");
        QCOMPARE(f.list().count(), 2);
        QCOMPARE(rec.lines().size(), size_t(100));  // only graph 2 is redrawn
        QCOMPARE(rec.lines().front().to.x(), 992);
        QCOMPARE(plotState.stepDelayMs, 3);  // the redraw counted the slots with the delay field
        QCOMPARE(graphTable.graphCount, 2);
        graphTable.selectedGraph = 0;
        f.build("2", "x", "0", "1");
        QCOMPARE(f.list().count(), 4);  // the deleted graph's line is back
    }

    void deleteWithTheHintLineSelected() {
        FunctionScreen f;
        f.build("0", "x", "0", "1");
        graphlist::ListBox1Click(0);
        CanvasRecorder rec(f.form().surface().canvas());
        f.click("Label154");
        QVERIFY(!f.list().item(0)->text().startsWith(' '));  // the hint line is gone
        QCOMPARE(rec.lines().size(), size_t(100));           // every graph redrawn
    }

    void deleteAllNumbersTheNextGraphOneAgain() {
        FunctionScreen f;
        f.build("0", "x", "0", "1");
        f.build("1", "x", "0", "1");
        f.click("Label226");
        QCOMPARE(graphTable.graphCount, 0);
        QCOMPARE(f.list().count(), 0);
        f.build("2", "x", "0", "1");
        QVERIFY(f.list().item(1)->text().startsWith("x(1)=2;"));
    }

    void changeRewritesTheSelectedGraph() {
        FunctionScreen f;
        f.build("0", "x", "0", "1");
        graphlist::ListBox1Click(1);
        f.click("Label190");
        f.edit(1).setText("1");
        QVERIFY(!f.ctl("Label189").isHidden());
        CanvasRecorder rec(f.form().surface().canvas());
        f.click("Label189");
        QCOMPARE(graphTable.slot(1).xExpr, QString("1"));
        QCOMPARE(rec.lines().size(), size_t(100));
        QCOMPARE(graphTable.selectedGraph, 0);
        QCOMPARE(f.edit(1).text(), QString());
        QVERIFY(f.list().item(1)->text().startsWith("x(1)=1;"));
    }

    void changeWithoutAValidSelectionChangesNothing() {
        FunctionScreen f;
        f.build("0", "x", "0", "1");
        for (int selection : {0, 5, -3}) {
            graphTable.selectedGraph = selection;
            f.edit(1).setText("1");
            graphlist::Label189Click();
            QCOMPARE(graphTable.slot(1).xExpr, QString("0"));
            QCOMPARE(graphTable.graphCount, 1);
        }
        QVERIFY(f.messages().shown().empty());
    }

    void aLetterHoldsAtMost20000Graphs() {
        FunctionScreen f;
        f.enterGraph("0", "x", "0", "1");
        graphTable.graphCount = GraphTable::kSlots;
        f.click("Label148");
        QCOMPARE(graphTable.graphCount, GraphTable::kSlots);
        QCOMPARE(f.messages().last(),
                 QString("В букве уже 20000 графиков: больше построить нельзя !!!"));
    }

    void aRangeWiderThan200StopsAtTheLimit() {
        FunctionScreen f;
        f.build("0", "0", "0", "1000000");
        QCOMPARE(graphlist::lastPointCount(), graphlist::kMaxPoints);
        QVERIFY(f.messages().last().contains("20000"));
        QCOMPARE(f.list().count(), 2);  // the graph is still stored and listed
    }
};

QTEST_MAIN(FunctionModeTest)
#include "test_function_mode.moc"
