// Device control: the camera steps of start-up, device discovery, the resolution and format
// selectors, opening and closing the preview, the frame timer, the picture sliders, focus and
// reset, and the 500 ms tick.
#include "ui/MainWindow.h"

#include "app/AppSettings.h"
#include "app/Log.h"
#include "camera/CCamLabel.h"
#include "camera/CCameraInterface.h"
#include "camera/CCameraPreview.h"
#include "modes/ImageProcessor.h"

#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <memory>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Built-in cameras of some tablets; a document scanner is never one of them.
const char* const kExcludedCameras[] = {"Microsoft Camera Front", "Microsoft Camera Rear",
                                        "Microsoft LifeCam Front", "Microsoft LifeCam Rear"};

// Camera models whose largest size is offered under a larger listed size: a capture at the
// requested (real) size is enlarged to the listed size afterwards.
struct Substitution {
    int largestW, largestH, listedW, listedH, requestedW, requestedH;
};
const Substitution kSubstitutions[] = {
    {3264, 2448, 3672, 2856, 3264, 2448}, {3840, 2880, 4472, 3354, 3840, 2880},
    {4208, 3120, 4640, 3452, 4208, 3120}, {4192, 3104, 4640, 3452, 4192, 3104},
    {4640, 3152, 4898, 3676, 4640, 3152},
};

QString sizeText(int w, int h) {
    return CCameraInterface::ResolutionText(w, h);
}

}  // namespace

void MainWindow::createCameraPreview() {
    m_cameraPreview = new CCameraPreview(centralWidget_);
    m_cameraPreview->setObjectName("pCCameraPreview");
    pPreview = m_cameraPreview;
}

void MainWindow::releaseCamera() {
    if (m_frameTimer)
        m_frameTimer->stop();
    // The library keeps streaming until told otherwise; stop it before the interface goes.
    if (m_camera && m_camera->previewRunning)
        m_camera->StopPreview();
    delete m_camera;
    m_camera = nullptr;
    delete m_imageProcessor;
    m_imageProcessor = nullptr;
}

