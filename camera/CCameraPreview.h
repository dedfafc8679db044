#pragma once

#include "camera/OutlineSteadier.h"
#include "camera/OutlineWatcher.h"
#include "modes/ControlMode.h"

#include <QImage>
#include <QPolygonF>
#include <QWidget>

#include <memory>

class CCamLabel;
class ImageProcessor;

// The central live-picture area: shows the device state until a camera runs, receives every
// frame from the main window's frame timer, has the scan mode's corner detection run on every
// third frame (off the GUI thread) and hands frame and outline to its CCamLabel.
class CCameraPreview : public QWidget {
    Q_OBJECT

public:
    explicit CCameraPreview(QWidget* parent = nullptr);
    ~CCameraPreview() override;

    void ShowFrame(const QImage* frame);
    // true: "Opening Device...", false: the no-device picture.
    void SetDeviceState(bool found);
    void ShowPicture();
    void ClosePreview();
    // Shared, because a detection under way on the watcher's thread keeps using it.
    void SetImageProcessor(std::shared_ptr<ImageProcessor> processor);

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
    // A detection finished and its outline (perhaps none) is on the label.
    void outlineShown();

public slots:
    void UpdateCurrentControlMode(ControlMode mode);
    void originImgModeSlot();
    void notOriginImgModeSlot();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void detect(const QImage* frame);
    // Draws what the watcher found; taken by value because the outline is turned in place.
    void showOutline(OutlineWatcher::Found found);
    void freeze(const QImage& frame);

    CCamLabel* m_label;
    ControlMode m_mode = DocMode;
    std::shared_ptr<ImageProcessor> m_processor;
    std::unique_ptr<OutlineWatcher> m_watcher;
    // Raised whenever an outline found before would no longer fit: a closed preview, another
    // mode or processor. A detection submitted before is then not shown.
    quint64 m_ticket = 0;
    int m_detectInterval = 3;
    int m_frameCounter = 0;
    bool orginSelected = false;
    // A right click asks for the next frame: frames live in the camera's buffer, which the
    // next tick overwrites, so the one the editor gets is copied as it arrives.
    bool m_freezeArmed = false;
    OutlineSteadier m_steadier;
};
