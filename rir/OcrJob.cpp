#include "OcrJob.h"

#include "PageRecognizer.h"

#include "ExportInput.h"

#include "output/DocumentName.h"
#include "textread/Orientation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cmath>
#include <thread>

namespace {

// Larger pictures are read from a reduced copy: the engine's time and memory grow with the
// pixels, and a camera page has a fraction of this. The PDF still gets the full picture.
constexpr double kMaxRecognitionPixels = 25e6;
constexpr int kThumbnailSide = 160;

}  // namespace

OcrJob::OcrJob(const OcrRequest& request, QObject* parent) : QObject(parent), m_request(request) {}

bool OcrJob::readPage(int index, PageRecognizer& engine, OcrPage* page) {
    const QString& file = m_request.files[index];
    const QString name = QDir::toNativeSeparators(file);
    page->file = file;
    if (!QFileInfo(file).isFile()) {
        emit note(tr("Skipped %1: the file does not exist.").arg(name));
        return false;
    }
    QImageReader reader(file);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        emit note(tr("Skipped %1: it is not a picture that can be read.").arg(name));
        return false;
    }
    // Checked before the slow reading: the page has to fit into the document afterwards.
    ExportInput placeable;
    std::string why;
    if (!ExportInput::probe(QFile::encodeName(file).constData(), &placeable, &why)) {
        emit note(tr("Skipped %1: it cannot be put into a PDF (%2).")
                      .arg(name, QString::fromStdString(why)));
        return false;
    }
    const QSize size = reader.size();
    if (size.isValid() && double(size.width()) * size.height() > kMaxRecognitionPixels) {
        const double f = std::sqrt(kMaxRecognitionPixels / (double(size.width()) * size.height()));
        reader.setScaledSize(QSize(int(size.width() * f), int(size.height() * f)));
        emit note(tr("%1 is very large; it is read from a reduced copy.").arg(name));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        emit note(tr("Skipped %1: it is not a picture that can be read.").arg(name));
        return false;
    }
    emit pageStarted(index, m_request.files.size(), file,
                     image.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio,
                                  Qt::SmoothTransformation));
    const textread::Orientation upright = textread::detectOrientation(image);
    if (upright.enoughText && upright.turn) {
        page->quarterTurns = upright.turn / 90;
        image = textread::turned(image, upright.turn);
    }
    return engine.recognize(image, m_cancel, &page->result);
}

void OcrJob::work() {
    PageRecognizer engine;
    QString error;
    if (!engine.load(m_request.dataPath, m_request.languages, &error)) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_loadError = error;
        return;
    }
    const int total = m_request.files.size();
    for (int i = m_next++; i < total && !m_cancel; i = m_next++) {
        OcrPage page;
        const bool ok = readPage(i, engine, &page);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_pages[std::size_t(i)] = std::move(page);
            m_read[std::size_t(i)] = ok;
        }
        if (!m_cancel)
            emit pageDone(i, ++m_done, total);
    }
}

void OcrJob::run() {
    const int total = m_request.files.size();
    m_pages.assign(std::size_t(total), OcrPage());
    m_read.assign(std::size_t(total), 0);
    const int workers = std::max(1, std::min(m_request.workers, total));
    std::vector<std::thread> threads;
    for (int w = 1; w < workers; ++w)
        threads.emplace_back([this] { work(); });
    work();
    for (std::thread& t : threads)
        t.join();

    if (m_cancel) {
        emit finished(Cancelled, QString(), QString(), tr("Cancelled; no document was written."));
        return;
    }
    if (!m_loadError.isEmpty()) {
        emit finished(Failed, QString(), QString(), m_loadError);
        return;
    }
    std::vector<OcrPage> pages;
    for (int i = 0; i < total; ++i)
        if (m_read[std::size_t(i)])
            pages.push_back(std::move(m_pages[std::size_t(i)]));
    if (pages.empty()) {
        emit finished(Failed, QString(), QString(),
                      tr("None of the files could be read; no document was written."));
        return;
    }

    QFile font(QDir(m_request.dataPath).filePath(QStringLiteral("pdf.ttf")));
    const QByteArray fontProgram = font.open(QIODevice::ReadOnly) ? font.readAll() : QByteArray();
    const QString stem = DocumentName::freeStem(
        QDir(m_request.outputFolder).filePath(DocumentName::stamped(QStringLiteral("OCR_"))),
        {QStringLiteral(".pdf"), QStringLiteral(".txt")});
    QString error;
    if (!OcrDocument::write(
            stem, pages, fontProgram, [this] { return m_cancel.load(); }, &error)) {
        if (m_cancel)
            emit finished(Cancelled, QString(), QString(),
                          tr("Cancelled; no document was written."));
        else
            emit finished(Failed, QString(), QString(), error);
        return;
    }
    emit finished(Done, stem + QStringLiteral(".pdf"), stem + QStringLiteral(".txt"),
                  tr("%n pages read.", "", int(pages.size())));
}
