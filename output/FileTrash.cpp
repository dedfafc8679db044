#include "output/FileTrash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool occupied(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

}  // namespace

bool FileTrash::moveToTrash(const QString& path, QString* inTrash, QString* error) {
    // The home trash lives in the user's data folder, which Qt does not create; a fresh account
    // may not have it yet.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QFile file(path);
    if (!file.moveToTrash()) {
        *error = file.errorString();
        return false;
    }
    // After the move the file object names the file's place in the trash.
    *inTrash = file.fileName();
    return true;
}

bool FileTrash::restore(const Entry& entry, QString* error) {
    if (occupied(entry.original)) {
        *error = QStringLiteral("a file of that name exists again");
        return false;
    }
    QFile file(entry.inTrash);
    if (!file.rename(entry.original)) {
        *error = file.errorString();
        return false;
    }
    // The trash keeps files in "files/" and what it knows about each in "info/<name>.trashinfo";
    // without the file the record would show as a broken entry in the file manager.
    const QFileInfo trashed(entry.inTrash);
    QDir trash = trashed.dir();
    if (trash.dirName() == QLatin1String("files") && trash.cdUp())
        QFile::remove(trash.filePath(QStringLiteral("info/") + trashed.fileName() +
                                     QStringLiteral(".trashinfo")));
    return true;
}
