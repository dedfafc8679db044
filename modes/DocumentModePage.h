#pragma once

#include <QSize>

#include "modes/ScanModePage.h"

class CImagePreview;
class QCheckBox;
class QPushButton;

// Document mode: four treatment tiles (Original, Auto Cutting, Optimization, Gray). With "Save
// Directly" a capture is cut as the chosen tile says and saved at once; without it the tiles
// preview the treatments and "Save" saves the chosen one.
class DocumentModePage : public ScanModePage {
    Q_OBJECT

public:
    enum Option { Original, AutoCut, Optimised, Gray, NoOption };

    DocumentModePage(OutputPipeline* output, ImageProcessor* processor, QWidget* parent = nullptr);

    void takeCapture(const QImage& capture) override;
    void reset() override;
    bool waitForIdle(int msecs = 30000) override { return m_worker.waitForIdle(msecs); }
    void applyOutline(const QPolygonF& outline, qint64 pictureKey) override;
    // The outline the waiting capture is cut along: the user's, else the detected one; empty
    // when none was found or nothing waits.
    QPolygonF outline();

    // Cameras whose largest picture is listed under a larger size: Original captures are
    // enlarged to it (an empty size: none).
    void setOriginalSize(const QSize& size) { m_originalSize = size; }

    Option option() const { return m_option; }
    // 2 while a previewed capture waits for "Save", else 0.
    int state() const { return m_state; }
    CImagePreview* tile(int option) const;
    QCheckBox* saveDirectlyBox() const { return m_saveDirectly; }
    QPushButton* saveButtonWidget() const { return m_save; }

public slots:
    void tileChanged(int option, bool selected);
    void saveDirectlyClicked(bool checked) override;
    void save();
    // The tiles' small previews of the three treatments.
    void preview(const QImage& capture);

signals:
    void originChosen();
    void treatmentChosen();

private:
    struct PageOrder {
        QImage source;
        Option option = AutoCut;
        QPolygonF outline;  // the user's; empty: detected
        QSize originalSize;
        bool upright = true;
        int rotation = 0;
    };
    // The page for one option from the full-resolution copy; null when nothing could be made
    // (no document found, library missing). Runs on the worker.
    static QImage makePage(ImageProcessor& processor, const PageOrder& order);
    void clearTiles();
    void requestAdjust(int option);

    CImagePreview* m_tiles[4] = {};
    Option m_option = AutoCut;
    int m_state = 0;
    QImage m_kept;        // the full-resolution capture waiting for "Save"
    QPolygonF m_outline;  // the user's outline for it
    QSize m_originalSize;
    // Cutting, turning upright and rotating a full-size page takes a good part of a second: off
    // the GUI thread, pages saved in the order they were taken.
    ModeWorker m_worker;
};
