#include "modes/SheetModePage.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDebug>
#include <QFileInfo>
#include <QGridLayout>
#include <QMutexLocker>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>

#include "app/LogCategories.h"
#include "modes/CImagePreview.h"
#include "modes/ImageProcessor.h"
#include "modes/QRDecoder.h"
#include "output/OutputPipeline.h"
#include "output/RecordQRContent.h"

namespace {

QImage cutPage(ImageProcessor* processor, QImage& capture, bool optimise) {
    std::unique_ptr<QImage> cut(processor->CutDocument(&capture, optimise));
    return cut ? *cut : QImage();
}

// A code that is nothing but a web address is shown as a link the user can open.
bool isLink(const QString& code) {
    const QUrl url(code, QUrl::StrictMode);
    return url.isValid() && !code.contains(QLatin1Char(' ')) &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

}  // namespace

SheetModePage::SheetModePage(OutputPipeline* output, ImageProcessor* processor, QWidget* parent)
    : ScanModePage(output, processor, parent), m_decoder(std::make_unique<QRDecoder>()) {
    m_decoder->Load();
    // One capture after another: pages are saved in the order they were taken.
    m_workers.setMaxThreadCount(1);

    QGridLayout* grid = pageGrid({3, 3, 12, 3, 3, 6});
    m_preview = new CImagePreview(this);
    m_preview->SetText(tr("Preview"));
    m_preview->SetIcon(QStringLiteral(":/new/prefix1/Res/UI/Pre_Sheet_S.png"));
    m_preview->SetSelectable(false);
    m_optimise = new QCheckBox(tr("Optimization"), this);
    m_codes = new QTextBrowser(this);
    m_codes->setOpenExternalLinks(true);
    m_codes->setPlaceholderText(tr("QR code.. ..."));
    m_nameByCode = new QCheckBox(tr("Name the QR code content"), this);
    m_record = new QCheckBox(tr("Automatically record QR code content"), this);

    grid->addWidget(m_preview, 0, 0, 4, 1);
    grid->addWidget(m_optimise, 1, 1);
    grid->addWidget(m_codes, 1, 2, 3, 1);
    grid->addWidget(m_nameByCode, 1, 3);
    grid->addWidget(m_record, 2, 3);
    addSaveControls(grid, tr("SaveDirectly"), true);
    connect(m_save, &QPushButton::pressed, this, &SheetModePage::save);
    // Ticking a box with the mouse leaves the keyboard focus on the capture button, so that the
    // next Space captures instead of unticking the box again.
    for (QWidget* w : {static_cast<QWidget*>(m_optimise), static_cast<QWidget*>(m_nameByCode),
                       static_cast<QWidget*>(m_record), static_cast<QWidget*>(m_saveDirectly),
                       static_cast<QWidget*>(m_save)})
        w->setFocusPolicy(Qt::TabFocus);
}

SheetModePage::~SheetModePage() {
    waitForCaptures();
}

void SheetModePage::takeCapture(const QImage& capture) {
    reset();
    if (capture.isNull())
        return;
    Job job;
    job.generation = m_generation;
    // Shared, not copied: nobody writes into a capture once it is handed over, and a copy of a
    // full-size frame would cost the GUI thread more than the rest of the capture.
    job.capture = capture;
    job.optimise = m_optimise->isChecked();
    job.direct = m_saveDirectly->isChecked();
    ImageProcessor* processor = m_processor;
    QRDecoder* decoder = m_decoder.get();
    m_workers.start([this, job, processor, decoder]() mutable {
        process(job, processor, decoder);
        {
            QMutexLocker lock(&m_finishedLock);
            m_finished.append(job);
        }
        QMetaObject::invokeMethod(this, &SheetModePage::takeFinished, Qt::QueuedConnection);
    });
}

// On the worker thread: nothing here touches a widget or the page's state.
void SheetModePage::process(Job& job, ImageProcessor* processor, QRDecoder* decoder) {
    if (job.capture.format() != QImage::Format_RGB888)
        job.capture = job.capture.convertToFormat(QImage::Format_RGB888);
    job.page = cutPage(processor, job.capture, job.optimise);
    if (job.page.isNull())
        return;
    std::unique_ptr<QStringList> codes(decoder->Decode(&job.page));
    job.codes = *codes;
}

void SheetModePage::waitForCaptures() {
    m_workers.waitForDone();
    takeFinished();
}

void SheetModePage::takeFinished() {
    QList<Job> finished;
    {
        QMutexLocker lock(&m_finishedLock);
        finished.swap(m_finished);
    }
    for (Job& job : finished)
        finish(job);
}

void SheetModePage::finish(Job& job) {
    const bool latest = job.generation == m_generation;
    if (job.page.isNull()) {
        qCDebug(lcModes) << "Sheet capture: no page found, nothing saved";
        return;
    }
    const QString content = job.codes.join(QLatin1Char('\n'));
    if (job.codes.isEmpty())
        qCDebug(lcModes) << "Sheet capture: no QR code read on the page";
    if (latest)
        showCodes(job.codes);
    if (job.direct) {
        // Saved even when the user has moved on meanwhile: the capture was asked for.
        savePage(job.page, content);
        return;
    }
    if (!latest)
        return;  // a newer capture or a tab change replaced this preview
    m_preview->SetImage(&job.page);
    m_kept = job.capture;
    m_keptPage = job.page;
    m_keptOptimised = job.optimise;
    m_state = 2;
}

void SheetModePage::showCodes(const QStringList& codes) {
    m_content = codes.join(QLatin1Char('\n'));
    m_codes->clear();
    // Inserted as plain text, never as markup: a code reading "<b>" must show as written.
    QTextCursor cursor(m_codes->document());
    for (int i = 0; i < codes.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        QTextCharFormat format;
        if (isLink(codes[i])) {
            format.setAnchor(true);
            format.setAnchorHref(codes[i]);
            format.setFontUnderline(true);
        }
        cursor.insertText(codes[i], format);
    }
}

void SheetModePage::save() {
    if (m_state != 2 || m_kept.isNull())
        return;
    // The codes are not read again: the page is saved under the text shown since the capture.
    QImage page = m_optimise->isChecked() == m_keptOptimised
                      ? m_keptPage
                      : cutPage(m_processor, m_kept, m_optimise->isChecked());
    if (!page.isNull())
        savePage(page, m_content);
    reset();
}

void SheetModePage::saveDirectlyClicked(bool checked) {
    ScanModePage::saveDirectlyClicked(checked);
    if (checked)
        save();
}

void SheetModePage::savePage(const QImage& page, const QString& content) {
    QString name;
    if (m_nameByCode->isChecked() && !content.isEmpty()) {
        name = QRContentToFileName(content);
        qCDebug(lcModes).noquote() << name;
        if (name.isEmpty())
            logProblem(QStringLiteral("QR content \"%1\" gives no usable file name; the page is "
                                      "named by the naming rule")
                           .arg(content));
    }
    const QString path = name.isEmpty() ? m_output->save(page) : m_output->saveAs(page, name);
    if (path.isEmpty() || !m_record->isChecked())
        return;
    // The record goes beside the page, also when the page went to a fallback folder.
    const QString dir = QFileInfo(path).absolutePath();
    QString error;
    if (!RecordQRContent(dir, content, QDateTime::currentDateTime(), &error))
        logProblem(QStringLiteral("QR record file \"%1\" not written: %2")
                       .arg(QRRecordFilePath(dir, QDate::currentDate()), error));
}

void SheetModePage::reset() {
    ++m_generation;
    m_state = 0;
    m_kept = QImage();
    m_keptPage = QImage();
    m_content.clear();
    m_preview->ClearImage();
    m_codes->clear();
}

void SheetModePage::logProblem(const QString& message) {
    qCWarning(lcModes).noquote() << message;
    m_log.Write(Log::Error, message.toUtf8().constData());
}
