#include "JpgintoWord.h"

#include "DocxPackage.h"
#include "ExportInput.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <cstdio>
#include <new>

namespace {

// See JPGtoPDF: quiet unless MIRAVELO_EXPORT_VERBOSE is set.
void report(const std::string& what) {
    if (qEnvironmentVariableIsSet("MIRAVELO_EXPORT_VERBOSE"))
        std::fprintf(stderr, "JpgintoWord: %s\n", what.c_str());
}

bool wordShowsFormat(const QByteArray& format) {
    return format == "jpeg" || format == "png" || format == "gif" || format == "bmp" ||
           format == "tiff";
}

struct Progress {
    KELM_ExportProgress_Fn callback;
    void* user;
    bool stop(int done, int total) const { return callback && callback(done, total, user) != 0; }
};

int convert(const char* const* files, int count, const char* outPath, const Progress& progress) {
    if (!files || count < 1 || !outPath || !*outPath) {
        report("invalid arguments");
        return KELM_WORD_ERR_ARGUMENT;
    }
    for (int i = 0; i < count; ++i) {
        if (!files[i] || !*files[i]) {
            report("file " + std::to_string(i) + " has no path");
            return KELM_WORD_ERR_ARGUMENT;
        }
    }
    std::vector<DocxPackage::Picture> pictures;
    pictures.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        // Reading the pictures counts as no page done yet; asking lets a stop take effect early.
        if (progress.stop(0, count))
            return KELM_WORD_ERR_CANCELLED;
        ExportInput input;
        std::string error;
        if (!ExportInput::probe(files[i], &input, &error)) {
            report(std::string(files[i]) + ": " + error);
            return KELM_WORD_ERR_INPUT;
        }
        DocxPackage::Picture p;
        p.path = files[i];
        p.format = input.format();
        // Word places JPEG data as stored and does not turn it by its EXIF orientation, so the
        // frame takes the stored size: a turned photo then shows sideways but never stretched.
        p.width = input.kind() == ExportInput::Kind::Jpeg ? input.jpeg().width : input.width();
        p.height = input.kind() == ExportInput::Kind::Jpeg ? input.jpeg().height : input.height();
        if (input.kind() == ExportInput::Kind::Raster) {
            // Decoding proves the file is a whole picture; the package still gets the file's own
            // bytes unless Word could not show its format.
            const QImage image = input.decode(&error);
            if (image.isNull()) {
                report(std::string(files[i]) + ": " + error);
                return KELM_WORD_ERR_INPUT;
            }
            p.width = image.width();
            p.height = image.height();
            if (!wordShowsFormat(p.format)) {
                QBuffer buffer(&p.data);
                buffer.open(QIODevice::WriteOnly);
                if (!QImageWriter(&buffer, "png").write(image)) {
                    report(std::string(files[i]) + ": cannot convert to PNG");
                    return KELM_WORD_ERR_INTERNAL;
                }
                p.format = "png";
            }
        }
        pictures.push_back(std::move(p));
    }

    DocxPackage package;
    std::string error;
    bool cancelled = false;
    DocxPackage::StopAsked stopAsked;
    if (progress.callback)
        stopAsked = [&](double written) { return progress.stop(int(written * count), count); };
    if (!package.write(outPath, pictures, QFileInfo(QFile::decodeName(outPath)).completeBaseName(),
                       &error, stopAsked, &cancelled)) {
        report(std::string(outPath) + ": " + error);
        return cancelled ? KELM_WORD_ERR_CANCELLED : KELM_WORD_ERR_OUTPUT;
    }
    progress.stop(count, count);
    return count;
}

}  // namespace

extern "C" int KELM_JpgintoWord(const char* const* files, int count, int reserved,
                                const char* outPath) {
    return KELM_JpgintoWordWithProgress(files, count, reserved, outPath, nullptr, nullptr);
}

extern "C" int KELM_JpgintoWordWithProgress(const char* const* files, int count, int reserved,
                                            const char* outPath, KELM_ExportProgress_Fn progress,
                                            void* user) {
    (void)reserved;
    try {
        return convert(files, count, outPath, Progress{progress, user});
    } catch (const std::bad_alloc&) {
        report("out of memory");
    } catch (...) {
        report("unexpected failure");
    }
    return KELM_WORD_ERR_INTERNAL;
}
