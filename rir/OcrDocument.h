#pragma once

#include "PageRecognizer.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// One page read: the picture file and how far it was turned to stand upright.
struct OcrPage {
    QString file;
    int quarterTurns = 0;  // clockwise, after the file's own orientation
    RecognizedPage result;
};

// Writes the searchable PDF (each page's own picture, a JPEG byte for byte, under an invisible
// text layer) and the UTF-8 text beside it. Both appear together or not at all, and neither
// replaces a file.
class OcrDocument {
public:
    // stem: the path without extension; ".pdf" and ".txt" are added. fontProgram: the one-glyph
    // font for the text layer (may be empty). `stop` is asked between pages.
    static bool write(const QString& stem, const std::vector<OcrPage>& pages,
                      const QByteArray& fontProgram, const std::function<bool()>& stop,
                      QString* error);
    // The text file's content: each page's text, pages apart by a blank line.
    static QString plainText(const std::vector<OcrPage>& pages);
};
