#include "ui/CornerEditor.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "modes/EdgeSnap.h"

namespace {

constexpr double kGrab = 18.0;       // widget pixels around a handle that pick it up
constexpr int kSnapRadius = 8;       // widget pixels a released corner may travel to an edge
constexpr int kLoupeRadius = 80;     // widget pixels
constexpr double kLoupeZoom = 4.0;   // times the view's own scale
constexpr double kMinSide = 8.0;     // picture pixels: shorter sides are no outline
constexpr double kMaxUpscale = 2.0;  // a small capture is enlarged no more than this

// z of the cross product of (b - a) and (c - b): positive where the outline turns clockwise on
// screen (y grows downwards).
double turn(QPointF a, QPointF b, QPointF c) {
    return (b.x() - a.x()) * (c.y() - b.y()) - (b.y() - a.y()) * (c.x() - b.x());
}

}  // namespace

CornerEditor::CornerEditor(const QImage& picture, const QPolygonF& corners, QWidget* parent)
    : QDialog(parent), m_picture(picture), m_corners(corners) {
    setObjectName(QStringLiteral("CornerEditor"));
    setWindowTitle(tr("Adjust corners"));
    if (m_corners.size() != 4) {
        const double w = std::max(1, m_picture.width() - 1),
                     h = std::max(1, m_picture.height() - 1);
        const double mx = w * 0.05, my = h * 0.05;
        m_corners = QPolygonF({{mx, my}, {w - mx, my}, {w - mx, h - my}, {mx, h - my}});
    }
    for (int i = 0; i < 4; ++i)
        moveCorner(i, m_corners[i]);

    m_hint = new QLabel(this);
    m_hint->setMinimumWidth(300);
    m_hint->setObjectName(QStringLiteral("pLbl_CornerHint"));
    m_hint->setWordWrap(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    for (QAbstractButton* b : m_buttons->buttons())
        b->setFocusPolicy(Qt::NoFocus);  // the keys belong to the handles
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* bar = new QHBoxLayout;
    bar->addWidget(m_hint, 1);
    bar->addWidget(m_buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(bar);
    setFocusPolicy(Qt::StrongFocus);

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() * 0.9 : QSize(1200, 900);
    resize(room);
    outlineChanged();
}

QRect CornerEditor::viewArea() const {
    // Above the bar of hint and buttons, whether or not the layout has placed it yet.
    const int bar = std::max(m_buttons->sizeHint().height(), m_hint->sizeHint().height()) + 24;
    return QRect(8, 8, std::max(1, width() - 16), std::max(1, height() - bar - 8));
}

void CornerEditor::layoutView() {
    if (m_picture.isNull())
        return;
    const QRect area = viewArea();
    const double scale = std::min({double(area.width()) / m_picture.width(),
                                   double(area.height()) / m_picture.height(), kMaxUpscale});
    const QSize size(std::max(1, int(m_picture.width() * scale)),
                     std::max(1, int(m_picture.height() * scale)));
    if (size != m_view.size()) {
        // Reduced in one smooth step from the full capture: the view is what the user judges
        // the page's border on.
        m_view = m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    m_scale = double(m_view.width()) / m_picture.width();
    m_origin = QPointF(area.x() + (area.width() - m_view.width()) / 2.0,
                       area.y() + (area.height() - m_view.height()) / 2.0);
}

QPointF CornerEditor::toWidget(QPointF p) const {
    return m_origin + p * m_scale;
}

QPointF CornerEditor::toPicture(QPointF p) const {
    return (p - m_origin) / m_scale;
}

bool CornerEditor::usableOutline(const QPolygonF& c) {
    if (c.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        const QPointF d = c[(i + 1) % 4] - c[i];
        if (std::hypot(d.x(), d.y()) < kMinSide)
            return false;
        // Every corner turns the same way, the way the corners were listed: a convex outline
        // running round the page. A crossed or folded one turns back somewhere.
        if (turn(c[i], c[(i + 1) % 4], c[(i + 2) % 4]) <= 0)
            return false;
    }
    return true;
}

void CornerEditor::moveCorner(int index, QPointF p) {
    const double maxX = std::max(0, m_picture.width() - 1);
    const double maxY = std::max(0, m_picture.height() - 1);
    // Whole pixels: the library cuts along integer corners.
    m_corners[index] =
        QPointF(std::clamp(std::round(p.x()), 0.0, maxX), std::clamp(std::round(p.y()), 0.0, maxY));
}

void CornerEditor::outlineChanged() {
    m_usable = usableOutline(m_corners);
    if (m_buttons)
        m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_usable);
    if (m_hint) {
        m_hint->setText(m_usable ? tr("Drag the corners onto the page's corners; the arrow keys "
                                      "move the chosen one. Enter accepts, Escape cancels.")
                                 : tr("The corners cross: move them so that the outline runs "
                                      "round the page."));
        m_hint->setStyleSheet(m_usable ? QString() : QStringLiteral("color:#FF5A5A"));
    }
    update();
}

void CornerEditor::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layoutView();
}

void CornerEditor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x26, 0x2B, 0x30));
    painter.drawImage(m_origin, m_view);
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF outline;
    for (const QPointF& c : m_corners)
        outline << toWidget(c);
    const QColor colour = m_usable ? QColor(0x28, 0xA4, 0xFF) : QColor(0xFF, 0x5A, 0x5A);
    painter.setPen(QPen(colour, 2));
    painter.drawPolygon(outline);
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(i == m_active ? colour : QColor(255, 255, 255, 90));
        painter.drawEllipse(outline[i], 7, 7);
    }
    if (m_dragging)
        drawLoupe(painter);
}

