#pragma once

#include <QList>
#include <QString>

// The desktop's trash (the freedesktop.org one the file managers show): deleting from the image
// list moves files there, so a slip of the hand is recoverable, and an Undo right after puts
// them back.
class FileTrash {
public:
    struct Entry {
        QString original;  // where the file was
        QString inTrash;   // where the trash keeps it
        int row = -1;      // its place in the image list
    };

    // Moves `path` to the trash; false, with the system's reason in `error`, when it cannot go
    // there (the file then stays where it is: it is never deleted outright).
    static bool moveToTrash(const QString& path, QString* inTrash, QString* error);
    // Puts a trashed file back and drops the trash's record of it. Refuses to replace a file
    // that has appeared under the original name meanwhile.
    static bool restore(const Entry& entry, QString* error);
};
