#include "output/ImageListPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "app/Log.h"
#include "app/LogCategories.h"
#include "app/PanelWidgets.h"
#include "output/Dialog_ImagesOutPut.h"
#include "output/FileListMime.h"
#include "output/ImageCaptionDelegate.h"
#include "output/ImageListModel.h"
#include "output/ImagePrinter.h"

using namespace PanelWidgets;

ImageListPanel::ImageListPanel(AppSettings* settings, Log* log, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_log(log), m_model(new ImageListModel(this)) {
    setObjectName("pQWid_ImageListPage");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);

    auto* pathTitle = new QLabel(tr("Img Path:"), this);
    pathTitle->setObjectName("pLbl_ImgPathTitle");
    pathTitle->setCursor(Qt::PointingHandCursor);
    grid->addWidget(pathTitle, 0, 0, 1, 4, Qt::AlignLeft | Qt::AlignVCenter);

    pLbl_BaseDir = new QLabel(this);
    pLbl_BaseDir->setObjectName("pLbl_BaseDir");
    // Long folder names must not widen the zone beyond its maximum width.
    pLbl_BaseDir->setWordWrap(true);
    grid->addWidget(pLbl_BaseDir, 1, 0, 1, 4, Qt::AlignCenter);

    m_view = new QListView(this);
    m_view->setObjectName("pListWidget_Images");
    m_view->setModel(m_model);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Icon mode switches dragging on, so it is switched off afterwards: the window runs its own
    // drag of newly saved files.
    m_view->setViewMode(QListView::IconMode);
    m_view->setDragEnabled(false);
    m_view->setAcceptDrops(false);
    m_view->setIconSize(ImageListModel::kThumbnailSize);
    m_view->setSpacing(5);
    m_view->setAutoScroll(true);
    m_view->setStyleSheet(
        "QListView::item:selected{background:white; color:#28A4FF; border:1px solid white }");
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    // Names of one capture series differ at their end: keep both ends in view.
    m_view->setTextElideMode(Qt::ElideMiddle);
    m_view->setWordWrap(false);
    m_view->setItemDelegate(new ImageCaptionDelegate(m_view));
    grid->addWidget(m_view, 4, 0, 1, 4);
    buildActionButtons(grid);

    for (int c = 0; c < 4; ++c)
        grid->setColumnStretch(c, 1);
    const int rowStretch[] = {1, 1, 1, 1, 26, 1};
    for (int r = 0; r < 6; ++r)
        grid->setRowStretch(r, rowStretch[r]);

    connect(m_view, &QListView::doubleClicked, this, &ImageListPanel::openItem);
}

