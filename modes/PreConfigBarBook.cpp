// Book mode: the page and its controls. Splitting and flattening spreads are not part of this
// build yet: a capture in this mode is released and saves nothing.
#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

#include "modes/CImagePreview.h"
#include "modes/CPreConfigBar.h"

QWidget* CPreConfigBar::buildBookPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    pBookLeft = new CImagePreview(page);
    pBookLeft->SetText(tr("Pre Page"));
    pBookLeft->SetIcon(QStringLiteral(":/new/prefix1/Res/UI/Pre_Book_Fore_S.png"));
    pBookLeft->SetSelectable(false);
    pBookRight = new CImagePreview(page);
    pBookRight->SetText(tr("Next Page"));
    pBookRight->SetIcon(QStringLiteral(":/new/prefix1/Res/UI/Pre_Book_Back_S.png"));
    pBookRight->SetSelectable(false);
    pCheck_BookFlatten = new QCheckBox(tr("Automatic flattening"), page);
    pCheck_BookFlatten->setChecked(true);
    pCheck_BookColor = new QCheckBox(tr("Color"), page);
    pCheck_BookMerge = new QCheckBox(tr("Merge left and right pages"), page);
    pBtn_BookSave = new QPushButton(QIcon(QStringLiteral(":/new/prefix1/Res/UI/BtnSave.png")),
                                    tr("Save"), page);
    pCheck_BookSaveDirectly = new QCheckBox(tr("Save directly"), page);

    grid->addWidget(pBookLeft, 0, 0, 4, 1);
    grid->addWidget(pBookRight, 0, 1, 4, 1);
    grid->addWidget(pCheck_BookFlatten, 1, 2, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(pCheck_BookColor, 2, 2, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(pCheck_BookMerge, 3, 2, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(pBtn_BookSave, 2, 5);
    grid->addWidget(pCheck_BookSaveDirectly, 3, 5);
    const int columnStretch[] = {3, 3, 3, 14, 3, 4};
    for (int c = 0; c < 6; ++c)
        grid->setColumnStretch(c, columnStretch[c]);
    const int rowStretch[] = {1, 3, 3, 3, 1};
    for (int r = 0; r < 5; ++r)
        grid->setRowStretch(r, rowStretch[r]);

    connect(pBtn_BookSave, &QPushButton::clicked, this, &CPreConfigBar::BookMode_BtnSave_Click);
    connect(pCheck_BookSaveDirectly, &QCheckBox::clicked, this,
            &CPreConfigBar::HandleCheckBox_BookMode_RememberLastSelect);
    return page;
}

void CPreConfigBar::HandleCheckBox_BookMode_RememberLastSelect(bool checked) {
    pBtn_BookSave->setEnabled(!checked);
}

void CPreConfigBar::BookMode_TakePhoto() {
    releaseIncoming();
}

// Nothing is kept for a later save while book captures are not processed.
void CPreConfigBar::BookMode_BtnSave_Click() {}
