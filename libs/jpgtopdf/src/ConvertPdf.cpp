#include "JPGtoPDF.h"

#include "ExportInput.h"
#include "FileSink.h"
#include "PdfWriter.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <cstdio>
#include <new>

namespace {

constexpr double kPointsPerInch = 72.0;
// PDF viewers handle pages up to 14400 units; 200 inches stays well inside.
constexpr double kMinInches = 0.1;
constexpr double kMaxInches = 200.0;

bool validPageSide(double inches) {
    return std::isfinite(inches) && inches >= kMinInches && inches <= kMaxInches;
}

// Failures go to stderr only when asked for: a library inside someone else's program must not
// chatter, but a puzzled user can set MIRAVELO_EXPORT_VERBOSE=1 and see which file was refused.
void report(const std::string& what) {
    if (qEnvironmentVariableIsSet("MIRAVELO_EXPORT_VERBOSE"))
        std::fprintf(stderr, "JPGtoPDF: %s\n", what.c_str());
}

struct Progress {
    KELM_ExportProgress_Fn callback;
    void* user;
    // True when the caller wants the conversion to stop.
    bool stop(int done, int total) const { return callback && callback(done, total, user) != 0; }
};

int convert(const char* const* files, int count, double pageWidth, double pageHeight,
            const char* outPath, const Progress& progress) {
    if (!files || count < 1 || !outPath || !*outPath || !validPageSide(pageWidth) ||
        !validPageSide(pageHeight)) {
        report("invalid arguments");
        return KELM_PDF_ERR_ARGUMENT;
    }
    for (int i = 0; i < count; ++i) {
        if (!files[i] || !*files[i]) {
            report("file " + std::to_string(i) + " has no path");
            return KELM_PDF_ERR_ARGUMENT;
        }
    }
    // Look at every file before writing anything, so a bad file late in the list does not cost
    // the copying of all the ones before it. Raster files are only opened here, decoded later.
    for (int i = 0; i < count; ++i) {
        ExportInput input;
        std::string error;
        if (!ExportInput::probe(files[i], &input, &error)) {
            report(std::string(files[i]) + ": " + error);
            return KELM_PDF_ERR_INPUT;
        }
    }

    if (progress.stop(0, count))
        return KELM_PDF_ERR_CANCELLED;
    FileSink sink;
    if (!sink.open(outPath)) {
        report(std::string(outPath) + ": " + sink.error());
        return KELM_PDF_ERR_OUTPUT;
    }
    PdfWriter writer(sink, pageWidth * kPointsPerInch, pageHeight * kPointsPerInch);
    writer.begin(QFileInfo(QFile::decodeName(outPath)).completeBaseName());
    for (int i = 0; i < count; ++i) {
        ExportInput input;
        std::string error;
        if (!ExportInput::probe(files[i], &input, &error)) {
            report(std::string(files[i]) + ": " + error);
            return KELM_PDF_ERR_INPUT;  // changed or vanished since the first look
        }
        bool added;
        if (input.kind() == ExportInput::Kind::Jpeg) {
            added = writer.addJpegPage(input, &error);
        } else {
            // Decoded only now, one picture at a time, so memory holds a single page's pixels.
            const QImage image = input.decode(&error);
            added = !image.isNull() && writer.addRasterPage(image, &error);
        }
        if (!added) {
            report(std::string(files[i]) + ": " + error);
            // The sink only fails on writing; anything else is the picture's fault.
            return sink.ok() ? KELM_PDF_ERR_INPUT : KELM_PDF_ERR_OUTPUT;
        }
        // The sink removes its partial file when it goes out of scope uncommitted.
        if (progress.stop(i + 1, count))
            return KELM_PDF_ERR_CANCELLED;
    }
    writer.finish();
    if (!sink.commit()) {
        report(std::string(outPath) + ": " + sink.error());
        return KELM_PDF_ERR_OUTPUT;
    }
    return writer.pageCount();
}

}  // namespace

extern "C" int KELM_ConvertPDF(const char* const* files, int count, double pageWidth,
                               double pageHeight, const char* outPath) {
    return KELM_ConvertPDFWithProgress(files, count, pageWidth, pageHeight, outPath, nullptr,
                                       nullptr);
}

extern "C" int KELM_ConvertPDFWithProgress(const char* const* files, int count, double pageWidth,
                                           double pageHeight, const char* outPath,
                                           KELM_ExportProgress_Fn progress, void* user) {
    // Nothing may unwind into a caller that may not even be C++.
    try {
        return convert(files, count, pageWidth, pageHeight, outPath, Progress{progress, user});
    } catch (const std::bad_alloc&) {
        report("out of memory");
    } catch (...) {
        report("unexpected failure");
    }
    return KELM_PDF_ERR_INTERNAL;
}
