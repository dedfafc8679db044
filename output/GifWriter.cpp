#include "output/GifWriter.h"

#include <gif_lib.h>

#include <QIODevice>
#include <QImage>
#include <vector>

namespace {

int writeToDevice(GifFileType* gif, const GifByteType* data, int length) {
    auto* device = static_cast<QIODevice*>(gif->UserData);
    const qint64 written = device->write(reinterpret_cast<const char*>(data), length);
    return written < 0 ? 0 : static_cast<int>(written);
}

}  // namespace

bool GifWriter::write(const QImage& source, QIODevice* device, QString* error) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (source.isNull())
        return fail(QStringLiteral("empty image"));
    if (!device || !device->isWritable())
        return fail(QStringLiteral("device not writable"));
    // GIF dimensions are 16-bit.
    if (source.width() > 65535 || source.height() > 65535)
        return fail(QStringLiteral("image too large for GIF"));

    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int width = image.width();
    const int height = image.height();
    const size_t count = size_t(width) * size_t(height);
    std::vector<GifByteType> red(count), green(count), blue(count), indexes(count);
    for (int y = 0; y < height; ++y) {
        const uchar* row = image.constScanLine(y);
        const size_t base = size_t(y) * width;
        for (int x = 0; x < width; ++x) {
            red[base + x] = row[3 * x];
            green[base + x] = row[3 * x + 1];
            blue[base + x] = row[3 * x + 2];
        }
    }

    int colourCount = 256;
    std::vector<GifColorType> palette(256);
    if (GifQuantizeBuffer(width, height, &colourCount, red.data(), green.data(), blue.data(),
                          indexes.data(), palette.data()) == GIF_ERROR)
        return fail(QStringLiteral("colour quantisation failed"));
    // The colour map size of a GIF must be a power of two.
    int mapSize = 2;
    while (mapSize < colourCount)
        mapSize *= 2;
    ColorMapObject* map = GifMakeMapObject(mapSize, palette.data());
    if (!map)
        return fail(QStringLiteral("out of memory"));

    int gifError = 0;
    GifFileType* gif = EGifOpen(device, writeToDevice, &gifError);
    if (!gif) {
        GifFreeMapObject(map);
        return fail(QString::fromLatin1(GifErrorString(gifError)));
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, map) != GIF_ERROR &&
              EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) != GIF_ERROR;
    for (int y = 0; ok && y < height; ++y)
        ok = EGifPutLine(gif, indexes.data() + size_t(y) * width, width) != GIF_ERROR;
    const int lastError = gif->Error;
    int closeError = 0;
    // EGifCloseFile frees the file and its screen colour map copy; ours is freed below.
    const bool closed = EGifCloseFile(gif, &closeError) != GIF_ERROR;
    GifFreeMapObject(map);
    if (!ok)
        return fail(QString::fromLatin1(GifErrorString(lastError)));
    if (!closed)
        return fail(QString::fromLatin1(GifErrorString(closeError)));
    return true;
}
