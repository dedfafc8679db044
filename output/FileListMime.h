#pragma once

#include <QByteArray>
#include <QStringList>

class QMimeData;

// The forms in which a list of files travels to other programs, by the clipboard and by drag and
// drop, so that file managers, mail programs and editors all find one they read:
//   "text/uri-list"                 the files' URLs, each line ended by CRLF (RFC 2483);
//   "x-special/gnome-copied-files"  "copy" and the URLs, one per line, as GNOME-style file
//                                   managers expect for a paste of real files;
//   "image/png"                     the picture itself, when exactly one readable image is listed.
class FileListMime {
public:
    static QByteArray uriList(const QStringList& paths);
    static QByteArray gnomeCopiedFiles(const QStringList& paths);

    // A new mime object with the forms above. The formats of `keep` (the clipboard's content so
    // far) are carried over first, except those the file list replaces: a picture or file list
    // copied earlier must not be pasted in place of this one.
    static QMimeData* create(const QStringList& paths, const QMimeData* keep = nullptr);
};
