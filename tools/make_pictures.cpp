// Paints the program's JPEG pictures and writes them into a folder (the source tree's
// pictures/jpeg/). Run it by hand after changing a painter, then commit the files:
//   build/tools/make_pictures pictures/jpeg

#include <QDir>
#include <QFile>
#include <cstdio>

#include "JpegEncode.h"
#include "painters/Pictures.h"

namespace {

constexpr int kQuality = 90;

bool writePicture(const QDir& folder, const painters::PictureJob& job) {
    const QByteArray jpeg = encodeJpeg(job.paint(), kQuality);
    QFile file(folder.filePath(QString::fromLatin1(job.fileName)));
    if (jpeg.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    std::printf("%s: %lld bytes\n", qPrintable(file.fileName()),
                static_cast<long long>(jpeg.size()));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // No application object: the pictures hold no text, and raster painting needs no display.
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "make_pictures: no folder %s\n", argv[1]);
        return 2;
    }
    bool ok = true;
    for (const painters::PictureJob& job : painters::kPictureJobs)
        ok = writePicture(folder, job) && ok;
    return ok ? 0 : 1;
}
