#include "modes/TempFiles.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include "app/AppPaths.h"
#include "app/LogCategories.h"
#include "output/ImageFileWriter.h"
#include "output/ImageType.h"

TempFiles::TempFiles() = default;

TempFiles::~TempFiles() {
    RemoveTempDir();
}

QStringList TempFiles::candidateDirectories() {
    QStringList dirs;
    dirs << AppPaths::temporaryDirectory();
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty())
        dirs << cache + QStringLiteral("/tmp");
    // One folder per process there: every fixed name above may be taken by other copies.
    dirs << QDir::tempPath() +
                QStringLiteral("/miravelo-tmp-%1").arg(QCoreApplication::applicationPid());
    return dirs;
}

bool TempFiles::claim(const QString& dir) {
    if (!QDir::isAbsolutePath(dir) || !QDir().mkpath(dir) || !QFileInfo(dir).isWritable())
        return false;
    auto lock = std::make_unique<QLockFile>(dir + QStringLiteral("/.lock"));
    // Held for the whole run, however long: only a lock whose process is gone (a copy that
    // crashed) counts as stale and is taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    return true;
}

QString TempFiles::InitTempFiles() {
    RemoveTempDir();
    for (const QString& dir : candidateDirectories()) {
        if (!claim(dir)) {
            qCDebug(lcModes) << "Temporary folder not usable:" << dir;
            continue;
        }
        m_dir = QDir::cleanPath(dir);
        m_front = m_dir + QStringLiteral("/if.nvrx");
        m_back = m_dir + QStringLiteral("/ib.nvrx");
        m_face = m_dir + QStringLiteral("/ifc.nvrx");
        m_left = m_dir + QStringLiteral("/bf.nvrx");
        m_right = m_dir + QStringLiteral("/bb.nvrx");
        return m_dir;
    }
    qCWarning(lcModes) << "No temporary folder could be made";
    return QString();
}

void TempFiles::RemoveTempDir() {
    if (m_dir.isEmpty())
        return;
    m_lock.reset();
    QDir(m_dir).removeRecursively();
    m_dir.clear();
    m_front.clear();
    m_back.clear();
    m_face.clear();
    m_left.clear();
    m_right.clear();
}

bool TempFiles::Write(const QImage& image, const QString& path, int imageType, int quality,
                      QString* error) {
    const QByteArray encoder =
        imageType == ImageType::Gif ? QByteArray("PNG") : ImageType::encoder(imageType);
    return ImageFileWriter::write(image, path, encoder, quality, error);
}
