#include "WorkSaving.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace worksaving {
namespace {

QString g_folder;

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

QString defaultFolder() {
    if (!g_folder.isEmpty() && QFileInfo(g_folder).isDir()) return g_folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void rememberFolder(const QString& filePath) {
    g_folder = QFileInfo(filePath).absolutePath();
}

QString safeFileName(const QString& name) {
    QString out;
    for (QChar c : name)
        out += (c.category() == QChar::Other_Control || QString("<>:\"/\\|?*").contains(c))
                   ? QChar('-')
                   : c;
    while (out.endsWith(' ') || out.endsWith('.')) out.chop(1);
    return out.isEmpty() ? QString("Литерон") : out;
}

}  // namespace worksaving
