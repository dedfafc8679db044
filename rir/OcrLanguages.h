#pragma once

#include <QString>
#include <QStringList>

// Which Tesseract languages read the pages: those of the interface language, always with English
// beside them, unless the command line names others; and only those whose data is installed.
class OcrLanguages {
public:
    // Tesseract's codes for an interface language as the program stores it ("German" ->
    // "deu+eng"); English for an unknown or empty one.
    static QString forInterface(const QString& storedLanguage);
    // The installed part of `wanted` ("deu+eng"), English in place of none. Each language left
    // out adds a sentence for the user to `notes`. Empty when not even English is installed.
    static QString installed(const QString& wanted, const QString& dataPath, QStringList* notes);
    // Whether the page-orientation data is installed.
    static bool hasOrientationData(const QString& dataPath);
};
