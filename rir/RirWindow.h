#pragma once

#include <QImage>
#include <QMap>
#include <QWidget>

class OcrJob;
class QLabel;
class QProgressBar;
class QPushButton;

// The one small window of the OCR program: the page being read with its picture, a progress bar,
// Cancel, and at the end what was written. The finished PDF opens in the desktop's viewer.
class RirWindow : public QWidget {
    Q_OBJECT

public:
    explicit RirWindow(QWidget* parent = nullptr);

    // Follows the job's signals; the job runs elsewhere.
    void follow(OcrJob* job);
    void addNote(const QString& text);
    // Shows a failure that stopped everything before any page was read.
    void showFailure(const QString& text);

signals:
    void cancelRequested();

protected:
    void closeEvent(class QCloseEvent* event) override;

private:
    void pageStarted(int index, int total, const QString& file, const QImage& thumbnail);
    void pageDone(int index, int done, int total);
    // Shows the first page still being read: with several workers, later ones start earlier.
    void showFirstInProgress(int total);
    void finished(int status, const QString& pdfPath, const QString& txtPath,
                  const QString& message);
    void setStopped();

    QLabel* m_thumbnail;
    QLabel* m_page;
    QLabel* m_file;
    QProgressBar* m_progress;
    QLabel* m_notes;
    QPushButton* m_button;
    bool m_running = false;
    struct Shown {
        QString file;
        QImage thumbnail;
    };
    QMap<int, Shown> m_inProgress;
};
