#include "OcrDocument.h"

#include "ExportInput.h"
#include "FileSink.h"
#include "PdfWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Pages take the picture's own proportions, the longer side that of A4 (11.69 inches).
constexpr double kLongSidePoints = 11.69 * 72.0;

PdfPageLayout layoutFor(const OcrPage& page) {
    PdfPageLayout layout;
    layout.quarterTurns = page.quarterTurns;
    layout.text = &page.result.layer;
    const double w = page.result.layer.width, h = page.result.layer.height;
    if (w > 0 && h > 0) {
        layout.width = w >= h ? kLongSidePoints : kLongSidePoints * w / h;
        layout.height = w >= h ? kLongSidePoints * h / w : kLongSidePoints;
    }
    return layout;
}

}  // namespace

QString OcrDocument::plainText(const std::vector<OcrPage>& pages) {
    QStringList texts;
    for (const OcrPage& page : pages)
        texts << page.result.text.trimmed();
    return texts.join(QStringLiteral("\n\n")) + QLatin1Char('\n');
}

bool OcrDocument::write(const QString& stem, const std::vector<OcrPage>& pages,
                        const QByteArray& fontProgram, const std::function<bool()>& stop,
                        QString* error) {
    const QString pdfPath = stem + QStringLiteral(".pdf");
    const QString txtPath = stem + QStringLiteral(".txt");
    const QString folder = QFileInfo(pdfPath).absolutePath();
    FileSink sink;
    if (!sink.open(QFile::encodeName(pdfPath).toStdString())) {
        *error = QCoreApplication::translate(
                     "Rir", "Cannot write into %1: the folder may be missing or read-only.")
                     .arg(folder);
        return false;
    }
    PdfWriter writer(sink, 8.27 * 72.0, kLongSidePoints);
    writer.setTextFontProgram(fontProgram);
    writer.begin(QFileInfo(pdfPath).completeBaseName());
    for (const OcrPage& page : pages) {
        if (stop())
            return false;  // the sink removes its partial file
        ExportInput input;
        std::string why;
        bool added = ExportInput::probe(QFile::encodeName(page.file).constData(), &input, &why);
        if (added) {
            if (input.kind() == ExportInput::Kind::Jpeg) {
                added = writer.addJpegPage(input, &why, layoutFor(page));
            } else {
                const QImage image = input.decode(&why);
                added = !image.isNull() && writer.addRasterPage(image, &why, layoutFor(page));
            }
        }
        if (!added) {
            *error = sink.ok() ? QCoreApplication::translate(
                                     "Rir", "%1 changed or vanished while it was read.")
                                     .arg(page.file)
                               : QCoreApplication::translate(
                                     "Rir", "Cannot write into %1: the disk may be full.")
                                     .arg(folder);
            return false;
        }
    }
    writer.finish();

    // The text is written in full before the PDF takes its name, and takes its own only once the
    // PDF has: a failure on either side leaves neither.
    QSaveFile text(txtPath);
    const QByteArray utf8 = plainText(pages).toUtf8();
    if (!text.open(QIODevice::WriteOnly) || text.write(utf8) != utf8.size()) {
        *error = QCoreApplication::translate(
                     "Rir", "Cannot write into %1: the folder may be missing or read-only.")
                     .arg(folder);
        return false;
    }
    if (!sink.commit()) {
        *error = QCoreApplication::translate("Rir", "Cannot write into %1: the disk may be full.")
                     .arg(folder);
        return false;
    }
    if (!text.commit()) {
        QFile::remove(pdfPath);
        *error = QCoreApplication::translate("Rir", "Cannot write into %1: the disk may be full.")
                     .arg(folder);
        return false;
    }
    return true;
}
