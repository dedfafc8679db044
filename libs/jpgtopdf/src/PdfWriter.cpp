#include "PdfWriter.h"

#include "ExportInput.h"
#include "FileSink.h"
#include "PdfNumber.h"
#include "PdfTextLayer.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace {

constexpr int kCatalog = 1;
constexpr int kPages = 2;
constexpr int kInfo = 3;

std::string ref(int object) {
    return std::to_string(object) + " 0 R";
}

// A text string as UTF-16BE with byte order mark, in hex, so any title survives.
std::string textString(const QString& text) {
    static const char* hex = "0123456789ABCDEF";
    std::string s = "<FEFF";
    for (QChar c : text) {
        const ushort u = c.unicode();
        s += hex[(u >> 12) & 15];
        s += hex[(u >> 8) & 15];
        s += hex[(u >> 4) & 15];
        s += hex[u & 15];
    }
    return s + ">";
}

std::string pdfDate(const QDateTime& t) {
    const int offset = t.offsetFromUtc() / 60;
    const int a = std::abs(offset);
    const QString zone =
        offset == 0 ? QStringLiteral("Z")
                    : QString::asprintf("%c%02d'%02d'", offset < 0 ? '-' : '+', a / 60, a % 60);
    return ("(D:" + t.toString(QStringLiteral("yyyyMMddHHmmss")) + zone + ")").toStdString();
}

// Unit square to page placement for the eight EXIF orientations: the image is drawn into the
// unit square (row 0 at the top) and these coefficients [a b c d e f] turn it the way a viewer
// shows the photograph.
const double kOrientation[9][6] = {
    {1, 0, 0, 1, 0, 0},    // (unused)
    {1, 0, 0, 1, 0, 0},    // 1 as stored
    {-1, 0, 0, 1, 1, 0},   // 2 mirrored left-right
    {-1, 0, 0, -1, 1, 1},  // 3 turned 180 degrees
    {1, 0, 0, -1, 0, 1},   // 4 mirrored top-bottom
    {0, -1, -1, 0, 1, 1},  // 5 mirrored along the main diagonal
    {0, -1, 1, 0, 0, 1},   // 6 turned 90 degrees clockwise
    {0, 1, 1, 0, 0, 0},    // 7 mirrored along the other diagonal
    {0, 1, -1, 0, 1, 0},   // 8 turned 90 degrees counter-clockwise
};

// The placement of orientation `orientation` followed by `turns` clockwise quarter turns of the
// unit square, as [a b c d e f].
std::array<double, 6> placement(int orientation, int turns) {
    const double* m = kOrientation[orientation];
    std::array<double, 6> t = {m[0], m[1], m[2], m[3], m[4], m[5]};
    for (int i = 0; i < ((turns % 4) + 4) % 4; ++i) {
        // (x, y) -> (y, 1 - x): the top-left corner goes to the top-right.
        t = {-t[1], t[0], -t[3], t[2], 1 - t[5], t[4]};
    }
    return t;
}

}  // namespace

PdfWriter::PdfWriter(FileSink& sink, double pageWidth, double pageHeight)
    : sink_(sink), pageWidth_(pageWidth), pageHeight_(pageHeight) {
    offsets_.assign(kInfo + 1, 0);
}

int PdfWriter::reserveObject() {
    offsets_.push_back(0);
    return int(offsets_.size()) - 1;
}

void PdfWriter::beginObject(int number) {
    offsets_[std::size_t(number)] = sink_.offset();
    sink_.write(std::to_string(number) + " 0 obj\n");
}

void PdfWriter::begin(const QString& title) {
    // The comment with high bytes tells transfer tools that the file is binary.
    sink_.write("%PDF-1.5\n%\xE2\xE3\xCF\xD3\n");
    beginObject(kCatalog);
    sink_.write("<< /Type /Catalog /Pages " + ref(kPages) + " >>\nendobj\n");

    const QDateTime now = QDateTime::currentDateTime();
    const std::string date = pdfDate(now);
    beginObject(kInfo);
    sink_.write("<< /Title " + textString(title) + " /Producer (Miravelo) /Creator (Miravelo)" +
                " /CreationDate " + date + " /ModDate " + date + " >>\nendobj\n");
    id_ = QCryptographicHash::hash(
              (title + now.toString(Qt::ISODateWithMs) + QString::number(getpid())).toUtf8(),
              QCryptographicHash::Md5)
              .toHex()
              .toUpper()
              .toStdString();
}

