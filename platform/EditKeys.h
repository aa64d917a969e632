#pragma once

#include <QString>
#include <functional>

class QLineEdit;

// The keyboard in an edit box whose characters are filtered, as a pupil expects of any text box:
// Tab and Shift+Tab move to the next or previous visible, enabled edit box; Delete, Home, End,
// the arrows, undo and cut edit as usual; pasted text (keys, the box's menu) goes through the
// same filter as typed keys; Enter runs the box's confirmation. No control character ever enters
// the text.
namespace editkeys {

struct Hooks {
    // Whether the box takes a typed or pasted character.
    std::function<bool(QChar)> accepts;
    // An accepted character was typed at the end of the text.
    std::function<void(QChar)> appended;
    // Any other change of the text or of the caret (deletions, caret moves, paste, a click or Tab
    // into the box): afterwards the box's own text is what counts.
    std::function<void()> edited;
    // Enter or Return in the box.
    std::function<void()> enter;
    // Optional: the character a typed or pasted one becomes, given the text before and after it;
    // a null QChar refuses it, and `refused` is told (a refusal is never silent).
    std::function<QChar(QChar c, const QString& before, const QString& after)> translate;
    std::function<void(QChar)> refused;
};

void filter(QLineEdit* edit, Hooks hooks);

// The next (or previous) visible, enabled edit box of the same window in Tab order, or nullptr.
QLineEdit* neighbour(QLineEdit* from, bool forward);

}  // namespace editkeys
