#include "app/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& overrideDir() {
    static QString dir;
    return dir;
}

const QString kUserFolderName = QStringLiteral("Miravelo");

QString userFolder(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location) + QLatin1Char('/') + kUserFolderName;
}

// Qt 5 knows no state location: $XDG_STATE_HOME, by default ~/.local/state.
QString stateHome() {
    const QString env = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(env))
        return env;
    return QDir::homePath() + QStringLiteral("/.local/state");
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

QString installedDefaultSettings() {
    return QDir::cleanPath(applicationDir() + QStringLiteral("/../../share/miravelo/Tesmora.ini"));
}

bool usesUserFolders() {
    const QString dir = applicationDir();
    // The layout test also covers a root user, for whom every folder reads as writable.
    return !QFileInfo(dir).isWritable() || QFileInfo::exists(installedDefaultSettings());
}

QString settingsFile() {
    if (!usesUserFolders())
        return besideExecutable(QStringLiteral("Tesmora.ini"));
    const QString path =
        userFolder(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Tesmora.ini");
    if (!QFileInfo::exists(path)) {
        QString seed = installedDefaultSettings();
        if (!QFileInfo::exists(seed))
            seed = besideExecutable(QStringLiteral("Tesmora.ini"));
        // A seed that cannot be copied leaves the file absent: the program then runs on its
        // built-in settings, as it does beside a build without a settings file.
        if (QDir().mkpath(QFileInfo(path).path()) && QFile::copy(seed, path))
            QFile::setPermissions(
                path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return path;
}

QString logDirectory() {
    if (usesUserFolders())
        return stateHome() + QLatin1Char('/') + kUserFolderName + QStringLiteral("/Log/");
    return QDir::currentPath() + QStringLiteral("/Log/");
}

QString temporaryDirectory() {
    if (usesUserFolders())
        return userFolder(QStandardPaths::GenericCacheLocation) + QStringLiteral("/tmp");
    return applicationDir() + QStringLiteral("/tmp");
}

}  // namespace AppPaths
