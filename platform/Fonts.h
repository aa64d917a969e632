#pragma once

#include <QFont>
#include <QString>

namespace fonts {
// The window's tables name classic desktop faces (Times New Roman, Arial, MS Sans Serif); they are
// mapped once at start-up to faces with Cyrillic that every machine here has.
void registerSubstitutions();
// A font by face name, character height in pixels, bold and italic.
QFont make(const QString& face, int pixelHeight, bool bold = false, bool italic = false);
}  // namespace fonts
