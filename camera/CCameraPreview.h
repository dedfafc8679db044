#pragma once

#include "camera/OutlineSteadier.h"
#include "modes/ControlMode.h"

#include <QImage>
#include <QPolygonF>
#include <QWidget>

class CCamLabel;
class ImageProcessor;

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

signals:
    // A right click on the picture in document or sheet mode: the next frame and the outline
    // detected on it (top-left, top-right, bottom-right, bottom-left in its pixels; empty
    // when none was found), to be corrected before the capture.
    void outlineFreezeRequested(const QImage& frame, const QPolygonF& outline);

public slots:
    void UpdateCurrentControlMode(ControlMode mode);
    void originImgModeSlot();
    void notOriginImgModeSlot();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void detect(const QImage* frame);
    void freeze(const QImage& frame);

    CCamLabel* m_label;
    ControlMode m_mode = DocMode;
    ImageProcessor* m_processor = nullptr;
    int m_detectInterval = 3;
    int m_frameCounter = 0;
    bool orginSelected = false;
    // A right click asks for the next frame: frames live in the camera's buffer, which the
    // next tick overwrites, so the one the editor gets is copied as it arrives.
    bool m_freezeArmed = false;
    OutlineSteadier m_steadier;
};
