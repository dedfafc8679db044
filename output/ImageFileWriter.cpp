#include "output/ImageFileWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

#include "output/GifWriter.h"

namespace {

// The encoded file in memory. Encoders write through QIODevice and report a refused write only
// as their own "Unknown error" (or, for a short write, not at all); writing the finished bytes
// ourselves keeps the operating system's own reason (a full disk, a missing permission).
bool encode(const QImage& image, const QByteArray& encoder, int quality, QByteArray* bytes,
            QString* why) {
    QBuffer buffer(bytes);
    buffer.open(QIODevice::WriteOnly);
    const QByteArray format = encoder.toLower();
    if (format == "gif")
        return GifWriter::write(image, &buffer, why);
    QImageWriter writer(&buffer, format == "tif" ? QByteArray("tiff") : format);
    writer.setQuality(quality);
    if (writer.write(image))
        return true;
    *why = writer.errorString();
    return false;
}

// The reason of the latest failed call on `file`, in the operating system's words.
QString systemReason(const QFileDevice& file, int savedErrno) {
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return qt_error_string(savedErrno);
}

bool writeAll(QSaveFile& file, const QByteArray& bytes, QString* why) {
    qint64 done = 0;
    while (done < bytes.size()) {
        // A short write is retried: the retry is the call that reports why the rest cannot go.
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            *why = systemReason(file, errno);
            return false;
        }
        done += n;
    }
    // The rename in commit() syncs too, but ignores what that reports; a disk that only refuses
    // the data when it is flushed must not leave a short file announced as saved.
    if (::fsync(file.handle()) != 0) {
        *why = qt_error_string(errno);
        return false;
    }
    return true;
}

}  // namespace

bool ImageFileWriter::write(const QImage& image, const QString& path, const QByteArray& encoder,
                            int quality, QString* error) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (image.isNull())
        return fail(QStringLiteral("no image"));
    if (path.isEmpty())
        return fail(QStringLiteral("no file name"));

    QByteArray bytes;
    QString why;
    if (!encode(image, encoder, quality, &bytes, &why))
        return fail(why);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (!writeAll(file, bytes, &why)) {
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

QByteArray ImageFileWriter::encoderForSuffix(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpeg") || suffix == QLatin1String("jpg"))
        return "JPG";
    if (suffix == QLatin1String("tif") || suffix == QLatin1String("tiff"))
        return "TIF";
    if (suffix.isEmpty())
        return "JPG";
    return suffix.toUpper().toLatin1();
}
