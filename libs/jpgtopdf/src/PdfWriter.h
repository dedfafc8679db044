#pragma once

#include "PdfPageText.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

class ExportInput;
class FileSink;

// Writes a PDF of image pages straight into a FileSink. Each page's objects are written as soon as
// the page is added, so memory holds one picture at a time whatever the page count; only the
// cross-reference offsets (eight bytes per object) are kept to the end.
class PdfWriter {
public:
    // Page size in PDF points (1/72 inch).
    PdfWriter(FileSink& sink, double pageWidth, double pageHeight);

    // Header, catalogue and document information.
    void begin(const QString& title);
    // The TrueType program of a font with one empty glyph, embedded for text layers; without it
    // the layer still works, but readers pick a font of their own for it.
    void setTextFontProgram(const QByteArray& program) { fontProgram_ = program; }
    // A JPEG file embedded byte for byte.
    bool addJpegPage(const ExportInput& input, std::string* error,
                     const PdfPageLayout& layout = PdfPageLayout());
    // A decoded picture, embedded losslessly with Flate.
    bool addRasterPage(const QImage& image, std::string* error,
                       const PdfPageLayout& layout = PdfPageLayout());
    // Page tree, cross-reference table and trailer. The caller commits the sink.
    void finish();

    int pageCount() const { return int(pages_.size()); }

private:
    int reserveObject();
    void beginObject(int number);
    void writePage(int imageObject, int imageWidth, int imageHeight, int orientation,
                   const PdfPageLayout& layout);
    // A stream object with a direct length, compressed when that pays.
    void writeStream(int object, const std::string& dictionary, const std::string& data);
    // The text layers' font, written with the first page that needs it.
    int textFont();
    // One Flate stream of `rows` rows of `rowBytes` bytes, PNG "Up"-predicted, as an object with
    // an indirect length. `row(i)` returns row i.
    template <typename RowFn>
    bool writeFlateImage(int object, const std::string& dictionary, int rowBytes, int rows,
                         RowFn row, std::string* error);

    FileSink& sink_;
    double pageWidth_;
    double pageHeight_;
    std::vector<uint64_t> offsets_;  // by object number; index 0 unused
    std::vector<int> pages_;
    std::string id_;
    QByteArray fontProgram_;
    int font_ = 0;
};
