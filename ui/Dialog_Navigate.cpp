#include "ui/Dialog_Navigate.h"

#include "app/Language.h"

#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

const QString Dialog_Navigate::kPictureFolder = QStringLiteral(":/new/prefix1/Res/UI");

Dialog_Navigate::Dialog_Navigate(QWidget* mainWindow, const QString& pictureFolder,
                                 const QString& language)
    : QDialog(mainWindow), m_folder(pictureFolder), m_language(language) {
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

QString Dialog_Navigate::currentLanguage() {
    QString file = Language::translationFileFor(Language::storedValue());
    file.chop(3);  // ".qm"
    return file;
}

QString Dialog_Navigate::picturePath(int number, const QString& language,
                                     const QString& pictureFolder) {
    const QString name = QStringLiteral("/Help%1.png").arg(qBound(1, number, kPictures));
    const QString own = pictureFolder + QStringLiteral("/Help/") + language + name;
    if (!language.isEmpty() && QFileInfo::exists(own))
        return own;
    return pictureFolder + name;
}

void Dialog_Navigate::showPicture(int number) {
    m_picture = picturePath(number, m_language, m_folder);
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
