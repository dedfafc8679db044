#include "output/ImageFileRotator.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <QTransform>
#include <turbojpeg.h>

#include "output/ImageFileWriter.h"

namespace {

// One lossless transform; false (and *error) when libjpeg-turbo refuses it with these options.
bool transform(const QByteArray& jpeg, int options, QByteArray* out, QString* error) {
    tjhandle handle = tjInitTransform();
    if (!handle) {
        *error = QString::fromUtf8(tjGetErrorStr2(nullptr));
        return false;
    }
    tjtransform xform{};
    xform.op = TJXOP_ROT270;  // a quarter turn counter-clockwise
    xform.options = options;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const int rc =
        tjTransform(handle, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                    static_cast<unsigned long>(jpeg.size()), 1, &buffer, &size, &xform, 0);
    if (rc == 0)
        *out = QByteArray(reinterpret_cast<const char*>(buffer), int(size));
    else
        *error = QString::fromUtf8(tjGetErrorStr2(handle));
    tjFree(buffer);
    tjDestroy(handle);
    return rc == 0;
}

bool writeWhole(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = file.errorString();
    return false;
}

}  // namespace

QByteArray ImageFileRotator::turnJpegLeft(const QByteArray& jpeg, QString* error) {
    QByteArray turned;
    if (transform(jpeg, TJXOPT_PERFECT, &turned, error))
        return turned;
    // Not a whole number of blocks wide: trim the partial column rather than re-compress.
    error->clear();
    if (transform(jpeg, TJXOPT_TRIM, &turned, error))
        return turned;
    return QByteArray();
}

bool ImageFileRotator::turnLeft(const QString& path, QString* error) {
    QImageReader reader(path);
    const QByteArray format = reader.format();
    if (format.isEmpty()) {
        *error =
            QCoreApplication::translate("ImageFileRotator", "not a picture, or it cannot be read");
        return false;
    }
    if (format == "jpeg") {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = file.errorString();
            return false;
        }
        const QByteArray turned = turnJpegLeft(file.readAll(), error);
        file.close();
        return !turned.isEmpty() && writeWhole(path, turned, error);
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        *error = reader.errorString();
        return false;
    }
    const QImage turned = image.transformed(QTransform().rotate(270));
    return ImageFileWriter::write(turned, path, format.toUpper(), -1, error);
}
