#include "RirWindow.h"

#include "OcrJob.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

RirWindow::RirWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("RirWindow"));
    setWindowTitle(tr("Rir - text recognition"));
    m_thumbnail = new QLabel(this);
    m_thumbnail->setObjectName(QStringLiteral("pLbl_Thumbnail"));
    m_thumbnail->setFixedSize(120, 160);
    m_thumbnail->setAlignment(Qt::AlignCenter);
    m_page = new QLabel(tr("Starting..."), this);
    m_page->setObjectName(QStringLiteral("pLbl_Page"));
    m_file = new QLabel(this);
    m_file->setTextFormat(Qt::PlainText);
    m_file->setWordWrap(true);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("pProgress_Pages"));
    m_progress->setRange(0, 0);
    m_notes = new QLabel(this);
    m_notes->setObjectName(QStringLiteral("pLbl_Notes"));
    m_notes->setTextFormat(Qt::PlainText);
    m_notes->setWordWrap(true);
    m_notes->hide();
    m_button = new QPushButton(tr("Cancel"), this);
    m_button->setObjectName(QStringLiteral("pBtn_Cancel"));

    auto* side = new QVBoxLayout;
    side->addWidget(m_page);
    side->addWidget(m_file);
    side->addWidget(m_progress);
    side->addWidget(m_notes);
    side->addStretch(1);
    side->addWidget(m_button, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_thumbnail);
    layout->addLayout(side, 1);
    setMinimumWidth(520);

    connect(m_button, &QPushButton::clicked, this, [this] {
        if (!m_running) {
            close();
            return;
        }
        m_button->setEnabled(false);
        m_page->setText(tr("Cancelling..."));
        emit cancelRequested();
    });
}

void RirWindow::follow(OcrJob* job) {
    m_running = true;
    connect(job, &OcrJob::pageStarted, this, &RirWindow::pageStarted);
    connect(job, &OcrJob::pageDone, this, &RirWindow::pageDone);
    connect(job, &OcrJob::note, this, &RirWindow::addNote);
    connect(job, &OcrJob::finished, this, &RirWindow::finished);
    connect(this, &RirWindow::cancelRequested, job, &OcrJob::cancel, Qt::DirectConnection);
}

void RirWindow::addNote(const QString& text) {
    m_notes->setText(m_notes->text().isEmpty() ? text : m_notes->text() + '\n' + text);
    m_notes->show();
}

void RirWindow::showFailure(const QString& text) {
    setStopped();
    m_page->setText(tr("Nothing was read."));
    addNote(text);
}

void RirWindow::pageStarted(int index, int total, const QString& file, const QImage& thumbnail) {
    m_inProgress.insert(index, {file, thumbnail});
    showFirstInProgress(total);
}

void RirWindow::pageDone(int index, int done, int total) {
    m_inProgress.remove(index);
    m_progress->setRange(0, total);
    m_progress->setValue(done);
    showFirstInProgress(total);
}

void RirWindow::showFirstInProgress(int total) {
    if (!m_running || !m_button->isEnabled() || m_inProgress.isEmpty())
        return;
    const int index = m_inProgress.firstKey();
    m_page->setText(tr("Page %1 of %2").arg(index + 1).arg(total));
    m_file->setText(QFileInfo(m_inProgress.first().file).fileName());
    m_thumbnail->setPixmap(QPixmap::fromImage(m_inProgress.first().thumbnail));
    if (m_progress->maximum() != total)
        m_progress->setRange(0, total);
}

void RirWindow::finished(int status, const QString& pdfPath, const QString& txtPath,
                         const QString& message) {
    setStopped();
    if (status == OcrJob::Cancelled) {
        close();
        return;
    }
    if (status != OcrJob::Done) {
        m_page->setText(tr("No document was written."));
        addNote(message);
        return;
    }
    m_page->setText(message);
    m_file->setText(
        tr("Saved %1 and %2").arg(QFileInfo(pdfPath).fileName(), QFileInfo(txtPath).fileName()));
    m_file->setToolTip(QDir::toNativeSeparators(QFileInfo(pdfPath).absolutePath()));
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(pdfPath)))
        addNote(tr("No program to show PDF files was found; the document is in %1.")
                    .arg(QDir::toNativeSeparators(QFileInfo(pdfPath).absolutePath())));
}

void RirWindow::setStopped() {
    m_running = false;
    m_progress->setRange(0, std::max(1, m_progress->maximum()));
    m_button->setText(tr("Close"));
    m_button->setEnabled(true);
}

void RirWindow::closeEvent(QCloseEvent* event) {
    // Closing while pages are read is a Cancel; the program ends when the job has stopped.
    if (m_running) {
        if (m_button->isEnabled())
            m_button->click();
        event->ignore();
        return;
    }
    event->accept();
}
