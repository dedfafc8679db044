#include "camera/PreviewScaler.h"

#include <vector>

QImage PreviewScaler::scaleToFit(const QImage& frame, const QSize& box) {
    if (frame.isNull() || box.width() < 1 || box.height() < 1)
        return QImage();
    const QSize size = frame.size().scaled(box, Qt::KeepAspectRatio);
    if (size.width() < 1 || size.height() < 1)
        return QImage();
    if (frame.format() != QImage::Format_RGB888)
        return frame.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);

    const int sw = frame.width(), sh = frame.height();
    const int dw = size.width(), dh = size.height();
    QImage out(dw, dh, QImage::Format_RGB32);
    if (out.isNull())
        return out;
    // Source byte offset of every output column, sampled at pixel centres.
    std::vector<int> column(static_cast<size_t>(dw));
    for (int x = 0; x < dw; ++x)
        column[size_t(x)] = int((qint64(2 * x + 1) * sw) / (2 * dw)) * 3;
    for (int y = 0; y < dh; ++y) {
        const int sy = int((qint64(2 * y + 1) * sh) / (2 * dh));
        const uchar* src = frame.constScanLine(sy);
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < dw; ++x) {
            const uchar* p = src + column[size_t(x)];
            dst[x] = qRgb(p[0], p[1], p[2]);
        }
    }
    return out;
}
