#include "ModeParts.h"

#include <QHash>

namespace modeparts {
namespace {
QHash<QString, Mode>& modes() {
    static QHash<QString, Mode> all;
    return all;
}
}  // namespace

void registerMode(const QString& name, Mode mode) {
    modes().insert(name, std::move(mode));
}

void hidePartsOf(const QString& name) {
    if (const auto m = modes().value(name); m.hideParts) m.hideParts();
}

void clearInputOf(const QString& name) {
    if (const auto m = modes().value(name); m.clearInput) m.clearInput();
}

QWidget* letterKeyOf(const QString& name, QChar letter) {
    const auto m = modes().value(name);
    return m.letterKey ? m.letterKey(letter) : nullptr;
}

}  // namespace modeparts
