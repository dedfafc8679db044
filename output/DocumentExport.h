#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>

// One export of pictures into a PDF or Word document, meant to run on a worker thread: it checks
// the request, picks a name that replaces no file, drives the export library page by page and
// reports by signals. Nothing of it touches a widget.
//
// Whatever the outcome, no partial document is left and no older file is replaced: the library
// writes beside the target and renames only a complete document into place.
class DocumentExport : public QObject {
    Q_OBJECT

public:
    enum Kind { Pdf = 0, Word = 1 };
    // The result of an export stopped by cancel() (the libraries' own code for it).
    static constexpr int kCancelled = -6;

    DocumentExport(Kind kind, const QStringList& files, const QString& outPath,
                   QObject* parent = nullptr);

    // The name the document gets: outPath, or, when a file of that name exists, the first free
    // name with "_2", "_3", ... before the extension.
    static QString freeName(const QString& outPath);

    // Safe from any thread; the export stops after the page in progress.
    void cancel() { m_cancelled = true; }

public slots:
    void run();

signals:
    void progress(int done, int total);
    // result: pages written (> 0), or a negative code. message: empty on success, otherwise what
    // went wrong, in words for the user. outPath: the document written (or that would have been).
    void finished(int result, const QString& outPath, const QString& message);

private:
    // A reason to refuse the request before the library sees it, or empty.
    QString refusal(const QString& outPath) const;
    QString failureText(int result) const;

    Kind m_kind;
    QStringList m_files;
    QString m_outPath;
    std::atomic_bool m_cancelled{false};
};
