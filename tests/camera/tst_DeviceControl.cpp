// The device controller with its camera page and live preview against the virtual cameras,
// loading the libraries from a private folder that links to the built ones.
#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "app/Log.h"
#include "camera/CCamLabel.h"
#include "camera/CCameraPreview.h"
#include "camera/DeviceController.h"
#include "support/WindowFixture.h"
#include "camera/CameraPage.h"

#include <KELM_CamCtl.h>

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

QStringList messages;

void collect(QtMsgType, const QMessageLogContext&, const QString& text) {
    messages.append(text);
}

bool logged(const QString& text) {
    return messages.contains(text);
}

QString started(const char* device, const char* res) {
    return QString("StartPreview: \"%1\" Res: \"%2\"").arg(device, res);
}

// The controller as the window composes it, started the way the window starts it.
struct Rig {
    WindowFixture folder;
    AppSettings settings;
    Log log;
    CameraPage page;
    CCameraPreview preview;
    DeviceController device{&settings, &log, &page, &preview};
    bool loaded = false;

    Rig(bool withCamera, const QString& storedDevice) {
        folder.linkLibraries(withCamera);
        AppPaths::setApplicationDir(folder.appDir.path());
        settings.mainCamera = storedDevice;
        const auto wire = [this](auto signal, auto slot) {
            QObject::connect(&page, signal, &device, slot);
        };
        wire(&CameraPage::deviceChosen, &DeviceController::selectDevice);
        wire(&CameraPage::resolutionChosen, &DeviceController::selectResolution);
        wire(&CameraPage::openClicked, &DeviceController::toggleOpen);
        wire(&CameraPage::pictureChanged, &DeviceController::setPicture);
        wire(&CameraPage::resetClicked, &DeviceController::resetPicture);
        wire(&CameraPage::focusClicked, &DeviceController::focus);
        preview.resize(800, 600);
        preview.show();
        messages.clear();
        loaded = device.loadComponents();
        device.initLibrary();
        device.searchDevices();
    }
};

}  // namespace

class TestDeviceControl : public QObject {
    Q_OBJECT

    std::unique_ptr<Rig> m_rig;

    template <typename T>
    T* child(const char* name) {
        return m_rig->page.findChild<T*>(QLatin1String(name));
    }
    QComboBox* devices() { return child<QComboBox>("pCombo_Device"); }
    QComboBox* resolutions() { return child<QComboBox>("pCombo_Resolution"); }
    QComboBox* formats() { return child<QComboBox>("pCombo_Format"); }
    QPushButton* openButton() { return child<QPushButton>("pBtn_OpenDevice"); }
    QSlider* brightness() { return child<QSlider>("pSlider_Brightness"); }
    CCamLabel* label() { return m_rig->preview.label(); }

    // The library the controller loaded (same file, so the same state).
    template <typename Fn>
    Fn lib(const char* name) {
        return reinterpret_cast<Fn>(
            QLibrary(m_rig->folder.appDir.filePath("libKELM_CamCtl.so")).resolve(name));
    }
    // The library's status (1 streaming, 0 stopped) and the controller's view agree.
    int libStatus() {
        auto fn = lib<int (*)(int)>("KELM_Camctl_GetCameraStatus");
        return fn ? fn(10) : -100;
    }
    bool streaming() { return libStatus() == 1 && m_rig->device.previewRunning(); }
    bool stopped() { return libStatus() == 0 && !m_rig->device.previewRunning(); }
    KELM_CamProperty libProperty(bool camera, int id) {
        auto fn = lib<int (*)(int, KELM_CamProperty*)>(camera ? "KELM_Camctl_GetCameraProp"
                                                              : "KELM_Camctl_GetVideoProp");
        KELM_CamProperty p{};
        if (fn)
            fn(id, &p);
        return p;
    }
    // Starts are answered on the preview's thread: these wait for the answer.
    void waitStreaming() { QTRY_VERIFY_WITH_TIMEOUT(streaming(), 30000); }
    void waitLogged(const QString& line) { QTRY_VERIFY_WITH_TIMEOUT(logged(line), 30000); }
    void start(bool withCamera = true, const QString& storedDevice = QString()) {
        m_rig.reset();
        m_rig = std::make_unique<Rig>(withCamera, storedDevice);
    }

private slots:
    void initTestCase() { qInstallMessageHandler(collect); }
    void cleanupTestCase() {
        m_rig.reset();
        qInstallMessageHandler(nullptr);
    }

