#pragma once

#include <QLineEdit>
#include <QListWidget>

#include "FormFixture.h"
#include "FunctionEntry.h"
#include "FunctionState.h"
#include "GraphTable.h"
#include "LocaleNumbers.h"

// A new letter in Function mode, from the blank key (or the key given): every entry empty,
// stage 1.
struct FunctionScreen : FormFixture {
    explicit FunctionScreen(QChar separator = ',', const char* letterKey = "Label44") {
        localenumbers::setDecimalSeparator(separator);
        functionEntry = FunctionEntry{};
        letterBeginning = LetterBeginning{};
        graphTable.graphCount = 0;
        graphTable.selectedGraph = 0;
        click("Label224");
        click("Label147");
        click(letterKey);
        pacing::processPendingEvents();
    }
    ~FunctionScreen() { localenumbers::setDecimalSeparator(QChar()); }

    QLineEdit& edit(int box) { return functionentry::edit(box); }
    QListWidget& list() { return ctl<QListWidget>("ListBox1"); }
    void enter() { click("Label132"); }
    // Types the four entries and confirms each, as a pupil does on the keyboard.
    void enterGraph(const QString& x, const QString& y, const QString& start, const QString& end) {
        const QString texts[] = {x, y, start, end};
        for (int box = 1; box <= 4; ++box) {
            edit(box).setFocus();
            typeText(&edit(box), texts[box - 1]);
            enter();
        }
    }
    // A further graph: the pupil first empties the boxes that still hold the last entries.
    void build(const QString& x, const QString& y, const QString& start, const QString& end) {
        for (int box = 1; box <= 4; ++box) edit(box).clear();
        enterGraph(x, y, start, end);
        click("Label148");
    }
};
