#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// Encodes an image into a file so that the file either holds the complete new picture or is left
// as it was: the data goes to a temporary sibling that replaces the target only when encoding
// and flushing succeeded. A full disk or an unwritable folder therefore never leaves a truncated
// picture behind, and never destroys an older file of the same name.
class ImageFileWriter {
public:
    // encoder: "BMP", "JPG", "PNG", "GIF", "TIF" (case-insensitive) or any format Qt writes.
    // quality is handed to the encoder unchanged (-1 = encoder default; ignored by GIF).
    // On failure `error` gets the reason: the operating system's own words when the disk or the
    // folder refused the file ("No space left on device"), else the encoder's.
    static bool write(const QImage& image, const QString& path, const QByteArray& encoder,
                      int quality, QString* error = nullptr);

    // Encoder chosen from the file's suffix, as the book pairs and rescaled files are written.
    static QByteArray encoderForSuffix(const QString& path);
};
