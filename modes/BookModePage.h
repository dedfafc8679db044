#pragma once

#include "modes/ModeWorker.h"
#include "modes/ScanModePage.h"

class CImagePreview;
class QCheckBox;
class TempFiles;

// Book mode: an open book is split into its left and right pages, flattened and (unless "Color"
// is checked) turned grey by the book library. With "Save directly" each spread is written at
// once, as a "_LEFT" / "_RIGHT" pair or combined side by side; otherwise the pages wait in the
// "Pre Page" and "Next Page" tiles (and in intermediate files) until "Save".
class BookModePage : public ScanModePage {
    Q_OBJECT

public:
    enum Page { Left = 0, Right = 1 };

    BookModePage(OutputPipeline* output, ImageProcessor* processor, TempFiles* temp,
                 QWidget* parent = nullptr);

    void takeCapture(const QImage& capture) override;
    void reset() override;
    bool waitForIdle(int msecs = 30000) override;

    // 2 while a spread waits for "Save", else 0.
    int state() const { return m_state; }
    CImagePreview* tile(Page p) const { return m_tiles[p]; }
    // The spread waiting for "Save": its capture and its pages (a page can be cut again from
    // the capture and handed back with setPage()).
    const QImage& keptCapture() const { return m_kept; }
    const QImage& page(Page p) const { return m_pages[p]; }
    void setPage(Page p, const QImage& image);
    QCheckBox* flattenBox() const { return m_flatten; }
    QCheckBox* colourBox() const { return m_colour; }
    QCheckBox* mergeBox() const { return m_merge; }
    QCheckBox* saveDirectlyBox() const { return m_saveDirectly; }

public slots:
    void save();

private:
    struct Spread {
        QImage pages[2];
        QImage combined;
        int result = 0;
    };
    static Spread split(ImageProcessor& processor, const QImage& capture, bool flatten, bool grey);
    void spreadProcessed(const Spread& spread, const QImage& capture, bool direct, int generation);
    void saveSpread(const Spread& spread, bool merge);

    CImagePreview* m_tiles[2] = {};
    QCheckBox* m_flatten = nullptr;
    QCheckBox* m_colour = nullptr;
    QCheckBox* m_merge = nullptr;

    TempFiles* m_temp;
    int m_state = 0;
    QImage m_kept;
    QImage m_pages[2];
    int m_generation = 0;
    ModeWorker m_worker;
};
