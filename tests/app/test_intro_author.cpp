// The introduction memo and the author panel.
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

#include "Fonts.h"
#include "FormFixture.h"

class IntroAuthorTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    void introductionHasItsTwentyNineLines() {
        FormFixture f;
        const QStringList lines = f.ctl<QPlainTextEdit>("Memo1").toPlainText().split('\n');
        QCOMPARE(lines.size(), 29);
        QCOMPARE(lines[0], QString("Программа формирует буквы русского "));
        for (int empty : {8, 14, 18, 23}) QCOMPARE(lines[empty - 1], QString());
        QCOMPARE(lines[18], QString("Третий  режим  позволяет пользователю "));
        QCOMPARE(lines[20], QString("для них. После чего вычерчиваются графики,  "));
        QCOMPARE(lines[24], QString(" пособие,  в процессе закрепления знаний по "));
        QCOMPARE(lines[28], QString("созданных букв функциями."));
    }

    void introductionShowsAndHidesOnAClick() {
        FormFixture f;
        f.menu("N1");
        QVERIFY(!f.ctl("Memo1").isHidden());
        QCOMPARE(f.ctl("Memo1").geometry(), QRect(568, -112, 337, 169));
        auto& memo = f.ctl<QPlainTextEdit>("Memo1");
        QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, QPoint(20, 140));
        QVERIFY(f.ctl("Memo1").isHidden());
    }

    void typingIntoTheIntroductionHidesItAndKeepsTheCharacter() {
        FormFixture f;
        f.menu("N1");
        auto& memo = f.ctl<QPlainTextEdit>("Memo1");
        memo.setFocus();
        memo.moveCursor(QTextCursor::End);
        typeText(&memo, QString("ж"));
        QVERIFY(memo.isHidden());
        QVERIFY(memo.toPlainText().endsWith("ж"));
        f.menu("N1");  // shown again with the edit kept
        QVERIFY(memo.toPlainText().endsWith("ж"));
    }

    void creditLineIsFortyCharactersWithEightBlanks() {
        QCOMPARE(creditLine().size(), 40);
        QVERIFY(creditLine().contains("        "));
        QVERIFY(!creditLine().contains("         "));
    }

    void authorPanelRevealAndTyping() {
        FormFixture f;
        f.menu("N2");
        QVERIFY(!f.ctl("Panel2").isHidden());
        QVERIFY(f.form().timer("Timer3").isActive());
        QVERIFY(f.ctl("Label142").isHidden());  // shown with the first typing tick, not at once
        f.form().Timer3Timer();                 // 712 + 9 > 400 at the first tick
        QVERIFY(f.ctl("Panel9").isHidden());
        QCOMPARE(f.ctl("Panel9").y(), 721);
        QVERIFY(!f.form().timer("Timer3").isActive());
        QVERIFY(f.form().timer("Timer1").isActive());
        auto& credit = f.ctl<Label>("Label141");
        f.form().Timer1Timer();
        QCOMPARE(credit.caption(), QString());  // the first tick shows nothing
        QCOMPARE(credit.tag(), 1);
        QVERIFY(!f.ctl("Label142").isHidden());
        for (int i = 0; i < 40; ++i) f.form().Timer1Timer();
        QCOMPARE(credit.caption(), creditLine());  // all 40 from the 41st tick on
        QCOMPARE(credit.caption().size(), 40);
    }

    void authorTwiceDoesNotRestartTheTyping() {
        FormFixture f;
        f.menu("N2");
        f.form().Timer3Timer();
        for (int i = 0; i < 10; ++i) f.form().Timer1Timer();
        f.menu("N2");
        f.form().Timer3Timer();  // the strip is already past 400
        f.form().Timer1Timer();
        QCOMPARE(f.ctl<Label>("Label141").caption(), creditLine().left(10));
    }

    void titleIsHiddenAtTheEightHundredFirstTickEvenWhenThePanelIsClosed() {
        FormFixture f;
        f.menu("N2");
        f.form().Timer3Timer();
        QTest::mouseClick(&f.ctl("Panel2"), Qt::LeftButton, {},
                          QPoint(5, 360));  // closes the panel
        QVERIFY(f.ctl("Panel2").isHidden());
        for (int i = 0; i < 800; ++i) f.form().Timer1Timer();
        QVERIFY(!f.ctl("Label181").isHidden());
        QVERIFY(f.form().timer("Timer1").isActive());
        f.form().Timer1Timer();  // the 801st
        QVERIFY(f.ctl("Label181").isHidden());
        QVERIFY(!f.form().timer("Timer1").isActive());
        // Past 800 the next showing types the whole line at once and stops again.
        f.form().timer("Timer1").start();
        f.form().Timer1Timer();
        QCOMPARE(f.ctl<Label>("Label141").caption(), creditLine());
        QVERIFY(!f.form().timer("Timer1").isActive());
    }

    void startFromTheAuthorPanel() {
        FormFixture f;
        f.menu("N2");
        f.form().Timer3Timer();
        f.form().Timer1Timer();
        f.click("Label142");
        QVERIFY(f.ctl("Panel2").isHidden());
        QVERIFY(!f.ctl("Panel1").isHidden());
        QVERIFY(f.form().timer("Timer1").isActive());  // the start command stops no timer
    }

    // Esc hides the introduction and the author panel, as a click on them does, wherever the
    // keyboard focus is.
    void escapeHidesTheIntroductionAndTheAuthorPanel() {
        FormFixture f;
        f.menu("N1");
        QVERIFY(f.ctl("Memo1").isVisible());
        QTest::keyClick(&f.form(), Qt::Key_Escape);
        QVERIFY(f.ctl("Memo1").isHidden());

        f.menu("N2");
        f.form().Timer3Timer();
        f.menu("N1");
        QTest::keyClick(&f.ctl("Memo1"), Qt::Key_Escape);
        QVERIFY(f.ctl("Memo1").isHidden());
        QVERIFY(f.ctl("Panel2").isHidden());
    }

    // The credit line names the program, not a person.
    void creditNamesTheProgram() { QVERIFY(creditLine().startsWith("Литерон")); }
};

QTEST_MAIN(IntroAuthorTest)
#include "test_intro_author.moc"
