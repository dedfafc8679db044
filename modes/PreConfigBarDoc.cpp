// Document mode: the page of four treatment tiles, the preview path and the save path.
#include <QCheckBox>
#include <QGridLayout>
#include <QImage>
#include <QPushButton>
#include <QTransform>

#include "app/AppSettings.h"
#include "modes/CImagePreview.h"
#include "modes/CPreConfigBar.h"
#include "modes/ImageProcessor.h"

namespace {

// Results of the document cut are heap images over a buffer of the processing wrapper that is
// released with the image's last copy; holding them by value keeps that rule in one place.
QImage takeResult(QImage* wrapped) {
    if (!wrapped) return QImage();
    QImage result = *wrapped;
    ImageProcessor::Release(wrapped);
    return result;
}

QImage rotated(const QImage& page, int angle) {
    if (angle != 90 && angle != 180 && angle != 270)
        return page;
    return page.transformed(QTransform().rotate(angle), Qt::FastTransformation);
}

}  // namespace

QWidget* CPreConfigBar::buildDocPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto makeTile = [page](const QString& text, const QString& icon) {
        auto* tile = new CImagePreview(page);
        tile->SetText(text);
        tile->SetIcon(icon);
        return tile;
    };
    pDocOrigin = makeTile(tr("Original"), QStringLiteral(":/new/prefix1/Res/UI/Pre_Orgin_S.png"));
    pDocAutoCut =
        makeTile(tr("Auto Cutting"), QStringLiteral(":/new/prefix1/Res/UI/Pre_Cut_S.png"));
    pDocEnhance =
        makeTile(tr("Optimization"), QStringLiteral(":/new/prefix1/Res/UI/Pre_Enhence_S.png"));
    pDocGray = makeTile(tr("Gray"), QStringLiteral(":/new/prefix1/Res/UI/Pre_Gray_S.png"));
    pDocAutoCut->SetSelected(true);
    grid->addWidget(pDocOrigin, 0, 0, 4, 1);
    grid->addWidget(pDocAutoCut, 0, 1, 4, 1);
    grid->addWidget(pDocEnhance, 0, 2, 4, 1);
    grid->addWidget(pDocGray, 0, 3, 4, 1);

    pBtn_DocSave = new QPushButton(QIcon(QStringLiteral(":/new/prefix1/Res/UI/BtnSave.png")),
                                   tr("Save"), page);
    pBtn_DocSave->setEnabled(false);
    pCheck_DocSaveDirectly = new QCheckBox(tr("Save Directly"), page);
    pCheck_DocSaveDirectly->setChecked(true);
    grid->addWidget(pBtn_DocSave, 2, 5);
    grid->addWidget(pCheck_DocSaveDirectly, 3, 5);

    const int columnStretch[] = {3, 3, 3, 3, 14, 4};
    for (int c = 0; c < 6; ++c)
        grid->setColumnStretch(c, columnStretch[c]);
    const int rowStretch[] = {1, 3, 3, 3, 1};
    for (int r = 0; r < 5; ++r)
        grid->setRowStretch(r, rowStretch[r]);

    connect(pDocOrigin, &CImagePreview::SelectedStatusChanged, this,
            &CPreConfigBar::HandleDocOrginSelectedChanged);
    connect(pDocAutoCut, &CImagePreview::SelectedStatusChanged, this,
            &CPreConfigBar::HandleDocRBSSelectedChanged);
    connect(pDocEnhance, &CImagePreview::SelectedStatusChanged, this,
            &CPreConfigBar::HandleDocEnhenceSelectedChanged);
    connect(pDocGray, &CImagePreview::SelectedStatusChanged, this,
            &CPreConfigBar::HandleDocBWSelectedChanged);
    connect(pBtn_DocSave, &QPushButton::pressed, this, &CPreConfigBar::HandleDocSave);
    connect(pCheck_DocSaveDirectly, &QCheckBox::clicked, this,
            &CPreConfigBar::HandleCheckBox_DocMode_RememberLastSelect);
    return page;
}

void CPreConfigBar::HandleDocOrginSelectedChanged(bool b) {
    docTileChanged(0, b);
}
void CPreConfigBar::HandleDocRBSSelectedChanged(bool b) {
    docTileChanged(1, b);
}
void CPreConfigBar::HandleDocEnhenceSelectedChanged(bool b) {
    docTileChanged(2, b);
}
void CPreConfigBar::HandleDocBWSelectedChanged(bool b) {
    docTileChanged(3, b);
}

void CPreConfigBar::docTileChanged(int option, bool selected) {
    if (option == 0)
        emit originImgWidgetCliked();
    else
        emit notOriginImgModeSignal();
    if (!selected) {
        docOption = 4;
        return;
    }
    docOption = option;
    for (int k = 0; k < 4; ++k)
        DocTile(k)->SetSelected(k == option);
}

void CPreConfigBar::HandleCheckBox_DocMode_RememberLastSelect(bool checked) {
    if (!checked) {
        pBtn_DocSave->setEnabled(true);
        return;
    }
    pBtn_DocSave->setEnabled(false);
    HandleDocSave();
    for (int k = 0; k < 4; ++k)
        DocTile(k)->ClearImage();
}

void CPreConfigBar::DocMode_Preview(QImage* img) {
    if (!img || img->isNull())
        return;
    // Quarter size keeps the three library runs of a preview quick.
    QImage small = img->scaled(img->width() / 4, img->height() / 4, Qt::KeepAspectRatio,
                               Qt::FastTransformation)
                       .convertToFormat(QImage::Format_RGB888);
    if (small.isNull())
        return;
    pDocOrigin->SetImage(&small);
    const QImage cut = takeResult(processor->CutDocument(&small, false));
    if (!cut.isNull()) {
        pDocAutoCut->SetImage(&cut);
        QImage cutCopy = cut;
        QImage* grey = processor->ToGray(&cutCopy);
        if (grey)
            pDocGray->SetImage(grey);
        delete grey;
    }
    const QImage optimised = takeResult(processor->CutDocument(&small, true));
    if (!optimised.isNull())
        pDocEnhance->SetImage(&optimised);
}

QImage* CPreConfigBar::makeDocPage(const QImage& source, int option) {
    QImage input = source;
    QImage page;
    switch (option) {
        case 0:
            page = source;
            break;
        case 2:
            page = takeResult(processor->CutDocument(&input, true));
            break;
        case 3: {
            QImage cut = takeResult(processor->CutDocument(&input, false));
            if (!cut.isNull()) {
                QImage* grey = processor->ToGray(&cut);
                if (grey)
                    page = *grey;
                delete grey;
            }
            break;
        }
        case 1:
        default:
            page = takeResult(processor->CutDocument(&input, false));
            break;
    }
    if (page.isNull())
        return nullptr;
    return new QImage(rotated(page, settings ? settings->docRotateAngle : 0));
}

void CPreConfigBar::HandleDocSave() {
    if (docState != 2 || copyReleased || !keptCopy)
        return;
    QImage* page = makeDocPage(*keptCopy, docOption);
    if (page) {
        SaveImageByThread(page);
        delete page;
    }
    // With no tile chosen the page was cut like "Auto Cutting"; show that choice.
    if (docOption == 4)
        pDocAutoCut->SetSelected(true);
    docState = 0;
    releaseKeptCopy();
    for (int k = 0; k < 4; ++k)
        DocTile(k)->ClearImage();
}
