#include "output/Watermark.h"

#include "app/ImageLimits.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QImageReader>
#include <QPainter>

int Watermark::TextAlignment(int position) {
    switch (position) {
        case 0:
            return Qt::AlignRight | Qt::AlignBottom;
        case 1:
            return Qt::AlignLeft | Qt::AlignTop;
        case 2:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case 3:
            return Qt::AlignLeft | Qt::AlignBottom;
        case 4:
            return Qt::AlignHCenter | Qt::AlignTop;
        case 5:
            return Qt::AlignCenter;
        case 6:
            return Qt::AlignHCenter | Qt::AlignBottom;
        case 7:
            return Qt::AlignRight | Qt::AlignTop;
        case 8:
        default:
            return Qt::AlignRight | Qt::AlignVCenter;
    }
}

QPoint Watermark::PictureOrigin(int position, int W, int H, int w, int h) {
    const int right = W < w ? 0 : W - w;
    const int hCentre = W < w ? 0 : (W - w) / 2;
    const int bottom = H <= h ? 0 : H - h;
    const int vCentre = H <= h ? 0 : (H - h) / 2;
    switch (position) {
        case 0:
            // A box too large for the image lands beyond the far edge, so none of it shows.
            return QPoint(W < w ? W : W - w, H <= h ? H : H - h);
        case 1:
            return QPoint(0, 0);
        case 2:
            return QPoint(0, vCentre);
        case 3:
            return QPoint(0, H <= h ? H : H - h);
        case 4:
            return QPoint(hCentre, 0);
        case 5:
            return QPoint(hCentre, vCentre);
        case 6:
            return QPoint(hCentre, bottom);
        case 7:
            return QPoint(right, 0);
        case 8:
        default:
            return QPoint(right, vCentre);
    }
}

bool Watermark::Apply(QImage* image, const WatermarkSettings& s, QString* problem) {
    auto fail = [problem](const QString& why) {
        if (problem)
            *problem = why;
        return false;
    };
    if (!image || image->isNull() || s.type == WatermarkSettings::None)
        return true;

    if (s.type == WatermarkSettings::DateTime || s.type == WatermarkSettings::Text) {
        const QString text =
            s.type == WatermarkSettings::DateTime
                ? QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
                : s.content;
        if (text.isEmpty())
            return true;
        QPainter painter(image);
        QFont font(QStringLiteral("Microsoft YaHei"));
        if (s.fontSize > 0)
            font.setPixelSize(s.fontSize);
        painter.setFont(font);
        painter.setOpacity(qBound(0, s.opacity, 100) / 100.0);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setPen(
            QColor(qBound(0, s.red, 255), qBound(0, s.green, 255), qBound(0, s.blue, 255), 255));
        painter.drawText(image->rect(), TextAlignment(s.position), text);
        return true;
    }

    if (s.type != WatermarkSettings::Picture)
        return true;
    if (s.picturePath.isEmpty())
        return fail(QStringLiteral("no watermark picture chosen"));
    if (!QFileInfo(s.picturePath).isFile())
        return fail(QStringLiteral("watermark picture not found: ") + s.picturePath);
    QImageReader reader(s.picturePath);
    if (!imageSizeAcceptable(reader.size()))
        return fail(QStringLiteral("watermark picture too large or of unknown size: ") +
                    s.picturePath);
    const QImage picture = reader.read();
    if (picture.isNull())
        return fail(QStringLiteral("watermark picture unreadable: ") + s.picturePath + " (" +
                    reader.errorString() + ")");
    if (s.width <= 0 || s.height <= 0)
        return true;
    const QPoint origin =
        PictureOrigin(s.position, image->width(), image->height(), s.width, s.height);
    QPainter painter(image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QRect(origin, QSize(s.width, s.height)), picture);
    return true;
}
