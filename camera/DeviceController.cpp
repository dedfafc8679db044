#include "camera/DeviceController.h"

#include <QDebug>
#include <QTimer>

#include <utility>

#include "app/AppSettings.h"
#include "app/Log.h"
#include "app/LogCategories.h"
#include "camera/CCameraInterface.h"
#include "camera/CCameraPreview.h"
#include "modes/ImageProcessor.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Built-in cameras of some tablets; a document scanner is never one of them.
const char* const kExcludedCameras[] = {"Microsoft Camera Front", "Microsoft Camera Rear",
                                        "Microsoft LifeCam Front", "Microsoft LifeCam Rear"};

const int kPropertyId[CameraPage::PictureCount] = {
    KELM_CAMCTL_PROP_BRIGHTNESS, KELM_CAMCTL_PROP_CONTRAST, KELM_CAMCTL_PROP_SATURATION};

// Identity cards are laminated and glossy: a darker, flatter picture keeps their print readable.
const int kIdCardPicture[CameraPage::PictureCount] = {17, 47, 61};

// After an open or a focus request the camera focuses by itself for this many ticks.
constexpr int kFocusHoldTicks = 15;
constexpr int kTickMs = 500;
// How often the device list is read while a lost camera is waited for: a camera back within a
// second or two is running again before the user reaches for the mouse.
constexpr int kWatchMs = 1000;
constexpr int kBusyNoticeMs = 8000;

int frameIntervalMs(int format) {
    return format == KELM_CAMCTL_FORMAT_MJPG ? 60 : format == KELM_CAMCTL_FORMAT_YUY2 ? 800 : 100;
}

}  // namespace

DeviceController::DeviceController(AppSettings* settings, Log* log, CameraPage* page,
                                   CCameraPreview* preview, QObject* parent)
    : QObject(parent),
      m_settings(settings),
      m_log(log),
      m_page(page),
      m_preview(preview),
      m_tickTimer(new QTimer(this)),
      m_watchTimer(new QTimer(this)) {
    connect(m_tickTimer, &QTimer::timeout, this, &DeviceController::tick);
    m_watchTimer->setInterval(kWatchMs);
    connect(m_watchTimer, &QTimer::timeout, this, &DeviceController::watchForCamera);
    connect(m_page, &CameraPage::powerFrequencyChosen, this, &DeviceController::setPowerFrequency);
}

DeviceController::~DeviceController() {
    shutdown();
}

bool DeviceController::loadComponents() {
#if defined(__GLIBC__)
    // Frame-sized buffers (24 MB at 3264 x 2448) come and go with every detection and capture.
    // glibc would otherwise raise its mmap threshold after the first such free and keep later
    // ones on the heap, where they stay resident; a fixed threshold returns them at once.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
    bool complete = true;
    m_camera = std::make_unique<CCameraInterface>();
    if (m_camera->LoadCameraLibrary(false) < 0) {
        m_log->Write(3, "Fail to Load Camera Compoent");
        complete = false;
    }
    connect(m_camera.get(), &CCameraInterface::OnTakePhoto, this, &DeviceController::captured);
    // Frames are decoded on the preview's own thread; each one is shown as soon as it is ready.
    connect(m_camera.get(), &CCameraInterface::frameReady, this, &DeviceController::queryFrame);
    connect(m_camera.get(), &CCameraInterface::previewStartFinished, this,
            &DeviceController::startFinished);
    m_processor = std::make_shared<ImageProcessor>();
    if (m_processor->Load() < 0) {
        m_log->Write(3, "Fail to Load Document Compoent");
        complete = false;
    }
    m_preview->SetImageProcessor(m_processor);
    return complete;
}

void DeviceController::initLibrary() {
    m_camera->InitCamera();  // its result is not examined: discovery reports what it finds
}

void DeviceController::startTicking() {
    m_tickTimer->start(kTickMs);
}

void DeviceController::shutdown() {
    m_tickTimer->stop();
    m_watchTimer->stop();
    m_afterStart = nullptr;
    // The library keeps streaming until told otherwise; a start still in progress is waited for.
    if (m_camera && (m_camera->previewRunning || m_camera->previewStarting))
        m_camera->StopPreview();
}

bool DeviceController::previewRunning() const {
    return m_camera && m_camera->previewRunning;
}

bool DeviceController::requestCapture() {
    if (!previewRunning() || m_camera->photoPending >= kMaxWaitingCaptures)
        return false;
    return m_camera->TakePhoto() > 0;
}