void MainWindow::showComponentNotice() {
    // Window-modal and not waited for: the start-up carries on behind the box, so the window is
    // complete (and usable without a camera) when the user reads it.
    auto* box =
        new QMessageBox(QMessageBox::Information, tr("Notice"),
                        tr("Unable to load camera related components. Please close this software."),
                        QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::loadCameraComponents() {
#if defined(__GLIBC__)
    // Frame-sized buffers (24 MB at 3264 x 2448) come and go with every detection and capture.
    // glibc would otherwise raise its mmap threshold after the first such free and keep later
    // ones on the heap, where they stay resident; a fixed threshold returns them at once.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
    m_camera = new CCameraInterface();
    if (m_camera->LoadCameraLibrary(false) < 0) {
        m_log->Write(3, "Fail to Load Camera Compoent");
        showComponentNotice();
    }
    m_frameTimer = new QTimer(this);
    m_tickTimer = new QTimer(this);

    m_imageProcessor = new ImageProcessor();
    if (m_imageProcessor->Load() < 0) {
        m_log->Write(3, "Fail to Load Document Compoent");
        showComponentNotice();
    }
    m_cameraPreview->SetImageProcessor(m_imageProcessor);
}

void MainWindow::connectDeviceControl() {
    connect(pCombo_Device, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MainWindow::DeviceSelectChanged);
    connect(pCombo_Resolution, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MainWindow::ResolutionSelectChanged);
    connect(pBtn_OpenDevice, &QPushButton::clicked, this, &MainWindow::Qbtn_Opendevice_Clicked);
    connect(m_frameTimer, &QTimer::timeout, this, &MainWindow::GetFrameBuffer);
    connect(m_tickTimer, &QTimer::timeout, this, &MainWindow::Handle_Timer_1000_Timeout);
    connect(pSlider_Brightness, &QSlider::valueChanged, this, &MainWindow::SetBrightnessValue);
    connect(pSlider_Contrast, &QSlider::valueChanged, this, &MainWindow::SetContrastValue);
    connect(pSlider_Saturation, &QSlider::valueChanged, this, &MainWindow::SetSaturationValue);
    for (QSlider* s : {pSlider_Brightness, pSlider_Contrast, pSlider_Saturation})
        connect(s, &QSlider::valueChanged, this, &MainWindow::Handle_CameraParaChangedManual);
    connect(pBtn_Reset, &QPushButton::clicked, this, &MainWindow::Handle_VideoParaReset);
    connect(pBtn_Focus, &QPushButton::clicked, this, &MainWindow::Handle_VideoParaFouce);
}

void MainWindow::initCameraLibrary() {
    m_camera->InitCamera();  // its result is not examined: discovery reports what it finds
}

void MainWindow::searchDevices() {
    // Read before the insertion: opening device 0 there stores its name over the saved one.
    const QString stored = m_settings->mainCamera;
    std::unique_ptr<QStringList> names(m_camera->GetDeviceList());
    pCombo_Device->clear();
    // Inserting into the empty selector makes index 0 current, which opens it at once.
    pCombo_Device->addItems(*names);
    if (names->isEmpty()) {
        m_cameraPreview->SetDeviceState(false);
        m_log->Write(3, "Fail to Find Camera Device!");
        // HELP TIPS: switch the help tips to context 6 (no device).
        return;
    }
    m_cameraPreview->SetDeviceState(true);
    if (stored.isEmpty()) {
        int pick = 0;
        for (int i = 0; i < names->size(); ++i) {
            bool excluded = false;
            for (const char* name : kExcludedCameras)
                excluded = excluded || names->at(i) == QLatin1String(name);
            if (!excluded) {
                pick = i;
                break;
            }
        }
        pCombo_Device->setCurrentIndex(pick);
    } else if (names->contains(stored)) {
        pCombo_Device->setCurrentText(stored);
    }
}

void MainWindow::zeroPictureSliders() {
    // Only the display goes back to 0: writing 0 to the camera as well would leave it dark and
    // flat, and the next open reads the current values back into the sliders.
    for (QSlider* s : {pSlider_Brightness, pSlider_Contrast, pSlider_Saturation}) {
        const QSignalBlocker block(s);
        s->setValue(0);
    }
}

void MainWindow::stopPreviewForChange() {
    // FACE COMPARISON: stop the face-comparison window here when it runs.
    m_frameTimer->stop();
    if (m_camera->StopPreview() != 0) {
        m_cameraPreview->ClosePreview();
        pBtn_OpenDevice->setText(tr("Open"));
        zeroPictureSliders();
    }
}

void MainWindow::DeviceSelectChanged(int index) {
    if (index < 0)
        return;
    if (m_camera->previewRunning)
        stopPreviewForChange();
    deviceChanging = 1;

    std::unique_ptr<QStringList> list(m_camera->GetResolutionList(index));
    ResolutionProcess(list.get());
    const QString listed = sizeText(m_settings->listedResWidth, m_settings->listedResHeight);
    if (m_settings->resolutionSubstitution) {
        const QString requested =
            sizeText(m_settings->requestedResWidth, m_settings->requestedResHeight);
        m_settings->listedOffered = list->contains(requested);
        if (m_settings->listedOffered)
            list->prepend(listed);
    }

    pCombo_Resolution->clear();
    pCombo_Resolution->addItems(*list);
    int pick = list->indexOf(listed);
    if (pick < 0)
        pick = list->indexOf(sizeText(m_camera->maxResWidth, m_camera->maxResHeight));
    pCombo_Resolution->setCurrentIndex(pick < 0 ? 0 : pick);

    std::unique_ptr<QStringList> formats(m_camera->GetFormatList());
    pCombo_Format->clear();
    pCombo_Format->addItems(*formats);
    const int mjpg = formats->indexOf("MJPG");
    if (mjpg >= 0)
        pCombo_Format->setCurrentIndex(mjpg);

    if (autoOpen)
        Qbtn_Opendevice_Clicked();
}

void MainWindow::ResolutionProcess(QStringList* devicelist) {
    Q_UNUSED(devicelist);
    const int w = m_camera->maxResWidth, h = m_camera->maxResHeight;
    if (qint64(w) * h == 0)
        return;
    for (const Substitution& s : kSubstitutions) {
        if (s.largestW == w && s.largestH == h) {
            m_settings->listedResWidth = s.listedW;
            m_settings->listedResHeight = s.listedH;
            m_settings->requestedResWidth = s.requestedW;
            m_settings->requestedResHeight = s.requestedH;
            return;
        }
    }
}

void MainWindow::ResolutionSelectChanged(int index) {
    Q_UNUSED(index);  // the open reads the selector's text
    if (deviceChanging)
        return;
    if (m_camera->previewRunning)
        stopPreviewForChange();
    if (autoOpen)
        Qbtn_Opendevice_Clicked();
}

void MainWindow::Qbtn_Opendevice_Clicked() {
    deviceChanging = 0;
    if (m_camera->previewRunning) {
        autoOpen = 0;
        // FACE COMPARISON: stop the face-comparison window here when it runs.
        m_frameTimer->stop();
        if (m_camera->StopPreview() != 0) {
            m_cameraPreview->ClosePreview();
            for (QComboBox* c : {pCombo_Device, pCombo_Resolution, pCombo_Format}) {
                c->setEnabled(true);
                c->setCursor(Qt::PointingHandCursor);
            }
            pBtn_OpenDevice->setText(tr("Open"));
            zeroPictureSliders();
        }
        return;
    }
    if (pCombo_Device->currentIndex() < 0 || pCombo_Format->currentIndex() < 0 ||
        pCombo_Resolution->currentIndex() < 0)
        return;

    const QString formatText = pCombo_Format->currentText();
    const int format = formatText == "YUY2" ? 2 : 1;
    const QString resText = pCombo_Resolution->currentText();
    int width = 800, height = 600;
    const int star = resText.indexOf('*');
    if (star > 0) {
        width = resText.left(star).toInt();
        height = resText.mid(star + 1).toInt();
    }
    if (m_settings->listedOffered &&
        resText == sizeText(m_settings->listedResWidth, m_settings->listedResHeight)) {
        width = m_settings->requestedResWidth;
        height = m_settings->requestedResHeight;
        qDebug() << "Change to Target Res!";
    }

    const int r = m_camera->StartPreview(pCombo_Device->currentIndex(), width, height, format);
    if (r < 1) {
        qDebug() << "Fail to start preview,Code:" << r;
        return;
    }
    const QString device = pCombo_Device->currentText();
    qDebug() << "StartPreview:" << device << "Res:" << resText;
    m_settings->mainCamera = device;
    m_settings->Save();
    initPictureSliders();
    m_camera->SetCameraProp(6, 100, 1);
    focusCountdown = 15;
    pBtn_OpenDevice->setText(tr("Close"));
    m_cameraPreview->ShowPicture();
    m_frameTimer->start(format == 1 ? 60 : format == 2 ? 800 : 100);
    // FACE COMPARISON: hand the device name to the face-comparison window here.
    pCombo_Format->setEnabled(false);
    autoOpen = 1;
}

void MainWindow::initPictureSliders() {
    const struct {
        int id;
        QSlider* slider;
    } props[] = {{0, pSlider_Brightness}, {1, pSlider_Contrast}, {3, pSlider_Saturation}};
    for (const auto& p : props) {
        int mn = 0, mx = 0, def = 0, value = 0, flags = 0;
        if (m_camera->GetVideoProp(p.id, &mn, &mx, &def, &value, &flags) > 0) {
            // Setting the value runs the setter slot, which writes it back as manual.
            p.slider->setMaximum(mx);
            p.slider->setMinimum(mn);
            p.slider->setValue(value);
        }
    }
}

void MainWindow::GetFrameBuffer() {
    m_cameraPreview->ShowFrame(m_camera->QueryFrame());
}

void MainWindow::SetBrightnessValue(int value) {
    m_camera->SetVideoProp(0, value, 2);
}

void MainWindow::SetContrastValue(int value) {
    m_camera->SetVideoProp(1, value, 2);
}

void MainWindow::SetSaturationValue(int value) {
    m_camera->SetVideoProp(3, value, 2);
}

void MainWindow::Handle_CameraParaChangedManual(int value) {
    Q_UNUSED(value);
}

void MainWindow::Handle_VideoParaReset() {
    const struct {
        int id;
        QSlider* slider;
    } props[] = {{0, pSlider_Brightness}, {1, pSlider_Contrast}, {3, pSlider_Saturation}};
    for (const auto& p : props) {
        int def = 0;
        if (m_camera->GetVideoProp(p.id, nullptr, nullptr, &def, nullptr, nullptr) <= 0)
            def = 0;
        p.slider->setValue(def);
    }
    m_modeParamsSaved = false;
}

void MainWindow::Handle_VideoParaFouce() {
    int value = 0;
    if (m_camera->GetCameraProp(6, nullptr, nullptr, nullptr, &value, nullptr) <= 0)
        value = 0;
    // Manual and back to automatic makes the camera search its focus again.
    m_camera->SetCameraProp(6, value, 2);
    m_camera->SetCameraProp(6, value, 1);
    focusCountdown = 15;
}

void MainWindow::Handle_Timer_1000_Timeout() {
    if (focusCountdown > 0 && --focusCountdown == 0)
        qDebug() << "Time out Change to Manual Focus!";
    ++blinkCount;
    pLbl_HelpIcon->setPixmap(QPixmap(blinkCount % 2 == 0 ? ":/new/prefix1/Res/UI/help_on.png"
                                                         : ":/new/prefix1/Res/UI/help.png"));
}
