#include "output/ImageType.h"

namespace ImageType {

QString extension(int imageType) {
    switch (imageType) {
        case Bmp:
            return QStringLiteral(".bmp");
        case Jpg:
            return QStringLiteral(".jpg");
        case Png:
            return QStringLiteral(".png");
        case Gif:
            return QStringLiteral(".gif");
        case Tif:
            return QStringLiteral(".tif");
        default:
            return QString();
    }
}

QByteArray encoder(int imageType) {
    switch (imageType) {
        case Bmp:
            return "BMP";
        case Png:
            return "PNG";
        case Gif:
            return "GIF";
        case Tif:
            return "TIF";
        case Jpg:
        default:
            return "JPG";
    }
}

}  // namespace ImageType
