#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QThread>

// Encodes one image file off the GUI thread and reports the path when the file is on disk.
// The thread works on a private copy of the pixels, so the caller may release or reuse its image
// (even one that wraps a library buffer) as soon as SetImage() returns.
class SaveThread : public QThread {
    Q_OBJECT
public:
    explicit SaveThread(QObject* parent = nullptr);
    ~SaveThread() override;

    // Deep-copies `img` (as RGB888) and stores the target path. Returns 1, or 0 for no image.
    int SetImage(const QImage* img, const QString& fileName);
    // One more file for the same thread (the pages of one spread, the sides of one card): the
    // files are written, and reported, in the order they were added.
    int AddImage(const QImage* img, const QString& fileName);

    int quality = 80;
    int imageType = 0;

signals:
    // The file was written completely.
    void Signal_Finished(QString fileName);
    // Nothing usable was written (unwritable folder, full disk, refused name, encoder error).
    void Signal_Failed(QString fileName, QString reason);

protected:
    void run() override;

private:
    struct File {
        QImage image;
        QString name;
    };
    QList<File> files;
};