void ImageListPanel::buildActionButtons(QGridLayout* grid) {
    auto* changeFolder = button(this, "pBtn_ChangeFolder", tr("Change folder"));
    auto* openFolder = button(this, "pBtn_OpenFolder", tr("Open folder"));
    grid->addWidget(changeFolder, 2, 0, 1, 2, kCentred);
    grid->addWidget(openFolder, 2, 2, 1, 2, Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignVCenter);
    connect(changeFolder, &QPushButton::pressed, this, &ImageListPanel::selectBaseDir);
    connect(openFolder, &QPushButton::pressed, this, &ImageListPanel::openBaseDir);

    const struct {
        const char* name;
        QString tip;
        int row, column;
    } buttons[] = {{"pQbtn_ImageItemsPdf", tr("Output to Pdf"), 3, 0},
                   {"pQbtn_ImageItemsPrint", tr("Print"), 3, 1},
                   {"pQbtn_ImageItemsOcr", tr("OCR"), 3, 2},
                   {"pQbtn_ImageItemsWord", tr("Output to Word"), 3, 3},
                   {"pQbtn_ImageItemsSelectAll", tr("Select All"), 5, 0},
                   {"pQbtn_ImageItemsUnSelectAll", tr("UnSelect"), 5, 1},
                   {"pQbtn_ImageItemsCopy", tr("Copy"), 5, 2},
                   {"pQbtn_ImageItemsDelete", tr("Delect Selectd Items"), 5, 3}};
    for (const auto& b : buttons) {
        QPushButton* made = button(this, b.name);
        made->setToolTip(b.tip);
        made->setCursor(Qt::PointingHandCursor);
        grid->addWidget(made, b.row, b.column, kCentred);
    }
    changeFolder->setCursor(Qt::PointingHandCursor);
    openFolder->setCursor(Qt::PointingHandCursor);
    connect(findChild<QPushButton*>("pQbtn_ImageItemsOcr"), &QPushButton::pressed, this,
            &ImageListPanel::ocrSelected);
    connect(findChild<QPushButton*>("pQbtn_ImageItemsSelectAll"), &QPushButton::pressed, this,
            &ImageListPanel::selectAll);
    connect(findChild<QPushButton*>("pQbtn_ImageItemsUnSelectAll"), &QPushButton::pressed, this,
            &ImageListPanel::unselectAll);
    connect(findChild<QPushButton*>("pQbtn_ImageItemsDelete"), &QPushButton::pressed, this,
            &ImageListPanel::deleteSelected);
    connect(findChild<QPushButton*>("pQbtn_ImageItemsCopy"), &QPushButton::clicked, this,
            &ImageListPanel::copySelected);
    connect(findChild<QPushButton*>("pQbtn_ImageItemsPrint"), &QPushButton::clicked, this,
            &ImageListPanel::printSelected);
    connect(findChild<QPushButton*>("pQbtn_ImageItemsPdf"), &QPushButton::pressed, this,
            [this] { exportSelected(Dialog_ImagesOutPut::PdfMode); });
    connect(findChild<QPushButton*>("pQbtn_ImageItemsWord"), &QPushButton::pressed, this,
            [this] { exportSelected(Dialog_ImagesOutPut::WordMode); });
}

void ImageListPanel::buildMenu() {
    pQmenu_ImageList = new QMenu(this);
    pQmenu_ImageList->setObjectName(QStringLiteral("pQmenu_ImageList"));
    connect(pQmenu_ImageList->addAction(tr("Copy")), &QAction::triggered, this,
            &ImageListPanel::copySelected);
    connect(pQmenu_ImageList->addAction(tr("Select All")), &QAction::triggered, this,
            &ImageListPanel::selectAll);
    connect(pQmenu_ImageList->addAction(tr("Output to Pdf")), &QAction::triggered, this,
            [this] { exportSelected(Dialog_ImagesOutPut::PdfMode); });
    connect(pQmenu_ImageList->addAction(tr("Output to Word")), &QAction::triggered, this,
            [this] { exportSelected(Dialog_ImagesOutPut::WordMode); });
    connect(pQmenu_ImageList->addAction(tr("Delect Selectd Items")), &QAction::triggered, this,
            &ImageListPanel::deleteSelected);
}

void ImageListPanel::execMenu(const QPoint& globalPos) {
    if (pQmenu_ImageList)
        pQmenu_ImageList->exec(globalPos);
}

void ImageListPanel::showBaseDir() {
    pLbl_BaseDir->setText(m_settings->baseDir);
    pLbl_BaseDir->setToolTip(m_settings->baseDir);
}

void ImageListPanel::addFile(const QString& path) {
    if (!m_model->addFile(path))
        m_log->Write(3, QStringLiteral("Fail to read saved image %1").arg(path).toUtf8());
    m_view->scrollToBottom();
}

