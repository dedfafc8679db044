#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QImage;
class QLockFile;

// The temporary folder of the identity-card and book modes and the names of the intermediate
// files in it. The folder lives beside the program; when that one cannot be made (a program
// folder that is not writable) or another running copy of the program uses it, a per-user
// folder takes its place, so that two copies never read each other's card sides.
class TempFiles {
public:
    TempFiles();
    ~TempFiles();
    TempFiles(const TempFiles&) = delete;
    TempFiles& operator=(const TempFiles&) = delete;

    // Creates the folder and sets the file names. Returns the folder, or an empty string when no
    // folder could be made; every file name is then empty as well.
    QString InitTempFiles();
    // Deletes the folder with everything in it, if this object made it.
    void RemoveTempDir();

    QString directory() const { return m_dir; }
    QString frontPath() const { return m_front; }      // calibrated front side of a card
    QString backPath() const { return m_back; }        // calibrated back side
    QString facePath() const { return m_face; }        // the portrait from the sub camera
    QString bookLeftPath() const { return m_left; }    // left page of a book spread
    QString bookRightPath() const { return m_right; }  // right page

    // Writes an intermediate file completely or not at all, in the configured image type and
    // quality. GIF, which the image library cannot read back, is written as PNG (the name says
    // nothing about the content).
    static bool Write(const QImage& image, const QString& path, int imageType, int quality,
                      QString* error);

    // Candidates in order of preference; the per-user ones come from the desktop's folders.
    static QStringList candidateDirectories();

private:
    bool claim(const QString& dir);

    QString m_dir, m_front, m_back, m_face, m_left, m_right;
    std::unique_ptr<QLockFile> m_lock;
};
