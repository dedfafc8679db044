#pragma once

#include "PdfPageText.h"

#include <QImage>
#include <QString>
#include <atomic>
#include <memory>

namespace tesseract {
class TessBaseAPI;
}

// What was read on one page: the words with their boxes (for the PDF's text layer) and the text
// in reading order (for the .txt file).
struct RecognizedPage {
    PdfPageText layer;
    QString text;
};

// One Tesseract engine, loaded once and used for page after page on one thread. Loading the
// language data takes a while and an engine is not safe to share, so each worker owns one.
class PageRecognizer {
public:
    PageRecognizer();
    ~PageRecognizer();
    PageRecognizer(const PageRecognizer&) = delete;
    PageRecognizer& operator=(const PageRecognizer&) = delete;

    // languages: Tesseract's form, "deu+eng". False with a reason when the data cannot be loaded.
    bool load(const QString& dataPath, const QString& languages, QString* error);

    // Reads an upright page. `cancel` is polled while the engine works and a cancelled page
    // returns false; a page without anything to read is a page without text.
    bool recognize(const QImage& page, const std::atomic_bool& cancel, RecognizedPage* out);

private:
    std::unique_ptr<tesseract::TessBaseAPI> m_api;
};
