// Capture triggers: the capture button, Space and keypad Enter, the timed series with its
// countdown and the drag gesture, and the hand-off of each capture to the scan-mode bar.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "app/AppSettings.h"
#include "camera/CCameraInterface.h"
#include "camera/CCameraPreview.h"
#include "modes/CPreConfigBar.h"
#include "ui/MainWindow.h"

namespace {

// Seconds between captures for the "TakePhoto Timer:" entries; index 0 is a single capture.
int seriesSeconds(int index) {
    static const int seconds[] = {0, 1, 2, 5, 10, 15, 20, 25, 30};
    return index >= 0 && index < 9 ? seconds[index] : 0;
}

constexpr int kGestureTravel = 100;

}  // namespace

void MainWindow::connectCapture() {
    connect(m_preConfigBar, &CPreConfigBar::originImgWidgetCliked, m_cameraPreview,
            &CCameraPreview::originImgModeSlot);
    connect(m_preConfigBar, &CPreConfigBar::notOriginImgModeSignal, m_cameraPreview,
            &CCameraPreview::notOriginImgModeSlot);
    if (m_camera)
        connect(m_camera, &CCameraInterface::OnTakePhoto, this, &MainWindow::Handle_GotTakePhoto);
    // The preview follows the mode first, then the window.
    connect(m_preConfigBar, &CPreConfigBar::Signal_ControlChanged, m_cameraPreview,
            &CCameraPreview::UpdateCurrentControlMode);
    connect(pBtn_TakePhoto, &QPushButton::clicked, this, &MainWindow::Qbtn_TakePhoto_Clicked);
    connect(this, &MainWindow::Signal_GotTakePhoto, m_preConfigBar,
            &CPreConfigBar::HandleTakePhoto);
    connect(m_preConfigBar, &CPreConfigBar::Signal_ControlChanged, this,
            &MainWindow::Handle_CurrentControlModeChanged);
    connect(m_preConfigBar, &CPreConfigBar::Signal_SaveImageToDisk, this,
            &MainWindow::TakePhotoFinish);
    m_takePhotoTimer = new QTimer(this);
    connect(m_takePhotoTimer, &QTimer::timeout, this, &MainWindow::Handle_Timer_TakePhoto_Timeout);
    connect(Btn_Preview_TurnRight, &QPushButton::clicked, this,
            &MainWindow::Handle_Doc_Preview_TurnRight);
    connect(Btn_Preview_TurnLeft, &QPushButton::clicked, this,
            &MainWindow::Handle_Doc_Preview_TurnLeft);
    connect(Btn_Preview_StopAutoTake, &QPushButton::clicked, this,
            &MainWindow::Handle_StopTakePhotoOnTimer);
}

void MainWindow::Qbtn_TakePhoto_Clicked() {
    if (!capturePreviewRunning())
        return;
    if (pCombo_TakePhotoTimer->currentIndex() == 0) {
        m_seriesInterval = -1;
        requestCapture();
        return;
    }
    if (m_seriesInterval > 0) {
        Handle_StopTakePhotoOnTimer();
        return;
    }
    Btn_Preview_StopAutoTake->show();
    qDebug() << "StartTakePhoto";
    m_seriesInterval = seriesSeconds(pCombo_TakePhotoTimer->currentIndex());
    pCombo_TakePhotoTimer->setEnabled(false);
    pCheck_OpenViceCam->setEnabled(false);
    m_seriesElapsed = 0;
    m_takePhotoTimer->start(1000);
}

void MainWindow::Handle_Timer_TakePhoto_Timeout() {
    if (m_seriesInterval < 0)
        return;
    ++m_seriesElapsed;
    pQlbl_Main->setText(QString::number(m_seriesInterval - m_seriesElapsed + 1));
    if (m_seriesElapsed > m_seriesInterval) {
        pQlbl_Main->setPixmap(QPixmap(QStringLiteral(":/new/prefix1/ICO/Waitting.png")));
        m_seriesElapsed = 0;
        requestCapture();
    }
}

void MainWindow::Handle_StopTakePhotoOnTimer() {
    m_seriesInterval = -1;
    pCombo_TakePhotoTimer->setEnabled(true);
    pCheck_OpenViceCam->setEnabled(true);
    if (m_takePhotoTimer)
        m_takePhotoTimer->stop();
    pQlbl_Main->setText(QString());
    Btn_Preview_StopAutoTake->hide();
}

void MainWindow::Handle_GotTakePhoto(QImage* img) {
    emit Signal_GotTakePhoto(img);
    pBtn_TakePhoto->setEnabled(true);
}

void MainWindow::Handle_CurrentControlModeChanged(ControlMode m) {
    focusCaptureButton();
    if (m >= ResidenceMode)
        return;
    // HELP TIPS: the help context follows the mode here.
    const bool doc = m == DocMode;
    Btn_Preview_TurnLeft->setVisible(doc);
    Btn_Preview_TurnRight->setVisible(doc);
    if (!m_settings->cameraParamsPerMode)
        return;
    applyModeCameraParameters(m);
}

bool MainWindow::capturePress(QMouseEvent* event) {
    const QPoint p = event->globalPos() - pos();
    if (p.y() > 150 && p.x() < 500 && !isMaximized()) {
        qDebug() << "Test Target Click";
        m_gesturePressPoint = event->globalPos();
        event->accept();
        m_dragState = 1;
        qDebug() << "DragWattingMouseRelease";
        return true;
    }
    return false;
}

void MainWindow::captureMove(QMouseEvent* event) {
    if (m_dragState != 1)
        return;
    const int travel = (event->globalPos() - m_gesturePressPoint).manhattanLength() -
                       QApplication::startDragDistance();
    if (travel > kGestureTravel) {
        m_dragState = 2;
        qDebug() << "DragWatingTakingPhoto;";
        // Without a running preview no capture can arrive to enable the button again.
        const bool canArrive = capturePreviewRunning();
        Qbtn_TakePhoto_Clicked();
        if (canArrive)
            pBtn_TakePhoto->setEnabled(false);
    }
}

void MainWindow::captureRelease() {
    m_gesturePressPoint = QPoint(0, 0);
}
