#include "camera/CCamLabel.h"

#include "camera/PreviewScaler.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTransform>
#include <QWheelEvent>

#include <cstring>

namespace {
int sum8(const int* v) {
    int s = 0;
    for (int i = 0; i < 8; ++i)
        s += v[i];
    return s;
}
}  // namespace

CCamLabel::CCamLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    QFont f = font();
    f.setPointSize(16);
    setFont(f);
}

void CCamLabel::SetImage(const QImage* frame) {
    if (!frame || frame->isNull())
        return;
    // A label without a size yet (hidden, or before the first layout) cannot place a picture;
    // it shows nothing rather than dividing by zero.
    if (width() <= 0 || height() <= 0)
        return;
    const int rw = frame->width() / width();
    const int rh = frame->height() / height();
    double scale = qMax(rw, rh);
    // The integer ratio plus one always fits the frame into the label. A ratio of exactly 1 (a
    // frame up to twice the label) needs that step too, or the picture is shown at full size and
    // its edges are cut off; only a frame that already fits is shown unscaled.
    const bool fits = frame->width() <= width() && frame->height() <= height();
    scale = scale > 1 || (scale == 1 && !fits) ? scale + 1 : 1.0;
    m_scale = scale + m_zoomOffset;
    m_displayWidth = frame->width() / m_scale;
    m_displayHeight = frame->height() / m_scale;

    QTransform turn;
    if (mode == DocMode) {
        if (rotation == 1)
            turn.rotate(90);
        else if (rotation == 2)
            turn.rotate(180);
        else if (rotation != 0)
            turn.rotate(270);
    }
    // A scale at or below 0 (zoomed far in) gives no sensible size: the last picture stays. The
    // same when zooming in would build a picture far beyond what the label can show (a 3264 x
    // 2448 frame at scale 0.2 would need 800 MB), so the wheel cannot exhaust memory.
    if (m_scale <= 1e-9 || m_displayWidth < 1 || m_displayHeight < 1)
        return;
    const double limit = qMax(4.0 * width() * height(), double(frame->width()) * frame->height());
    if (m_displayWidth * m_displayHeight > limit)
        return;
    const QPixmap pixmap = QPixmap::fromImage(frame->scaled(
        int(m_displayWidth), int(m_displayHeight), Qt::KeepAspectRatio, Qt::FastTransformation));
    if (pixmap.isNull())
        return;
    setPixmap(rotation == 0 || mode != DocMode
                  ? pixmap
                  : pixmap.transformed(turn, Qt::SmoothTransformation));
}

void CCamLabel::SetQuad(const int points[8]) {
    std::memset(m_bookA, 0, sizeof m_bookA);
    std::memset(m_bookB, 0, sizeof m_bookB);
    std::memcpy(m_quad, points, sizeof m_quad);
    update();
}

void CCamLabel::SetBookQuads(const int a[8], const int b[8]) {
    std::memset(m_quad, 0, sizeof m_quad);
    std::memcpy(m_bookA, a, sizeof m_bookA);
    std::memcpy(m_bookB, b, sizeof m_bookB);
    update();
}

void CCamLabel::ClearQuads() {
    std::memset(m_quad, 0, sizeof m_quad);
    std::memset(m_bookA, 0, sizeof m_bookA);
    std::memset(m_bookB, 0, sizeof m_bookB);
    update();
}

void CCamLabel::ResetZoom() {
    m_zoomOffset = 0.0;
}

void CCamLabel::SetOverlayColor(const QColor& color) {
    m_overlayColor = color;
}

void CCamLabel::wheelEvent(QWheelEvent* event) {
    // One step per event, whatever its size; the new scale applies from the next frame.
    if (event->angleDelta().y() < 1)
        m_zoomOffset += 0.2;
    else
        m_zoomOffset -= 0.2;
    event->accept();
}

int CCamLabel::pictureX0() const {
    const bool turned = mode == DocMode && (rotation == 1 || rotation == 3);
    return int((width() - (turned ? m_displayHeight : m_displayWidth)) * 0.5);
}

int CCamLabel::pictureY0() const {
    const bool turned = mode == DocMode && (rotation == 1 || rotation == 3);
    return int((height() - (turned ? m_displayWidth : m_displayHeight)) * 0.5);
}

int CCamLabel::centreLineX() const {
    if (mode != BookMode && sum8(m_bookA) == 0 && sum8(m_bookB) == 0)
        return -1;
    return int(pictureX0() + m_displayWidth * 0.5);
}

QPolygon CCamLabel::outlinePolygon() const {
    QPolygon polygon;
    if (sum8(m_quad) == 0 || m_scale <= 0)
        return polygon;
    const int x0 = pictureX0(), y0 = pictureY0();
    // Points 3, 1, 4, 2 (counting from 1): the order that makes the detector's corners convex.
    for (int n : {3, 1, 4, 2}) {
        const int x = m_quad[2 * n - 2], y = m_quad[2 * n - 1];
        polygon << QPoint(int(x / m_scale + x0), int(y / m_scale + y0));
    }
    return polygon;
}

void CCamLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    QPen pen(m_overlayColor, m_penWidth, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(
        QColor(m_overlayColor.red(), m_overlayColor.green(), m_overlayColor.blue(), 35));
    painter.setOpacity(1.0);
    painter.setRenderHint(QPainter::Antialiasing, true);

    const int lineX = centreLineX();
    if (lineX >= 0) {
        const QPoint line[2] = {QPoint(lineX, 0), QPoint(lineX, height())};
        painter.drawConvexPolygon(line, 2);
    }
    const QPolygon outline = outlinePolygon();
    if (!outline.isEmpty())
        painter.drawConvexPolygon(outline);
}
