#pragma once

#include "modes/ScanModePage.h"

class CImagePreview;
class QCheckBox;
class QPushButton;

// Identity-card mode: front and back tiles, the face tile of the face comparison, and the
// buttons that exchange, turn, save or merge the sides. The card processing itself is not part
// of this build yet: a capture in this mode saves nothing.
class IdCardModePage : public ScanModePage {
    Q_OBJECT

public:
    IdCardModePage(OutputPipeline* output, ImageProcessor* processor, QWidget* parent = nullptr);

    void setSettings(AppSettings* settings) override;
    void takeCapture(const QImage& capture) override;
    void reset() override;
    // Leaving the mode switches the face comparison off.
    void leave();

public slots:
    void setFaceDetection(bool on);
    void updateFaceImage(const QImage& face);
    // The sides are filled by the card processing; until it exists there is nothing to save,
    // exchange or turn, and these leave everything as it is.
    void saveMerged() {}
    void saveSeparately() {}
    void exchangeSides() {}
    void rotateSide() {}

signals:
    void faceDetectionChanged(bool on);

private:
    void showFaceControls(bool shown);

    CImagePreview* m_front = nullptr;
    CImagePreview* m_back = nullptr;
    CImagePreview* m_face = nullptr;
    QCheckBox* m_faceDetection = nullptr;
    QCheckBox* m_faceAccept = nullptr;
    QCheckBox* m_portrait = nullptr;
};