void ImageListPanel::openItem(const QModelIndex& index) {
    const QString path = index.data(ImageListModel::PathRole).toString();
    if (QFileInfo(path).isFile())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void ImageListPanel::selectAll() {
    m_view->selectAll();
    emit actionDone();
}

void ImageListPanel::unselectAll() {
    m_view->clearSelection();
}

QStringList ImageListPanel::selectedPaths() const {
    QStringList paths;
    for (const QModelIndex& index : m_view->selectionModel()->selectedIndexes())
        paths << m_model->path(index.row());
    return paths;
}

void ImageListPanel::deleteSelected() {
    deletePaths(selectedPaths());
}

void ImageListPanel::deletePaths(const QStringList& paths) {
    QList<FileTrash::Entry> moved;
    QStringList failed;
    for (const QString& path : paths) {
        FileTrash::Entry entry;
        entry.original = path;
        const QFileInfo info(path);
        QString why;
        if ((info.exists() || info.isSymLink()) &&
            !FileTrash::moveToTrash(path, &entry.inTrash, &why)) {
            m_log->Write(3, QStringLiteral("Fail to move %1 to trash: %2").arg(path, why).toUtf8());
            failed << path + QStringLiteral(": ") + why;
            continue;
        }
        // The same file listed twice goes with all its rows; an Undo brings back the first.
        for (int row = m_model->rowCount() - 1; row >= 0; --row)
            if (m_model->path(row) == path) {
                m_model->removeRow(row);
                entry.row = row;
            }
        // Undone last first, so each row goes back to the place it had. A file already gone
        // from the disk only leaves the list.
        if (!entry.inTrash.isEmpty())
            moved.prepend(entry);
    }
    if (!moved.isEmpty() || !failed.isEmpty())
        emit filesTrashed(moved, failed);
}

QStringList ImageListPanel::restoreFromTrash(const QList<FileTrash::Entry>& entries) {
    QStringList failed;
    for (const FileTrash::Entry& entry : entries) {
        QString why;
        if (!FileTrash::restore(entry, &why)) {
            m_log->Write(3, QStringLiteral("Fail to restore %1 from trash: %2")
                                .arg(entry.original, why)
                                .toUtf8());
            failed << entry.original;
            continue;
        }
        m_model->insertFile(entry.row, entry.original);
    }
    return failed;
}

void ImageListPanel::copySelected() {
    const QStringList paths = selectedPaths();
    if (paths.isEmpty())
        return;
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setMimeData(FileListMime::create(paths, clipboard->mimeData()),
                           QClipboard::Clipboard);
}

void ImageListPanel::printSelected() {
    emit actionDone();
    const QStringList paths = selectedPaths();
    if (paths.isEmpty())
        return;
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer, window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    ImagePrinter::print(paths, &printer);
}

void ImageListPanel::exportSelected(int mode) {
    emit actionDone();
    auto* dialog = new Dialog_ImagesOutPut(window(), mode, m_settings->baseDir);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    for (const QString& path : selectedPaths())
        dialog->addImagePath(path);
    dialog->show();
}

bool ImageListPanel::ocrSelected() {
    emit actionDone();
    const QStringList paths = selectedPaths();
    if (paths.isEmpty())
        return false;
    // The files themselves, at full resolution and in the order they were selected; the program
    // runs on by itself, so closing the window does not stop it.
    const QString program = AppPaths::besideExecutable(QStringLiteral("Rir"));
    const QStringList arguments =
        QStringList{QStringLiteral("--out"), m_settings->baseDir, QStringLiteral("--")} + paths;
    qCDebug(lcOutput) << "Open Ocr.exe";
    qCDebug(lcOutput) << "OCR Path:" << program;
    if (!QProcess::startDetached(program, arguments)) {
        m_log->Write(3, QStringLiteral("Fail to start %1").arg(program).toUtf8());
        emit ocrFailed(tr("The text recognition program could not be started: %1")
                           .arg(QDir::toNativeSeparators(program)));
        return false;
    }
    return true;
}

void ImageListPanel::openBaseDir() {
    QString dir = pLbl_BaseDir->text();
    dir.replace('\\', '/');
    QDesktopServices::openUrl(QUrl::fromLocalFile(dir));
    emit actionDone();
}

void ImageListPanel::selectBaseDir() {
    const QString dir = QFileDialog::getExistingDirectory(
        this, tr("Select Directory"), "./",
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (dir.isEmpty())
        return;  // cancelled
    m_settings->baseDir = dir;
    showBaseDir();
    m_settings->Save();
    emit baseDirChanged();
}
