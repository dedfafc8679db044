#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

// Pictures and checks shared by the export library tests: test pictures whose orientation and
// colours are easy to tell apart, writers for the formats Qt cannot write (GIF, CMYK JPEG, EXIF
// orientation), and comparisons between what went in and what came out.
class ExportTestImages {
public:
    // An export entry point reduced to its file table and output path.
    using Convert = std::function<int(const char* const* files, int count, const char* out)>;
    struct Codes {
        int argument, input, output;
    };

    // Four coloured quadrants (red, green, blue, yellow from the top left, clockwise) over a
    // diagonal gradient: any turn or mirror of it is far from the original.
    static QImage pattern(int width, int height);

    static bool writeGif(const QString& path, const QImage& image);
    // A CMYK JPEG with the Adobe marker, holding one flat colour given as (inverted) CMYK bytes.
    static bool writeCmykJpeg(const QString& path, int width, int height, const uchar cmyk[4]);
    // The JPEG file with an EXIF orientation tag inserted right after its start marker.
    static QByteArray withExifOrientation(const QByteArray& jpeg, int orientation);

    static QByteArray readFile(const QString& path);
    static bool writeFile(const QString& path, const QByteArray& data);

    // Mean absolute difference per channel (0..255) after scaling `actual` to `expected`'s size.
    static double meanDifference(const QImage& expected, const QImage& actual);
    // Where a picture of size `picture` lands when fitted and centred in a page of size `page`.
    static QRectF fittedRect(const QSizeF& picture, const QSizeF& page);

    // Runs a program, returns its exit code (-1 if it could not start) and its combined output.
    static int run(const QString& program, const QStringList& args, QByteArray* output = nullptr);

    // Files in a folder, for checking that a failed export left nothing behind.
    static QStringList listFolder(const QString& folder);

    static int convert(const Convert& fn, const QStringList& files, const QString& out);
    // The refusals both export libraries share, each with its result code, leaving the folder out
    // as it was and an older document out/old<ext> untouched; then a good run of work/good.jpg
    // that replaces that document in one step. extraBad are further inputs to be refused.
    static void checkRefusals(const Convert& fn, const QString& work, const QString& out,
                              const QString& ext, const Codes& codes, const QStringList& extraBad);
};