void CornerEditor::drawLoupe(QPainter& painter) const {
    const QPointF at = toWidget(m_corners[m_active]);
    // Beside the handle, away from the hand, and inside the window.
    QPointF centre = at + QPointF(-1.6, -1.6) * kLoupeRadius;
    if (centre.x() < kLoupeRadius)
        centre.setX(at.x() + 1.6 * kLoupeRadius);
    if (centre.y() < kLoupeRadius)
        centre.setY(at.y() + 1.6 * kLoupeRadius);
    const double zoom = m_scale * kLoupeZoom;
    const double half = kLoupeRadius / zoom;
    const QRectF source(m_corners[m_active] - QPointF(half, half), QSizeF(2 * half, 2 * half));
    const QRectF target(centre - QPointF(kLoupeRadius, kLoupeRadius),
                        QSizeF(2 * kLoupeRadius, 2 * kLoupeRadius));
    QPainterPath circle;
    circle.addEllipse(target);
    painter.save();
    painter.setClipPath(circle);
    painter.fillRect(target, Qt::black);
    painter.drawImage(target, m_picture, source);
    painter.setPen(QPen(QColor(0x28, 0xA4, 0xFF), 1));
    painter.drawLine(QPointF(centre.x() - 12, centre.y()), QPointF(centre.x() + 12, centre.y()));
    painter.drawLine(QPointF(centre.x(), centre.y() - 12), QPointF(centre.x(), centre.y() + 12));
    painter.restore();
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(target);
}

void CornerEditor::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QDialog::mousePressEvent(event);
    int nearest = -1;
    double best = kGrab;
    for (int i = 0; i < 4; ++i) {
        const QPointF d = toWidget(m_corners[i]) - event->localPos();
        const double distance = std::hypot(d.x(), d.y());
        if (distance <= best) {
            best = distance;
            nearest = i;
        }
    }
    if (nearest < 0)
        return;
    m_active = nearest;
    m_dragging = true;
    update();
}

void CornerEditor::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging)
        return;
    moveCorner(m_active, toPicture(event->localPos()));
    outlineChanged();
}

void CornerEditor::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    const int radius = std::max(1, int(std::lround(kSnapRadius / m_scale)));
    moveCorner(m_active, EdgeSnap::snap(m_picture, toPicture(event->localPos()), radius));
    outlineChanged();
}

void CornerEditor::keyPressEvent(QKeyEvent* event) {
    const double step = event->modifiers() & Qt::ShiftModifier ? 10.0 : 1.0;
    QPointF d;
    switch (event->key()) {
        case Qt::Key_Left:
            d = {-step, 0};
            break;
        case Qt::Key_Right:
            d = {step, 0};
            break;
        case Qt::Key_Up:
            d = {0, -step};
            break;
        case Qt::Key_Down:
            d = {0, step};
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Nothing happens on a crossed outline: the hint says why.
            if (m_usable)
                accept();
            return;
        default:
            return QDialog::keyPressEvent(event);
    }
    moveCorner(m_active, m_corners[m_active] + d);
    outlineChanged();
}

bool CornerEditor::focusNextPrevChild(bool next) {
    m_active = (m_active + (next ? 1 : 3)) % 4;
    update();
    return true;
}
