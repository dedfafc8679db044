// Window-level input: dragging the frameless window by its top strip, and the entry points of the
// keyboard shortcuts, the capture gesture and the image-list context menu.
#include <QContextMenuEvent>
#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/MainWindow.h"

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
    // CAPTURE: the capture gesture resets its state here, before the checks below.
    m_dragState = 0;
    if (inWindow == QPoint(0, 0))
        return;
    if (inWindow.y() >= -kDragStripHeight && inWindow.y() <= kDragStripHeight) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - pos();
        event->accept();
        return;
    }
    // CAPTURE: a press lower in the window arms the capture gesture here.
    if (capturePress(event))
        return;
    QMainWindow::mousePressEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging && event->buttons() != Qt::NoButton && !m_maximised) {
        move(event->globalPos() - m_dragOffset);
        event->accept();
        return;
    }
    // CAPTURE: an armed capture gesture fires here once the pointer has travelled far enough.
    captureMove(event);
    QMainWindow::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    m_dragging = false;
    // CAPTURE: the gesture's press point is cleared here.
    captureRelease();
    qDebug() << "Mouse Release;";
    QMainWindow::mouseReleaseEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_C) {
        qDebug() << "Key:Ctrl+C";
        // LIST: Handle_SelectedImageItemsCopy();
        return;
    }
    const bool keypadEnter =
        event->key() == Qt::Key_Enter && (event->modifiers() & Qt::KeypadModifier);
    if (event->key() == Qt::Key_Space || keypadEnter) {
        qDebug() << "Key:Space";
        Qbtn_TakePhoto_Clicked();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    // LIST: the image-list menu opens here, on the image-list tab only.
    if (showImageListMenu(event->pos(), event->globalPos())) {
        event->accept();
        return;
    }
    QMainWindow::contextMenuEvent(event);
}
