// The sub camera beside the preview and the face-comparison window of the identity-card mode.
#include <QLabel>
#include <QMessageBox>

#include "camera/CViceCamPreview.h"
#include "camera/CameraPage.h"
#include "camera/DeviceController.h"
#include "camera/ViceCamera.h"
#include "modes/CPreConfigBar.h"
#include "ui/MainWindow.h"
#include "ui/HelpTip.h"
#include "ui/SettingsPanel.h"

void MainWindow::connectSubCameras() {
    connect(m_viceCamera, &ViceCamera::openFailed, this, [](const QString& message) {
        // Not waited for: the sub camera's trouble never holds up the document camera.
        auto* box =
            new QMessageBox(QMessageBox::Information, tr("Error"), message, QMessageBox::Close);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    });
    connect(m_viceCamera, &ViceCamera::lost, m_panel->cameraPage(),
            &CameraPage::showSubCameraClosed);
    connect(m_preConfigBar, &CPreConfigBar::Signal_FaceDetectionStatus, this,
            &MainWindow::OpenViceCamera);
    connect(m_preConfigBar, &CPreConfigBar::Signal_IDMode_GetMainQImage, pCViceCamPreview,
            &CViceCamPreview::GotMainIDImage);
    connect(pCViceCamPreview, &CViceCamPreview::Signal_UpdateOKFaceImage, m_preConfigBar,
            &CPreConfigBar::Handle_IDMode_UpdateFaceImg);
    connect(m_device, &DeviceController::previewStarted, pCViceCamPreview,
            &CViceCamPreview::SetMainCameraName);
    // A closed or changed main camera ends the comparison; the window keeps its last picture.
    connect(m_device, &DeviceController::previewStopped, this, [this] {
        if (pCViceCamPreview->comparing())
            pCViceCamPreview->StopComparison();
    });
}

void MainWindow::stopSubCameras() {
    if (pCViceCamPreview && pCViceCamPreview->comparing())
        pCViceCamPreview->StopComparison();
    if (m_viceCamera)
        m_viceCamera->close();
}

void MainWindow::slotCtrlViceCam(bool on) {
    if (on)
        m_viceCamera->open();
    else
        m_viceCamera->close();
}

void MainWindow::slotPreview_vice() {
    m_viceCamera->preview();
}

void MainWindow::setMergeFlag(bool on) {
    m_viceCamera->setMerge(on);
}

void MainWindow::mergeImg(QString fileName) {
    m_viceCamera->addToCapture(fileName, m_panel->cameraPage()->subPicturePosition());
}

void MainWindow::OpenViceCamera(bool on) {
    // The hints speak of the face check while it is on, of the card again when it is off.
    m_helpTip->setContext(on ? HelpTip::Face : HelpTip::IdCard);
    if (on) {
        if (m_preConfigBar->CurrentMode() == IDMode && !pCViceCamPreview->comparing()) {
            pCViceCamPreview->show();
            pCViceCamPreview->raise();
            pCViceCamPreview->SetMainCamera(m_device->camera());
            pCViceCamPreview->StartComparison();
        }
        return;
    }
    if (pCViceCamPreview->comparing())
        pCViceCamPreview->StopComparison();
    pCViceCamPreview->hide();
}
