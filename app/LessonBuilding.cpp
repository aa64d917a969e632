#include "LessonBuilding.h"

#include "Controls.h"
#include "LessonFormulas.h"
#include "LetterLesson.h"
#include "Messages.h"
#include "SharedControls.h"
#include "Window.h"
#include "WorkCommands.h"

namespace lessonbuilding {
namespace {

const window::MenuCommand kCommands[] = {{kItem, "F6", BuildFromFormulasClick}};

// The letter Alphabet mode has on screen: its keyboard shows, and the marker stands on a key.
QString alphabetLetter() {
    if (!window::control("Panel3").isVisible()) return {};
    const auto& marker = window::control<Label>(shared::kLetterMarker);
    return marker.isVisible() ? marker.caption() : QString();
}

}  // namespace

void BuildFromFormulasClick() {
    const QString letter = alphabetLetter();
    const LetterLesson* lesson = letter.size() == 1 ? findLesson(letter.at(0).unicode()) : nullptr;
    if (!lesson)
        return messages::show(
            "Сначала выберите букву на клавиатуре режима «Алфавит»: "
            "по формулам её урока будет построена буква в режиме «Ввод функций».");
    workfile::Work work;
    work.begin = workfile::Work::Begin::Key;
    work.letter = letter.toStdString();
    work.comment = ("Формулы урока буквы «" + letter + "»").toStdString();
    QStringList unread;
    for (const LessonGraph& g : readLessonFormulas(*lesson)) {
        if (!g.readable() || !g.hasLimits) {
            unread << g.caption;
            continue;
        }
        work.graphs.push_back({g.xExpr.toStdString(), g.yExpr.toStdString(), g.from, g.to});
    }
    workcommands::buildWork(work, "Формулы буквы «" + letter + "»");
    if (!unread.isEmpty())
        messages::show("Не построены формулы, которые программа не может прочитать: " +
                       unread.join("; ") + ".");
}

void bind() {
    window::bindMenuCommands(kCommands);
}

}  // namespace lessonbuilding
