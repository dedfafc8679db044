#pragma once

#include <QDialog>
#include <QPoint>
#include <QStringList>
#include <memory>

class DocumentExport;
class Log;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QThread;

// The frameless export dialog: an ordered list of pictures, turned and reordered by the user, made
// into one PDF (mode 0) or Word (mode 1) document in a chosen folder. Several can be open at once,
// each with its own list. The document is made on a worker thread with a progress bar and a
// Cancel button, so the window never freezes; the outcome is shown in the dialog.
class Dialog_ImagesOutPut : public QDialog {
    Q_OBJECT

public:
    enum Mode { PdfMode = 0, WordMode = 1 };

    Dialog_ImagesOutPut(QWidget* parent, int mode, const QString& folder);
    ~Dialog_ImagesOutPut() override;

    // Appends a picture unless it is listed already.
    void addImagePath(const QString& path);
    QStringList imagePaths() const { return m_imagePaths; }
    int mode() const { return m_mode; }
    bool isGenerating() const { return m_export != nullptr; }

signals:
    // The last generate press has ended: result > 0 pages written, otherwise a failure code.
    void Signal_OutputFinished(int result, const QString& outPath);

public slots:
    void Handle_BtnAddClick();
    void Handle_BtnRemoveClick();
    void Handle_BtnUpClick();
    void Handle_BtnDownClick();
    void Handle_BtnClearClick();
    void Handle_BtnRotateClick();
    void Handle_BtnChangeDir();
    void Handle_BtnOneKeyoutput();
    void Handle_QListWidgetItemClick(QListWidgetItem* item);
    void Handle_CloseDialog();
    // Stops a running export after its current page; nothing is written.
    void Handle_BtnCancelClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTitleBar();
    void buildListArea();
    void buildOutputArea();
    void connectButtons();
    // The default document name in the output folder, with a time stamp, replacing no file.
    QString defaultOutputPath() const;
    void showPreview(const QString& path);
    void moveFirstSelected(int step);
    void setGenerating(bool on);
    void exportProgress(int done, int total);
    void exportFinished(int result, const QString& outPath, const QString& message);
    void showStatus(const QString& text, bool failure);
    void stopExport();

    int m_mode;
    QString m_folder;
    QStringList m_imagePaths;
    bool m_pressed = false;
    QPoint m_pressOffset;
    std::unique_ptr<Log> m_log;
    DocumentExport* m_export = nullptr;
    QThread* m_thread = nullptr;

    QWidget* widget_title = nullptr;
    QLabel* lab_Title = nullptr;
    QPushButton* btnMenu_Close = nullptr;
    QLabel* Lbl_Title = nullptr;
    QListWidget* lwid_Images = nullptr;
    QLabel* lbl_Preview = nullptr;
    QPushButton* Btn_Add = nullptr;
    QPushButton* Btn_Remove = nullptr;
    QPushButton* Btn_Up = nullptr;
    QPushButton* Btn_Down = nullptr;
    QPushButton* Btn_Clear = nullptr;
    QPushButton* Btn_Rotate = nullptr;
    QLabel* lbl_Status = nullptr;
    QLineEdit* Ldt_Outputpath = nullptr;
    QPushButton* Btn_ChangePath = nullptr;
    QPushButton* Btn_Output = nullptr;
    QProgressBar* pProgress_Output = nullptr;
    QPushButton* Btn_Cancel = nullptr;
};
