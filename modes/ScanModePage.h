#pragma once

#include <QImage>
#include <QWidget>

class AppSettings;
class ImageProcessor;
class OutputPipeline;

// One page of the scan-mode bar and the behaviour of its scan mode: what a capture becomes,
// which tiles show it, and what its buttons save. The bar owns the pages, hands each capture to
// the current one and resets a page when the user leaves it.
class ScanModePage : public QWidget {
    Q_OBJECT

public:
    ScanModePage(OutputPipeline* output, ImageProcessor* processor, QWidget* parent = nullptr);

    // Kept, not owned; read live.
    virtual void setSettings(AppSettings* settings) { m_settings = settings; }
    // One capture of the live picture, at the running preview size.
    virtual void takeCapture(const QImage& capture) = 0;
    // The user left the mode: tiles back to their icons, nothing kept for a later save.
    virtual void reset() = 0;

public slots:
    // "Save directly" unchecked: captures wait for "Save".
    virtual void saveDirectlyClicked(bool checked);

protected:
    // A grid of the page's usual shape: tiles on rows 0..3, with the given column stretches.
    class QGridLayout* pageGrid(std::initializer_list<int> columnStretch);
    class QPushButton* saveButton(const QString& text);
    // "Save" and the "Save directly" box at the right end of the page; Save is usable while the
    // box is unchecked.
    void addSaveControls(class QGridLayout* grid, const QString& directText, bool direct);

    class QPushButton* m_save = nullptr;
    class QCheckBox* m_saveDirectly = nullptr;

    OutputPipeline* m_output;
    ImageProcessor* m_processor;
    AppSettings* m_settings = nullptr;
};
