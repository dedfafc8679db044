// Identity-card mode: the page and its controls. The card processing itself (calibration, page
// composition, separate sides) is not part of this build yet: a capture in this mode is released
// and saves nothing.
#include <QCheckBox>
#include <QGridLayout>
#include <QImage>
#include <QPushButton>

#include "modes/CImagePreview.h"
#include "modes/CPreConfigBar.h"

QWidget* CPreConfigBar::buildIdCardPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    pIdFront = new CImagePreview(page);
    pIdFront->SetText(tr("Positive"));
    pIdFront->SetIcon(QStringLiteral(":/new/prefix1/Res/UI/Pre_ID_Up_S.png"));
    pIdBack = new CImagePreview(page);
    pIdBack->SetText(tr("Negtive"));
    pIdBack->SetIcon(QStringLiteral(":/new/prefix1/Res/UI/Pre_ID_Down_S.png"));
    pIdFace = new CImagePreview(page);
    pIdFace->SetText(tr("Person"));
    pIdFace->SetIcon(QStringLiteral(":/new/prefix1/Res/UI/face.png"));
    pIdFace->hide();

    pQbtn_IDMode_Exchange = new QPushButton(page);
    pQbtn_IDMode_Exchange->setObjectName(QStringLiteral("pQbtn_IDMode_Exchange"));
    pQbtn_IDMode_Exchange->setToolTip(tr("Exchange"));
    pQbtn_IDMode_Rotate = new QPushButton(page);
    pQbtn_IDMode_Rotate->setObjectName(QStringLiteral("pQbtn_IDMode_Rotate"));
    pQbtn_IDMode_Rotate->setToolTip(tr("Selected image rotates 180"));

    pCheck_IdFace = new QCheckBox(tr("Matches"), page);
    pCheck_IdAutoIdentify = new QCheckBox(tr("Automatic identification of ID"), page);
    pCheck_IdFaceAccept = new QCheckBox(tr("Identity card automatically corrects"), page);
    pCheck_IdFaceAccept->setChecked(true);
    pCheck_IdFaceAccept->hide();
    pCheck_IdPortrait = new QCheckBox(tr("Save with portrait"), page);
    pCheck_IdPortrait->setChecked(true);
    pCheck_IdPortrait->hide();

    const QIcon saveIcon(QStringLiteral(":/new/prefix1/Res/UI/BtnSave.png"));
    pBtn_IdSave = new QPushButton(saveIcon, tr("Save"), page);
    pBtn_IdMerge = new QPushButton(saveIcon, tr("Merge"), page);

    grid->addWidget(pIdFront, 0, 0, 4, 1);
    grid->addWidget(pQbtn_IDMode_Exchange, 1, 1);
    grid->addWidget(pQbtn_IDMode_Rotate, 2, 1);
    grid->addWidget(pIdBack, 0, 2, 4, 1);
    grid->addWidget(pCheck_IdFace, 1, 3);
    grid->addWidget(pCheck_IdAutoIdentify, 2, 3);
    grid->addWidget(pIdFace, 0, 4, 4, 1);
    grid->addWidget(pCheck_IdFaceAccept, 2, 5);
    grid->addWidget(pCheck_IdPortrait, 3, 5);
    grid->addWidget(pBtn_IdSave, 2, 7);
    grid->addWidget(pBtn_IdMerge, 3, 7);
    const int columnStretch[] = {3, 1, 3, 3, 3, 10, 3, 4};
    for (int c = 0; c < 8; ++c)
        grid->setColumnStretch(c, columnStretch[c]);
    const int rowStretch[] = {1, 3, 3, 3, 1};
    for (int r = 0; r < 5; ++r)
        grid->setRowStretch(r, rowStretch[r]);

    connect(pQbtn_IDMode_Exchange, &QPushButton::clicked, this, &CPreConfigBar::Handle_ID_Exchange);
    connect(pQbtn_IDMode_Rotate, &QPushButton::clicked, this, &CPreConfigBar::Handle_ID_Rotate);
    connect(pCheck_IdFace, &QCheckBox::clicked, this,
            &CPreConfigBar::HandleCheckBox_IDMode_FaceDetection);
    connect(pBtn_IdSave, &QPushButton::clicked, this, &CPreConfigBar::Handle_ID_Save_Sep);
    connect(pBtn_IdMerge, &QPushButton::clicked, this, &CPreConfigBar::Handle_ID_Save_Merge);
    return page;
}

void CPreConfigBar::HandleCheckBox_IDMode_FaceDetection(bool b) {
    emit Signal_FaceDetectionStatus(b);
    pIdFace->setVisible(b);
    pCheck_IdPortrait->setVisible(b);
    pCheck_IdFaceAccept->setVisible(b);
    if (!b)
        pIdFace->ClearImage();
}

void CPreConfigBar::IDMode_TakePhoto() {
    releaseIncoming();
}

// The card sides are filled by the card processing; until it exists there is nothing to save,
// exchange or turn, and these buttons leave everything as it is.
void CPreConfigBar::Handle_ID_Save_Merge() {}
void CPreConfigBar::Handle_ID_Save_Sep() {}
void CPreConfigBar::Handle_ID_Exchange() {}
void CPreConfigBar::Handle_ID_Rotate() {}

void CPreConfigBar::Handle_IDMode_UpdateFaceImg(QImage* img) {
    if (img)
        pIdFace->SetImage(img);
}
