#include "WorkSaving.h"

#include <QFileInfo>
#include <QSaveFile>

namespace worksaving {
namespace {

QString reason(const QSaveFile& file) {
    const QFileInfo folder(QFileInfo(file.fileName()).absolutePath());
    if (!folder.exists()) return "такой папки нет.";
    if (!folder.isWritable()) return "в эту папку нельзя записывать.";
    if (QFileInfo(file.fileName()).isDir()) return "под этим именем уже есть папка.";
    switch (file.error()) {
        case QFileDevice::ResourceError:
            return "на диске нет места.";
        case QFileDevice::PermissionsError:
            return "нет права записывать этот файл.";
        case QFileDevice::WriteError:
            return "запись не удалась (возможно, на диске нет места).";
        default:
            return "запись не удалась: " + file.errorString() + ".";
    }
}

}  // namespace

QString writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that a full disk shows in write() itself: a buffered write that fails only
    // when the file is closed would still let commit() replace the old file with a cut one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return reason(file);
    if (file.write(bytes) != bytes.size()) {
        const QString why = reason(file);
        file.cancelWriting();
        return why;
    }
    if (!file.commit()) return reason(file);
    return QString();
}

}  // namespace worksaving
