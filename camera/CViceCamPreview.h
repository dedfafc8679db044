#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

#include "camera/FaceLibrary.h"

class CCameraInterface;
class FaceComparisonWorker;
class Log;
class QLabel;
class QThread;
class QTimer;

// The face-comparison window of the identity-card mode: a second camera films the card holder,
// and every few seconds the face it sees is compared with the document camera's picture of the
// card. The best match of a run above the acceptance score is handed on as the holder's face
// picture. Frames are taken from the cameras on the GUI thread; the comparison itself runs on a
// worker thread and its result comes back queued, so the preview never stalls.
class CViceCamPreview : public QWidget {
    Q_OBJECT

public:
    explicit CViceCamPreview(QWidget* parent = nullptr);
    ~CViceCamPreview() override;

    void SetDeviceName(const QString& name);
    // The opened main device's name (set at each successful open of the main camera).
    void SetMainCameraName(const QString& name);
    void SetMainCamera(CCameraInterface* camera);
    void StartComparison();
    void StopComparison();
    bool comparing() const { return m_comparing; }
    double bestScore() const { return m_bestScore; }
    // The text under the picture.
    QString tipText() const;

    // The acceptance rule on the library's similarity s: (2 - s) * s.
    static double scoreFor(double similarity);

public slots:
    void TimerTicket();
    void GotMainIDImage(QImage img);

signals:
    void Signal_UpdateOKFaceImage(QImage img);
    // Internal: hands one comparison to the worker thread.
    void comparisonRequested(quint64 run, FaceLibrary library, QImage face, QImage main);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int loadComponents();
    int openFaceCamera();
    void showTip(const QString& text);
    void fail(const QString& tip, const char* logLine);
    void compareNow(const QImage& face);
    void takeResult(quint64 run, double similarity, QImage face);

    QString m_deviceName = QStringLiteral("USB SCan");
    QString m_mainCameraName;
    int m_width = 640;
    int m_height = 480;
    bool m_comparing = false;
    double m_bestScore = 0.0;
    int m_tickCount = 0;
    QLabel* pQlbl_Main = nullptr;
    QLabel* pQlbl_tip = nullptr;
    std::unique_ptr<CCameraInterface> m_faceCamera;
    CCameraInterface* m_mainCamera = nullptr;
    QTimer* m_timer = nullptr;
    std::unique_ptr<FaceLibrary> m_faceLibrary;
    std::unique_ptr<Log> m_log;
    QThread* m_thread = nullptr;
    FaceComparisonWorker* m_worker = nullptr;
    // Run number of the current start; results of earlier runs are dropped.
    quint64 m_run = 0;
    bool m_busy = false;
};