    void opensTheListedSizeAndReachesTheCamera() {
        // No stored device: discovery picks the first usable one and opens its largest size,
        // offered under its listed name.
        start();
        QVERIFY(m_rig->loaded);
        waitStreaming();
        QVERIFY(logged(started("Virtual Document Camera", "3672*2856")));
        QVERIFY(!formats()->isEnabled() && devices()->isEnabled() && openButton()->isEnabled());
        QCOMPARE(m_rig->settings.mainCamera, QString("Virtual Document Camera"));
        // The sliders took the camera's ranges and values; focus was set to automatic.
        const KELM_CamProperty b = libProperty(false, KELM_CAMCTL_PROP_BRIGHTNESS);
        QCOMPARE(
            QList<int>({brightness()->minimum(), brightness()->maximum(), brightness()->value()}),
            QList<int>({b.minimum, b.maximum, b.value}));
        QCOMPARE(libProperty(true, KELM_CAMCTL_PROP_FOCUS).flags, KELM_CAMCTL_FLAG_AUTO);
        // Frames arrive in the preview.
        QTRY_VERIFY_WITH_TIMEOUT(!label()->pixmap(Qt::ReturnByValue).isNull(), 30000);

        // A slider reaches the camera as a manual value; reset brings the default back.
        brightness()->setValue(brightness()->maximum());
        QCOMPARE(libProperty(false, KELM_CAMCTL_PROP_BRIGHTNESS).value, brightness()->maximum());
        QCOMPARE(libProperty(false, KELM_CAMCTL_PROP_BRIGHTNESS).flags, KELM_CAMCTL_FLAG_MANUAL);
        child<QPushButton>("pBtn_Reset")->click();
        QCOMPARE(brightness()->value(), b.defaultValue);
        QCOMPARE(libProperty(false, KELM_CAMCTL_PROP_BRIGHTNESS).value, b.defaultValue);

        // Focus makes a camera left on manual focus search again, automatically.
        KELM_CamProperty focus = libProperty(true, KELM_CAMCTL_PROP_FOCUS);
        focus.flags = KELM_CAMCTL_FLAG_MANUAL;
        lib<int (*)(int, KELM_CamProperty*)>("KELM_Camctl_SetCameraProp")(KELM_CAMCTL_PROP_FOCUS,
                                                                          &focus);
        QCOMPARE(libProperty(true, KELM_CAMCTL_PROP_FOCUS).flags, KELM_CAMCTL_FLAG_MANUAL);
        child<QPushButton>("pBtn_Focus")->click();
        QCOMPARE(libProperty(true, KELM_CAMCTL_PROP_FOCUS).flags, KELM_CAMCTL_FLAG_AUTO);
    }

    void closeChangeAndReopen() {
        start();
        waitStreaming();
        const int contrastBefore = libProperty(false, KELM_CAMCTL_PROP_CONTRAST).value;
        openButton()->click();
        QVERIFY(stopped());
        QVERIFY(formats()->isEnabled() && devices()->isEnabled() && resolutions()->isEnabled());
        QCOMPARE(brightness()->value(), 0);
        // Zeroing the sliders on close must not darken or flatten the camera itself.
        QCOMPARE(libProperty(false, KELM_CAMCTL_PROP_CONTRAST).value, contrastBefore);
        QVERIFY(!label()->isVisible());

        // Closed by the user: picking a resolution or a device changes nothing until Open; a
        // device change refills the selectors.
        resolutions()->setCurrentText("1280*720");
        devices()->setCurrentIndex(1);
        QCOMPARE(resolutions()->currentText(), QString("800*600"));  // the largest, no listed size
        devices()->setCurrentIndex(0);
        resolutions()->setCurrentText("1280*720");  // taken at the next open
        formats()->setCurrentText("YUY2");
        QVERIFY(stopped());
        messages.clear();
        openButton()->click();
        waitStreaming();
        QVERIFY(logged(started("Virtual Document Camera", "1280*720")));
        QTRY_VERIFY_WITH_TIMEOUT(!label()->pixmap(Qt::ReturnByValue).isNull(), 30000);

        // Running again: a resolution pick stops and reopens at once, a device change reopens on
        // the other device.
        messages.clear();
        resolutions()->setCurrentText("640*480");
        waitLogged(started("Virtual Document Camera", "640*480"));
        QVERIFY(streaming());
        devices()->setCurrentIndex(1);
        waitLogged(started("Virtual Sub Camera", "800*600"));
        QCOMPARE(m_rig->settings.mainCamera, QString("Virtual Sub Camera"));
        QVERIFY(streaming());
    }

    void faultyCameraKeepsTheControlsUsable() {
        start();
        waitStreaming();
        // A refused format: the start fails and the preview stays closed.
        openButton()->click();
        qputenv("MIRAVELO_VCAM_FAULT", "refuse:MJPG");
        messages.clear();
        openButton()->click();
        waitLogged("Fail to start preview,Code: -4");
        QVERIFY(stopped() && openButton()->isEnabled());

        // Unplugged while previewing: frames stop, the controller carries on and closes cleanly.
        qputenv("MIRAVELO_VCAM_FAULT", "unplug:3");
        resolutions()->setCurrentText("640*480");
        openButton()->click();
        waitStreaming();
        waitLogged("Can not query frame: -3");
        qunsetenv("MIRAVELO_VCAM_FAULT");
        openButton()->click();
        QVERIFY(stopped());
        openButton()->click();
        waitStreaming();
    }

    void storedDeviceIsChosenAtStartup() {
        start(true, "Virtual Sub Camera");
        waitLogged(started("Virtual Sub Camera", "800*600"));
        // The first device opened on its insertion is named as itself, although the selector
        // had moved on while it started.
        QVERIFY(logged(started("Virtual Document Camera", "3672*2856")));
        QCOMPARE(devices()->currentText(), QString("Virtual Sub Camera"));
        QVERIFY(streaming());
    }

    // No camera (real ones only, none here) or no camera library: nothing opens, nothing breaks.
    void noCameraLeavesTheControlsUsable() {
        const bool hasVideo = !QDir("/dev").entryList({"video*"}, QDir::System).isEmpty();
        for (bool withLibrary : {true, false}) {
            if (withLibrary && hasVideo)
                continue;
            qputenv("MIRAVELO_CAMERA", "v4l2");
            start(withLibrary);
            qputenv("MIRAVELO_CAMERA", "virtual");
            QCOMPARE(m_rig->loaded, withLibrary);
            QCOMPARE(devices()->count() + resolutions()->count(), 0);
            openButton()->click();
            QVERIFY(!m_rig->device.previewRunning() && (!withLibrary || libStatus() == 0));
            m_rig->device.queryFrame();
        }
    }
};

QTEST_MAIN(TestDeviceControl)
#include "tst_DeviceControl.moc"