void DeviceController::searchDevices() {
    // Read before the insertion: opening device 0 there stores its name over the saved one.
    const QString stored = m_settings->mainCamera;
    m_page->setPowerFrequency(m_settings->powerFrequency);
    std::unique_ptr<QStringList> names(m_camera->GetDeviceList());
    m_page->setDevices(*names);
    if (names->isEmpty()) {
        m_preview->SetDeviceState(false);
        m_log->Write(3, "Fail to Find Camera Device!");
        emit noDeviceFound();
        return;
    }
    m_preview->SetDeviceState(true);
    if (!stored.isEmpty()) {
        const int index = names->indexOf(stored);
        if (index >= 0)
            m_page->chooseDevice(index);
        return;
    }
    for (int i = 0; i < names->size(); ++i) {
        bool excluded = false;
        for (const char* name : kExcludedCameras)
            excluded = excluded || names->at(i) == QLatin1String(name);
        if (!excluded) {
            m_page->chooseDevice(i);
            return;
        }
    }
}

void DeviceController::stopPreview(bool unlockSelectors) {
    showOpening(false);
    const int waiting = m_camera->photoPending;
    if (m_camera->StopPreview() != 0) {
        if (waiting > 0)
            emit capturesDropped(waiting);
        m_preview->ClosePreview();
        m_page->showPreviewStopped(unlockSelectors);
        emit originalSizeChanged(QSize());
        emit previewStopped();
    }
}

void DeviceController::stopForChange() {
    if (m_camera->previewRunning)
        stopPreview(false);
}

bool DeviceController::starting() const {
    return m_camera && m_camera->previewStarting;
}

bool DeviceController::deferWhileStarting(std::function<void()> action) {
    if (!starting())
        return false;
    // The library is busy with the start and would hold up the window; the latest request is
    // carried out once the start has answered.
    m_afterStart = std::move(action);
    return true;
}

void DeviceController::selectDevice(int index) {
    if (index < 0 || deferWhileStarting([this, index] { selectDevice(index); }))
        return;
    stopWatching();  // the user chose another camera than the one waited for
    stopForChange();
    m_deviceChanging = true;

    std::unique_ptr<QStringList> sizes(m_camera->GetResolutionList(index));
    m_substitution.selectForCamera(m_camera->maxResWidth, m_camera->maxResHeight);
    m_substitution.offerListedSize(*sizes, m_settings->resolutionSubstitution != 0);
    int pick = sizes->indexOf(ResolutionSubstitution::text(m_substitution.listed));
    if (pick < 0)
        pick = sizes->indexOf(
            CCameraInterface::ResolutionText(m_camera->maxResWidth, m_camera->maxResHeight));
    m_page->setResolutions(*sizes, pick < 0 ? 0 : pick);

    std::unique_ptr<QStringList> formats(m_camera->GetFormatList());
    m_page->setFormats(*formats, formats->indexOf("MJPG"));

    if (m_autoOpen)
        toggleOpen();
}

void DeviceController::selectResolution(int index) {
    if (m_deviceChanging)
        return;  // the device change opens the preview itself once its lists are filled
    if (deferWhileStarting([this, index] { selectResolution(index); }))
        return;
    stopForChange();
    if (m_autoOpen)
        toggleOpen();
}

void DeviceController::toggleOpen() {
    if (deferWhileStarting([this] { toggleOpen(); }))
        return;
    m_deviceChanging = false;
    if (!m_lostDevice.isEmpty() && !m_camera->previewRunning) {
        // Closing while the camera is away: stop waiting for it.
        stopWatching();
        m_autoOpen = false;
        m_preview->ClosePreview();
        m_page->showPreviewStopped(true);
        return;
    }
    if (m_camera->previewRunning) {
        stopWatching();
        m_autoOpen = false;
        stopPreview(true);
        return;
    }
    openPreview(false);
}

bool DeviceController::openPreview(bool restore) {
    if (m_page->currentDevice() < 0 || m_page->currentFormatIndex() < 0 ||
        m_page->currentResolutionIndex() < 0)
        return false;

    const int format =
        m_page->currentFormat() == "YUY2" ? KELM_CAMCTL_FORMAT_YUY2 : KELM_CAMCTL_FORMAT_MJPG;
    const QString sizeText = m_page->currentResolution();
    const QSize size = m_substitution.openSizeFor(sizeText);
    m_opening.restore = restore;
    m_opening.device = m_page->currentDeviceName();
    m_opening.sizeText = sizeText;
    m_opening.substituted = m_substitution.isListedChoice(sizeText);
    if (m_opening.substituted)
        qCDebug(lcDevice) << "Change to Target Res!";

    // The driver's negotiation can take seconds: it runs on the preview's thread, and the
    // window says what it waits for until the first frame.
    const int r = m_camera->BeginPreview(m_page->currentDevice(), size.width(), size.height(),
                                         format, frameIntervalMs(format));
    if (r < 1) {
        startFailed(r);
        return false;
    }
    m_page->showPreviewOpening(true);
    showOpening(true);
    return true;
}

