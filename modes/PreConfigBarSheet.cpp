// Sheet mode: the page and its controls. QR decoding and naming are not part of this build
// yet: a capture in this mode is released and saves nothing.
#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QTextBrowser>

#include "modes/CImagePreview.h"
#include "modes/CPreConfigBar.h"

QWidget* CPreConfigBar::buildSheetPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    pSheetPreview = new CImagePreview(page);
    pSheetPreview->SetText(tr("Preview"));
    pSheetPreview->SetIcon(QStringLiteral(":/new/prefix1/Res/UI/Pre_Sheet_S.png"));
    pSheetPreview->SetSelectable(false);
    pCheck_SheetOptimize = new QCheckBox(tr("Optimization"), page);
    pText_QR = new QTextBrowser(page);
    pText_QR->setOpenExternalLinks(true);
    pText_QR->setText(tr("QR code.. ..."));
    pCheck_SheetQRName = new QCheckBox(tr("Name the QR code content"), page);
    pCheck_SheetQRRecord = new QCheckBox(tr("Automatically record QR code content"), page);
    pBtn_SheetSave = new QPushButton(QIcon(QStringLiteral(":/new/prefix1/Res/UI/BtnSave.png")),
                                     tr("Save"), page);
    pBtn_SheetSave->setEnabled(false);
    pCheck_SheetSaveDirectly = new QCheckBox(tr("SaveDirectly"), page);
    pCheck_SheetSaveDirectly->setChecked(true);

    grid->addWidget(pSheetPreview, 0, 0, 4, 1);
    grid->addWidget(pCheck_SheetOptimize, 1, 1);
    grid->addWidget(pText_QR, 1, 2, 3, 1);
    grid->addWidget(pCheck_SheetQRName, 1, 3);
    grid->addWidget(pCheck_SheetQRRecord, 2, 3);
    grid->addWidget(pBtn_SheetSave, 2, 5);
    grid->addWidget(pCheck_SheetSaveDirectly, 3, 5);
    const int columnStretch[] = {3, 3, 12, 3, 3, 6};
    for (int c = 0; c < 6; ++c)
        grid->setColumnStretch(c, columnStretch[c]);
    const int rowStretch[] = {1, 3, 3, 3, 1};
    for (int r = 0; r < 5; ++r)
        grid->setRowStretch(r, rowStretch[r]);

    connect(pBtn_SheetSave, &QPushButton::pressed, this, &CPreConfigBar::SheetMode_Save);
    connect(pCheck_SheetSaveDirectly, &QCheckBox::clicked, this,
            &CPreConfigBar::HandleCheckBox_SheetMode_RememberLastSelect);
    return page;
}

void CPreConfigBar::HandleCheckBox_SheetMode_RememberLastSelect(bool checked) {
    pBtn_SheetSave->setEnabled(!checked);
}

void CPreConfigBar::SheetMode_TakePhoto() {
    releaseIncoming();
}

// Nothing is kept for a later save while sheet captures are not processed.
void CPreConfigBar::SheetMode_Save() {}
