#pragma once

#include <QImage>
#include <QList>
#include <QMutex>
#include <QStringList>
#include <QThreadPool>

#include <memory>

#include "app/Log.h"
#include "modes/ScanModePage.h"

class CImagePreview;
class QCheckBox;
class QRDecoder;
class QTextBrowser;

// Sheet mode: forms that carry QR codes. Each capture is cut out like an "Auto Cutting" document
// (optionally optimised), every code on the page is read and listed, and the page is saved, or
// waits in the "Preview" tile for "Save" when "SaveDirectly" is unchecked. The page may be named
// after the codes' text, and the text may be added to the day's record file.
//
// Cutting and decoding a full-size capture takes a good part of a second on a slow machine, so it
// runs on a worker thread, one capture after another; the GUI thread only copies the capture and,
// afterwards, hands the page to the output pipeline.
class SheetModePage : public ScanModePage {
    Q_OBJECT

public:
    SheetModePage(OutputPipeline* output, ImageProcessor* processor, QWidget* parent = nullptr);
    // Captures still being cut are finished and saved, not lost.
    ~SheetModePage() override;

    void takeCapture(const QImage& capture) override;
    void reset() override;
    // Finishes every capture still being cut and decoded, as if its result had arrived.
    void waitForCaptures();

    // 2 while a cut page waits for "Save", else 0.
    int state() const { return m_state; }
    // The codes of the latest page, one per line: what naming and recording use.
    QString qrContent() const { return m_content; }
    QTextBrowser* codesBox() const { return m_codes; }
    CImagePreview* previewTile() const { return m_preview; }
    QCheckBox* optimiseBox() const { return m_optimise; }
    QCheckBox* nameByCodeBox() const { return m_nameByCode; }
    QCheckBox* recordBox() const { return m_record; }
    QCheckBox* saveDirectlyBox() const { return m_saveDirectly; }
    QPushButton* saveButtonWidget() const { return m_save; }

public slots:
    // "Save": the waiting page under the codes read at capture time.
    void save();
    // Checking "SaveDirectly" while a page waits saves it, as in document mode, rather than
    // leaving it behind a disabled "Save" button.
    void saveDirectlyClicked(bool checked) override;

private:
    struct Job {
        quint64 generation = 0;
        QImage capture;
        bool optimise = false;
        bool direct = true;
        QImage page;  // the results, filled on the worker
        QStringList codes;
    };

    static void process(Job& job, ImageProcessor* processor, QRDecoder* decoder);
    void takeFinished();
    void finish(Job& job);
    void showCodes(const QStringList& codes);
    void savePage(const QImage& page, const QString& content);
    void logProblem(const QString& message);

    CImagePreview* m_preview = nullptr;
    QTextBrowser* m_codes = nullptr;
    QCheckBox* m_optimise = nullptr;
    QCheckBox* m_nameByCode = nullptr;
    QCheckBox* m_record = nullptr;

    std::unique_ptr<QRDecoder> m_decoder;
    int m_state = 0;
    QString m_content;
    // The capture waiting for "Save", its cut page and whether that page was optimised.
    QImage m_kept;
    QImage m_keptPage;
    bool m_keptOptimised = false;

    // Captures are numbered; a preview is shown only for the latest one, and a tab change makes
    // every earlier preview stale.
    quint64 m_generation = 0;
    QThreadPool m_workers;
    QMutex m_finishedLock;
    QList<Job> m_finished;
    Log m_log;
};
