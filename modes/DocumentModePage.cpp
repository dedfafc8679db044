#include "modes/DocumentModePage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QTransform>

#include <algorithm>
#include <memory>

#include "app/AppSettings.h"
#include "modes/CImagePreview.h"
#include "modes/ImageProcessor.h"
#include "output/OutputPipeline.h"

namespace {

QImage grey(ImageProcessor& processor, QImage page) {
    if (page.isNull())
        return page;
    std::unique_ptr<QImage> grey(processor.ToGray(&page));
    return grey ? *grey : QImage();
}

QImage rotated(const QImage& page, int angle) {
    if (angle != 90 && angle != 180 && angle != 270)
        return page;
    return page.transformed(QTransform().rotate(angle), Qt::FastTransformation);
}

}  // namespace

DocumentModePage::DocumentModePage(OutputPipeline* output, ImageProcessor* processor,
                                   QWidget* parent)
    : ScanModePage(output, processor, parent) {
    QGridLayout* grid = pageGrid({3, 3, 3, 3, 14, 4});
    const struct {
        QString text;
        const char* icon;
    } tiles[] = {{tr("Original"), ":/new/prefix1/Res/UI/Pre_Orgin_S.png"},
                 {tr("Auto Cutting"), ":/new/prefix1/Res/UI/Pre_Cut_S.png"},
                 {tr("Optimization"), ":/new/prefix1/Res/UI/Pre_Enhence_S.png"},
                 {tr("Gray"), ":/new/prefix1/Res/UI/Pre_Gray_S.png"}};
    for (int k = 0; k < 4; ++k) {
        m_tiles[k] = new CImagePreview(this);
        m_tiles[k]->SetText(tiles[k].text);
        m_tiles[k]->SetIcon(QString::fromLatin1(tiles[k].icon));
        grid->addWidget(m_tiles[k], 0, k, 4, 1);
        connect(m_tiles[k], &CImagePreview::SelectedStatusChanged, this,
                [this, k](bool selected) { tileChanged(k, selected); });
    }
    m_tiles[AutoCut]->SetSelected(true);

    for (int k : {AutoCut, Optimised, Gray})
        connect(m_tiles[k], &CImagePreview::AdjustRequested, this, [this, k] { requestAdjust(k); });
    addUprightBox(grid, 1, 5);
    addSaveControls(grid, tr("Save Directly"), true);
    connect(m_save, &QPushButton::pressed, this, &DocumentModePage::save);
}

CImagePreview* DocumentModePage::tile(int option) const {
    return option >= 0 && option < 4 ? m_tiles[option] : nullptr;
}

void DocumentModePage::tileChanged(int option, bool selected) {
    if (option == Original)
        emit originChosen();
    else
        emit treatmentChosen();
    if (!selected) {
        m_option = NoOption;
        return;
    }
    m_option = Option(option);
    for (int k = 0; k < 4; ++k)
        m_tiles[k]->SetSelected(k == option);
}

void DocumentModePage::saveDirectlyClicked(bool checked) {
    ScanModePage::saveDirectlyClicked(checked);
    if (!checked)
        return;
    save();
    clearTiles();
}

void DocumentModePage::takeCapture(const QImage& capture) {
    m_kept = capture.format() == QImage::Format_RGB888
                 ? capture
                 : capture.convertToFormat(QImage::Format_RGB888);
    m_outline = takeFrozenOutline(m_kept.size());
    if (m_saveDirectly->isChecked()) {
        m_state = 2;
        save();
        return;
    }
    m_state = 0;
    preview(m_kept);
    m_state = 2;
}

namespace {

// Corners of the full-size capture for its quarter-size preview.
QPolygonF scaledOutline(const QPolygonF& outline, double factor) {
    QPolygonF o;
    for (const QPointF& p : outline)
        o << p * factor;
    return o;
}

QImage cutAlong(ImageProcessor& processor, QImage& image, const QPolygonF& outline, bool optimise) {
    if (outline.isEmpty())
        return ImageProcessor::TakeImage(processor.CutDocument(&image, optimise));
    int corners[8];
    ImageProcessor::CornersOf(outline, corners);
    return ImageProcessor::TakeImage(processor.CutDocumentAt(&image, corners, optimise));
}

}  // namespace

