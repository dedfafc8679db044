// The capture side's links to the main camera and its preview: capture requests, the preview's
// quarter turns, and the picture parameters that follow the scan mode.
#include <QComboBox>
#include <QDebug>
#include <QSlider>

#include "camera/CCameraInterface.h"
#include "camera/CCameraPreview.h"
#include "ui/MainWindow.h"

bool MainWindow::capturePreviewRunning() const {
    return m_camera && m_camera->previewRunning;
}

void MainWindow::requestCapture() {
    if (m_camera)
        m_camera->TakePhoto();
}

void MainWindow::setPreviewTurn(int turn) {
    m_previewTurn = (turn % 4 + 4) % 4;
    if (m_cameraPreview)
        m_cameraPreview->rotation = m_previewTurn;
    // The combo box's change stores the document rotation.
    pCombo_ImgRotate->setCurrentIndex(m_previewTurn);
}

void MainWindow::Handle_Doc_Preview_TurnLeft() {
    setPreviewTurn(m_previewTurn - 1);
}

void MainWindow::Handle_Doc_Preview_TurnRight() {
    setPreviewTurn(m_previewTurn + 1);
}

void MainWindow::applyModeCameraParameters(ControlMode m) {
    if (!m_camera)
        return;
    if (m == IDMode) {
        int values[3] = {m_savedBrightness, m_savedContrast, m_savedSaturation};
        const int ids[3] = {0, 1, 3};
        bool all = true;
        for (int i = 0; i < 3; ++i) {
            int value = 0;
            if (m_camera->GetVideoProp(ids[i], nullptr, nullptr, nullptr, &value, nullptr) > 0)
                values[i] = value;
            else
                all = false;
        }
        m_savedBrightness = values[0];
        m_savedContrast = values[1];
        m_savedSaturation = values[2];
        m_modeParamsSaved = all;
        pSlider_Brightness->setValue(17);
        pSlider_Contrast->setValue(47);
        pSlider_Saturation->setValue(61);
        qDebug() << "IDMode:Change to Target Value";
        return;
    }
    const char* restored = m == DocMode     ? "DocMode:Change to Old Value"
                           : m == SheetMode ? "SheetMode:Change to Old Value"
                                            : "BookMode:Change to Old Value";
    const char* reset = m == DocMode     ? "DocMode:Change to Defaut Value"
                        : m == SheetMode ? "SheetMode:Change to Default Value"
                                         : "BookMode:Change to Defalut Value";
    if (m_modeParamsSaved && m_savedBrightness + m_savedContrast + m_savedSaturation != 0) {
        pSlider_Brightness->setValue(m_savedBrightness);
        // Sheet and book modes keep a contrast or saturation of 0 as it is now.
        if (m == DocMode || m_savedContrast != 0)
            pSlider_Contrast->setValue(m_savedContrast);
        if (m == DocMode || m_savedSaturation != 0)
            pSlider_Saturation->setValue(m_savedSaturation);
        qDebug() << restored;
        m_modeParamsSaved = false;
    } else {
        Handle_VideoParaReset();
        qDebug() << reset;
    }
}
