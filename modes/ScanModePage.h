#pragma once

#include <QImage>
#include <QPolygonF>
#include <QWidget>

#include "app/AppSettings.h"
#include "app/Log.h"
#include "modes/ModeWorker.h"

class QCheckBox;
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
    virtual void setSettings(AppSettings* settings);
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

    // The outline the user drew (top-left, top-right, bottom-right, bottom-left in picture
    // pixels) for the picture of adjustRequested, named by its QImage::cacheKey(): the waiting
    // capture is cut along it from now on. Ignored when that capture no longer waits, and by
    // pages without a cut outline.
    virtual void applyOutline(const QPolygonF& outline, qint64 pictureKey) {
        Q_UNUSED(outline);
        Q_UNUSED(pictureKey);
    }
    // An outline corrected on a live frame before the capture: the next capture of that size is
    // cut along it instead of the detected one (once). An empty outline forgets it.
    void freezeOutline(const QPolygonF& outline, const QSize& frameSize) {
        m_frozen = outline;
        m_frozenSize = frameSize;
    }
    bool hasFrozenOutline() const { return !m_frozen.isEmpty(); }
    QCheckBox* uprightBox() const { return m_upright; }

public slots:
    // "Save directly" unchecked: captures wait for "Save".
    virtual void saveDirectlyClicked(bool checked);

signals:
    // The user asked to correct the outline of the waiting capture: picture is the capture,
    // outline the corners it is cut along now (empty when none was found).
    void adjustRequested(const QImage& picture, const QPolygonF& outline);

protected:
    // A grid of the page's usual shape: tiles on rows 0..3, with the given column stretches.
    class QGridLayout* pageGrid(std::initializer_list<int> columnStretch);
    class QPushButton* saveButton(const QString& text);
    // "Save" and the "Save directly" box at the right end of the page; Save is usable while the
    // box is unchecked.
    void addSaveControls(class QGridLayout* grid, const QString& directText, bool direct);
    // "Turn pages upright", one setting for every page that offers it: stored at once, and
    // shown as stored whenever the page appears.
    void addUprightBox(class QGridLayout* grid, int row, int column);
    bool uprightWanted() const { return m_settings ? m_settings->uprightPages : true; }
    // A cut page turned so that its text stands upright; as it is when it has too little text.
    // Safe on any thread.
    static QImage turnedUpright(const QImage& page);
    void showEvent(QShowEvent* event) override;
    // The frozen outline when it fits a capture of this size, and forgets it either way.
    QPolygonF takeFrozenOutline(const QSize& captureSize);
    // A capture or save that produced nothing: to the debug stream and the log.
    void logFailure(const QString& message);
    // Queues on `worker` the writing of an intermediate file in the configured image type and
    // quality; a failure is logged.
    void writeIntermediate(ModeWorker& worker, const QImage& image, const QString& path);

    class QPushButton* m_save = nullptr;
    class QCheckBox* m_saveDirectly = nullptr;
    class QCheckBox* m_upright = nullptr;
    QPolygonF m_frozen;
    QSize m_frozenSize;

    OutputPipeline* m_output;
    ImageProcessor* m_processor;
    AppSettings* m_settings = nullptr;
    Log m_log;
};
