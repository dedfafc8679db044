#include "camera/CaptureController.h"

#include <QApplication>
#include <QDebug>
#include <QDrag>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "app/LogCategories.h"
#include "camera/DeviceController.h"
#include "camera/CameraPage.h"
#include "output/FileListMime.h"

namespace {
// How far the pointer travels (beyond the desktop's drag distance) before the gesture captures.
constexpr int kGestureTravel = 100;
// Presses in the lower left of a window that is not maximised arm the gesture.
constexpr int kGestureMinY = 150;
constexpr int kGestureMaxX = 500;
}  // namespace

CaptureController::CaptureController(DeviceController* device, CameraPage* page, Controls controls,
                                     QObject* parent)
    : QObject(parent),
      m_device(device),
      m_page(page),
      m_controls(controls),
      m_seriesTimer(new QTimer(this)) {
    connect(m_seriesTimer, &QTimer::timeout, this, &CaptureController::seriesTick);
}

void CaptureController::trigger() {
    if (!m_device->previewRunning()) {
        emit captureRefused(notRunningText());
        return;
    }
    if (m_page->seriesSeconds() == 0) {
        m_seriesInterval = -1;
        requestCapture();
        return;
    }
    if (m_seriesInterval > 0) {
        stopSeries();
        return;
    }
    m_controls.stopSeries->show();
    qCDebug(lcCapture) << "StartTakePhoto";
    m_seriesInterval = m_page->seriesSeconds();
    m_page->lockForSeries(true);
    m_seriesElapsed = 0;
    m_seriesTimer->start(1000);
}

void CaptureController::seriesTick() {
    if (m_seriesInterval < 0)
        return;
    ++m_seriesElapsed;
    m_controls.countdown->setText(QString::number(m_seriesInterval - m_seriesElapsed + 1));
    if (m_seriesElapsed > m_seriesInterval) {
        m_controls.countdown->setPixmap(QPixmap(QStringLiteral(":/new/prefix1/ICO/Waitting.png")));
        m_seriesElapsed = 0;
        requestCapture();
    }
}

QString CaptureController::notRunningText() const {
    return tr("The camera is not running — nothing captured");
}

void CaptureController::requestCapture() {
    if (m_device->requestCapture())
        return;
    if (!m_device->previewRunning())
        emit captureRefused(notRunningText());
    else
        emit captureRefused(tr("Too many captures are waiting — this one was not taken"));
}

void CaptureController::stopSeries() {
    m_seriesInterval = -1;
    m_page->lockForSeries(false);
    m_seriesTimer->stop();
    // clear(), not setText(""): the label holding the hourglass has an empty text already, and
    // setting the same text again would leave the picture in place.
    m_controls.countdown->clear();
    m_controls.stopSeries->hide();
}

void CaptureController::captureDelivered() {
    m_controls.capture->setEnabled(true);
}

bool CaptureController::gesturePress(const QPoint& globalPos, const QPoint& windowPos,
                                     bool maximised) {
    const QPoint p = globalPos - windowPos;
    if (p.y() <= kGestureMinY || p.x() >= kGestureMaxX || maximised)
        return false;
    qCDebug(lcCapture) << "Test Target Click";
    m_pressPoint = globalPos;
    m_gesture = Armed;
    qCDebug(lcCapture) << "DragWattingMouseRelease";
    return true;
}

void CaptureController::gestureMove(const QPoint& globalPos) {
    if (m_gesture != Armed)
        return;
    const int travel =
        (globalPos - m_pressPoint).manhattanLength() - QApplication::startDragDistance();
    if (travel <= kGestureTravel)
        return;
    m_gesture = Fired;
    qCDebug(lcCapture) << "DragWatingTakingPhoto;";
    // Without a running preview no capture can arrive to enable the button again.
    const bool canArrive = m_device->previewRunning();
    trigger();
    if (canArrive)
        m_controls.capture->setEnabled(false);
}

void CaptureController::gestureRelease() {
    m_pressPoint = QPoint(0, 0);
}

void CaptureController::fileSaved(const QString& path, QObject* dragSource) {
    if (m_gesture == Fired)
        dragOut(path, dragSource);
    m_gesture = Idle;
}

void CaptureController::dragOut(const QString& path, QObject* dragSource) {
    auto* drag = new QDrag(dragSource);
    drag->setMimeData(FileListMime::create({path}));
    drag->setPixmap(QPixmap(QStringLiteral(":/new/prefix1/Res/UI/gallery.png")));
    if (drag->exec(Qt::MoveAction) == Qt::MoveAction)
        qCDebug(lcCapture) << "Drag MoveAction!";
    else
        qCDebug(lcCapture) << "Drag MoveFail!";
}
