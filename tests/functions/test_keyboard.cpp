// The keyboard in Function mode's edit boxes, as in any text box: editing keys, Tab, Enter and
// paste; the entry buffer follows what the pupil sees, so a keypad key appends to the box's text.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QtTest>

#include "Fonts.h"
#include "FunctionScreen.h"

namespace {
// A new letter in Function mode from the blank key, the caret in Edit1.
struct KeyboardScreen : FunctionScreen {
    KeyboardScreen() { edit(1).setFocus(); }
    void key(QWidget& w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(&w, k, m);
    }
};

bool hasControlCharacter(const QString& s) {
    for (QChar c : s)
        if (c.category() == QChar::Other_Control) return true;
    return false;
}
}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    // "x+1", Backspace, then the keypad "2": the box and the buffer read "x+2", with no trace of
    // the deleted "1" or of a Backspace character.
    void backspaceThenKeypad() {
        KeyboardScreen f;
        typeText(&f.edit(1), "x+1");
        f.key(f.edit(1), Qt::Key_Backspace);
        QCOMPARE(f.edit(1).text(), QString("x+"));
        QCOMPARE(functionEntry.entryBuffer, QString("x+"));
        f.click("Label102");  // keypad "2"
        QCOMPARE(f.edit(1).text(), QString("x+2"));
        QCOMPARE(functionEntry.entryBuffer, QString("x+2"));
    }

    // Home, Delete, End and the arrows edit as in any text box, and the buffer follows.
    void editingKeys() {
        KeyboardScreen f;
        QLineEdit& e = f.edit(1);
        typeText(&e, "2*x");
        f.key(e, Qt::Key_Home);
        f.key(e, Qt::Key_Delete);
        QCOMPARE(e.text(), QString("*x"));
        QCOMPARE(functionEntry.entryBuffer, QString("*x"));
        typeText(&e, "3");  // at the caret, the start
        QCOMPARE(e.text(), QString("3*x"));
        QCOMPARE(functionEntry.entryBuffer, QString("3*x"));
        f.key(e, Qt::Key_End);
        f.key(e, Qt::Key_Left);
        f.key(e, Qt::Key_Backspace);
        QCOMPARE(e.text(), QString("3x"));
        f.key(e, Qt::Key_Right);
        typeText(&e, "+1");
        QCOMPARE(e.text(), QString("3x+1"));
        QCOMPARE(functionEntry.entryBuffer, QString("3x+1"));
        QVERIFY(!hasControlCharacter(e.text()) && !hasControlCharacter(functionEntry.entryBuffer));
    }

    // Pasted text goes through the same filter as typed keys: "^", capitals, Cyrillic letters
    // and control characters stay out; the rest lands at the caret.
    void pasteIsFiltered() {
        KeyboardScreen f;
        QLineEdit& e = f.edit(1);
        QGuiApplication::clipboard()->setText("sin(x)^2+Ж\t1\bX");
        f.key(e, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.text(), QString("sin(x)2+1"));
        QCOMPARE(functionEntry.entryBuffer, e.text());
        // A decimal comma pasted into a formula is the parser's point.
        QGuiApplication::clipboard()->setText("-1,5;");
        f.key(f.edit(1), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(e.text(), QString("sin(x)2+1-1.5"));
        QCOMPARE(functionEntry.entryBuffer, e.text());
    }

    // Enter does what "Ввод" does, while "Ввод" can be pressed; Tab and Shift+Tab move between
    // the visible, enabled boxes.
    void enterAndTab() {
        KeyboardScreen f;
        typeText(&f.edit(1), "x");
        f.key(f.edit(1), Qt::Key_Return);
        QVERIFY(f.edit(2).isVisible());
        QCOMPARE(functionEntry.entryStage, 2);
        QVERIFY(f.edit(2).hasFocus());
        QVERIFY(f.messages().shown().empty());

        f.key(f.edit(2), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(f.edit(1).hasFocus());
        f.key(f.edit(1), Qt::Key_Tab);
        QVERIFY(f.edit(2).hasFocus());
        f.key(f.edit(2), Qt::Key_Tab);  // Edit3 is still hidden: round to the first box
        QVERIFY(f.edit(1).hasFocus());
        QCOMPARE(functionEntry.entryBuffer, QString("x"));  // what Edit1 holds

        typeText(&f.edit(2), "1");
        f.key(f.edit(2), Qt::Key_Enter);
        typeText(&f.edit(3), "0");
        f.key(f.edit(3), Qt::Key_Return);
        typeText(&f.edit(4), "1");
        f.key(f.edit(4), Qt::Key_Return);
        QCOMPARE(functionEntry.entryStage, 5);
        QVERIFY(f.ctl("Label148").isVisible());  // "Построить график"

        // After a graph is built "Ввод" is disabled until the next change: Enter does nothing.
        f.click("Label148");
        QVERIFY(!f.ctl("Label132").isEnabled());
        const int stage = functionEntry.entryStage;
        f.key(f.edit(1), Qt::Key_Return);
        QCOMPARE(functionEntry.entryStage, stage);
        QVERIFY(f.messages().shown().empty());
    }

    // A disabled key greys its caption, so a pupil sees that "Ввод" cannot be pressed yet.
    void disabledEnterKeyLooksDisabled() {
        KeyboardScreen f;
        QWidget& enter = f.ctl("Label132");
        enter.setEnabled(true);
        const QImage enabled = enter.grab().toImage();
        enter.setEnabled(false);
        const QImage disabled = enter.grab().toImage();
        QCOMPARE(enabled.size(), disabled.size());
        QVERIFY(enabled != disabled);
        // The caption keeps its place: only the colour of the letters changes, not the key.
        QCOMPARE(enabled.pixel(1, 1), disabled.pixel(1, 1));
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
