#include "modes/ScanModePage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

ScanModePage::ScanModePage(OutputPipeline* output, ImageProcessor* processor, QWidget* parent)
    : QWidget(parent), m_output(output), m_processor(processor) {}

QGridLayout* ScanModePage::pageGrid(std::initializer_list<int> columnStretch) {
    auto* grid = new QGridLayout(this);
    int column = 0;
    for (int stretch : columnStretch)
        grid->setColumnStretch(column++, stretch);
    const int rowStretch[] = {1, 3, 3, 3, 1};
    for (int r = 0; r < 5; ++r)
        grid->setRowStretch(r, rowStretch[r]);
    return grid;
}

QPushButton* ScanModePage::saveButton(const QString& text) {
    return new QPushButton(QIcon(QStringLiteral(":/new/prefix1/Res/UI/BtnSave.png")), text, this);
}

void ScanModePage::addSaveControls(QGridLayout* grid, const QString& directText, bool direct) {
    m_save = saveButton(tr("Save"));
    m_save->setEnabled(!direct);
    m_saveDirectly = new QCheckBox(directText, this);
    m_saveDirectly->setChecked(direct);
    grid->addWidget(m_save, 2, 5);
    grid->addWidget(m_saveDirectly, 3, 5);
    connect(m_saveDirectly, &QCheckBox::clicked, this, &ScanModePage::saveDirectlyClicked);
}

void ScanModePage::saveDirectlyClicked(bool checked) {
    m_save->setEnabled(!checked);
}
