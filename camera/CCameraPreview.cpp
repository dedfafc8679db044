#include "camera/CCameraPreview.h"

#include "camera/CCamLabel.h"
#include "camera/OutlineWatcher.h"
#include "modes/ImageProcessor.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>

#include <algorithm>
#include <memory>

CCameraPreview::CCameraPreview(QWidget* parent)
    : QWidget(parent), m_label(new CCamLabel()), m_watcher(std::make_unique<OutlineWatcher>()) {
    connect(m_watcher.get(), &OutlineWatcher::detected, this, &CCameraPreview::showOutline);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_label, 0, 0);
    m_label->setText(tr("Finding device..."));
    setStyleSheet("background-color:#1F242A;");
}

CCameraPreview::~CCameraPreview() = default;

void CCameraPreview::UpdateCurrentControlMode(ControlMode mode) {
    if (mode != m_mode) {
        ++m_ticket;
        m_steadier.reset();
    }
    m_mode = mode;
    switch (mode) {
        case DocMode:
            m_label->SetOverlayColor(QColor(40, 164, 255, 255));
            break;
        case IDMode:
            m_label->SetOverlayColor(QColor(250, 180, 10, 255));
            break;
        case SheetMode:
            m_label->SetOverlayColor(QColor(255, 0, 0, 255));
            break;
        case BookMode:
            m_label->SetOverlayColor(QColor(0, 0, 255, 255));
            break;
        default:
            break;  // residence mode keeps the previous colour
    }
}

void CCameraPreview::originImgModeSlot() {
    orginSelected = true;
}

void CCameraPreview::notOriginImgModeSlot() {
    orginSelected = false;
}

void CCameraPreview::SetImageProcessor(std::shared_ptr<ImageProcessor> processor) {
    m_processor = std::move(processor);
    ++m_ticket;
}

void CCameraPreview::SetDeviceState(bool found) {
    if (found) {
        m_label->setText(tr("Opening Device..."));
    } else {
        m_label->setPixmap(QPixmap(":/new/prefix1/Res/UI/NoDevice.png"));
    }
}

void CCameraPreview::ShowPicture() {
    m_label->setVisible(true);
}

void CCameraPreview::ClosePreview() {
    m_frameCounter = 0;
    ++m_ticket;
    m_label->setVisible(false);
    m_label->ClearQuads();
    m_label->ResetZoom();
    m_freezeArmed = false;
    m_steadier.reset();
}

void CCameraPreview::ShowFrame(const QImage* frame) {
    if (!frame)
        return;
    m_label->rotation = rotation;
    if (m_mode != ResidenceMode)
        m_label->mode = m_mode;
    if (++m_frameCounter >= m_detectInterval) {
        m_frameCounter = 0;
        detect(frame);
    }
    m_label->setVisible(true);
    m_label->SetImage(frame);
    if (m_freezeArmed)
        freeze(*frame);
}

void CCameraPreview::freeze(const QImage& frame) {
    m_freezeArmed = false;
    QImage copy = frame.copy();
    QPolygonF outline;
    if (m_processor) {
        std::unique_ptr<int[]> points(m_processor->DetectDocCorners(&copy));
        outline = ImageProcessor::OutlineOf(points.get());
    }
    emit outlineFreezeRequested(copy, outline);
}

void CCameraPreview::detect(const QImage* shown) {
    // Without the image-processing object nothing is detected and no outline is drawn.
    if (!m_processor || m_mode == ResidenceMode)
        return;
    m_watcher->submit(*shown, m_mode, m_ticket, m_processor);
}

void CCameraPreview::showOutline(OutlineWatcher::Found found) {
    if (found.ticket != m_ticket)
        return;  // found for a picture that is no longer shown this way
    const QSize frame = found.frameSize;
    const bool valid = found.valid;
    const ControlMode mode = found.mode;
    int* quad = found.quad.data();
    switch (mode) {
        case IDMode:
            if (valid)
                m_label->SetQuad(quad);
            break;
        case BookMode:
            if (valid)
                m_label->SetBookQuads(quad, found.second.data());
            break;
        case DocMode:
        case SheetMode: {
            if (!valid)
                break;
            if (std::all_of(quad, quad + 8, [](int v) { return v == 0; }))
                m_steadier.reset();
            else
                m_steadier.steady(quad, frame.width(), frame.height());
            if (mode == DocMode) {
                const int w = frame.width(), h = frame.height();
                for (int i = 0; i < 4; ++i) {
                    const int x = quad[2 * i], y = quad[2 * i + 1];
                    int nx = x, ny = y;
                    if (rotation == 1) {
                        nx = h - y;
                        ny = x;
                    } else if (rotation == 2) {
                        nx = w - x;
                        ny = h - y;
                    } else if (rotation == 3) {
                        nx = y;
                        ny = w - x;
                    }
                    quad[2 * i] = nx;
                    quad[2 * i + 1] = ny;
                }
            }
            const int none[8] = {};
            m_label->SetQuad(orginSelected ? none : quad);
            break;
        }
        default:
            break;
    }
    emit outlineShown();
}

void CCameraPreview::contextMenuEvent(QContextMenuEvent* event) {
    // Only while a camera shows a picture in a mode that cuts a page along its outline.
    if ((m_mode != DocMode && m_mode != SheetMode) || !m_label->isVisible() || orginSelected) {
        event->ignore();
        return;
    }
    event->accept();
    m_freezeArmed = true;
}

void CCameraPreview::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    painter.drawText(QPoint(10, 10), tr("Camera View"));
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
