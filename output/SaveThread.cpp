#include "output/SaveThread.h"

#include "output/ImageFileWriter.h"
#include "output/ImageType.h"

SaveThread::SaveThread(QObject* parent) : QThread(parent) {}

SaveThread::~SaveThread() = default;

int SaveThread::SetImage(const QImage* img, const QString& name) {
    files.clear();
    return AddImage(img, name);
}

int SaveThread::AddImage(const QImage* img, const QString& name) {
    if (!img || img->isNull())
        return 0;
    // copy() is deep even when `img` merely wraps a foreign buffer that is freed right after.
    files.append({img->format() == QImage::Format_RGB888
                      ? img->copy()
                      : img->convertToFormat(QImage::Format_RGB888),
                  name});
    return 1;
}

void SaveThread::run() {
    while (!files.isEmpty()) {
        const File file = files.takeFirst();
        if (file.name.isEmpty())
            continue;
        QString error;
        const bool ok = ImageFileWriter::write(file.image, file.name, ImageType::encoder(imageType),
                                               quality, &error);
        if (ok)
            emit Signal_Finished(file.name);
        else
            emit Signal_Failed(file.name, error);
    }
}