void DocumentModePage::preview(const QImage& capture) {
    if (capture.isNull())
        return;
    // Quarter size keeps the three library runs of a preview quick.
    QImage small = capture
                       .scaled(capture.width() / 4, capture.height() / 4, Qt::KeepAspectRatio,
                               Qt::FastTransformation)
                       .convertToFormat(QImage::Format_RGB888);
    if (small.isNull())
        return;
    const QPolygonF outline =
        scaledOutline(m_outline, double(small.width()) / std::max(1, capture.width()));
    m_tiles[Original]->SetImage(&small);
    const QImage cut = cutAlong(*m_processor, small, outline, false);
    if (!cut.isNull()) {
        m_tiles[AutoCut]->SetImage(&cut);
        const QImage grey = ::grey(*m_processor, cut);
        if (!grey.isNull())
            m_tiles[Gray]->SetImage(&grey);
    }
    const QImage optimised = cutAlong(*m_processor, small, outline, true);
    if (!optimised.isNull())
        m_tiles[Optimised]->SetImage(&optimised);
    for (int k : {AutoCut, Optimised, Gray})
        m_tiles[k]->SetAdjustable(true);
}

QPolygonF DocumentModePage::outline() {
    if (m_state != 2 || m_kept.isNull())
        return {};
    if (!m_outline.isEmpty())
        return m_outline;
    std::unique_ptr<int[]> corners(m_processor->DetectDocCorners(&m_kept));
    return ImageProcessor::OutlineOf(corners.get());
}

void DocumentModePage::requestAdjust(int option) {
    if (m_state != 2 || m_kept.isNull())
        return;
    if (m_tiles[option] && !m_tiles[option]->selected)
        tileChanged(option, true);
    emit adjustRequested(m_kept, outline());
}

void DocumentModePage::applyOutline(const QPolygonF& outline, qint64 pictureKey) {
    if (m_state != 2 || m_kept.isNull() || m_kept.cacheKey() != pictureKey || outline.size() != 4)
        return;
    m_outline = outline;
    preview(m_kept);
}

QImage DocumentModePage::makePage(ImageProcessor& processor, const PageOrder& order) {
    QImage input = order.source;
    QImage page;
    switch (order.option) {
        case Original:
            page = order.source;
            // Enlarged to the listed size of cameras that list a larger one than they deliver.
            if (order.originalSize.isValid())
                page =
                    page.scaled(order.originalSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            break;
        case Optimised:
            page = cutAlong(processor, input, order.outline, true);
            break;
        case Gray:
            page = grey(processor, cutAlong(processor, input, order.outline, false));
            break;
        case AutoCut:
        case NoOption:
            page = cutAlong(processor, input, order.outline, false);
            break;
    }
    if (page.isNull())
        return page;
    // The whole frame is what the camera saw; only a cut page has a text direction of its own.
    if (order.upright && order.option != Original)
        page = turnedUpright(page);
    return rotated(page, order.rotation);
}

void DocumentModePage::save() {
    if (m_state != 2 || m_kept.isNull())
        return;
    PageOrder order;
    order.source = m_kept;
    order.option = m_option;
    order.outline = m_outline;
    order.originalSize = m_originalSize;
    order.upright = uprightWanted();
    order.rotation = m_settings ? m_settings->docRotateAngle : 0;
    m_kept = QImage();
    m_outline.clear();
    m_worker.run([this, order](ImageProcessor& processor) -> ModeWorker::Then {
        QImage page = makePage(processor, order);
        return [this, page]() mutable {
            if (!page.isNull())
                m_output->save(std::move(page));
            else
                m_output->reportNoPage();
        };
    });
    // With no tile chosen the page was cut like "Auto Cutting"; show that choice.
    if (m_option == NoOption)
        m_tiles[AutoCut]->SetSelected(true);
    m_state = 0;
    clearTiles();
}

void DocumentModePage::reset() {
    m_state = 0;
    m_kept = QImage();
    m_outline.clear();
    clearTiles();
}

void DocumentModePage::clearTiles() {
    for (CImagePreview* t : m_tiles) {
        t->ClearImage();
        t->SetAdjustable(false);
    }
}
