#pragma once

#include <QByteArray>
#include <QString>

// Writing a file so that it is never half written: the bytes go to a new file beside the old one,
// which replaces it only once everything is on the disk. Any failure (a folder without the right
// to write, a full disk) leaves the old file as it was.
namespace worksaving {

// Empty on success, otherwise the reason in Russian ("на диске нет места.").
QString writeAtomically(const QString& path, const QByteArray& bytes);

// The one folder every file question starts in (works, pictures, a round's results): the user's
// documents folder, then the folder last used.
QString defaultFolder();
void rememberFolder(const QString& filePath);

// A file name that every file system takes (a FAT flash drive too): the characters
// < > : " / \ | ? * and control characters become "-", blanks and dots at the end go.
QString safeFileName(const QString& name);

}  // namespace worksaving
