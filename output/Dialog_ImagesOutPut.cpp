#include "output/Dialog_ImagesOutPut.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QUrl>

#include "app/Log.h"
#include "app/LogCategories.h"
#include "app/StyleSheet.h"
#include "output/DocumentExport.h"
#include "output/DocumentName.h"
#include "output/ImageFileRotator.h"

namespace {
const QSize kPreviewSize(160, 160);

QPushButton* iconButton(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& tip) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setToolTip(tip);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}
}  // namespace

Dialog_ImagesOutPut::Dialog_ImagesOutPut(QWidget* parent, int mode, const QString& folder)
    : QDialog(parent),
      m_mode(mode == WordMode ? WordMode : PdfMode),
      m_folder(folder),
      m_log(new Log) {
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowOpacity(0.95);
    setFixedSize(520, 417);
    setStyleSheet(LoadStyleSheet(QStringLiteral(":/Black_Dialog_PDF.css")));
    buildTitleBar();
    buildListArea();
    buildOutputArea();
    connectButtons();
    Ldt_Outputpath->setText(defaultOutputPath());
    setWindowTitle(lab_Title->text());
}

Dialog_ImagesOutPut::~Dialog_ImagesOutPut() {
    stopExport();
}

void Dialog_ImagesOutPut::buildTitleBar() {
    widget_title = new QWidget(this);
    widget_title->setObjectName("widget_title");
    widget_title->setGeometry(0, 0, 520, 33);
    widget_title->setMinimumSize(100, 33);
    auto* titleLayout = new QHBoxLayout(widget_title);
    titleLayout->setObjectName("horizontalLayout_2");
    titleLayout->setContentsMargins(0, 0, 4, 0);
    lab_Title = new QLabel(m_mode == PdfMode ? tr("导出PDF") : tr("导出Word"), widget_title);
    lab_Title->setObjectName("lab_Title");
    lab_Title->setStyleSheet(QStringLiteral("font: 10pt \"微软雅黑\";"));
    lab_Title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titleLayout->addWidget(lab_Title, 1);
    auto* menu = new QWidget(widget_title);
    menu->setObjectName("widget_menu");
    auto* menuLayout = new QHBoxLayout(menu);
    menuLayout->setObjectName("horizontalLayout");
    menuLayout->setContentsMargins(0, 0, 0, 0);
    btnMenu_Close = new QPushButton(menu);
    btnMenu_Close->setObjectName("btnMenu_Close");
    btnMenu_Close->setFlat(true);
    btnMenu_Close->setMinimumWidth(30);
    btnMenu_Close->setToolTip(tr("关闭"));
    menuLayout->addWidget(btnMenu_Close);
    titleLayout->addWidget(menu);
}

