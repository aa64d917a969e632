#include "AlphabetMode.h"

#include "LetterLesson.h"
#include "Window.h"

void bindAlphabetMode() {
    // Each key runs the lesson of its row: Label14 → "Н", and so on.
    for (auto table : {lessonsAtoO(), lessonsPtoYa()})
        for (const LetterLesson& lesson : table)
            window::onClick(QString::fromUtf8(lesson.key), [&lesson] { runLetterLesson(lesson); });
}