bool PdfWriter::addJpegPage(const ExportInput& input, std::string* error,
                            const PdfPageLayout& layout) {
    const JpegHeader& h = input.jpeg();
    const int fd = ::open(input.path().c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0 || st.st_size <= 0) {
        if (fd >= 0)
            ::close(fd);
        *error = "cannot open " + input.path();
        return false;
    }
    const char* colourSpace = h.components == 1   ? "/DeviceGray"
                              : h.components == 4 ? "/DeviceCMYK"
                                                  : "/DeviceRGB";
    std::string dict = "<< /Type /XObject /Subtype /Image /Width " + std::to_string(h.width) +
                       " /Height " + std::to_string(h.height) + " /ColorSpace " + colourSpace +
                       " /BitsPerComponent 8 /Filter /DCTDecode";
    // Adobe applications store CMYK JPEG data inverted and mark it with APP14; PDF readers expect
    // the inversion to be spelled out.
    if (h.components == 4 && h.adobeMarker)
        dict += " /Decode [1 0 1 0 1 0 1 0]";
    dict += " /Length " + std::to_string(uint64_t(st.st_size)) + " >>\nstream\n";

    const int image = reserveObject();
    beginObject(image);
    sink_.write(dict);
    sink_.copyFrom(fd, uint64_t(st.st_size));
    ::close(fd);
    sink_.write("\nendstream\nendobj\n");
    if (!sink_.ok()) {
        *error = sink_.error();
        return false;
    }
    writePage(image, h.width, h.height, h.orientation, layout);
    return sink_.ok();
}

template <typename RowFn>
bool PdfWriter::writeFlateImage(int object, const std::string& dictionary, int rowBytes, int rows,
                                RowFn row, std::string* error) {
    const int lengthObject = reserveObject();
    beginObject(object);
    sink_.write(dictionary + " /Filter /FlateDecode /Length " + ref(lengthObject) +
                " >>\nstream\n");
    const uint64_t start = sink_.offset();

    z_stream z{};
    if (deflateInit(&z, Z_DEFAULT_COMPRESSION) != Z_OK) {
        *error = "cannot start compression";
        return false;
    }
    std::vector<unsigned char> line(std::size_t(rowBytes) + 1);
    std::vector<unsigned char> out(1 << 16);
    const unsigned char* previous = nullptr;
    bool good = true;
    for (int y = 0; y <= rows && good; ++y) {
        const bool last = (y == rows);
        if (!last) {
            // Predictor 15 lets each row name its filter; "Up" (2) is cheap and does well on
            // photographs and scans alike.
            const unsigned char* cur = row(y);
            line[0] = 2;
            for (int i = 0; i < rowBytes; ++i)
                line[std::size_t(i) + 1] = previous ? cur[i] - previous[i] : cur[i];
            previous = cur;
            z.next_in = line.data();
            z.avail_in = uInt(line.size());
        }
        int rc;
        do {
            z.next_out = out.data();
            z.avail_out = uInt(out.size());
            rc = deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
            if (rc == Z_STREAM_ERROR) {
                good = false;
                break;
            }
            sink_.write(out.data(), out.size() - z.avail_out);
        } while (z.avail_out == 0 || (last && rc != Z_STREAM_END));
    }
    deflateEnd(&z);
    if (!good) {
        *error = "compression failed";
        return false;
    }
    const uint64_t length = sink_.offset() - start;
    sink_.write("\nendstream\nendobj\n");
    beginObject(lengthObject);
    sink_.write(std::to_string(length) + "\nendobj\n");
    if (!sink_.ok()) {
        *error = sink_.error();
        return false;
    }
    return true;
}

