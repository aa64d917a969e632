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
    // The substitute faces hold every character the window writes (Cyrillic, «», π, ², №, →, −),
    // so no fallback face is ever needed; without merging, Qt does not ask fontconfig for a
    // fallback list of every face at start-up.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return f;
}

}  // namespace fonts
