#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a baseline or progressive JPEG with libjpeg. Greyscale files give
// QImage::Format_Grayscale8, colour files QImage::Format_RGB888. Corrupt, truncated or
// unsupported data (CMYK, absurd sizes) give a null QImage; nothing is printed.
QImage decodeJpeg(const QByteArray& data);

// Reads a JPEG from the Qt resources (see PictureFiles.h) and decodes it; null if the
// resource is missing or bad. Registers the pictures' resources first if needed.
QImage loadJpegResource(const QString& resourcePath);
