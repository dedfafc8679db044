#include "output/SaveThread.h"

#include "output/ImageFileWriter.h"
#include "output/ImageType.h"

SaveThread::SaveThread(QObject* parent) : QThread(parent) {}

SaveThread::~SaveThread() {
    delete image;
}

int SaveThread::SetImage(const QImage* img, const QString& name) {
    if (!img || img->isNull())
        return 0;
    delete image;
    // copy() is deep even when `img` merely wraps a foreign buffer that is freed right after.
    image = new QImage(img->format() == QImage::Format_RGB888
                           ? img->copy()
                           : img->convertToFormat(QImage::Format_RGB888));
    fileName = name;
    return 1;
}

void SaveThread::run() {
    if (!image || fileName.isEmpty())
        return;
    QString error;
    const bool ok =
        ImageFileWriter::write(*image, fileName, ImageType::encoder(imageType), quality, &error);
    delete image;
    image = nullptr;
    if (ok)
        emit Signal_Finished(fileName);
    else
        emit Signal_Failed(fileName, error);
}
