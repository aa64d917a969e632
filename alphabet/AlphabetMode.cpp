#include "AlphabetMode.h"

#include "AlphabetGroups.h"
#include "LetterLesson.h"
#include "ModeParts.h"
#include "Window.h"

void bindAlphabetMode() {
    // What another mode asks of it: to put away its letter pictures, hotspots and click strips,
    // and which of its keys is a letter's.
    modeparts::Mode mode;
    mode.hideParts = [] {
        for (const QString& n : groups::letterPartControls()) window::control(n).hide();
    };
    mode.letterKey = [](QChar letter) -> QWidget* {
        const LetterLesson* lesson = findLesson(letter.unicode());
        return lesson ? &window::control(QString::fromUtf8(lesson->key)) : nullptr;
    };
    modeparts::registerMode("alphabet", mode);
    // Each key runs the lesson of its row: Label14 → "Н", and so on.
    for (auto table : {lessonsAtoO(), lessonsPtoYa()})
        for (const LetterLesson& lesson : table)
            window::onClick(QString::fromUtf8(lesson.key), [&lesson] { runLetterLesson(lesson); });
}
