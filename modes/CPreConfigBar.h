#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

#include "modes/ControlMode.h"

class AppSettings;
class BookModePage;
class DocumentModePage;
class IdCardModePage;
class ImageProcessor;
class OutputPipeline;
class QTabWidget;
class ScanModePage;
class SheetModePage;
class TempFiles;

// The scan-mode bar above the live preview: one page per scan mode. It hands every capture to
// the page of the current mode and relays what the pages and the output pipeline report; the
// path of every file that reached the disk is announced with Signal_SaveImageToDisk.
class CPreConfigBar : public QWidget {
    Q_OBJECT
public:
    explicit CPreConfigBar(QWidget* parent = nullptr);
    ~CPreConfigBar() override;

    // Keeps the pointer (not owned) and reads the live record at every capture.
    void SetSettings(AppSettings* s);
    ControlMode CurrentMode() const { return currentMode; }
    QTabWidget* TabWidget() const { return tabWidget; }
    OutputPipeline* Output() const { return m_output.get(); }
    DocumentModePage* DocPage() const { return m_doc; }
    IdCardModePage* IdCardPage() const { return m_idCard; }
    SheetModePage* SheetPage() const { return m_sheet; }
    BookModePage* BookPage() const { return m_book; }
    TempFiles* Temp() const { return m_temp.get(); }
    // Waits until every capture in hand is processed and every queued file is written (used at
    // shutdown and by tests).
    bool WaitForSaves(int msecs = 30000);

signals:
    void Signal_SaveImageToDisk(QString Imagepath);
    void Signal_ControlChanged(ControlMode newCtrlMode);
    void Signal_FaceDetectionStatus(bool status);
    void Signal_IDMode_GetMainQImage(QImage img);
    void originImgWidgetCliked();
    void notOriginImgModeSignal();
    void sendFileNameAndImg(QString, QImage);

public slots:
    void HandleTakePhoto(QImage img);
    void HandleTabWidgetSelected(int idx);
    // Document page.
    void HandleDocSave();
    // Identity-card page.
    void HandleCheckBox_IDMode_FaceDetection(bool b);
    void Handle_ID_Save_Merge();
    void Handle_ID_Save_Sep();
    void Handle_ID_Exchange();
    void Handle_ID_Rotate();
    void Handle_IDMode_UpdateFaceImg(QImage img);
    // Sheet and book pages.
    void SheetMode_Save();
    void BookMode_BtnSave_Click();
    // The size Original document captures are enlarged to (empty: none).
    void SetOriginalCaptureSize(QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ScanModePage* page(ControlMode mode) const;

    std::unique_ptr<TempFiles> m_temp;
    std::unique_ptr<ImageProcessor> m_processor;
    std::unique_ptr<OutputPipeline> m_output;
    ControlMode currentMode = DocMode;
    QTabWidget* tabWidget = nullptr;
    DocumentModePage* m_doc = nullptr;
    IdCardModePage* m_idCard = nullptr;
    SheetModePage* m_sheet = nullptr;
    BookModePage* m_book = nullptr;
};
