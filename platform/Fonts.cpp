#include "Fonts.h"

namespace fonts {

void registerSubstitutions() {
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Monotype Corsiva", "Z003");
    QFont::insertSubstitution("Segoe Print", "Z003");
}

QFont make(const QString& face, int pixelHeight, bool bold, bool italic) {
    QFont f(face);
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

}  // namespace fonts
