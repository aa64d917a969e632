// compare_pictures MADE REFERENCE: compares every PNG of the folder MADE with the PNG of the same
// name in REFERENCE, pixel for pixel (not byte for byte: the encoder's choices do not count).
// Prints each picture that differs, with the number of pixels and the first of them; exits 1 if
// any differs or is missing from REFERENCE, 2 if nothing was compared.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: compare_pictures MADE REFERENCE\n");
        return 2;
    }
    const QDir made(QString::fromLocal8Bit(argv[1])), reference(QString::fromLocal8Bit(argv[2]));
    int compared = 0, differing = 0;
    for (const QString& name : made.entryList({"*.png"}, QDir::Files, QDir::Name)) {
        const QImage a = QImage(made.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        const QImage b = QImage(reference.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        ++compared;
        if (b.isNull()) {
            std::printf("%s: not in %s\n", qPrintable(name), argv[2]);
            ++differing;
            continue;
        }
        if (a.size() != b.size()) {
            std::printf("%s: %dx%d, was %dx%d\n", qPrintable(name), a.width(), a.height(),
                        b.width(), b.height());
            ++differing;
            continue;
        }
        long long pixels = 0;
        QPoint first;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y) && pixels++ == 0) first = QPoint(x, y);
        if (pixels > 0) {
            std::printf("%s: %lld pixels differ, the first at (%d, %d)\n", qPrintable(name), pixels,
                        first.x(), first.y());
            ++differing;
        }
    }
    std::printf("%d pictures compared, %d differ\n", compared, differing);
    if (compared == 0) return 2;
    return differing == 0 ? 0 : 1;
}