void Dialog_ImagesOutPut::buildListArea() {
    Lbl_Title = new QLabel(tr("请添加需要导出的图片:"), this);
    Lbl_Title->setObjectName("Lbl_Title");
    Lbl_Title->setGeometry(10, 40, 381, 31);
    Lbl_Title->setFont(QFont(QStringLiteral("Microsoft YaHei UI"), 14));
    lwid_Images = new QListWidget(this);
    lwid_Images->setObjectName("lwid_Images");
    lwid_Images->setGeometry(10, 80, 341, 181);
    lwid_Images->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Long paths keep their file name in view (the whole path is the row's tool tip).
    lwid_Images->setTextElideMode(Qt::ElideMiddle);
    lwid_Images->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lbl_Preview = new QLabel(this);
    lbl_Preview->setObjectName("lbl_Preview");
    lbl_Preview->setGeometry(360, 89, 150, 150);
    lbl_Preview->setAlignment(Qt::AlignCenter);

    Btn_Add = iconButton(this, "Btn_Add", {10, 280, 25, 25}, tr("添加需要导出的图片"));
    Btn_Remove = iconButton(this, "Btn_Remove", {50, 280, 25, 25}, tr("从列表中删除指定图片"));
    Btn_Up = iconButton(this, "Btn_Up", {90, 280, 25, 25}, tr("上移位置"));
    Btn_Down = iconButton(this, "Btn_Down", {130, 280, 25, 25}, tr("下移位置"));
    Btn_Clear = iconButton(this, "Btn_Clear", {170, 280, 25, 25}, tr("清空列表"));
    Btn_Rotate = iconButton(this, "Btn_Rotate", {210, 280, 25, 25}, tr("右转图片"));
    // The outcome of the last action (a document made, a file that could not be turned).
    lbl_Status = new QLabel(this);
    lbl_Status->setObjectName("lbl_Status");
    lbl_Status->setGeometry(245, 280, 265, 25);
    lbl_Status->setWordWrap(false);
}

void Dialog_ImagesOutPut::buildOutputArea() {
    Ldt_Outputpath = new QLineEdit(this);
    Ldt_Outputpath->setObjectName("Ldt_Outputpath");
    Ldt_Outputpath->setGeometry(10, 320, 391, 31);
    Ldt_Outputpath->setToolTip(tr("当前文档生成的路径"));
    Btn_ChangePath = new QPushButton(tr("改变文件夹"), this);
    Btn_ChangePath->setObjectName("Btn_ChangePath");
    Btn_ChangePath->setGeometry(420, 320, 81, 31);
    Btn_ChangePath->setToolTip(tr("将导出的文件保存在其它的位置"));
    Btn_Output = new QPushButton(tr("一键生成"), this);
    Btn_Output->setObjectName("Btn_Output");
    Btn_Output->setGeometry(190, 370, 151, 31);

    // Shown in place of the generate button while a document is being made.
    pProgress_Output = new QProgressBar(this);
    pProgress_Output->setObjectName("pProgress_Output");
    pProgress_Output->setGeometry(10, 372, 391, 27);
    pProgress_Output->setFormat(tr("Page %v of %m"));
    pProgress_Output->hide();
    Btn_Cancel = new QPushButton(tr("Cancel"), this);
    Btn_Cancel->setObjectName("Btn_Cancel");
    Btn_Cancel->setGeometry(420, 370, 81, 31);
    Btn_Cancel->hide();
}

void Dialog_ImagesOutPut::connectButtons() {
    connect(Btn_Add, &QPushButton::clicked, this, &Dialog_ImagesOutPut::Handle_BtnAddClick);
    connect(Btn_Remove, &QPushButton::clicked, this, &Dialog_ImagesOutPut::Handle_BtnRemoveClick);
    connect(Btn_Up, &QPushButton::clicked, this, &Dialog_ImagesOutPut::Handle_BtnUpClick);
    connect(Btn_Down, &QPushButton::clicked, this, &Dialog_ImagesOutPut::Handle_BtnDownClick);
    connect(Btn_Clear, &QPushButton::clicked, this, &Dialog_ImagesOutPut::Handle_BtnClearClick);
    connect(Btn_Rotate, &QPushButton::clicked, this, &Dialog_ImagesOutPut::Handle_BtnRotateClick);
    connect(Btn_ChangePath, &QPushButton::clicked, this, &Dialog_ImagesOutPut::Handle_BtnChangeDir);
    connect(Btn_Output, &QPushButton::clicked, this, &Dialog_ImagesOutPut::Handle_BtnOneKeyoutput);
    connect(Btn_Cancel, &QPushButton::clicked, this, &Dialog_ImagesOutPut::Handle_BtnCancelClick);
    connect(lwid_Images, &QListWidget::itemClicked, this,
            &Dialog_ImagesOutPut::Handle_QListWidgetItemClick);
    connect(btnMenu_Close, &QPushButton::clicked, this, &Dialog_ImagesOutPut::Handle_CloseDialog);
}

QString Dialog_ImagesOutPut::defaultOutputPath() const {
    const QString name = m_mode == PdfMode
                             ? DocumentName::stamped(QStringLiteral("PDF_")) + ".pdf"
                             : DocumentName::stamped(QStringLiteral("DOC_")) + ".docx";
    return QDir::toNativeSeparators(
        DocumentExport::freeName(QDir(QDir::fromNativeSeparators(m_folder)).filePath(name)));
}

void Dialog_ImagesOutPut::addImagePath(const QString& path) {
    // On Linux "\" belongs to file names; the native form is already the right one.
    const QString normalised =
        m_mode == PdfMode ? QDir::fromNativeSeparators(path) : QDir::toNativeSeparators(path);
    if (normalised.isEmpty() || m_imagePaths.contains(normalised))
        return;
    m_imagePaths.append(normalised);
    lwid_Images->addItem(normalised);
    lwid_Images->item(lwid_Images->count() - 1)->setToolTip(normalised);
}

void Dialog_ImagesOutPut::Handle_BtnAddClick() {
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Select Image File"), m_folder,
        tr("Images (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)"), nullptr, QFileDialog::ReadOnly);
    for (const QString& file : files)
        addImagePath(file);
}

