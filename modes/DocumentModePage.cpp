#include "modes/DocumentModePage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QTransform>

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
    if (m_saveDirectly->isChecked()) {
        m_state = 2;
        save();
        return;
    }
    m_state = 0;
    preview(m_kept);
    m_state = 2;
}

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
    m_tiles[Original]->SetImage(&small);
    const QImage cut = ImageProcessor::TakeImage(m_processor->CutDocument(&small, false));
    if (!cut.isNull()) {
        m_tiles[AutoCut]->SetImage(&cut);
        const QImage grey = ::grey(*m_processor, cut);
        if (!grey.isNull())
            m_tiles[Gray]->SetImage(&grey);
    }
    const QImage optimised = ImageProcessor::TakeImage(m_processor->CutDocument(&small, true));
    if (!optimised.isNull())
        m_tiles[Optimised]->SetImage(&optimised);
}

QImage DocumentModePage::makePage(const QImage& source, Option option) const {
    QImage input = source;
    QImage page;
    switch (option) {
        case Original:
            page = source;
            // Enlarged to the listed size of cameras that list a larger one than they deliver.
            if (m_originalSize.isValid())
                page = page.scaled(m_originalSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            break;
        case Optimised:
            page = ImageProcessor::TakeImage(m_processor->CutDocument(&input, true));
            break;
        case Gray:
            page = grey(*m_processor,
                        ImageProcessor::TakeImage(m_processor->CutDocument(&input, false)));
            break;
        case AutoCut:
        case NoOption:
            page = ImageProcessor::TakeImage(m_processor->CutDocument(&input, false));
            break;
    }
    if (page.isNull())
        return page;
    return rotated(page, m_settings ? m_settings->docRotateAngle : 0);
}

void DocumentModePage::save() {
    if (m_state != 2 || m_kept.isNull())
        return;
    QImage page = makePage(m_kept, m_option);
    m_kept = QImage();
    if (!page.isNull())
        m_output->save(std::move(page));
    else
        m_output->reportNoPage();
    // With no tile chosen the page was cut like "Auto Cutting"; show that choice.
    if (m_option == NoOption)
        m_tiles[AutoCut]->SetSelected(true);
    m_state = 0;
    clearTiles();
}

void DocumentModePage::reset() {
    m_state = 0;
    m_kept = QImage();
    clearTiles();
}

void DocumentModePage::clearTiles() {
    for (CImagePreview* t : m_tiles)
        t->ClearImage();
}
