#pragma once

// File helpers shared by the tests of the settings, log, resource and output units.

#include <QFile>

#include <signal.h>
#include <sys/resource.h>

// The whole content of a file, or an empty array when it cannot be read.
inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Makes the bytes the whole content of the file; false when that failed.
inline bool writeFile(const QString& path, const QByteArray& bytes = {}) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Runs `work` as if the disk were full past `bytes`: a write that would make any file larger
// fails (EFBIG) instead of raising SIGXFSZ. False, without running it, when that cannot be set.
template <class Work>
bool withFullDisk(rlim_t bytes, Work work) {
    rlimit old;
    signal(SIGXFSZ, SIG_IGN);
    if (getrlimit(RLIMIT_FSIZE, &old) != 0)
        return false;
    const rlimit full = {bytes, old.rlim_max};
    if (setrlimit(RLIMIT_FSIZE, &full) != 0)
        return false;
    work();
    return setrlimit(RLIMIT_FSIZE, &old) == 0;
}
