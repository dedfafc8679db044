#pragma once

#include <QImage>
#include <QObject>
#include <QSize>

#include <functional>
#include <memory>

#include "camera/ResolutionSubstitution.h"
#include "modes/ControlMode.h"
#include "camera/CameraPage.h"

class AppSettings;
class CCameraInterface;
class CCameraPreview;
class ImageProcessor;
class Log;
class QTimer;

// Owns the main camera: the camera interface, the preview's image processing, the 500 ms tick, the
// device and resolution choice (with the resolution substitution), the picture parameters and the
// ones each scan mode asks for. It drives the camera page and the live preview and reports captures
// and state by signals.
class DeviceController : public QObject {
    Q_OBJECT

public:
    DeviceController(AppSettings* settings, Log* log, CameraPage* page, CCameraPreview* preview,
                     QObject* parent = nullptr);
    ~DeviceController() override;

    // Loads the camera and document libraries; false when either is missing (logged).
    bool loadComponents();
    void initLibrary();
    // Lists the devices; the stored (or first usable) one is chosen and opened.
    void searchDevices();
    void startTicking();
    // Stops the timers and the stream, so the camera is free for the next program instance.
    void shutdown();

    bool previewRunning() const;
    // Queues a capture: each waiting request is served by its own next frame, reported by
    // captured(). False, with nothing queued, when the preview does not run or too many
    // requests wait already.
    bool requestCapture();
    // More waiting captures than this are refused rather than taken long after the press.
    static constexpr int kMaxWaitingCaptures = 50;
    // Picture parameters of a scan mode (identity cards want their own, the others get the
    // user's back), when the settings ask for it.
    void applyModeParameters(ControlMode mode);
    CCameraInterface* camera() const { return m_camera.get(); }

public slots:
    void selectDevice(int index);
    void selectResolution(int index);
    void toggleOpen();
    void queryFrame();
    void tick();
    void setPicture(CameraPage::Picture p, int value);
    void resetPicture();
    void focus();
    // "Power Fre:" in Hz: stored, and given to a running camera at once.
    void setPowerFrequency(int hertz);

signals:
    void captured(QImage image);
    void noDeviceFound();
    // Every 500 ms while the program runs; the count drives the help icon's blink.
    void ticked(int count);
    // The size an Original capture is enlarged to, or an empty size when none applies.
    void originalSizeChanged(QSize size);
    // The stream stopped for a change or on request (the sub camera follows it).
    void previewStopped();
    // News about the camera for the notice over the preview: shown for `msecs`, or until
    // cameraNoticeDone() with the same text when `msecs` is 0.
    void cameraNotice(QString text, int msecs);
    void cameraNoticeDone(QString text);
    // A standing line about the camera, shown while no other notice is up; empty: none.
    void cameraStatus(QString text);
    // Captures asked for but not taken, because the stream stopped before their frames came.
    void capturesDropped(int count);
    // The stream of the named device runs.
    void previewStarted(QString deviceName);

private:
    // The camera was unplugged or stopped sending frames: say so and wait for it to come back.
    void cameraLost(int reason);
    void watchForCamera();
    void stopWatching();
    // Starts the preview as the selectors say; `restore` gives a camera that came back the
    // picture settings it had instead of reading its own. True while the start is under way:
    // startFinished() follows.
    bool openPreview(bool restore);
    void startFinished(int result);
    void startFailed(int result);
    void previewOpened();
    static QString openingText();
    // "Opening camera…" from the start of a camera until its first frame (or its end).
    void showOpening(bool on);
    // While a start is under way the library is busy: true when it is, and `action` is then
    // kept to run once the start has answered (a later one replaces it).
    bool deferWhileStarting(std::function<void()> action);
    bool starting() const;
    void applyPowerFrequency();
    void stopForChange();
    void stopPreview(bool unlockSelectors);
    void readPictureRanges();
    void writePicture(CameraPage::Picture p, int value);
    int pictureDefault(CameraPage::Picture p) const;

    AppSettings* m_settings;
    Log* m_log;
    CameraPage* m_page;
    CCameraPreview* m_preview;
    std::unique_ptr<CCameraInterface> m_camera;
    std::shared_ptr<ImageProcessor> m_processor;
    QTimer* m_tickTimer;
    QTimer* m_watchTimer;  // polls the device list while the camera is away
    QString m_lostDevice;  // the camera being waited for, empty when none
    ResolutionSubstitution m_substitution;
    // What the start under way was asked for.
    struct Opening {
        bool restore = false;
        bool substituted = false;
        QString device;
        QString sizeText;
    } m_opening;
    std::function<void()> m_afterStart;  // a device, size or open request made meanwhile
    bool m_awaitingFirstFrame = false;   // "Opening camera…" is up
    bool m_autoOpen = true;         // while set a device or resolution change reopens the preview
    bool m_deviceChanging = false;  // while set resolution-selector changes are ignored
    int m_focusCountdown = 0;       // ticks left of the automatic-focus hold after an open
    int m_tickCount = 0;
    // The user's picture parameters, kept while identity-card mode uses its own.
    bool m_modeParamsSaved = false;
    int m_savedPicture[CameraPage::PictureCount] = {};
};
