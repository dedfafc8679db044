#include "ExportInput.h"

#include <QBuffer>
#include <QImageReader>
#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace {

// Decoders trust the size a header declares: a 1 MB file claiming 20,000 x 20,000 pixels would
// have the export allocate gigabytes. Nothing a camera or scanner makes comes near this.
constexpr long long kMaxPixels = 100LL * 1000 * 1000;

bool sizeAcceptable(int width, int height, std::string* error) {
    if (width <= 0 || height <= 0) {
        *error = "picture size unknown";
        return false;
    }
    if ((long long)width * height > kMaxPixels) {
        *error = "picture too large: " + std::to_string(width) + " x " + std::to_string(height) +
                 " pixels";
        return false;
    }
    return true;
}

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

bool readWholeFile(const char* path, QByteArray* out, std::string* error) {
    std::unique_ptr<FILE, FileCloser> f(std::fopen(path, "rb"));
    if (!f) {
        *error = "cannot open file";
        return false;
    }
    QByteArray data;
    char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f.get())) > 0)
        data.append(chunk, int(n));
    if (std::ferror(f.get())) {
        *error = "read error";
        return false;
    }
    *out = data;
    return true;
}

}  // namespace

bool ExportInput::probe(const char* path, ExportInput* out, std::string* error) {
    std::string localError;
    if (!error)
        error = &localError;
    if (!path || !*path) {
        *error = "empty path";
        return false;
    }
    // Only regular files: a FIFO would block the export forever and a device such as /dev/zero
    // would be read until memory runs out.
    struct stat st;
    if (::stat(path, &st) != 0 || !S_ISREG(st.st_mode)) {
        *error = "not a regular file";
        return false;
    }
    ExportInput in;
    in.path_ = path;

    unsigned char head[3] = {0, 0, 0};
    {
        std::unique_ptr<FILE, FileCloser> f(std::fopen(path, "rb"));
        if (!f) {
            *error = "cannot open file";
            return false;
        }
        const std::size_t got = std::fread(head, 1, sizeof head, f.get());
        if (JpegHeader::hasJpegSignature(head, got)) {
            in.kind_ = Kind::Jpeg;
        }
    }
    if (in.kind_ == Kind::Jpeg) {
        if (!JpegHeader::read(path, &in.jpeg_, error))
            return false;
        in.format_ = "jpeg";
        in.width_ = in.jpeg_.displayWidth();
        in.height_ = in.jpeg_.displayHeight();
        if (!sizeAcceptable(in.width_, in.height_, error))
            return false;
        *out = in;
        return true;
    }

    if (!readWholeFile(path, &in.bytes_, error))
        return false;
    QBuffer buffer(&in.bytes_);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        *error = "not a readable image";
        return false;
    }
    in.format_ = reader.format().toLower();
    QSize size = reader.size();
    if (size.isValid() && reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    in.width_ = size.width();
    in.height_ = size.height();
    if (!sizeAcceptable(in.width_, in.height_, error))
        return false;
    *out = in;
    return true;
}

QImage ExportInput::decode(std::string* error) const {
    QByteArray data = bytes_;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull() && error)
        *error = "cannot decode image: " + reader.errorString().toStdString();
    return image;
}
