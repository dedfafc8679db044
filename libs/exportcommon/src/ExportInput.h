#pragma once

#include "JpegHeader.h"

#include <QByteArray>
#include <QImage>
#include <string>

// One picture handed to an export library, identified by its content rather than by its name: a
// JPEG is described by its header only (it is embedded as it is), anything else is read through
// Qt's image readers. Paths are byte strings as the caller gave them and are opened as such, so a
// name in any encoding reaches the file system unchanged.
class ExportInput {
public:
    enum class Kind { Jpeg, Raster };

    // Checks that the file exists, is readable and holds a picture we can place. For a raster
    // file it reads the bytes and the header; decode() does the (possibly slow) pixel work.
    static bool probe(const char* path, ExportInput* out, std::string* error);

    Kind kind() const { return kind_; }
    const std::string& path() const { return path_; }
    const JpegHeader& jpeg() const { return jpeg_; }
    // Lower-case format name of a raster file ("png", "gif", "bmp", "tiff", ...).
    const QByteArray& format() const { return format_; }
    // The file's bytes (raster files only; JPEG files are never loaded whole).
    const QByteArray& bytes() const { return bytes_; }
    // Size as a viewer shows the picture (EXIF or TIFF orientation applied).
    int width() const { return width_; }
    int height() const { return height_; }

    // Decodes a raster file with its orientation applied. Null image on failure.
    QImage decode(std::string* error) const;

private:
    Kind kind_ = Kind::Raster;
    std::string path_;
    JpegHeader jpeg_;
    QByteArray format_;
    QByteArray bytes_;
    int width_ = 0;
    int height_ = 0;
};
