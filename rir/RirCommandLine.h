#pragma once

#include "OcrJob.h"

#include <QStringList>

// The OCR program's command line: Rir [--lang deu+eng] [--out folder] [--jobs n] [--no-gui]
// image files...
struct RirCommandLine {
    OcrRequest request;
    bool gui = true;
    QStringList notes;  // said before the pages are read (languages left out, ...)
    QString error;      // set when nothing can be done

    // Parses the arguments; an error leaves `error` set. The language comes from the interface
    // language unless --lang names one; the folder is that of the first file unless --out names
    // one.
    static RirCommandLine parse(const QStringList& arguments);
    // Whether the arguments ask for no window (looked at before any application object exists).
    static bool wantsNoGui(int argc, char** argv);
};
