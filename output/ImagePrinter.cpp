#include "output/ImagePrinter.h"

#include <QImageReader>
#include <QPagedPaintDevice>
#include <QPainter>

int ImagePrinter::print(const QStringList& paths, QPagedPaintDevice* device) {
    if (paths.isEmpty())
        return 0;
    QPainter painter(device);
    if (!painter.isActive())
        return 0;
    const QRect area = device->pageLayout().paintRectPixels(device->logicalDpiX());
    int pages = 0;
    for (const QString& path : paths) {
        if (pages > 0 && !device->newPage())
            break;
        ++pages;
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QImage image = reader.read();
        if (image.isNull())
            continue;
        const QSize fitted = image.size().scaled(area.size(), Qt::KeepAspectRatio);
        // The painter's origin is the printable area's corner already.
        painter.setViewport(QRect(QPoint(0, 0), fitted));
        painter.setWindow(image.rect());
        painter.drawImage(0, 0, image);
    }
    painter.end();
    return pages;
}
