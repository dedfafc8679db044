#include "modes/CPreConfigBar.h"

#include <QCheckBox>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QStyleOption>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/AppSettings.h"
#include "modes/CImagePreview.h"
#include "modes/ImageProcessor.h"
#include "modes/SaveThread.h"
#include "output/ImageFileWriter.h"
#include "output/ImageType.h"

CPreConfigBar::CPreConfigBar(QWidget* parent) : QWidget(parent) {
    qRegisterMetaType<ControlMode>("ControlMode");
    processor = new ImageProcessor;
    processor->Load();

    tabWidget = new QTabWidget(this);
    tabWidget->addTab(buildDocPage(), QIcon(QStringLiteral(":/new/prefix1/Res/UI/TabBar_Doc.png")),
                      tr("Doc"));
    tabWidget->addTab(buildIdCardPage(),
                      QIcon(QStringLiteral(":/new/prefix1/Res/UI/TabBar_IDCard.png")),
                      tr("Id Card"));
    tabWidget->addTab(buildSheetPage(),
                      QIcon(QStringLiteral(":/new/prefix1/Res/UI/TabBar_Sheet.png")), tr("Sheet"));
    tabWidget->addTab(buildBookPage(),
                      QIcon(QStringLiteral(":/new/prefix1/Res/UI/TabBar_Book.png")), tr("Book"));
    tabWidget->setMaximumHeight(300);
    tabWidget->setTabPosition(QTabWidget::South);
    QFile css(QStringLiteral(":/Black_Top_QTabWidget.css"));
    if (css.open(QIODevice::ReadOnly))
        tabWidget->setStyleSheet(QString::fromUtf8(css.readAll()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabWidget);
    connect(tabWidget, &QTabWidget::currentChanged, this, &CPreConfigBar::HandleTabWidgetSelected);
}

CPreConfigBar::~CPreConfigBar() {
    // A file still being encoded when the window closes is finished rather than lost.
    WaitForSaves();
    releaseKeptCopy();
    delete processor;
}

void CPreConfigBar::paintEvent(QPaintEvent*) {
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void CPreConfigBar::SetSettings(AppSettings* s) {
    settings = s;
    if (settings && !settings->faceDetectionEnabled) {
        pCheck_IdFace->hide();
        pIdFace->hide();
        pCheck_IdPortrait->hide();
        pCheck_IdFaceAccept->hide();
    }
}

CImagePreview* CPreConfigBar::DocTile(int option) const {
    switch (option) {
        case 0:
            return pDocOrigin;
        case 1:
            return pDocAutoCut;
        case 2:
            return pDocEnhance;
        case 3:
            return pDocGray;
        default:
            return nullptr;
    }
}

// ------------------------------------------------------------------------------------ tabs

void CPreConfigBar::HandleTabWidgetSelected(int idx) {
    docState = 0;
    bookState = 0;
    sheetState = 0;
    for (CImagePreview* tile : {pDocOrigin, pDocAutoCut, pDocEnhance, pDocGray, pBookLeft,
                                pBookRight, pIdFront, pIdBack, pIdFace, pSheetPreview})
        tile->ClearImage();
    pText_QR->clear();
    releaseKeptCopy();
    if (idx == 0 || idx == 2 || idx == 3) {
        if (pCheck_IdFace->isChecked()) {
            pCheck_IdFace->setChecked(false);
            pIdFace->hide();
            pCheck_IdPortrait->hide();
            pCheck_IdFaceAccept->hide();
            emit Signal_FaceDetectionStatus(false);
        }
    }
    if (idx >= 0 && idx <= 3)
        currentMode = static_cast<ControlMode>(idx);
    emit Signal_ControlChanged(currentMode);
}

// ------------------------------------------------------------------------- capture entry

void CPreConfigBar::HandleTakePhoto(QImage* img) {
    if (!img)
        return;
    if (img->isNull()) {
        delete img;
        return;
    }
    releaseKeptCopy();
    const bool direct = currentMode == DocMode && pCheck_DocSaveDirectly->isChecked();
    if (direct && img->format() == QImage::Format_RGB888) {
        // The capture would be deleted right after the copy: keep it as the copy instead and
        // spare the GUI thread a full-resolution copy.
        keptCopy = img;
        img = new QImage;
    } else {
        // A private full-resolution copy for the modes that save later, on a button press.
        keptCopy = new QImage(img->convertToFormat(QImage::Format_RGB888).copy());
    }
    copyReleased = false;
    incomingImage = img;

    switch (currentMode) {
        case DocMode:
            if (pCheck_DocSaveDirectly->isChecked()) {
                releaseIncoming();
                docState = 2;
                HandleDocSave();
                releaseKeptCopy();
                docState = 0;
            } else {
                docState = 0;
                DocMode_Preview(incomingImage);
                releaseIncoming();
                docState = 2;
            }
            break;
        case IDMode:
            IDMode_TakePhoto();
            break;
        case SheetMode:
            SheetMode_TakePhoto();
            break;
        case BookMode:
            BookMode_TakePhoto();
            break;
        case ResidenceMode:
        default:
            releaseIncoming();
            break;
    }
    // Whatever the mode did, the capture never outlives its handling.
    releaseIncoming();
}

void CPreConfigBar::releaseIncoming() {
    delete incomingImage;
    incomingImage = nullptr;
}

void CPreConfigBar::releaseKeptCopy() {
    if (!copyReleased)
        delete keptCopy;
    keptCopy = nullptr;
    copyReleased = true;
}

// --------------------------------------------------------------------------- save entries

QString CPreConfigBar::prepareOutputDirectory() {
    QString dir = settings->baseDir;
    const QFileInfo info(dir);
    // A relative or foreign (drive-letter) path would land somewhere unpredictable; a path
    // that is a file, or that cannot be made or written, cannot take the picture either.
    bool usable = !dir.isEmpty() && QDir::isAbsolutePath(dir);
    if (usable && !info.isDir())
        usable = QDir().mkdir(dir);
    if (usable)
        usable = QFileInfo(dir).isDir() && QFileInfo(dir).isWritable();
    if (!usable) {
        const QString fallback = QDir::currentPath();
        logFailure(QStringLiteral("Output directory \"%1\" is not usable; saving to \"%2\"")
                       .arg(dir, fallback));
        settings->baseDir = fallback;
        dir = fallback;
    }
    return dir;
}

bool CPreConfigBar::SaveImageByThread(QImage* img) {
    if (!img || img->isNull() || img->sizeInBytes() < 0 || !settings)
        return false;
    const QString dir = prepareOutputDirectory();
    namer.prefix = settings->namePre;
    // A separator in the prefix would put the picture into another folder (or a missing one,
    // losing it); keep it in the output folder under a name the file system accepts.
    if (namer.prefix.contains(QLatin1Char('/')) || namer.prefix.contains(QChar(0))) {
        namer.prefix.replace(QLatin1Char('/'), QLatin1Char('_'))
            .replace(QChar(0), QLatin1Char('_'));
        logFailure(QStringLiteral("File name prefix \"%1\" holds a path separator; using \"%2\"")
                       .arg(settings->namePre, namer.prefix));
    }
    namer.rule = ImageNamer::RuleFromNameType(settings->nameType);
    const QString path = namer.MakeImagePath(dir, settings->imageType);
    qDebug() << path;
    emit sendFileNameAndImg(path, img);
    ApplyWatermark(img);
    return startSaveThread(img, path);
}

bool CPreConfigBar::SaveImageByThreadAs(QImage* img, const QString& name) {
    if (!img || img->isNull() || !settings)
        return false;
    const QString dir = prepareOutputDirectory();
    QString path = dir;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    path += name + ImageType::extension(settings->imageType);
    qDebug() << path;
    ApplyWatermark(img);
    return startSaveThread(img, path);
}

bool CPreConfigBar::startSaveThread(QImage* img, const QString& path) {
    auto* thread = new SaveThread;
    thread->imageType = settings->imageType;
    thread->quality = settings->jpgRate;
    thread->SetImage(img, path);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &SaveThread::Signal_Finished, this, &CPreConfigBar::HandleSaveThreadSuccess);
    connect(thread, &SaveThread::Signal_Failed, this, &CPreConfigBar::HandleSaveThreadFailed);
    saveThread = thread;
    for (int i = runningSaves.size() - 1; i >= 0; --i)
        if (runningSaves.at(i).isNull())
            runningSaves.removeAt(i);
    runningSaves.append(thread);
    thread->start(QThread::InheritPriority);
    return true;
}

bool CPreConfigBar::WaitForSaves(int msecs) {
    bool all = true;
    for (const QPointer<SaveThread>& t : runningSaves)
        if (t && !t->wait(msecs))
            all = false;
    return all;
}

void CPreConfigBar::HandleSaveThreadSuccess(QString FileName) {
    emit Signal_SaveImageToDisk(FileName);
}

void CPreConfigBar::HandleSaveThreadFailed(QString FileName, QString reason) {
    logFailure(QStringLiteral("Fail to save image \"%1\": %2").arg(FileName, reason));
}

bool CPreConfigBar::SaveImageAs(const QImage* image, const QString& path) {
    if (!image || !settings)
        return false;
    QString error;
    if (!ImageFileWriter::write(*image, path, ImageType::encoder(settings->imageType),
                                settings->jpgRate, &error)) {
        logFailure(QStringLiteral("Fail to save image \"%1\": %2").arg(path, error));
        return false;
    }
    return true;
}

// ------------------------------------------------------------------------------ watermark

WatermarkSettings CPreConfigBar::watermarkSettings() const {
    WatermarkSettings w;
    if (!settings)
        return w;
    w.type = settings->wmType;
    w.content = settings->wmContent;
    w.position = settings->wmPosition;
    w.red = settings->wmColorR;
    w.green = settings->wmColorG;
    w.blue = settings->wmColorB;
    w.opacity = settings->wmOpacity;
    w.width = settings->wmWidth;
    w.height = settings->wmHeight;
    w.fontSize = settings->wmFontSize;
    w.picturePath = settings->wmImgPath;
    return w;
}

void CPreConfigBar::ApplyWatermark(QImage* image) {
    QString problem;
    if (!Watermark::Apply(image, watermarkSettings(), &problem))
        logFailure(QStringLiteral("Watermark not applied: ") + problem);
}

void CPreConfigBar::logFailure(const QString& message) {
    qWarning().noquote() << message;
    log.Write(Log::Error, message.toUtf8().constData());
}
