#pragma once

#include <QImage>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "app/Log.h"
#include "output/ImageNamer.h"
#include "output/Watermark.h"

class AppSettings;
class SaveThread;

// The road of every finished page to the disk, shared by all scan modes: the output folder (with
// its fallback), the file name, the watermark, and a save thread that encodes the file. A file
// that reached the disk is announced with saved(); a failed one is logged and reported.
class OutputPipeline : public QObject {
    Q_OBJECT

public:
    explicit OutputPipeline(QObject* parent = nullptr);
    // A file still being encoded is finished rather than lost.
    ~OutputPipeline() override;

    // Kept, not owned; read live at every save.
    void setSettings(AppSettings* settings) { m_settings = settings; }

    // Names, stamps and queues `page`. Returns the path it will have, or an empty string when
    // nothing was queued.
    QString save(QImage page);
    // The same under a caller-given base name in the output folder ("_2", "_3" … appended while
    // that name is taken).
    QString saveAs(QImage page, const QString& baseName);
    // The sides of one card, unstamped, under one shared name followed by each side's text
    // ("Up", "Down"); written and announced in the order given. Returns the paths queued.
    QStringList saveSides(const QList<QPair<QString, QImage>>& sides);
    // The two pages of a book spread, unstamped, at the encoder's own default quality, named as
    // a "_LEFT" / "_RIGHT" pair and announced left first; a null page is left out.
    QStringList savePair(const QImage& left, const QImage& right);
    void stamp(QImage* image);

    // The folder saves go to now: the stored output folder whenever it can take files, else a
    // fallback for as long as it cannot (announced by outputDirectoryReplaced). The stored
    // setting is never changed, and the working directory is never used. Empty when no folder
    // at all can take files.
    QString outputDirectory();
    // A page was looked for on a capture and none was found, so nothing is saved: logged, and
    // announced with noPageFound() so the user can try again. For every scan mode.
    void reportNoPage();
    // Waits until every queued file is written.
    bool waitForSaves(int msecs = 30000);

signals:
    // The path a page is about to be written to, with the page before its watermark.
    void naming(QString path, QImage page);
    void saved(QString path);
    void saveFailed(QString path, QString reason);
    // The stored folder cannot take files (missing, a file, read-only): saves go to `used`
    // until it can again. Sent when that starts or the fallback changes, not for every save.
    void outputDirectoryReplaced(QString stored, QString used);
    // The stored folder takes files again (the drive is back); saves go there from now on.
    void outputDirectoryRestored(QString dir);
    void noPageFound();

private:
    // Output folder, prefix and rule from the live settings; returns the folder, or an empty
    // string (reported) when no folder can take files.
    QString prepareNaming();
    bool queue(const QImage& page, const QString& path, int imageType);
    // One save thread writes the files in order, so they are announced in that order.
    bool queue(const QList<QImage>& pages, const QStringList& paths, int quality, int imageType);
    // Reports a save refused because no folder at all can take files.
    void noFolder(const QString& stored);
    void logFailure(const QString& message);
    // The stored prefix as a file name can use it: no path separator, no leading dot (which
    // would hide every file).
    QString usablePrefix();
    // The stored image type, or the default one for a value no format answers to.
    int usableImageType();
    void reportDirectory(const QString& stored, const QString& used);

    AppSettings* m_settings = nullptr;
    ImageNamer m_namer;
    Log m_log;
    // The fallback folder in use (empty while the stored folder takes the files), and the
    // stored value it stands in for.
    QString m_fallback;
    QString m_fallbackFor;
    // Settings values already reported as unusable, so a burst of captures logs them once.
    QString m_reportedPrefix;
    int m_reportedImageType = 0;
    // Threads still writing, so closing the program waits for them instead of losing files.
    QList<QPointer<SaveThread>> m_running;
};
