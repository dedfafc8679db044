#include "output/FileListMime.h"

#include <QImage>
#include <QMimeData>
#include <QUrl>

namespace {
const QString kUriList = QStringLiteral("text/uri-list");
const QString kGnomeCopiedFiles = QStringLiteral("x-special/gnome-copied-files");

QByteArray encodedUrl(const QString& path) {
    return QUrl::fromLocalFile(path).toEncoded(QUrl::FullyEncoded);
}

// Formats that describe the copied files themselves, and so must not survive from an older copy.
bool replacedByFileList(const QString& format) {
    return format == kUriList || format == kGnomeCopiedFiles ||
           format.startsWith(QLatin1String("image/")) ||
           format == QLatin1String("application/x-qt-image");
}
}  // namespace

QByteArray FileListMime::uriList(const QStringList& paths) {
    QByteArray bytes;
    for (const QString& path : paths)
        bytes += encodedUrl(path) + "\r\n";
    return bytes;
}

QByteArray FileListMime::gnomeCopiedFiles(const QStringList& paths) {
    QByteArray bytes = "copy";
    for (const QString& path : paths)
        bytes += '\n' + encodedUrl(path);
    return bytes;
}

QMimeData* FileListMime::create(const QStringList& paths, const QMimeData* keep) {
    auto* mime = new QMimeData;
    if (keep) {
        for (const QString& format : keep->formats())
            if (!replacedByFileList(format))
                mime->setData(format, keep->data(format));
    }
    mime->setData(kUriList, uriList(paths));
    mime->setData(kGnomeCopiedFiles, gnomeCopiedFiles(paths));
    if (paths.size() == 1) {
        const QImage picture(paths.first());
        if (!picture.isNull())
            mime->setImageData(picture);
    }
    return mime;
}
