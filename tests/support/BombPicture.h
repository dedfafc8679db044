#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>

// A 2 x 2 BMP whose header claims 20,000 x 20,000 pixels: a reader that trusts it would allocate
// over a gigabyte. BMP carries no checksum, so the claim reads as valid.
inline QByteArray bombPicture() {
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    QImage(2, 2, QImage::Format_RGB888).save(&buffer, "BMP");
    const char huge[4] = {char(0x20), char(0x4E), 0, 0};  // 20000, little-endian
    bmp.replace(18, 4, huge, 4);
    bmp.replace(22, 4, huge, 4);
    return bmp;
}
