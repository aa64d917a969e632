// The main window at start, the start command and the exit.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>

#include "Draw.h"
#include "Fonts.h"
#include "FormFixture.h"
#include "StepLoop.h"

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    void windowIsBorderlessAtItsPlace() {
        FormFixture f;
        QVERIFY(f.form().windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(f.form().pos(), QPoint(61, 150));
        QCOMPARE(f.form().surface().size(), QSize(1212, 731));
        QCOMPARE(f.form().objectName(), QString("Form1"));
        QCOMPARE(f.form().windowTitle(), QString("Литерон"));  // what the task bar shows
        QCOMPARE(f.form().surface().palette().color(QPalette::Window), QColor(215, 228, 242));
    }

    void topLevelControls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Image41") << "Image41" << QRect(680, 56, 521, 657) << true;
        QTest::newRow("Label181") << "Label181" << QRect(112, 208, 393, 129) << true;
        QTest::newRow("Label224") << "Label224" << QRect(830, 408, 193, 37) << true;
        QTest::newRow("Label31") << "Label31" << QRect(1132, 640, 59, 33) << true;
        QTest::newRow("Panel9") << "Panel9" << QRect(72, 712, 561, 53) << true;
        QTest::newRow("Panel1") << "Panel1" << QRect(24, 48, 633, 33) << false;
        QTest::newRow("Panel2") << "Panel2" << QRect(920, -248, 241, 369) << false;
        QTest::newRow("Memo1") << "Memo1" << QRect(568, -112, 337, 169) << false;
        QTest::newRow("Image38") << "Image38" << QRect(0, 32, 685, 681) << false;
        QTest::newRow("Image10") << "Image10" << QRect(697, 86, 491, 484) << false;
        QTest::newRow("Panel3") << "Panel3" << QRect(734, 576, 385, 108) << false;
        QTest::newRow("Panel4") << "Panel4" << QRect(104, 88, 481, 449) << false;
        QTest::newRow("Panel5") << "Panel5" << QRect(728, 576, 393, 108) << false;
        QTest::newRow("Panel6") << "Panel6" << QRect(728, 576, 393, 108) << false;
        QTest::newRow("Panel8") << "Panel8" << QRect(0, 528, 705, 201) << false;
        QTest::newRow("Label40") << "Label40" << QRect(792, 16, 361, 33) << false;
        QTest::newRow("Label1") << "Label1" << QRect(8, 30, 657, 18) << false;
        QTest::newRow("Label65") << "Label65" << QRect(696, 86, 492, 65) << false;
        QTest::newRow("Shape1") << "Shape1" << QRect(124, 680, 101, 151) << false;
        QTest::newRow("Label143") << "Label143" << QRect(304, 6, 89, 15) << false;
        QTest::newRow("Label151") << "Label151" << QRect(1056, 704, 76, 22) << false;
        QTest::newRow("Label227") << "Label227" << QRect(968, 710, 76, 22) << false;
        QTest::newRow("Image37") << "Image37" << QRect(288, 324, 113, 118) << false;
        QTest::newRow("Image40") << "Image40" << QRect(592, 324, 96, 121) << false;
        // The word slots: five rows at Top 88, 208, 328, 456, 576.
        QTest::newRow("Image1") << "Image1" << QRect(23, 88, 67, 101) << false;
        QTest::newRow("Image7") << "Image7" << QRect(589, 88, 67, 101) << false;
        QTest::newRow("Image14") << "Image14" << QRect(306, 208, 67, 101) << false;
        QTest::newRow("Image18") << "Image18" << QRect(84, 328, 67, 101) << false;
        QTest::newRow("Image8") << "Image8" << QRect(304, 328, 67, 101) << false;
        QTest::newRow("Image21") << "Image21" << QRect(540, 328, 67, 101) << false;
        QTest::newRow("Image22") << "Image22" << QRect(23, 456, 67, 101) << false;
        QTest::newRow("Image32") << "Image32" << QRect(212, 576, 67, 101) << false;
        QTest::newRow("Image36") << "Image36" << QRect(589, 576, 67, 101) << false;
    }
    void topLevelControls() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(bool, shown);
        FormFixture f;
        QWidget& w = f.ctl(name.toUtf8().constData());
        QCOMPARE(w.parentWidget(), &f.form().surface());
        QCOMPARE(w.geometry(), place);
        QCOMPARE(!w.isHidden(), shown);
    }

    void thirtyThreeSlotPictures() {
        FormFixture f;
        const char* slotNames[] = {"Image1",  "Image2",  "Image3",  "Image4",  "Image5",  "Image6",
                                   "Image7",  "Image11", "Image12", "Image13", "Image14", "Image15",
                                   "Image16", "Image17", "Image18", "Image19", "Image8",  "Image20",
                                   "Image21", "Image22", "Image23", "Image24", "Image25", "Image26",
                                   "Image27", "Image28", "Image29", "Image30", "Image32", "Image33",
                                   "Image34", "Image35", "Image36"};
        QCOMPARE(std::size(slotNames), size_t(33));
        for (const char* n : slotNames) {
            QCOMPARE(f.ctl<Picture>(n).size(), QSize(67, 101));
            QVERIFY2(f.ctl(n).isHidden(), n);
        }
        // There is no slot 9 or 31.
        QVERIFY(!f.form().surface().findChild<QWidget*>("Image9"));
        QVERIFY(!f.form().surface().findChild<QWidget*>("Image31", Qt::FindDirectChildrenOnly));
    }

    void startScreenTexts() {
        FormFixture f;
        QCOMPARE(f.ctl<Label>("Label181").caption(),
                 QString("Литерон графиками математических функций"));
        QCOMPARE(f.ctl<Label>("Label224").caption(), QString("Старт программы"));
        QCOMPARE(f.ctl<Label>("Label31").caption(), QString("Выход"));
        QCOMPARE(f.ctl<Label>("Label31").color(), QColor(128, 0, 0));
        QCOMPARE(f.ctl<Label>("Label31").fontColor(), QColor(255, 255, 0));
        QCOMPARE(f.ctl<Label>("Label181").fontColor(), QColor(0, 0, 255));
        QVERIFY(f.ctl<Label>("Label181").font().italic());
        QCOMPARE(f.ctl<Label>("Label181").font().pixelSize(), 35);
        QCOMPARE(f.ctl<Label>("Label143").caption(), QString("Удалить букву"));
    }

    void picturesAreDecodedAndPainted() {
        FormFixture f;
        QCOMPARE(f.ctl<Picture>("Image10").picture().size(), QSize(491, 484));
        QCOMPARE(f.ctl<Picture>("Image10").picture().pixelColor(5, 5), QColor(128, 255, 255));
        for (const char* n :
             {"Image41", "Image38", "Image1", "Image36", "Image40", "Image31", "Image37"})
            QVERIFY2(!f.ctl<Picture>(n).picture().isNull(), n);
        QVERIFY(!f.ctl("Image38").isEnabled());
        QVERIFY(!f.ctl("Image10").isEnabled());
    }

    void menuItemsAndCaptions() {
        FormFixture f;
        QMenuBar* bar = f.form().menuBar();
        QCOMPARE(bar->objectName(), QString("MainMenu1"));
        QStringList top;
        for (QAction* a : bar->actions()) top << a->text();
        QCOMPARE(top, QStringList({"File", "Назначение программы", "Автор программы",
                                   "Работа с программой", "Режимы", "Пример букв", "Конкурс"}));
        auto items = [&](const char* menu) {
            QStringList out;
            for (QAction* a : f.form().menuItem(menu).menu()->actions())
                out << a->objectName() + "=" + a->text();
            return out;
        };
        // Keeping work stands between the start and the exit.
        QCOMPARE(items("File1"),
                 QStringList({"N9=Старт", "OpenWork=Открыть…", "SaveWork=Сохранить",
                              "SaveWorkAs=Сохранить как…", "RecentWorks=Недавние работы",
                              "SavePicture=Сохранить рисунок…", "PrintWork=Печать…", "N10=Выход"}));
        QCOMPARE(f.form().menuItem("OpenWork").shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(f.form().menuItem("SaveWork").shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(f.form().menuItem("SaveWorkAs").shortcut(), QKeySequence("Ctrl+Shift+S"));
        QCOMPARE(f.form().menuItem("SavePicture").shortcut(), QKeySequence("Ctrl+E"));
        QCOMPARE(f.form().menuItem("PrintWork").shortcut(), QKeySequence("Ctrl+P"));
        // The three modes, and the step from a lesson to Function mode.
        QCOMPARE(items("N4"), QStringList({"N6=Алфавит", "N7=Ввод текста", "N8=Ввод функций",
                                           "BuildFromFormulas=Построить по формулам"}));
        QCOMPARE(f.form().menuItem("BuildFromFormulas").shortcut(), QKeySequence("F6"));
        QCOMPARE(items("N5"),
                 QStringList({"N11=Буква Б", "N12=В", "N13=Д", "N23=Ж", "N14=З", "N15=Й", "N16=М",
                              "N21=Р", "N22=С", "N20=Ы", "N17=Э", "N18=Ю", "N19=Я", "N24=Ъ"}));
        QVERIFY(!f.form().menuItem("N5").isEnabled());
        QVERIFY(f.form().menuItem("N3").isEnabled());
        QCOMPARE(items("Contest"),
                 QStringList({"CheckLetter=Проверить букву", "NewRound=Новый раунд…",
                              "PassTurn=Передать ход", "RoundResults=Итоги раунда",
                              "SaveRound=Сохранить итоги…", "PrintRound=Печать итогов…",
                              "EndRound=Закончить раунд"}));
    }

    void workWithProgramDoesNothing() {
        FormFixture f;
        const auto before = f.visibility();
        f.menu("N3");
        pacing::processPendingEvents();
        QCOMPARE(f.visibility(), before);
        QVERIFY(f.messages().shown().empty());
    }

    void timersAreOffAtStart() {
        FormFixture f;
        QCOMPARE(f.form().timer("Timer1").interval(), 100);
        QCOMPARE(f.form().timer("Timer2").interval(), 70);
        QCOMPARE(f.form().timer("Timer3").interval(), 140);
        for (const char* t : {"Timer1", "Timer2", "Timer3"}) QVERIFY(!f.form().timer(t).isActive());
    }

    void startCommandShowsTheWorkingScreen() {
        FormFixture f;
        f.click("Label224");
        for (const char* n :
             {"Label142", "Panel2", "Label181", "Label224", "Label45", "Label61", "Label44"})
            QVERIFY2(f.ctl(n).isHidden(), n);
        for (const char* n : {"Panel1", "Image38", "Image10", "Image41", "Label31"})
            QVERIFY2(!f.ctl(n).isHidden(), n);
    }

    void startCommandTwiceEqualsOnce() {
        FormFixture f;
        f.click("Label224");
        const auto once = f.visibility();
        f.form().Label142Click();
        QCOMPARE(f.visibility(), once);
    }

    void menuStartEqualsCaptionStart() {
        FormFixture a;
        a.click("Label224");
        const auto byCaption = a.visibility();
        FormFixture b;
        b.menu("N9");
        QCOMPARE(b.visibility(), byCaption);
    }

    void exitClosesTheWindow() {
        FormFixture f;
        f.click("Label31");
        QVERIFY(!f.form().isVisible());
        QVERIFY(pacing::quitting());
    }

    void exitDuringADrawingStopsItWithinAStep() {
        FormFixture f;
        f.click("Label224");
        draw::originAtCentreOf(f.ctl("Image10"));
        plotState.paramStart = 0;
        plotState.paramEnd = 7;
        plotState.paramStep = 0.01;
        int steps = 0;
        QTimer::singleShot(0, &f.form(), [&] { f.form().menuItem("N10").trigger(); });
        runStepLoop([&] {
            ++steps;
            draw::pen(Qt::red, 5);
            draw::dot(47 * std::cos(plotState.paramValue), -72 * std::sin(plotState.paramValue));
        });
        QCOMPARE(steps, 1);  // the close arrives with the first event processing
        QVERIFY(!f.form().isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
