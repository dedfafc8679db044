#include "ui/Dialog_Navigate.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

Dialog_Navigate::Dialog_Navigate(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("Dialog_Navigate"));
    setWindowTitle(tr("Dialog"));
    // No window type among the flags: the tour is a child widget painted over the main window,
    // so it moves and minimises with it and never becomes a window of its own.
    setWindowFlags(Qt::FramelessWindowHint);
    move(0, 0);
    resize(kWidth, kHeight);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label_img"));
    m_label->setGeometry(0, 0, kWidth, kHeight);
    showPicture(1);
    // Escape reaches a child dialog only while it has the keyboard focus.
    setFocusPolicy(Qt::StrongFocus);
}

void Dialog_Navigate::showPicture(int number) {
    static const QString pictures[] = {QStringLiteral(":/new/prefix1/Res/UI/Help1.png"),
                                       QStringLiteral(":/new/prefix1/Res/UI/Help2.png"),
                                       QStringLiteral(":/new/prefix1/Res/UI/Help3.png")};
    m_picture = pictures[qBound(1, number, 3) - 1];
    // A picture missing from the resources leaves the label empty; the clicks still count.
    m_label->setPixmap(QPixmap(m_picture));
}

void Dialog_Navigate::mousePressEvent(QMouseEvent* event) {
    event->accept();
    ++m_clicks;
    if (m_clicks >= 4)
        close();
    if (m_clicks == 1)
        showPicture(2);
    else if (m_clicks == 2)
        showPicture(3);
}