bool PdfWriter::addRasterPage(const QImage& source, std::string* error,
                              const PdfPageLayout& layout) {
    if (source.isNull() || source.width() <= 0 || source.height() <= 0) {
        *error = "empty image";
        return false;
    }
    const bool alpha = source.hasAlphaChannel();
    // isGrayscale() also recognises indexed images with a grey palette and RGB images whose
    // pixels are all grey, which then take a third of the space.
    const bool grey = !alpha && source.isGrayscale();
    // 16-bit PNG and TIFF keep their 16 bits: anything less would not be lossless.
    const bool deep = source.depth() == 64 || source.format() == QImage::Format_Grayscale16;
    QImage::Format format;
    if (grey)
        format = deep ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8;
    else if (alpha)
        format = deep ? QImage::Format_RGBA64 : QImage::Format_RGBA8888;
    else
        format = deep ? QImage::Format_RGBX64 : QImage::Format_RGB888;
    const QImage image = source.convertToFormat(format);
    if (image.isNull()) {
        *error = "out of memory converting the image";
        return false;
    }
    const int w = image.width();
    const int h = image.height();
    const int bits = deep ? 16 : 8;
    const int colours = grey ? 1 : 3;
    const int sampleBytes = bits / 8;
    const std::string size = " /Width " + std::to_string(w) + " /Height " + std::to_string(h) +
                             " /BitsPerComponent " + std::to_string(bits);
    auto parms = [w, bits](int n) {
        return " /DecodeParms << /Predictor 15 /Colors " + std::to_string(n) +
               " /BitsPerComponent " + std::to_string(bits) + " /Columns " + std::to_string(w) +
               " >>";
    };

    // Rows are repacked into PDF sample order (colour and alpha apart, 16-bit samples big-endian)
    // in two alternating buffers, because the predictor still needs the previous row.
    std::vector<unsigned char> rows[2];
    int flip = 0;
    auto packed = [&](int y, bool alphaPlane) {
        const int n = alphaPlane ? 1 : colours;
        std::vector<unsigned char>& out = rows[flip];
        flip ^= 1;
        out.resize(std::size_t(w) * std::size_t(n * sampleBytes));
        const uchar* line = image.constScanLine(y);
        unsigned char* o = out.data();
        if (!deep) {
            const int stride = alpha ? 4 : colours;
            for (int x = 0; x < w; ++x) {
                const uchar* px = line + std::size_t(x) * std::size_t(stride);
                if (alphaPlane)
                    *o++ = px[3];
                else
                    for (int c = 0; c < n; ++c)
                        *o++ = px[c];
            }
        } else if (grey) {
            const quint16* px = reinterpret_cast<const quint16*>(line);
            for (int x = 0; x < w; ++x) {
                *o++ = uchar(px[x] >> 8);
                *o++ = uchar(px[x] & 0xFF);
            }
        } else {
            const QRgba64* px = reinterpret_cast<const QRgba64*>(line);
            for (int x = 0; x < w; ++x) {
                const quint16 v[4] = {px[x].red(), px[x].green(), px[x].blue(), px[x].alpha()};
                for (int c = alphaPlane ? 3 : 0; c < (alphaPlane ? 4 : 3); ++c) {
                    *o++ = uchar(v[c] >> 8);
                    *o++ = uchar(v[c] & 0xFF);
                }
            }
        }
        return static_cast<const unsigned char*>(out.data());
    };

    const int imageObject = reserveObject();
    const int maskObject = alpha ? reserveObject() : 0;
    std::string dictionary = "<< /Type /XObject /Subtype /Image" + size + " /ColorSpace " +
                             (grey ? "/DeviceGray" : "/DeviceRGB");
    if (alpha)
        dictionary += " /SMask " + ref(maskObject);
    if (!writeFlateImage(
            imageObject, dictionary + parms(colours), w * colours * sampleBytes, h,
            [&](int y) { return packed(y, false); }, error))
        return false;
    if (alpha &&
        !writeFlateImage(
            maskObject,
            "<< /Type /XObject /Subtype /Image" + size + " /ColorSpace /DeviceGray" + parms(1),
            w * sampleBytes, h, [&](int y) { return packed(y, true); }, error))
        return false;
    writePage(imageObject, w, h, 1, layout);
    return sink_.ok();
}

void PdfWriter::writePage(int imageObject, int imageWidth, int imageHeight, int orientation,
                          const PdfPageLayout& layout) {
    if (orientation < 1 || orientation > 8)
        orientation = 1;
    const std::array<double, 6> m = placement(orientation, layout.quarterTurns);
    const bool turned = std::abs(m[0]) < 0.5;
    const double pageW = layout.width > 0 ? layout.width : pageWidth_;
    const double pageH = layout.height > 0 ? layout.height : pageHeight_;
    const double shownW = turned ? imageHeight : imageWidth;
    const double shownH = turned ? imageWidth : imageHeight;
    const double scale = std::min(pageW / shownW, pageH / shownH);
    const double bw = shownW * scale;
    const double bh = shownH * scale;
    const double x0 = (pageW - bw) / 2;
    const double y0 = (pageH - bh) / 2;
    std::string content = "q " + pdfNumber(bw * m[0]) + " " + pdfNumber(bh * m[1]) + " " +
                          pdfNumber(bw * m[2]) + " " + pdfNumber(bh * m[3]) + " " +
                          pdfNumber(x0 + bw * m[4]) + " " + pdfNumber(y0 + bh * m[5]) +
                          " cm /Im0 Do Q\n";
    std::string fontResource;
    if (layout.text) {
        const std::string words = PdfTextLayer::operators(*layout.text, {x0, y0, bw, bh}, "F1");
        if (!words.empty()) {
            content += words;
            fontResource = " /Font << /F1 " + ref(textFont()) + " >>";
        }
    }
    const int contents = reserveObject();
    writeStream(contents, "<<", content);

    const int page = reserveObject();
    beginObject(page);
    sink_.write("<< /Type /Page /Parent " + ref(kPages) + " /MediaBox [0 0 " + pdfNumber(pageW) +
                " " + pdfNumber(pageH) + "] /Resources << /XObject << " + "/Im0 " +
                ref(imageObject) + " >>" + fontResource +
                " /ProcSet [/PDF /Text /ImageB /ImageC] >> /Contents " + ref(contents) +
                " >>\nendobj\n");
    pages_.push_back(page);
}