QString DeviceController::openingText() {
    return tr("Opening camera…");
}

void DeviceController::showOpening(bool on) {
    if (m_awaitingFirstFrame == on)
        return;
    m_awaitingFirstFrame = on;
    emit cameraStatus(on ? openingText() : QString());
}

void DeviceController::startFailed(int r) {
    qCDebug(lcDevice) << "Fail to start preview,Code:" << r;
    // Another program streaming from the camera is something the user can act on.
    if (r == KELM_CAMCTL_E_BUSY)
        emit cameraNotice(tr("The camera is in use by another program."), kBusyNoticeMs);
}

void DeviceController::startFinished(int r) {
    m_page->showPreviewOpening(false);
    if (r < 1) {
        showOpening(false);
        startFailed(r);
        if (!m_lostDevice.isEmpty()) {
            // The camera that came back could not be started yet: keep waiting for it.
            emit cameraNotice(tr("Camera disconnected"), 0);
            m_watchTimer->start();
        }
    } else {
        previewOpened();
    }
    if (auto action = std::exchange(m_afterStart, nullptr))
        action();
}

void DeviceController::previewOpened() {
    // The selectors may show a later choice already, waiting for its turn.
    const QString& device = m_opening.device;
    qCDebug(lcDevice) << "StartPreview:" << device << "Res:" << m_opening.sizeText;
    m_settings->mainCamera = device;
    m_settings->Save();
    if (m_opening.restore) {
        for (int p = 0; p < CameraPage::PictureCount; ++p)
            setPicture(CameraPage::Picture(p), m_page->pictureValue(CameraPage::Picture(p)));
    } else {
        readPictureRanges();
    }
    applyPowerFrequency();
    m_camera->SetCameraProp(KELM_CAMCTL_PROP_FOCUS, 100, KELM_CAMCTL_FLAG_AUTO);
    m_focusCountdown = kFocusHoldTicks;
    m_page->showPreviewRunning(true);
    m_preview->ShowPicture();
    emit originalSizeChanged(m_opening.substituted ? m_substitution.listed : QSize());
    m_autoOpen = true;
    emit previewStarted(device);
}

void DeviceController::applyPowerFrequency() {
    m_camera->SetVideoProp(KELM_CAMCTL_PROP_POWER_LINE,
                           m_settings->powerFrequency == 60 ? KELM_CAMCTL_POWER_LINE_60HZ
                                                            : KELM_CAMCTL_POWER_LINE_50HZ,
                           KELM_CAMCTL_FLAG_MANUAL);
}

void DeviceController::setPowerFrequency(int hertz) {
    m_settings->powerFrequency = hertz == 60 ? 60 : 50;
    m_settings->Save();
    if (m_camera && m_camera->previewRunning)
        applyPowerFrequency();
}

void DeviceController::cameraLost(int reason) {
    qCDebug(lcDevice) << "Camera lost, code:" << reason;
    m_log->Write(3, "Camera disconnected");
    showOpening(false);
    m_camera->StopPreview();
    emit previewStopped();
    m_lostDevice = m_page->currentDeviceName();
    // The last picture stays under the notice; the selectors and sliders keep what the camera
    // is to get back.
    emit cameraNotice(tr("Camera disconnected"), 0);
    m_watchTimer->start();
}

void DeviceController::watchForCamera() {
    if (starting())
        return;  // the camera found last time is still being started
    std::unique_ptr<QStringList> names(m_camera->GetDeviceList());
    const int index = names->indexOf(m_lostDevice);
    if (index < 0)
        return;
    // Its place in the list may have changed; its sizes are read again for the start.
    m_page->replaceDevices(*names, index);
    std::unique_ptr<QStringList> sizes(m_camera->GetResolutionList(index));
    // The notice stays until a frame arrives: a stalled camera is listed all along, and only
    // its frames tell that it is back.
    if (openPreview(true))
        m_watchTimer->stop();
}

void DeviceController::stopWatching() {
    if (m_lostDevice.isEmpty())
        return;
    m_watchTimer->stop();
    emit cameraNoticeDone(tr("Camera disconnected"));
    m_lostDevice.clear();
}

