#pragma once

#include <QImage>
#include <QString>

// The finished letter pictures (ImA … ImYU): each is its letter's preview drawn to the end onto
// the piece of the plane that the picture covers, so picture and animation agree. A null image
// for a name that is no letter picture.
QImage paintLetterPicture(const QString& pictureName);

// The letter whose preview a picture shows (0 for a name that is no letter picture).
char16_t letterOfPicture(const QString& pictureName);