void Dialog_ImagesOutPut::Handle_BtnRemoveClick() {
    for (QListWidgetItem* item : lwid_Images->selectedItems()) {
        m_imagePaths.removeAt(lwid_Images->row(item));
        delete item;
    }
}

void Dialog_ImagesOutPut::moveFirstSelected(int step) {
    const QList<QListWidgetItem*> selected = lwid_Images->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = lwid_Images->row(selected.first());
    const int target = row + step;
    if (target < 0 || target >= lwid_Images->count())
        return;
    m_imagePaths.move(row, target);
    lwid_Images->insertItem(target, lwid_Images->takeItem(row));
    // The moved row stays selected, so pressing again keeps moving it.
    lwid_Images->setCurrentRow(target);
}

void Dialog_ImagesOutPut::Handle_BtnUpClick() {
    moveFirstSelected(-1);
}

void Dialog_ImagesOutPut::Handle_BtnDownClick() {
    moveFirstSelected(1);
}

void Dialog_ImagesOutPut::Handle_BtnClearClick() {
    lwid_Images->clear();
    m_imagePaths.clear();
    lbl_Preview->clear();
}

void Dialog_ImagesOutPut::Handle_BtnRotateClick() {
    QStringList failed;
    QString lastTurned;
    for (QListWidgetItem* item : lwid_Images->selectedItems()) {
        const QString path = m_imagePaths.value(lwid_Images->row(item));
        QString error;
        if (ImageFileRotator::turnLeft(path, &error)) {
            lastTurned = path;
        } else {
            failed << QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), error);
            m_log->Write(Log::Error, ("Fail to rotate " + path + ": " + error).toUtf8());
        }
    }
    if (!lastTurned.isEmpty())
        showPreview(lastTurned);
    if (failed.isEmpty())
        return;
    showStatus(tr("Pictures not turned: %1").arg(failed.size()), true);
    auto* box = new QMessageBox(
        QMessageBox::Warning, windowTitle(),
        tr("These pictures could not be turned and are unchanged:") + "\n" + failed.join('\n'),
        QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Dialog_ImagesOutPut::showPreview(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    // Decoded at about the preview's size: a full camera picture is never held for it.
    if (full.isValid())
        reader.setScaledSize(full.scaled(kPreviewSize, Qt::KeepAspectRatio).expandedTo({1, 1}));
    const QImage image = reader.read();
    lbl_Preview->setPixmap(QPixmap::fromImage(
        image.isNull() ? image
                       : image.scaled(kPreviewSize, Qt::KeepAspectRatio, Qt::FastTransformation)));
}

void Dialog_ImagesOutPut::Handle_QListWidgetItemClick(QListWidgetItem* item) {
    if (item)
        showPreview(m_imagePaths.value(lwid_Images->row(item)));
}

void Dialog_ImagesOutPut::Handle_BtnChangeDir() {
    const QString dir = QFileDialog::getExistingDirectory(
        this, tr("Change folder"), m_folder,
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (dir.isEmpty())
        return;
    m_folder = dir;
    Ldt_Outputpath->setText(defaultOutputPath());
    qCDebug(lcOutput) << Ldt_Outputpath->text();
    setWindowTitle(m_mode == WordMode ? tr("Output to Word") : tr("Out put to PDF"));
}

void Dialog_ImagesOutPut::Handle_BtnOneKeyoutput() {
    if (m_export)
        return;
    const QString outPath = QDir::fromNativeSeparators(Ldt_Outputpath->text().trimmed());
    m_export = new DocumentExport(m_mode == PdfMode ? DocumentExport::Pdf : DocumentExport::Word,
                                  m_imagePaths, outPath);
    m_thread = new QThread(this);
    m_export->moveToThread(m_thread);
    connect(m_thread, &QThread::started, m_export, &DocumentExport::run);
    connect(m_export, &DocumentExport::progress, this, &Dialog_ImagesOutPut::exportProgress);
    connect(m_export, &DocumentExport::finished, this, &Dialog_ImagesOutPut::exportFinished);
    connect(m_thread, &QThread::finished, m_export, &QObject::deleteLater);
    pProgress_Output->setRange(0, qMax(1, m_imagePaths.size()));
    pProgress_Output->setValue(0);
    setGenerating(true);
    showStatus(QString(), false);
    m_thread->start();
}

void Dialog_ImagesOutPut::Handle_BtnCancelClick() {
    if (m_export)
        m_export->cancel();
}

void Dialog_ImagesOutPut::setGenerating(bool on) {
    Btn_Output->setVisible(!on);
    pProgress_Output->setVisible(on);
    Btn_Cancel->setVisible(on);
    // The listed files are read while the document is made: they must not be turned meanwhile.
    Btn_Rotate->setEnabled(!on);
    Btn_ChangePath->setEnabled(!on);
}

void Dialog_ImagesOutPut::exportProgress(int done, int total) {
    pProgress_Output->setMaximum(qMax(1, total));
    pProgress_Output->setValue(done);
}

void Dialog_ImagesOutPut::exportFinished(int result, const QString& outPath,
                                         const QString& message) {
    stopExport();
    setGenerating(false);
    if (result > 0) {
        showStatus(tr("Created %1").arg(QFileInfo(outPath).fileName()), false);
        lbl_Status->setToolTip(outPath);
        QDesktopServices::openUrl(QUrl::fromLocalFile(outPath));
        // The next export gets a name of its own.
        Ldt_Outputpath->setText(defaultOutputPath());
    } else {
        if (result == -1)
            m_log->Write(Log::Error, "Fail to Load Document Compent!");
        m_log->Write(Log::Error,
                     m_mode == PdfMode ? "Fail to Create PDF File!" : "Fail to Create Word File!");
        showStatus(message, true);
        lbl_Status->setToolTip(message);
        if (result != DocumentExport::kCancelled) {
            auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), message,
                                        QMessageBox::Ok, this);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
        }
    }
    emit Signal_OutputFinished(result, outPath);
}

