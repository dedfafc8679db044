#include "modes/BookModePage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

#include "modes/CImagePreview.h"

BookModePage::BookModePage(OutputPipeline* output, ImageProcessor* processor, QWidget* parent)
    : ScanModePage(output, processor, parent) {
    QGridLayout* grid = pageGrid({3, 3, 3, 14, 3, 4});
    m_left = new CImagePreview(this);
    m_left->SetText(tr("Pre Page"));
    m_left->SetIcon(QStringLiteral(":/new/prefix1/Res/UI/Pre_Book_Fore_S.png"));
    m_left->SetSelectable(false);
    m_right = new CImagePreview(this);
    m_right->SetText(tr("Next Page"));
    m_right->SetIcon(QStringLiteral(":/new/prefix1/Res/UI/Pre_Book_Back_S.png"));
    m_right->SetSelectable(false);
    auto* flatten = new QCheckBox(tr("Automatic flattening"), this);
    flatten->setChecked(true);
    auto* colour = new QCheckBox(tr("Color"), this);
    auto* merge = new QCheckBox(tr("Merge left and right pages"), this);

    grid->addWidget(m_left, 0, 0, 4, 1);
    grid->addWidget(m_right, 0, 1, 4, 1);
    grid->addWidget(flatten, 1, 2, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(colour, 2, 2, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(merge, 3, 2, Qt::AlignTop | Qt::AlignLeft);
    addSaveControls(grid, tr("Save directly"), false);
    connect(m_save, &QPushButton::clicked, this, &BookModePage::save);
}

void BookModePage::takeCapture(const QImage&) {}

void BookModePage::reset() {
    m_left->ClearImage();
    m_right->ClearImage();
}
