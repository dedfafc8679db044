#include "output/DocumentExport.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include "JPGtoPDF.h"
#include "JpgintoWord.h"
#include "output/CJpegProcess.h"
#include "output/DocumentName.h"

namespace {
// Both libraries use the same codes for the same failures.
static_assert(KELM_PDF_ERR_INPUT == KELM_WORD_ERR_INPUT, "library codes differ");
static_assert(KELM_PDF_ERR_OUTPUT == KELM_WORD_ERR_OUTPUT, "library codes differ");
static_assert(KELM_PDF_ERR_CANCELLED == DocumentExport::kCancelled &&
                  KELM_WORD_ERR_CANCELLED == DocumentExport::kCancelled,
              "library codes differ");
constexpr int kRefused = -1;
}  // namespace

DocumentExport::DocumentExport(Kind kind, const QStringList& files, const QString& outPath,
                               QObject* parent)
    : QObject(parent), m_kind(kind), m_files(files), m_outPath(outPath) {}

QString DocumentExport::freeName(const QString& outPath) {
    return DocumentName::freeName(outPath);
}

QString DocumentExport::refusal(const QString& outPath) const {
    if (m_files.isEmpty())
        return tr("The list is empty: add the pictures to put into the document.");
    if (m_files.size() > CJpegProcess::kMaxFiles)
        return tr("One document holds at most %1 pictures; the list has %2.")
            .arg(CJpegProcess::kMaxFiles)
            .arg(m_files.size());
    const QFileInfo target(outPath);
    if (target.fileName().isEmpty() || target.isDir())
        return tr("The document needs a file name: %1").arg(outPath);
    if (!target.absoluteDir().exists())
        return tr("The folder %1 does not exist.").arg(target.absolutePath());
    for (const QString& file : m_files) {
        if (!QFileInfo(file).isFile())
            return tr("The picture %1 no longer exists.").arg(file);
        if (!QImageReader(file).canRead())
            return tr("%1 is not a picture that can be read.").arg(file);
    }
    return QString();
}

QString DocumentExport::failureText(int result) const {
    switch (result) {
        case CJpegProcess::kErrTooManyFiles:
            return tr("One document holds at most %1 pictures.").arg(CJpegProcess::kMaxFiles);
        case CJpegProcess::kErrPathRejected:
            return tr("A file name is too long, or has characters this system cannot pass on.");
        case KELM_PDF_ERR_INPUT:
            return tr("A picture could not be read; it may have changed or been removed.");
        case KELM_PDF_ERR_OUTPUT:
            return tr(
                "The document could not be written: the folder may be read-only or the "
                "disk full.");
        case kCancelled:
            return tr("Cancelled; no document was written.");
        case -1:  // the library or its entry point is missing
            return tr("The document component could not be loaded.");
        default:
            return tr("The document could not be created (error %1).").arg(result);
    }
}

void DocumentExport::run() {
    const QString outPath = freeName(m_outPath);
    const QString refused = refusal(outPath);
    if (!refused.isEmpty()) {
        emit finished(kRefused, outPath, refused);
        return;
    }
    CJpegProcess process;
    process.setProgress([this](int done, int total) {
        emit progress(done, total);
        return !m_cancelled;
    });
    // A missing library leaves its entry point null, and the conversion then answers -1; the PDF
    // side works without the Word library.
    const int result =
        m_kind == Pdf ? process.ToPdf(m_files, outPath) : process.ToWord(m_files, outPath);
    // The cancel may come after the last page: the document is then complete and kept.
    emit finished(result, outPath, result > 0 ? QString() : failureText(result));
}
