#include "AlphabetMode.h"

#include "AlphabetGroups.h"
#include "LetterLesson.h"
#include "ModeParts.h"
#include "Window.h"

void bindAlphabetMode() {
    // What another mode asks it to put away: its letter pictures, hotspots and click strips.
    modeparts::registerMode("alphabet", {.hideParts = [] {
                                for (const QString& n : groups::letterPartControls())
                                    window::control(n).hide();
                            }});
    // Each key runs the lesson of its row: Label14 → "Н", and so on.
    for (auto table : {lessonsAtoO(), lessonsPtoYa()})
        for (const LetterLesson& lesson : table)
            window::onClick(QString::fromUtf8(lesson.key), [&lesson] { runLetterLesson(lesson); });
}
