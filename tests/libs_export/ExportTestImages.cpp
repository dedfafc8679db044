#include "ExportTestImages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <cstdio>
#include <gif_lib.h>
#include <jpeglib.h>

QImage ExportTestImages::pattern(int width, int height) {
    // Quadrants: top left, top right, bottom left, bottom right.
    static const int base[4][3] = {{230, 0, 0}, {0, 200, 0}, {0, 0, 220}, {230, 220, 0}};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int* c = base[(y >= height / 2) * 2 + (x >= width / 2)];
            const int s = (x + y) * 60 / (width + height);
            image.setPixel(x, y,
                           qRgb(qMin(255, c[0] + s), qMin(255, c[1] + s), qMin(255, c[2] + s)));
        }
    }
    return image;
}

bool ExportTestImages::writeGif(const QString& path, const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const QVector<QRgb> table = image.colorTable();
    int bits = 1;
    while ((1 << bits) < table.size())
        ++bits;
    ColorMapObject* map = GifMakeMapObject(1 << bits, nullptr);
    if (!map)
        return false;
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        map->Colors[i] =
            GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    bool ok = gif &&
              EGifPutScreenDesc(gif, image.width(), image.height(), bits, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < image.height(); ++y)
        ok = EGifPutLine(gif, const_cast<GifPixelType*>(image.constScanLine(y)), image.width()) ==
             GIF_OK;
    if (gif)
        ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeMapObject(map);
    return ok;
}

bool ExportTestImages::writeCmykJpeg(const QString& path, int width, int height,
                                     const uchar cmyk[4]) {
    FILE* f = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!f)
        return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);  // writes the Adobe marker for CMYK
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    QByteArray row(width * 4, '\0');
    for (int x = 0; x < width; ++x)
        std::copy(cmyk, cmyk + 4, row.data() + x * 4);
    JSAMPROW rows[1] = {reinterpret_cast<JSAMPLE*>(row.data())};
    while (cinfo.next_scanline < cinfo.image_height)
        jpeg_write_scanlines(&cinfo, rows, 1);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(f) == 0;
}

QByteArray ExportTestImages::withExifOrientation(const QByteArray& jpeg, int orientation) {
    // Big-endian TIFF with one IFD entry: Orientation (0x0112), SHORT, count 1.
    QByteArray payload("Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 25);
    payload += char(orientation);
    payload += QByteArray(6, '\0');
    const int length = payload.size() + 2;
    return jpeg.left(2) + QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) +
           payload + jpeg.mid(2);
}

QByteArray ExportTestImages::readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool ExportTestImages::writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

double ExportTestImages::meanDifference(const QImage& expected, const QImage& actual) {
    const QImage e = expected.convertToFormat(QImage::Format_RGB888);
    const QImage a = actual.scaled(e.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB888);
    if (e.isNull() || a.isNull())
        return 255;
    double sum = 0;
    for (int y = 0; y < e.height(); ++y)
        for (int x = 0; x < e.width() * 3; ++x)
            sum += std::abs(int(e.constScanLine(y)[x]) - int(a.constScanLine(y)[x]));
    return sum / (double(e.width()) * e.height() * 3);
}

QRectF ExportTestImages::fittedRect(const QSizeF& picture, const QSizeF& page) {
    const QSizeF size =
        picture * qMin(page.width() / picture.width(), page.height() / picture.height());
    return QRectF(QPointF((page.width() - size.width()) / 2, (page.height() - size.height()) / 2),
                  size);
}

int ExportTestImages::run(const QString& program, const QStringList& args, QByteArray* output) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(10000))
        return -1;
    p.waitForFinished(120000);
    if (output)
        *output = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QStringList ExportTestImages::listFolder(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}
