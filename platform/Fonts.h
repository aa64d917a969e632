#pragma once

#include <QFont>
#include <QString>

namespace fonts {
// The window names its faces as the original desktop did; map them once at start-up to faces
// with Cyrillic that every machine here has.
void registerSubstitutions();
// A font by face name, character height in pixels, bold and italic.
QFont make(const QString& face, int pixelHeight, bool bold = false, bool italic = false);
}  // namespace fonts
