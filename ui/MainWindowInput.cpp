// Window-level input: dragging the frameless window by its top strip, and the entry points of the
// keyboard shortcuts, the capture gesture and the image-list context menu.
#include <QContextMenuEvent>
#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/LogCategories.h"
#include "camera/CaptureController.h"
#include "output/ImageListPanel.h"
#include "ui/CaptureKeyFilter.h"
#include "ui/MainWindow.h"
#include "ui/SettingsPanel.h"

namespace {
// Presses this close to the window's top edge move the window; lower presses belong to the
// capture gesture.
constexpr int kDragStripHeight = 40;
}  // namespace

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QMainWindow::mousePressEvent(event);
        return;
    }
    const QPoint inWindow = event->globalPos() - pos();
    // The capture gesture starts over with every press, before the checks below.
    m_captures->resetGesture();
    if (inWindow == QPoint(0, 0))
        return;
    if (inWindow.y() >= -kDragStripHeight && inWindow.y() <= kDragStripHeight) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - pos();
        event->accept();
        return;
    }
    // A press lower in the window arms the capture gesture.
    if (m_captures->gesturePress(event->globalPos(), pos(), isMaximized())) {
        event->accept();
        return;
    }
    QMainWindow::mousePressEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging && event->buttons() != Qt::NoButton && !m_maximised) {
        move(event->globalPos() - m_dragOffset);
        event->accept();
        return;
    }
    // An armed capture gesture fires once the pointer has travelled far enough.
    m_captures->gestureMove(event->globalPos());
    QMainWindow::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    m_dragging = false;
    m_captures->gestureRelease();
    qCDebug(lcWindow) << "Mouse Release;";
    QMainWindow::mouseReleaseEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_C) {
        qCDebug(lcWindow) << "Key:Ctrl+C";
        Handle_SelectedImageItemsCopy();
        return;
    }
    // Delete acts like the list's delete button, while the list is in view; a text field with
    // the focus takes the key itself.
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier &&
        m_panel->isTabShown(SettingsPanel::ImageListTab)) {
        Handle_DeleteSelectedImageItems();
        return;
    }
    // The capture keys normally never get here: the capture-key filter takes them first,
    // wherever the focus is. This covers a window without it.
    if (CaptureKeyFilter::isCaptureKey(event)) {
        captureKeyPressed();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::captureKeyPressed() {
    qCDebug(lcWindow) << "Key:Space";
    Qbtn_TakePhoto_Clicked();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    // The image-list menu opens on the image-list tab only.
    if (showImageListMenu(event->pos(), event->globalPos())) {
        event->accept();
        return;
    }
    QMainWindow::contextMenuEvent(event);
}

bool MainWindow::showImageListMenu(const QPoint& p, const QPoint& globalPos) {
    if (!m_panel->isTabShown(SettingsPanel::ImageListTab))
        return false;
    // Over the list itself: right of the preview, below the folder row, above the list buttons.
    if (p.x() <= width() - 230 || p.x() >= width() - 10 || p.y() <= 150 || p.y() >= height() - 70)
        return false;
    m_panel->imageList()->execMenu(globalPos);
    return true;
}
