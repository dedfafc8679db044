#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "app/Log.h"
#include "modes/ControlMode.h"
#include "output/ImageNamer.h"
#include "output/Watermark.h"

class AppSettings;
class CImagePreview;
class ImageProcessor;
class QCheckBox;
class QImage;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class SaveThread;

// The scan-mode bar above the live preview: one page per scan mode with its option tiles and
// buttons. It receives every capture, processes it for the current mode, names it, stamps the
// watermark and hands it to a save thread; the path of every file that reached the disk is
// announced with Signal_SaveImageToDisk.
//
// Members are defined per concern:
//   modes/CPreConfigBar.cpp         construction, tabs, settings, capture entry, save entries
//   modes/PreConfigBarDoc.cpp       document page and document processing
//   modes/PreConfigBarIdCard.cpp    identity-card page
//   modes/PreConfigBarSheet.cpp     sheet page
//   modes/PreConfigBarBook.cpp      book page
class CPreConfigBar : public QWidget {
    Q_OBJECT
public:
    explicit CPreConfigBar(QWidget* parent = nullptr);
    ~CPreConfigBar() override;

    // Keeps the pointer (not owned) and reads the live record at every capture.
    void SetSettings(AppSettings* s);
    AppSettings* Settings() const { return settings; }

    ControlMode CurrentMode() const { return currentMode; }
    int DocOption() const { return docOption; }
    int DocState() const { return docState; }
    QTabWidget* TabWidget() const { return tabWidget; }
    ImageNamer& Namer() { return namer; }

    // Names, stamps and queues `img` (not taken over; stamped in place). Returns false when
    // nothing was queued.
    bool SaveImageByThread(QImage* img);
    // The same under a caller-given base name in the output directory (overwrites).
    bool SaveImageByThreadAs(QImage* img, const QString& name);
    // Synchronous writer with the direct-writer encoder of the current image type and quality.
    bool SaveImageAs(const QImage* image, const QString& path);
    // Paints the configured watermark into `image`.
    void ApplyWatermark(QImage* image);

    // Waits until every queued file is written (used at shutdown and by tests).
    bool WaitForSaves(int msecs = 30000);

    // Document tiles, for the main window's rescale rule and for tests.
    CImagePreview* DocTile(int option) const;
    QCheckBox* DocSaveDirectlyBox() const { return pCheck_DocSaveDirectly; }
    QPushButton* DocSaveButton() const { return pBtn_DocSave; }

signals:
    void Signal_SaveImageToDisk(QString Imagepath);
    void Signal_ControlChanged(ControlMode newCtrlMode);
    void Signal_FaceDetectionStatus(bool status);
    void Signal_IDMode_GetMainQImage(QImage* img);
    void originImgWidgetCliked();
    void notOriginImgModeSignal();
    void sendFileNameAndImg(QString, QImage*);

public slots:
    void HandleTakePhoto(QImage* img);
    void HandleSaveThreadSuccess(QString FileName);
    void HandleSaveThreadFailed(QString FileName, QString reason);
    void HandleTabWidgetSelected(int idx);

    // Document page.
    void HandleDocOrginSelectedChanged(bool b);
    void HandleDocRBSSelectedChanged(bool b);
    void HandleDocEnhenceSelectedChanged(bool b);
    void HandleDocBWSelectedChanged(bool b);
    void HandleCheckBox_DocMode_RememberLastSelect(bool checked);
    void HandleDocSave();

    // Identity-card page.
    void HandleCheckBox_IDMode_FaceDetection(bool b);
    void Handle_ID_Save_Merge();
    void Handle_ID_Save_Sep();
    void Handle_ID_Exchange();
    void Handle_ID_Rotate();
    void Handle_IDMode_UpdateFaceImg(QImage* img);

    // Sheet and book pages.
    void HandleCheckBox_SheetMode_RememberLastSelect(bool checked);
    void HandleCheckBox_BookMode_RememberLastSelect(bool checked);
    void SheetMode_Save();
    void BookMode_BtnSave_Click();

public:
    // Document processing.
    void DocMode_Preview(QImage* img);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* buildDocPage();
    QWidget* buildIdCardPage();
    QWidget* buildSheetPage();
    QWidget* buildBookPage();
    void docTileChanged(int option, bool selected);
    // The page for one document option from the full-resolution copy; null when nothing could
    // be made (no document found, library missing).
    QImage* makeDocPage(const QImage& source, int option);
    void IDMode_TakePhoto();
    void SheetMode_TakePhoto();
    void BookMode_TakePhoto();
    void releaseIncoming();
    void releaseKeptCopy();
    // The output directory, falling back to the working directory when it cannot be used.
    QString prepareOutputDirectory();
    bool startSaveThread(QImage* img, const QString& path);
    WatermarkSettings watermarkSettings() const;
    void logFailure(const QString& message);

    AppSettings* settings = nullptr;
    ImageProcessor* processor = nullptr;
    ImageNamer namer;
    Log log;

    // Capture fields.
    ControlMode currentMode = DocMode;
    QImage* incomingImage = nullptr;
    QImage* keptCopy = nullptr;
    bool copyReleased = true;
    int docOption = 1;
    int docState = 0;
    int bookState = 0;
    int sheetState = 0;
    SaveThread* saveThread = nullptr;
    // Threads still writing, so closing the program waits for them instead of losing files.
    QList<QPointer<SaveThread>> runningSaves;

    QTabWidget* tabWidget = nullptr;

    // Document page.
    CImagePreview* pDocOrigin = nullptr;
    CImagePreview* pDocAutoCut = nullptr;
    CImagePreview* pDocEnhance = nullptr;
    CImagePreview* pDocGray = nullptr;
    QPushButton* pBtn_DocSave = nullptr;
    QCheckBox* pCheck_DocSaveDirectly = nullptr;

    // Identity-card page.
    CImagePreview* pIdFront = nullptr;
    CImagePreview* pIdBack = nullptr;
    CImagePreview* pIdFace = nullptr;
    QPushButton* pQbtn_IDMode_Exchange = nullptr;
    QPushButton* pQbtn_IDMode_Rotate = nullptr;
    QCheckBox* pCheck_IdFace = nullptr;
    QCheckBox* pCheck_IdAutoIdentify = nullptr;
    QCheckBox* pCheck_IdFaceAccept = nullptr;
    QCheckBox* pCheck_IdPortrait = nullptr;
    QPushButton* pBtn_IdSave = nullptr;
    QPushButton* pBtn_IdMerge = nullptr;

    // Sheet page.
    CImagePreview* pSheetPreview = nullptr;
    QCheckBox* pCheck_SheetOptimize = nullptr;
    QTextBrowser* pText_QR = nullptr;
    QCheckBox* pCheck_SheetQRName = nullptr;
    QCheckBox* pCheck_SheetQRRecord = nullptr;
    QPushButton* pBtn_SheetSave = nullptr;
    QCheckBox* pCheck_SheetSaveDirectly = nullptr;

    // Book page.
    CImagePreview* pBookLeft = nullptr;
    CImagePreview* pBookRight = nullptr;
    QCheckBox* pCheck_BookFlatten = nullptr;
    QCheckBox* pCheck_BookColor = nullptr;
    QCheckBox* pCheck_BookMerge = nullptr;
    QPushButton* pBtn_BookSave = nullptr;
    QCheckBox* pCheck_BookSaveDirectly = nullptr;
};
