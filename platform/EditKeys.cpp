#include "EditKeys.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>

namespace editkeys {
namespace {

bool editingShortcut(QKeyEvent* k) {
    return k->matches(QKeySequence::Undo) || k->matches(QKeySequence::Redo) ||
           k->matches(QKeySequence::Cut) || k->matches(QKeySequence::Copy) ||
           k->matches(QKeySequence::SelectAll);
}

class Filter : public QObject {
  public:
    Filter(QLineEdit* edit, Hooks hooks) : QObject(edit), edit_(edit), hooks_(std::move(hooks)) {
        edit->setAcceptDrops(false);  // dropped text would pass by the filter
        edit->installEventFilter(this);
    }

    // Pasted text, from the keys or the menu: the characters the box takes, at the caret.
    void paste() {
        const QString clip = QGuiApplication::clipboard()->text();
        const QString before = textBeforeCaret(), after = textAfterCaret();
        QString taken;
        QChar refused;
        for (qsizetype i = 0; i < clip.size(); ++i) {
            QChar c = clip.at(i);
            if (c.isNonCharacter() || c.category() == QChar::Other_Control) continue;
            const QChar typed = c;
            if (!translated(c, before + taken, clip.mid(i + 1) + after, false)) {
                refused = typed;
                continue;
            }
            if (hooks_.accepts(c))
                taken += c;
            else if (!c.isSpace())
                refused = typed;
        }
        // The refusal is told after the box has changed, so that it stays in sight.
        const auto tell = qScopeGuard([&] {
            if (!refused.isNull() && hooks_.refused) hooks_.refused(refused);
        });
        if (taken.isEmpty()) return;
        edit_->insert(taken);
        hooks_.edited();
    }

    // Text an input method commits passes the same check as typed keys; its preedit (the text
    // still being composed) is never shown in the box.
    void inputMethod(QInputMethodEvent* e) {
        QString taken;
        QChar refused;
        const QString before = textBeforeCaret(), after = textAfterCaret();
        const QString commit = e->commitString();
        for (qsizetype i = 0; i < commit.size(); ++i) {
            QChar c = commit.at(i);
            if (c.isNonCharacter() || c.category() == QChar::Other_Control) continue;
            const QChar typed = c;
            if (!translated(c, before + taken, commit.mid(i + 1) + after, false) ||
                !hooks_.accepts(c)) {
                if (!typed.isSpace()) refused = typed;
                continue;
            }
            taken += c;
        }
        if (!taken.isEmpty()) {
            const bool atEnd =
                edit_->cursorPosition() == edit_->text().size() && !edit_->hasSelectedText();
            edit_->insert(taken);
            if (atEnd)
                for (QChar c : taken) hooks_.appended(c);
            else
                hooks_.edited();
        }
        if (!refused.isNull() && hooks_.refused) hooks_.refused(refused);
    }

    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
            case QEvent::KeyPress:
                return key(static_cast<QKeyEvent*>(e));
            case QEvent::FocusIn: {
                const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
                if (why == Qt::TabFocusReason || why == Qt::BacktabFocusReason ||
                    why == Qt::MouseFocusReason)
                    hooks_.edited();
                return false;
            }
            case QEvent::MouseButtonRelease:
                // A click places the caret.
                hooks_.edited();
                return false;
            case QEvent::ContextMenu:
                menu(static_cast<QContextMenuEvent*>(e));
                return true;
            case QEvent::InputMethod:
                inputMethod(static_cast<QInputMethodEvent*>(e));
                return true;
            default:
                return false;
        }
    }

  private:
    QString textBeforeCaret() const {
        const int at = edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
        return edit_->text().left(at);
    }
    QString textAfterCaret() const {
        const int at = edit_->hasSelectedText()
                           ? edit_->selectionStart() + int(edit_->selectedText().size())
                           : edit_->cursorPosition();
        return edit_->text().mid(at);
    }
    // Applies the box's translation to `c`; false when the box refuses it.
    bool translated(QChar& c, const QString& before, const QString& after, bool tell = true) {
        if (!hooks_.translate) return true;
        const QChar to = hooks_.translate(c, before, after);
        if (to.isNull()) {
            if (tell && hooks_.refused) hooks_.refused(c);
            return false;
        }
        c = to;
        return true;
    }

    struct State {
        QString text;
        int caret;
        int selectionStart;
        int selectionLength;
        bool operator==(const State&) const = default;
    };
    State state() const {
        return {edit_->text(), edit_->cursorPosition(), edit_->selectionStart(),
                static_cast<int>(edit_->selectedText().size())};
    }

    bool key(QKeyEvent* k) {
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            const bool forward = k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier);
            if (QLineEdit* next = neighbour(edit_, forward))
                next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (hooks_.enter) hooks_.enter();
            return true;
        }
        if (k->matches(QKeySequence::Paste)) {
            paste();
            return true;
        }
        const QString text = k->text();
        if (text.size() == 1 && text.at(0).category() != QChar::Other_Control) {
            QChar c = text.at(0);
            if (!translated(c, textBeforeCaret(), textAfterCaret())) return true;
            if (!hooks_.accepts(c)) {
                if (hooks_.refused) hooks_.refused(c);  // not a word lost without one said
                return true;
            }
            const bool atEnd =
                edit_->cursorPosition() == edit_->text().size() && !edit_->hasSelectedText();
            if (c != text.at(0)) {
                // The box takes another character than the key's: it is put in here.
                if (atEnd) hooks_.appended(c);
                edit_->insert(QString(c));
                if (!atEnd) hooks_.edited();
                return true;
            }
            if (atEnd) {
                hooks_.appended(c);
                return false;  // the box inserts it as usual
            }
        } else if (!text.isEmpty() && k->key() != Qt::Key_Backspace && k->key() != Qt::Key_Delete &&
                   k->key() != Qt::Key_Escape && !editingShortcut(k)) {
            return true;  // any other control character stays out
        }
        // The box edits or moves its caret as usual; what it changed, it now holds.
        const State before = state();
        edit_->event(k);
        if (!(state() == before)) hooks_.edited();
        return k->isAccepted();  // a key the box leaves (Esc, F-keys) goes on to the window
    }

    // The box's own menu, with Paste going through the filter.
    void menu(QContextMenuEvent* e) {
        QMenu* menu = edit_->createStandardContextMenu();
        for (QAction* a : menu->actions()) {
            if (a->objectName() == "edit-paste") {
                a->disconnect();
                connect(a, &QAction::triggered, this, &Filter::paste);
            } else if (a->objectName() != "edit-copy" && a->objectName() != "select-all") {
                connect(a, &QAction::triggered, this, [this] { hooks_.edited(); });
            }
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(e->globalPos());
    }

    QLineEdit* edit_;
    Hooks hooks_;
};

}  // namespace

void filter(QLineEdit* edit, Hooks hooks) {
    new Filter(edit, std::move(hooks));
}

QLineEdit* neighbour(QLineEdit* from, bool forward) {
    for (QWidget* w = forward ? from->nextInFocusChain() : from->previousInFocusChain(); w != from;
         w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
        auto* edit = qobject_cast<QLineEdit*>(w);
        if (edit && edit->window() == from->window() && edit->isVisible() && edit->isEnabled())
            return edit;
    }
    return nullptr;
}

}  // namespace editkeys
