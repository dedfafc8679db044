#pragma once

#include "modes/ControlMode.h"

#include <QWidget>

class CCamLabel;
class ImageProcessor;
class QImage;

// The central live-picture area: shows the device state until a camera runs, receives every
// frame from the main window's frame timer, runs the scan mode's corner detection on every third
// frame and hands frame and outline to its CCamLabel.
class CCameraPreview : public QWidget {
    Q_OBJECT

public:
    explicit CCameraPreview(QWidget* parent = nullptr);

    void ShowFrame(const QImage* frame);
    // true: "Opening Device...", false: the no-device picture.
    void SetDeviceState(bool found);
    void ShowPicture();
    void ClosePreview();
    void SetImageProcessor(ImageProcessor* processor);

    // Quarter turns of the document preview (0..3), set by the turn buttons.
    int rotation = 0;
    ControlMode controlMode() const { return m_mode; }
    CCamLabel* label() const { return m_label; }
    bool originSelected() const { return orginSelected; }

public slots:
    void UpdateCurrentControlMode(ControlMode mode);
    void originImgModeSlot();
    void notOriginImgModeSlot();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void detect(const QImage* frame);

    CCamLabel* m_label;
    ControlMode m_mode = DocMode;
    ImageProcessor* m_processor = nullptr;
    int m_detectInterval = 3;
    int m_frameCounter = 0;
    bool orginSelected = false;
};
