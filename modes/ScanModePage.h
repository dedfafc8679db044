#pragma once

#include <QImage>
#include <QWidget>

#include "app/Log.h"
#include "modes/ModeWorker.h"

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
    // Finishes the processing queued so far, results included (shutdown, tests); false on
    // timeout. Modes that process on the spot have nothing to wait for.
    virtual bool waitForIdle(int msecs = 30000) {
        Q_UNUSED(msecs);
        return true;
    }

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
    // A capture or save that produced nothing: to the debug stream and the log.
    void logFailure(const QString& message);
    // Queues on `worker` the writing of an intermediate file in the configured image type and
    // quality; a failure is logged.
    void writeIntermediate(ModeWorker& worker, const QImage& image, const QString& path);

    class QPushButton* m_save = nullptr;
    class QCheckBox* m_saveDirectly = nullptr;

    OutputPipeline* m_output;
    ImageProcessor* m_processor;
    AppSettings* m_settings = nullptr;
    Log m_log;
};
