#pragma once

#include <QSize>
#include <QtGlobal>

// Image readers trust the size a file's header declares: a 1 MB file claiming 20,000 x 20,000
// pixels would have them allocate gigabytes. Every picture the program reads from a file it did
// not just write itself is checked against this first; no camera or scanner comes near it.
constexpr qint64 kMaxImagePixels = 100LL * 1000 * 1000;

inline bool imageSizeAcceptable(const QSize& declared) {
    return declared.isValid() && !declared.isEmpty() &&
           qint64(declared.width()) * declared.height() <= kMaxImagePixels;
}
