#pragma once

#include "OcrDocument.h"

#include <QImage>
#include <QObject>
#include <QStringList>
#include <atomic>
#include <mutex>

struct OcrRequest {
    QStringList files;  // in the order the pages go into the document
    QString languages;  // Tesseract's form, "deu+eng"; all installed
    QString outputFolder;
    QString dataPath;  // Tesseract's data folder
    int workers = 1;   // pages read at once, one Tesseract engine each
};

// Reads the pages of a request and writes the searchable PDF and the text file. run() blocks
// (call it on a thread of its own); the reports come as signals from the worker threads.
class OcrJob : public QObject {
    Q_OBJECT

public:
    enum Status { Done = 0, Failed = 2, Cancelled = 3 };

    explicit OcrJob(const OcrRequest& request, QObject* parent = nullptr);

    // Safe from any thread: pages in progress stop, nothing is written.
    void cancel() { m_cancel = true; }

public slots:
    void run();

signals:
    // A page is being read (index from 0), with a small picture of it.
    void pageStarted(int index, int total, const QString& file, const QImage& thumbnail);
    // Page `index` is read (or skipped); `done` pages of `total` are.
    void pageDone(int index, int done, int total);
    // Something the user should know that does not stop the job (a file skipped, ...).
    void note(const QString& text);
    // pdfPath and txtPath are empty unless status is Done.
    void finished(int status, const QString& pdfPath, const QString& txtPath,
                  const QString& message);

private:
    void work();
    // Reads one page, turned upright first when its text lies sideways or upside down; false
    // with a note when its file is not a usable picture.
    bool readPage(int index, class PageRecognizer& engine, OcrPage* page);

    OcrRequest m_request;
    std::atomic_bool m_cancel{false};
    std::atomic_int m_next{0};
    std::atomic_int m_done{0};
    std::mutex m_mutex;
    std::vector<OcrPage> m_pages;
    std::vector<char> m_read;  // per page: read and usable
    QString m_loadError;
};
