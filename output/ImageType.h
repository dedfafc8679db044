#pragma once

#include <QByteArray>
#include <QString>

// The "Img Format:" setting (0..4) mapped to file extensions and encoders. GIF is written with
// giflib because Qt ships no GIF writer; anything unknown is treated as JPEG.
namespace ImageType {

enum { Bmp = 0, Jpg = 1, Png = 2, Gif = 3, Tif = 4 };

// ".bmp", ".jpg", ".png", ".gif", ".tif"; empty for any other value.
QString extension(int imageType);
// Encoder name used when writing an image of this type: "BMP", "JPG", "PNG", "GIF", "TIF",
// and "JPG" for any other value.
QByteArray encoder(int imageType);

}  // namespace ImageType
