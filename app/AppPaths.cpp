#include "app/AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overrideDir() {
    static QString dir;
    return dir;
}
}  // namespace

namespace AppPaths {

QString applicationDir() {
    if (!overrideDir().isEmpty())
        return overrideDir();
    return QCoreApplication::applicationDirPath();
}

void setApplicationDir(const QString& dir) {
    overrideDir() = dir.isEmpty() ? QString() : QDir::cleanPath(QDir(dir).absolutePath());
}

QString besideExecutable(const QString& fileName) {
    return applicationDir() + "/" + fileName;
}

}  // namespace AppPaths
