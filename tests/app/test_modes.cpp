// The three mode entries, menu and caption variants, and what each leaves on screen.
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest>

#include "AlphabetGroups.h"
#include "CanvasRecorder.h"
#include "Fonts.h"
#include "FormFixture.h"
#include "KeyboardLayout.h"
#include "LetterStart.h"
#include "ShellGroups.h"
#include "TextGroups.h"

namespace {
QColor captionColour(FormFixture& f, const char* n) {
    return f.ctl<Label>(n).fontColor();
}

bool allHidden(FormFixture& f, const QStringList& names) {
    for (const QString& n : names)
        if (!f.ctl(n).isHidden()) return false;
    return true;
}

// Shows every letter part, formula label and template picture, as lessons and picks would.
void showEverything(FormFixture& f) {
    for (const QStringList* g :
         {&groups::letterPartControls(), &groups::formulaLabels(), &groups::templatePictures()})
        for (const QString& n : *g) f.ctl(n).show();
    f.ctl("Label65").show();
    f.ctl("label228").show();
}
}  // namespace

class ModesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }
    void init() { keyboardlayout::reset(); }

    void groupsHaveTheirSizes() {
        QCOMPARE(groups::letterPartControls().size(), 106);
        QStringList unique = groups::letterPartControls();
        QCOMPARE(unique.removeDuplicates(), 0);
        QCOMPARE(groups::wordSlots().size(), 33);
        QCOMPARE(groups::slotsEnabledByMode().size(), 32);
        QCOMPARE(groups::templatePictures().size(), 33);
        QCOMPARE(groups::formulaLabels().size(), 18);
    }

    void alphabetFromTheMenu() {
        FormFixture f;
        f.click("Label224");
        showEverything(f);
        f.ctl<Shape>("Shape1").setPenColor(Qt::yellow);
        f.menu("N6");
        QVERIFY(!f.ctl("Panel3").isHidden());
        for (const char* n :
             {"Panel4", "Panel5", "Panel6", "Panel8", "Label65", "Label143", "ImRamkaSetka1"})
            QVERIFY2(f.ctl(n).isHidden(), n);
        QVERIFY(!f.ctl("Label1").isHidden());
        QCOMPARE(captionColour(f, "Label145"), QColor(255, 0, 0));
        QCOMPARE(captionColour(f, "Label146"), QColor(0, 0, 255));
        QCOMPARE(captionColour(f, "Label147"), QColor(0, 0, 255));
        auto& frame = f.ctl<Shape>("Shape1");
        QVERIFY(!frame.isHidden());
        QCOMPARE(frame.pos(), QPoint(892, 252));
        QCOMPARE(frame.width(), 101);                    // width left as it was
        QCOMPARE(frame.penColor(), QColor(Qt::yellow));  // pen left as it was
        QVERIFY(allHidden(f, groups::letterPartControls()));
        QVERIFY(allHidden(f, groups::formulaLabels()));
        QVERIFY(allHidden(f, groups::templatePictures()));
        QVERIFY(allHidden(f, groups::wordSlots()));
        QVERIFY(!f.ctl("Image37").isHidden());
        QVERIFY(!f.ctl("Image37").isEnabled());
        for (const QString& n : groups::slotsEnabledByMode()) QVERIFY(!f.ctl(n).isEnabled());
        QVERIFY(f.ctl("Image8").isEnabled());  // the one slot the entry leaves alone
        for (const QString& n : groups::wordSlots()) QCOMPARE(f.ctl(n).size(), QSize(67, 101));
        QVERIFY(!f.form().menuItem("N5").isEnabled());
    }

    void alphabetFromTheCaption() {
        FormFixture f;
        f.click("Label224");
        f.form().menuItem("N5").setEnabled(true);
        f.ctl("ImRamkaSetka2").show();
        f.click("Label145");
        auto& frame = f.ctl<Shape>("Shape1");
        QCOMPARE(frame.penColor(), QColor(255, 242, 0));
        QCOMPARE(frame.geometry(), QRect(938, 175, 105, 151));
        QVERIFY(f.ctl("Label1").isHidden());
        QVERIFY(f.ctl("ImRamkaSetka2").isHidden());
        QVERIFY(!f.form().menuItem("N5").isEnabled());
    }

    void textFromTheMenuWidensTheSlots() {
        FormFixture f;
        f.click("Label224");
        showEverything(f);
        f.menu("N7");
        QVERIFY(!f.ctl("Panel6").isHidden());
        for (const char* n : {"Panel3", "Panel4", "Panel5", "Panel8", "Image37"})
            QVERIFY2(f.ctl(n).isHidden(), n);
        QCOMPARE(captionColour(f, "Label146"), QColor(255, 0, 0));
        QCOMPARE(f.ctl("Shape1").pos(), QPoint(892, 252));
        QVERIFY(!f.ctl("Label1").isHidden());
        for (const QString& n : groups::wordSlots()) {
            QVERIFY(!f.ctl(n).isHidden());
            QCOMPARE(f.ctl(n).size(), QSize(90, 115));
        }
        QCOMPARE(f.ctl("Image37").size(), QSize(90, 115));
        QVERIFY(f.ctl("Image37").isEnabled());
        for (const QString& n : groups::slotsEnabledByMode()) QVERIFY(f.ctl(n).isEnabled());
        QVERIFY(allHidden(f, groups::letterPartControls()));
        QVERIFY(allHidden(f, groups::formulaLabels()));
        QVERIFY(allHidden(f, groups::templatePictures()));
        QVERIFY(f.ctl("Label65").isHidden());
    }

    void textFromTheCaptionKeepsSmallSlots() {
        FormFixture f;
        f.click("Label224");
        f.ctl("Label132").setEnabled(false);
        f.form().menuItem("N5").setEnabled(true);
        f.click("Label146");
        for (const QString& n : groups::wordSlots()) QCOMPARE(f.ctl(n).size(), QSize(67, 101));
        QCOMPARE(f.ctl("Image37").size(), QSize(113, 118));  // left at its size
        QVERIFY(f.ctl("Label132").isEnabled());
        QVERIFY(!f.form().menuItem("N5").isEnabled());
    }

    void textEntryLeavesTheDeleteKeyAlone() {
        FormFixture f;
        f.click("Label224");
        f.ctl("Label143").show();
        f.menu("N7");
        QVERIFY(!f.ctl("Label143").isHidden());
    }

    void functionFromTheMenu() {
        FormFixture f;
        f.click("Label224");
        f.menu("N6");
        showEverything(f);
        f.ctl("Panel4").show();
        f.ctl("Panel8").show();
        plotState.stepDelayMs = 11;
        f.menu("N8");
        QVERIFY(!f.ctl("Panel5").isHidden());
        for (const char* n :
             {"Panel3", "Panel6", "Label143", "Label181", "Label65", "Shape1", "Image37"})
            QVERIFY2(f.ctl(n).isHidden(), n);
        QVERIFY(!f.ctl("Panel4").isHidden());  // not touched
        QVERIFY(!f.ctl("Panel8").isHidden());
        QVERIFY(!f.ctl("Label1").isHidden());
        QCOMPARE(f.ctl("ImRamkaSetka1").y(), 177);
        QCOMPARE(plotState.originX, 942);
        QCOMPARE(plotState.originY, 328);
        QCOMPARE(plotState.stepDelayMs, 5);
        QCOMPARE(captionColour(f, "Label147"), QColor(255, 0, 0));
        QVERIFY(allHidden(f, groups::letterPartControls()));
        QVERIFY(allHidden(f, groups::wordSlots()));
        // Neither the formula labels nor the templates are hidden from the menu.
        QVERIFY(!f.ctl("Label46").isHidden());
        QVERIFY(!f.ctl("ImAJ").isHidden());
        QVERIFY(keyboardlayout::usEnglishSelected());
    }

    void functionFromTheCaption() {
        FormFixture f;
        f.click("Label224");
        showEverything(f);
        f.ctl("Label44").hide();
        f.ctl("ListBox1").setEnabled(false);
        f.click("Label147");
        QVERIFY(f.ctl("Label1").isHidden());
        QVERIFY(f.ctl("label228").isHidden());
        QVERIFY(!f.ctl("Label44").isHidden());
        QVERIFY(allHidden(f, groups::formulaPairs()));
        for (const char* prefix : {"Label47", "Label50", "Label53", "Label56", "Label59"})
            QVERIFY2(!f.ctl(prefix).isHidden(), prefix);  // the prefixes stay as they were
        QVERIFY(f.ctl("ListBox1").isEnabled());
        QCOMPARE(f.ctl("ImRamkaSetka1").y(), 177);
    }

    void leavingFunctionModeHidesTemplates() {
        for (const char* entry : {"N6", "N7"}) {
            FormFixture f;
            f.click("Label224");
            f.menu("N8");
            f.ctl("ImNJ").show();
            f.menu(entry);
            QVERIFY2(allHidden(f, groups::templatePictures()), entry);
        }
    }

    void everyEntryWipesThePlane() {
        for (const char* entry : {"N6", "Label145", "N7", "Label146", "N8", "Label147"}) {
            FormFixture f;
            f.click("Label224");
            pacing::processPendingEvents();
            WindowCanvas& c = f.form().surface().canvas();
            c.setPenColor(Qt::red);
            c.setPenWidth(5);
            c.moveTo(900, 300);
            c.lineTo(1000, 300);
            if (QByteArray(entry).startsWith('N'))
                f.menu(entry);
            else
                f.click(entry);
            pacing::processPendingEvents();
            QVERIFY2(c.pixel(950, 300).alpha() == 0, entry);
        }
    }

    void panel1BackgroundShowsTheGraphNumber() {
        FormFixture f;
        f.click("Label224");
        QTest::mouseClick(&f.ctl("Panel1"), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!f.ctl("Label151").isHidden());
    }

    void cyrillicKeysArriveAsLatinAfterFunctionEntry() {
        FormFixture f;
        f.click("Label224");
        auto& edit = f.ctl<QLineEdit>("Edit1");
        edit.show();
        f.ctl("Panel4").show();
        typeText(&edit, QString("ч"));
        // Before the switch the desktop's layout holds, and the box refuses a Cyrillic letter.
        QCOMPARE(edit.text(), QString());
        f.menu("N8");
        typeText(&edit, QString("ыштчю"));  // s i n x . on a Russian keyboard
        QCOMPARE(edit.text(), QString("sinx."));
        QCOMPARE(keyboardlayout::latinAtSamePlace(QChar(0x0439)), QChar('q'));  // й
    }
};

QTEST_MAIN(ModesTest)
#include "test_modes.moc"
