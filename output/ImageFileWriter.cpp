#include "output/ImageFileWriter.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

#include "output/GifWriter.h"

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

    QSaveFile file(path);
    // Unbuffered: the bytes still in a write buffer at commit() are flushed without their
    // result being checked, so a disk that fills on the last few kilobytes would leave a short
    // file renamed into place and reported as saved.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());

    const QByteArray format = encoder.toLower();
    if (format == "gif") {
        QString why;
        if (!GifWriter::write(image, &file, &why)) {
            file.cancelWriting();
            return fail(why);
        }
    } else {
        QImageWriter writer(&file, format == "tif" ? QByteArray("tiff") : format);
        writer.setQuality(quality);
        if (!writer.write(image)) {
            file.cancelWriting();
            return fail(writer.errorString());
        }
    }
    // commit() flushes and renames; a full disk shows up here at the latest.
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
