#pragma once

#include <QString>

// Turns an image file a quarter turn counter-clockwise in place, without losing quality.
//
// A JPEG file is turned in the compressed domain (libjpeg-turbo's lossless transform), its EXIF
// and other markers kept, so four turns give back the very same bytes. A JPEG whose height is not
// a whole number of 8 or 16-pixel blocks cannot be turned exactly: the partial block row at the
// bottom (at most 15 pixel rows) is trimmed, as lossless rotation tools do, rather than the whole
// picture being compressed again. Other formats are decoded, turned and written again in their
// own format (PNG, BMP and TIFF without loss).
//
// The file is replaced only by a complete new file; on any failure it is left as it was.
class ImageFileRotator {
public:
    static bool turnLeft(const QString& path, QString* error);

    // The JPEG bytes turned a quarter turn counter-clockwise, or empty (and *error set).
    static QByteArray turnJpegLeft(const QByteArray& jpeg, QString* error);
};
