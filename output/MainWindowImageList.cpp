// The image list: one thumbnail per file the capture pipeline wrote, its menu and its actions.
#include <QApplication>
#include <QComboBox>
#include <QDebug>
#include <QDesktopServices>
#include <QDrag>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>

#include "app/AppSettings.h"
#include "app/Log.h"
#include "modes/CPreConfigBar.h"
#include "output/ImageFileWriter.h"
#include "ui/MainWindow.h"

namespace {

constexpr int kImageListTab = 2;
const QSize kThumbSize(90, 60);

// Fits the picture into 90 x 60 without decoding it at full size where the format allows it
// (JPEG scales while decoding), so a large capture never sits in memory for a thumbnail.
QImage loadThumbnail(const QString& path) {
    QImageReader reader(path);
    const QSize full = reader.size();
    if (full.isValid()) {
        reader.setScaledSize(full.scaled(kThumbSize, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
        const QImage small = reader.read();
        if (!small.isNull())
            return small.copy();
        reader.setFileName(path);  // start over without the size hint
    }
    const QImage image = reader.read();
    if (image.isNull())
        return QImage();
    return image.scaled(kThumbSize, Qt::KeepAspectRatio, Qt::FastTransformation).copy();
}

}  // namespace

void MainWindow::connectImageList() {
    connect(pListWidget_Images, &QListWidget::itemDoubleClicked, this,
            &MainWindow::Handle_DoubleClickImageItem);
    pListWidget_Images->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pListWidget_Images, &QListWidget::customContextMenuRequested, this,
            &MainWindow::Handle_Right_Zoom_Show_menu);
    connect(pQbtn_ImageItemsSelectAll, &QPushButton::pressed, this,
            &MainWindow::Handle_SelectAllImageItems);
    connect(pQbtn_ImageItemsUnSelectAll, &QPushButton::pressed, this,
            &MainWindow::Handle_UnSelectAllImageItems);
    connect(pQbtn_ImageItemsDelete, &QPushButton::pressed, this,
            &MainWindow::Handle_DeleteSelectedImageItems);
}

void MainWindow::buildImageListMenu() {
    pQmenu_ImageList = new QMenu(this);
    pQmenu_ImageList->setObjectName(QStringLiteral("pQmenu_ImageList"));
    // Copy and the two exports are list actions of their own; they are wired when this window
    // offers their slots.
    const struct {
        QString text;
        const char* slot;
    } entries[] = {{tr("Copy"), "Handle_SelectedImageItemsCopy()"},
                   {tr("Select All"), "Handle_SelectAllImageItems()"},
                   {tr("Output to Pdf"), "Handle_SelectedImageItemsToPdf()"},
                   {tr("Output to Word"), "Handle_SelectedImageItemsToWord()"},
                   {tr("Delect Selectd Items"), "Handle_DeleteSelectedImageItems()"}};
    for (const auto& entry : entries) {
        QAction* action = pQmenu_ImageList->addAction(entry.text);
        const int index = metaObject()->indexOfSlot(entry.slot);
        if (index >= 0)
            connect(action, SIGNAL(triggered()), this,
                    QByteArray("1").append(entry.slot).constData());
        else
            action->setEnabled(false);
    }
}

bool MainWindow::showImageListMenu(const QPoint& p, const QPoint& globalPos) {
    const int W = width();
    const int H = height();
    if (!pQmenu_ImageList || ptabwidget_RightSetZone_Set->currentIndex() != kImageListTab)
        return false;
    if (p.x() <= W - 230 || p.x() >= W - 10 || p.y() <= 150 || p.y() >= H - 70)
        return false;
    pQmenu_ImageList->exec(globalPos);
    return true;
}

void MainWindow::Handle_Right_Zoom_Show_menu(QPoint pos) {
    qDebug() << "Menu Show Position:X" << pos.x() << "Y:" << pos.y();
}

void MainWindow::TakePhotoFinish(QString path) {
    QApplication::beep();
    if (m_dragState == 2)
        dragOutFile(path);
    m_dragState = 0;
    focusCaptureButton();

    const QString normalised = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    // ".gif" files hold real GIF data, which the image library reads directly.
    const QImage thumbnail = loadThumbnail(normalised);
    if (thumbnail.isNull())
        m_log->Write(3, QStringLiteral("Fail to read saved image %1").arg(normalised).toUtf8());

    auto* item =
        new QListWidgetItem(QIcon(QPixmap::fromImage(thumbnail)), QFileInfo(normalised).fileName());
    item->setSizeHint(QSize(90, 80));
    item->setToolTip(normalised);
    item->setForeground(QColor(220, 220, 220, 255));
    pListWidget_Images->addItem(item);

    pListWidget_Images->setIconSize(kThumbSize);
    pListWidget_Images->setSpacing(5);
    pListWidget_Images->setAutoScroll(true);
    pListWidget_Images->scrollToBottom();
    pListWidget_Images->setAcceptDrops(false);
    ptabwidget_RightSetZone_Set->setCurrentIndex(kImageListTab);

    rescaleSavedFile(normalised);
}

void MainWindow::rescaleSavedFile(const QString& path) {
    if (!m_settings->resolutionSubstitution || !m_preConfigBar)
        return;
    if (m_preConfigBar->CurrentMode() != DocMode || m_preConfigBar->DocOption() != 0)
        return;
    const int tw = m_settings->listedResWidth;
    const int th = m_settings->listedResHeight;
    if (!pCombo_Resolution ||
        pCombo_Resolution->currentText() != QStringLiteral("%1*%2").arg(tw).arg(th))
        return;
    const QImage loaded(path);
    if (loaded.isNull())
        return;
    const QSize target = loaded.width() > loaded.height() ? QSize(tw, th) : QSize(th, tw);
    const QImage scaled = loaded.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QString error;
    if (!ImageFileWriter::write(scaled, path, ImageFileWriter::encoderForSuffix(path), -1,
                                &error)) {
        m_log->Write(3, QStringLiteral("Fail to rescale %1: %2").arg(path, error).toUtf8());
        return;
    }
    qDebug() << "Change to New Res:" << target.width() << "*" << target.height();
}

void MainWindow::dragOutFile(const QString& path) {
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("text/uri-list"),
                  "copy\n" + QUrl::fromLocalFile(path).toEncoded(QUrl::FullyEncoded));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(QPixmap(QStringLiteral(":/new/prefix1/Res/UI/gallery.png")));
    if (drag->exec(Qt::MoveAction) == Qt::MoveAction)
        qDebug() << "Drag MoveAction!";
    else
        qDebug() << "Drag MoveFail!";
}

void MainWindow::Handle_DoubleClickImageItem(QListWidgetItem* item) {
    if (!item)
        return;
    const QString path = item->toolTip();
    if (QFileInfo(path).isFile())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void MainWindow::Handle_SelectAllImageItems() {
    pListWidget_Images->selectAll();
    focusCaptureButton();
}

void MainWindow::Handle_UnSelectAllImageItems() {
    pListWidget_Images->clearSelection();
}

void MainWindow::Handle_DeleteSelectedImageItems() {
    const QList<QListWidgetItem*> selected = pListWidget_Images->selectedItems();
    for (QListWidgetItem* item : selected) {
        const QString path = item->toolTip();
        pListWidget_Images->removeItemWidget(item);
        if (QFileInfo::exists(path) && !QFile::remove(path))
            m_log->Write(3, QStringLiteral("Fail to delete %1").arg(path).toUtf8());
        delete item;
    }
}
