#include "ModeParts.h"

#include <QHash>

#include "InternalError.h"

namespace modeparts {
namespace {
QHash<QString, Mode>& modes() {
    static QHash<QString, Mode> all;
    return all;
}
// The mode of that name; a name no mode registered is a fault of the program, said aloud.
const Mode& mode(const QString& name) {
    const auto it = modes().constFind(name);
    if (it == modes().constEnd()) throw InternalError("no mode is called " + name.toStdString());
    return *it;
}
}  // namespace

void registerMode(const QString& name, Mode mode) {
    modes().insert(name, std::move(mode));
}

void hidePartsOf(const QString& name) {
    if (const Mode& m = mode(name); m.hideParts) m.hideParts();
}

void clearInputOf(const QString& name) {
    if (const Mode& m = mode(name); m.clearInput) m.clearInput();
}

QWidget* letterKeyOf(const QString& name, QChar letter) {
    const Mode& m = mode(name);
    return m.letterKey ? m.letterKey(letter) : nullptr;
}

}  // namespace modeparts