void Dialog_ImagesOutPut::showStatus(const QString& text, bool failure) {
    lbl_Status->setStyleSheet(failure ? QStringLiteral("color: #FF6060;") : QString());
    lbl_Status->setText(
        lbl_Status->fontMetrics().elidedText(text, Qt::ElideMiddle, lbl_Status->width()));
}

void Dialog_ImagesOutPut::stopExport() {
    if (!m_thread)
        return;
    if (m_export)
        m_export->cancel();
    m_thread->quit();
    m_thread->wait();
    delete m_thread;  // its finished signal has queued the worker's deletion
    m_thread = nullptr;
    m_export = nullptr;
}

void Dialog_ImagesOutPut::Handle_CloseDialog() {
    close();
}

void Dialog_ImagesOutPut::closeEvent(QCloseEvent* event) {
    // A document half made when the dialog goes is abandoned, leaving no file.
    stopExport();
    setGenerating(false);
    QDialog::closeEvent(event);
}

void Dialog_ImagesOutPut::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        m_pressOffset = event->globalPos() - pos();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void Dialog_ImagesOutPut::mouseMoveEvent(QMouseEvent* event) {
    if (m_pressed && event->buttons() != Qt::NoButton) {
        move(event->globalPos() - m_pressOffset);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void Dialog_ImagesOutPut::mouseReleaseEvent(QMouseEvent* event) {
    m_pressed = false;
    QDialog::mouseReleaseEvent(event);
}