void PdfWriter::writeStream(int object, const std::string& dictionary, const std::string& data) {
    // Short streams stay readable; longer ones (text layers, the glyph map) are compressed.
    std::string body = data;
    std::string filter;
    if (data.size() > 256) {
        uLongf size = compressBound(uLong(data.size()));
        std::string packed(size, '\0');
        if (compress2(reinterpret_cast<Bytef*>(&packed[0]), &size,
                      reinterpret_cast<const Bytef*>(data.data()), uLong(data.size()),
                      Z_BEST_COMPRESSION) == Z_OK) {
            packed.resize(size);
            body.swap(packed);
            filter = " /Filter /FlateDecode";
        }
    }
    beginObject(object);
    sink_.write(dictionary + filter + " /Length " + std::to_string(body.size()) + " >>\nstream\n");
    sink_.write(body);
    sink_.write("\nendstream\nendobj\n");
}

int PdfWriter::textFont() {
    if (font_)
        return font_;
    font_ = reserveObject();
    const int cidFont = reserveObject();
    const int descriptor = reserveObject();
    const int glyphMap = reserveObject();
    const int toUnicode = reserveObject();
    const int fontFile = fontProgram_.isEmpty() ? 0 : reserveObject();
    beginObject(font_);
    sink_.write(
        "<< /Type /Font /Subtype /Type0 /BaseFont /GlyphLessFont /Encoding /Identity-H"
        " /DescendantFonts [" +
        ref(cidFont) + "] /ToUnicode " + ref(toUnicode) + " >>\nendobj\n");
    beginObject(cidFont);
    sink_.write(
        "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /GlyphLessFont"
        " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
        " /FontDescriptor " +
        ref(descriptor) + " /CIDToGIDMap " + ref(glyphMap) + " /DW 500 >>\nendobj\n");
    beginObject(descriptor);
    sink_.write(
        "<< /Type /FontDescriptor /FontName /GlyphLessFont /Flags 5"
        " /FontBBox [0 0 500 1000] /ItalicAngle 0 /Ascent 1000 /Descent 0"
        " /CapHeight 1000 /StemV 80" +
        (fontFile ? " /FontFile2 " + ref(fontFile) : std::string()) + " >>\nendobj\n");
    writeStream(glyphMap, "<<", PdfTextLayer::cidToGlyphMap());
    writeStream(toUnicode, "<<", PdfTextLayer::toUnicodeMap());
    if (fontFile)
        writeStream(fontFile, "<< /Length1 " + std::to_string(fontProgram_.size()),
                    fontProgram_.toStdString());
    return font_;
}

void PdfWriter::finish() {
    beginObject(kPages);
    std::string kids;
    for (int p : pages_)
        kids += ref(p) + " ";
    sink_.write("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages_.size()) +
                " >>\nendobj\n");

    const uint64_t xref = sink_.offset();
    sink_.write("xref\n0 " + std::to_string(offsets_.size()) + "\n0000000000 65535 f \n");
    char entry[32];
    for (std::size_t i = 1; i < offsets_.size(); ++i) {
        std::snprintf(entry, sizeof entry, "%010llu 00000 n \n",
                      static_cast<unsigned long long>(offsets_[i]));
        sink_.write(entry, 20);
    }
    sink_.write("trailer\n<< /Size " + std::to_string(offsets_.size()) + " /Root " + ref(kCatalog) +
                " /Info " + ref(kInfo) + " /ID [<" + id_ + "> <" + id_ + ">] >>\nstartxref\n" +
                std::to_string(xref) + "\n%%EOF\n");
}
