#pragma once

#include <QColor>
#include <QLabel>

#include "modes/ControlMode.h"

class QImage;

// The live picture: scales each frame into the label (never enlarging it unless the user zooms),
// turns it for the document rotation, and draws the detected outline (or the book's centre line)
// over it in the scan mode's colour. The frame itself belongs to the camera interface.
class CCamLabel : public QLabel {
    Q_OBJECT

public:
    explicit CCamLabel(QWidget* parent = nullptr);

    void SetImage(const QImage* frame);
    void SetQuad(const int points[8]);
    void SetBookQuads(const int a[8], const int b[8]);
    void ClearQuads();
    void ResetZoom();
    void SetOverlayColor(const QColor& color);

    // Copied from the container before each frame.
    int rotation = 0;
    // The scan mode the picture is shown for: only documents turn, only books show a centre line.
    ControlMode mode = DocMode;

    // Read by tests and the container.
    double scale() const { return m_scale; }
    double zoomOffset() const { return m_zoomOffset; }
    double displayWidth() const { return m_displayWidth; }
    double displayHeight() const { return m_displayHeight; }
    QColor overlayColor() const { return m_overlayColor; }
    const int* quad() const { return m_quad; }
    const int* bookQuadA() const { return m_bookA; }
    const int* bookQuadB() const { return m_bookB; }
    // The outline polygon in label coordinates as it is drawn (empty when none), and the x of the
    // book centre line (-1 when none).
    QPolygon outlinePolygon() const;
    int centreLineX() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int pictureX0() const;
    int pictureY0() const;

    QColor m_overlayColor{40, 164, 255, 255};
    int m_penWidth = 3;
    int m_quad[8] = {};
    int m_bookA[8] = {};
    int m_bookB[8] = {};
    double m_scale = 1.0;
    double m_displayWidth = 0;
    double m_displayHeight = 0;
    double m_zoomOffset = 0.0;
};
