#pragma once

#include <QDialog>
#include <QImage>
#include <QPolygonF>

class QDialogButtonBox;
class QLabel;

// The capture at full size with the page's four corners as handles, for correcting an outline
// the detection got wrong. Dragging a handle shows a loupe of the capture's own pixels and, on
// release, pulls the corner onto the nearest strong edge; the arrow keys move the chosen handle
// by a pixel (ten with Shift), Tab chooses the next one. Enter accepts and Escape cancels.
// Corners stay inside the picture, and an outline whose sides cross is refused with a hint and
// cannot be accepted.
class CornerEditor : public QDialog {
    Q_OBJECT

public:
    // corners: top-left, top-right, bottom-right, bottom-left in picture pixels; anything else
    // (no outline was found) starts from a frame just inside the picture.
    CornerEditor(const QImage& picture, const QPolygonF& corners, QWidget* parent = nullptr);

    // The corners as they stand, in the order given.
    QPolygonF corners() const { return m_corners; }
    // The corners go round the page without crossing: what Enter and OK accept.
    bool outlineUsable() const { return m_usable; }
    static bool usableOutline(const QPolygonF& corners);
    int activeCorner() const { return m_active; }
    // Picture pixels to the widget's and back.
    QPointF toWidget(QPointF picturePoint) const;
    QPointF toPicture(QPointF widgetPoint) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void moveCorner(int index, QPointF picturePoint);
    void outlineChanged();
    void layoutView();
    void drawLoupe(class QPainter& painter) const;
    QRect viewArea() const;

    QImage m_picture;
    QImage m_view;  // m_picture scaled to the view, made once per size
    double m_scale = 1.0;
    QPointF m_origin;
    QPolygonF m_corners;
    int m_active = 0;
    bool m_dragging = false;
    bool m_usable = true;
    QLabel* m_hint = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
