#pragma once

#include <QObject>
#include <QPoint>

class CameraPage;
class DeviceController;
class QLabel;
class QPushButton;
class QTimer;

// The ways a capture is asked for: the capture button (and Space / keypad Enter through the
// window), a timed series with its countdown, and the drag gesture that captures and then drags
// the saved file out of the window.
class CaptureController : public QObject {
    Q_OBJECT

public:
    // The capture button, the countdown label over the preview and the series' stop button.
    struct Controls {
        QPushButton* capture;
        QLabel* countdown;
        QPushButton* stopSeries;
    };

    CaptureController(DeviceController* device, CameraPage* page, Controls controls,
                      QObject* parent = nullptr);

    // A single capture, or the start / stop of a timed series, as the page's interval says.
    void trigger();
    void seriesTick();
    void stopSeries();
    bool seriesRunning() const { return m_seriesInterval > 0; }

    // Gesture parts of the window's mouse handlers; positions are global, windowPos is the
    // window's own. press returns true when it armed the gesture.
    bool gesturePress(const QPoint& globalPos, const QPoint& windowPos, bool maximised);
    void gestureMove(const QPoint& globalPos);
    void gestureRelease();
    void resetGesture() { m_gesture = Idle; }

    // The capture reached the scan modes: the button may be used again.
    void captureDelivered();
    // A file was saved. A gesture that fired drags it out (dragSource: the window).
    void fileSaved(const QString& path, QObject* dragSource);

signals:
    // A press (or a series tick) that gives no capture, in words for the user.
    void captureRefused(QString why);

private:
    enum Gesture { Idle, Armed, Fired };
    // Queues one capture, or says why none is taken.
    void requestCapture();
    QString notRunningText() const;
    void dragOut(const QString& path, QObject* dragSource);

    DeviceController* m_device;
    CameraPage* m_page;
    Controls m_controls;
    QTimer* m_seriesTimer;
    int m_seriesInterval = -1;  // seconds between captures, -1 when stopped
    int m_seriesElapsed = 0;    // seconds counted in the current period
    Gesture m_gesture = Idle;
    QPoint m_pressPoint;
};
