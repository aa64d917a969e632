#include "KeyboardLayout.h"

#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QWidget>

namespace keyboardlayout {
namespace {
bool g_us = false;

// The Russian typewriter rows over the US ones, unshifted and shifted.
const QString kRussian = QStringLiteral(
    "йцукенгшщзхъфывапролджэячсмитьбюё"
    "ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮЁ№");
const QString kLatin = QStringLiteral(
    "qwertyuiop[]asdfghjkl;'zxcvbnm,.`"
    "QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>~#");

class LatinKeys : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (!g_us || (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease))
            return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->text().size() != 1) return false;
        const QChar latin = latinAtSamePlace(k->text().at(0));
        if (latin == k->text().at(0)) return false;
        const int key = latin.isLetter() ? latin.toUpper().unicode() : latin.unicode();
        QKeyEvent translated(k->type(), key, k->modifiers(), QString(latin), k->isAutoRepeat(),
                             k->count());
        QCoreApplication::sendEvent(watched, &translated);
        return true;
    }
};

LatinKeys& filter() {
    static LatinKeys f;
    return f;
}
}  // namespace

void selectUsEnglish() {
    g_us = true;
}
bool usEnglishSelected() {
    return g_us;
}
void reset() {
    g_us = false;
}

void follow(QWidget* edit) {
    edit->installEventFilter(&filter());
}

QChar latinAtSamePlace(QChar c) {
    const int at = kRussian.indexOf(c);
    return at < 0 ? c : kLatin.at(at);
}

}  // namespace keyboardlayout
