#include "modes/BookModePage.h"

#include <QCheckBox>
#include <QDebug>
#include <QGridLayout>
#include <QPushButton>

#include <memory>
#include <new>

#include "app/AppSettings.h"
#include "app/LogCategories.h"
#include "modes/CImagePreview.h"
#include "modes/TempFiles.h"
#include "output/OutputPipeline.h"

BookModePage::BookModePage(OutputPipeline* output, ImageProcessor* processor, TempFiles* temp,
                           QWidget* parent)
    : ScanModePage(output, processor, parent), m_temp(temp) {
    QGridLayout* grid = pageGrid({3, 3, 3, 14, 3, 4});
    const struct {
        QString text;
        const char* icon;
    } tiles[] = {{tr("Pre Page"), ":/new/prefix1/Res/UI/Pre_Book_Fore_S.png"},
                 {tr("Next Page"), ":/new/prefix1/Res/UI/Pre_Book_Back_S.png"}};
    for (int p = 0; p < 2; ++p) {
        m_tiles[p] = new CImagePreview(this);
        m_tiles[p]->SetText(tiles[p].text);
        m_tiles[p]->SetIcon(QString::fromLatin1(tiles[p].icon));
        m_tiles[p]->SetSelectable(false);
        grid->addWidget(m_tiles[p], 0, p, 4, 1);
    }
    m_flatten = new QCheckBox(tr("Automatic flattening"), this);
    m_flatten->setChecked(true);
    m_colour = new QCheckBox(tr("Color"), this);
    m_merge = new QCheckBox(tr("Merge left and right pages"), this);

    grid->addWidget(m_flatten, 1, 2, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(m_colour, 2, 2, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(m_merge, 3, 2, Qt::AlignTop | Qt::AlignLeft);
    addSaveControls(grid, tr("Save directly"), false);
    connect(m_save, &QPushButton::clicked, this, &BookModePage::save);
}

BookModePage::Spread BookModePage::split(ImageProcessor& processor, const QImage& capture,
                                         bool flatten, bool grey) {
    Spread spread;
    QImage input = capture.format() == QImage::Format_RGB888
                       ? capture
                       : capture.convertToFormat(QImage::Format_RGB888);
    const qint64 bytes = qint64(input.width()) * input.height() * 3;
    if (input.isNull() || bytes > (qint64(1) << 31))
        return spread;
    // Each page gets a zeroed buffer of the capture's size, as the library expects.
    std::unique_ptr<unsigned char[]> buffers[2] = {
        std::unique_ptr<unsigned char[]>(new (std::nothrow) unsigned char[size_t(bytes)]()),
        std::unique_ptr<unsigned char[]>(new (std::nothrow) unsigned char[size_t(bytes)]())};
    if (!buffers[0] || !buffers[1])
        return spread;
    int width[2] = {}, height[2] = {}, size[2] = {};
    spread.result =
        processor.ProcessBook(&input, width[0], height[0], buffers[0].get(), size[0], width[1],
                              height[1], buffers[1].get(), size[1], flatten, grey);
    if (spread.result <= 0)
        return spread;
    // The pages are far smaller than their buffers: keep compact copies.
    for (int p = 0; p < 2; ++p)
        spread.pages[p] = QImage(buffers[p].get(), width[p], height[p], size[p] / height[p],
                                 QImage::Format_RGB888)
                              .copy();
    return spread;
}

void BookModePage::takeCapture(const QImage& capture) {
    const bool direct = m_saveDirectly->isChecked();
    const bool flatten = m_flatten->isChecked();
    const bool grey = !m_colour->isChecked();
    const bool merge = m_merge->isChecked();
    // A new capture replaces a spread that waited for "Save".
    m_state = 0;
    if (direct) {
        m_tiles[Left]->ClearImage();
        m_tiles[Right]->ClearImage();
    }
    const int generation = m_generation;
    m_worker.run([=](ImageProcessor& p) -> ModeWorker::Then {
        Spread spread = split(p, capture, flatten, grey);
        if (direct && merge && spread.result > 0)
            spread.combined = ImageProcessor::CombineLeftRight(spread.pages[0], spread.pages[1]);
        return [=] { spreadProcessed(spread, capture, direct, generation); };
    });
}

void BookModePage::spreadProcessed(const Spread& spread, const QImage& capture, bool direct,
                                   int generation) {
    if (spread.result <= 0) {
        logFailure(
            QStringLiteral("Book: no spread found in the capture (result %1)").arg(spread.result));
        return;
    }
    if (direct) {
        // Saved even when the user has left the mode meanwhile: the capture was taken.
        saveSpread(spread, !spread.combined.isNull());
        return;
    }
    if (generation != m_generation)
        return;
    m_kept = capture;
    setPage(Left, spread.pages[Left]);
    setPage(Right, spread.pages[Right]);
    m_state = 2;
}

void BookModePage::setPage(Page p, const QImage& image) {
    if (image.isNull())
        return;
    m_pages[p] = image;
    m_tiles[p]->SetImage(&image);
    writeIntermediate(m_worker, image,
                      p == Left ? m_temp->bookLeftPath() : m_temp->bookRightPath());
}

void BookModePage::saveSpread(const Spread& spread, bool merge) {
    if (merge) {
        qCDebug(lcModes) << "Combine Left And Right";
        m_output->save(spread.combined);
    } else {
        qCDebug(lcModes) << "Save Left And Right";
        m_output->savePair(spread.pages[Left], spread.pages[Right]);
    }
}

void BookModePage::save() {
    if (m_state != 2)
        return;
    // A page that is missing is marked.
    for (CImagePreview* tile : m_tiles)
        if (!tile->hasImage)
            tile->SetSelected(true);
    Spread spread;
    for (int p = 0; p < 2; ++p)
        if (m_tiles[p]->hasImage)
            spread.pages[p] = m_pages[p];
    if (m_tiles[Left]->hasImage && m_tiles[Right]->hasImage && m_merge->isChecked()) {
        // The pages stay, so a further "Save" writes the combination again.
        m_worker.run([this, spread](ImageProcessor&) -> ModeWorker::Then {
            Spread combined = spread;
            combined.combined = ImageProcessor::CombineLeftRight(spread.pages[0], spread.pages[1]);
            return [this, combined] { saveSpread(combined, true); };
        });
        return;
    }
    saveSpread(spread, false);
    for (int p = 0; p < 2; ++p) {
        m_tiles[p]->ClearImage();
        m_pages[p] = QImage();
    }
    m_kept = QImage();
    m_state = 0;
}

void BookModePage::reset() {
    ++m_generation;
    m_state = 0;
    m_kept = QImage();
    for (int p = 0; p < 2; ++p) {
        m_tiles[p]->ClearImage();
        m_pages[p] = QImage();
    }
}

bool BookModePage::waitForIdle(int msecs) {
    return m_worker.waitForIdle(msecs);
}
