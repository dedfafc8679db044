#include "modes/ScanModePage.h"

#include <QCheckBox>
#include <QDebug>
#include <QGridLayout>
#include <QPushButton>

#include "app/AppSettings.h"
#include "app/LogCategories.h"
#include "modes/TempFiles.h"

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

void ScanModePage::logFailure(const QString& message) {
    qCWarning(lcModes).noquote() << message;
    m_log.Write(Log::Error, message.toUtf8().constData());
}

void ScanModePage::writeIntermediate(ModeWorker& worker, const QImage& image, const QString& path) {
    if (image.isNull() || !m_settings)
        return;
    const int type = m_settings->imageType;
    const int quality = m_settings->jpgRate;
    worker.run([this, image, path, type, quality](ImageProcessor&) -> ModeWorker::Then {
        QString error;
        if (TempFiles::Write(image, path, type, quality, &error))
            return {};
        return [this, path, error] {
            logFailure(QStringLiteral("Intermediate file \"%1\" not written: %2").arg(path, error));
        };
    });
}