void DeviceController::readPictureRanges() {
    for (int p = 0; p < CameraPage::PictureCount; ++p) {
        int mn = 0, mx = 0, def = 0, value = 0, flags = 0;
        if (m_camera->GetVideoProp(kPropertyId[p], &mn, &mx, &def, &value, &flags) > 0) {
            m_page->setPictureRange(CameraPage::Picture(p), mn, mx, value);
            // Written back as manual, so the camera no longer adjusts it by itself.
            m_camera->SetVideoProp(kPropertyId[p], m_page->pictureValue(CameraPage::Picture(p)),
                                   KELM_CAMCTL_FLAG_MANUAL);
        }
    }
}

void DeviceController::queryFrame() {
    const QImage* frame = m_camera->QueryFrame();
    m_preview->ShowFrame(frame);
    if (frame && m_awaitingFirstFrame) {
        showOpening(false);
        stopWatching();  // a camera that was away is back
    }
    const int r = m_camera->lastQueryResult;
    if (r == KELM_CAMCTL_E_DEVICE_LOST || r == KELM_CAMCTL_E_STALLED)
        cameraLost(r);
}

void DeviceController::setPicture(CameraPage::Picture p, int value) {
    // The open reads the camera's values into the sliders once the start has answered.
    if (starting())
        return;
    m_camera->SetVideoProp(kPropertyId[p], value, KELM_CAMCTL_FLAG_MANUAL);
}

void DeviceController::writePicture(CameraPage::Picture p, int value) {
    m_page->showPictureValue(p, value);
    setPicture(p, m_page->pictureValue(p));
}

int DeviceController::pictureDefault(CameraPage::Picture p) const {
    int def = 0;
    if (m_camera->GetVideoProp(kPropertyId[p], nullptr, nullptr, &def, nullptr, nullptr) <= 0)
        def = 0;
    return def;
}

void DeviceController::resetPicture() {
    if (starting())
        return;
    for (int p = 0; p < CameraPage::PictureCount; ++p)
        writePicture(CameraPage::Picture(p), pictureDefault(CameraPage::Picture(p)));
    m_modeParamsSaved = false;
}

void DeviceController::focus() {
    if (starting())
        return;
    int value = 0;
    if (m_camera->GetCameraProp(KELM_CAMCTL_PROP_FOCUS, nullptr, nullptr, nullptr, &value,
                                nullptr) <= 0)
        value = 0;
    // Manual and back to automatic makes the camera search its focus again.
    m_camera->SetCameraProp(KELM_CAMCTL_PROP_FOCUS, value, KELM_CAMCTL_FLAG_MANUAL);
    m_camera->SetCameraProp(KELM_CAMCTL_PROP_FOCUS, value, KELM_CAMCTL_FLAG_AUTO);
    m_focusCountdown = kFocusHoldTicks;
}

void DeviceController::tick() {
    if (m_focusCountdown > 0 && --m_focusCountdown == 0)
        qCDebug(lcDevice) << "Time out Change to Manual Focus!";
    emit ticked(++m_tickCount);
}

void DeviceController::applyModeParameters(ControlMode mode) {
    if (!m_camera || !m_settings->cameraParamsPerMode || mode >= ResidenceMode || starting())
        return;
    if (mode == IDMode) {
        bool all = true;
        for (int p = 0; p < CameraPage::PictureCount; ++p) {
            int value = 0;
            if (m_camera->GetVideoProp(kPropertyId[p], nullptr, nullptr, nullptr, &value, nullptr) >
                0)
                m_savedPicture[p] = value;
            else
                all = false;
        }
        m_modeParamsSaved = all;
        for (int p = 0; p < CameraPage::PictureCount; ++p)
            writePicture(CameraPage::Picture(p), kIdCardPicture[p]);
        qCDebug(lcDevice) << "IDMode:Change to Target Value";
        return;
    }
    const char* restored = mode == DocMode     ? "DocMode:Change to Old Value"
                           : mode == SheetMode ? "SheetMode:Change to Old Value"
                                               : "BookMode:Change to Old Value";
    const char* reset = mode == DocMode     ? "DocMode:Change to Defaut Value"
                        : mode == SheetMode ? "SheetMode:Change to Default Value"
                                            : "BookMode:Change to Defalut Value";
    const int* saved = m_savedPicture;
    if (!m_modeParamsSaved || saved[0] + saved[1] + saved[2] == 0) {
        resetPicture();
        qCDebug(lcDevice) << reset;
        return;
    }
    writePicture(CameraPage::Brightness, saved[CameraPage::Brightness]);
    // Sheet and book modes keep a contrast or saturation of 0 as it is now.
    for (CameraPage::Picture p : {CameraPage::Contrast, CameraPage::Saturation})
        if (mode == DocMode || saved[p] != 0)
            writePicture(p, saved[p]);
    qCDebug(lcDevice) << restored;
    m_modeParamsSaved = false;
}
