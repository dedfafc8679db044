#include "modes/SheetModePage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QTextBrowser>

#include "modes/CImagePreview.h"

SheetModePage::SheetModePage(OutputPipeline* output, ImageProcessor* processor, QWidget* parent)
    : ScanModePage(output, processor, parent) {
    QGridLayout* grid = pageGrid({3, 3, 12, 3, 3, 6});
    m_preview = new CImagePreview(this);
    m_preview->SetText(tr("Preview"));
    m_preview->SetIcon(QStringLiteral(":/new/prefix1/Res/UI/Pre_Sheet_S.png"));
    m_preview->SetSelectable(false);
    auto* optimise = new QCheckBox(tr("Optimization"), this);
    m_codes = new QTextBrowser(this);
    m_codes->setOpenExternalLinks(true);
    m_codes->setText(tr("QR code.. ..."));
    auto* qrName = new QCheckBox(tr("Name the QR code content"), this);
    auto* qrRecord = new QCheckBox(tr("Automatically record QR code content"), this);

    grid->addWidget(m_preview, 0, 0, 4, 1);
    grid->addWidget(optimise, 1, 1);
    grid->addWidget(m_codes, 1, 2, 3, 1);
    grid->addWidget(qrName, 1, 3);
    grid->addWidget(qrRecord, 2, 3);
    addSaveControls(grid, tr("SaveDirectly"), true);
    connect(m_save, &QPushButton::pressed, this, &SheetModePage::save);
}

void SheetModePage::takeCapture(const QImage&) {}

void SheetModePage::reset() {
    m_preview->ClearImage();
    m_codes->clear();
}
