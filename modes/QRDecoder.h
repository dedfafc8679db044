#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

#include "KELM_QRCode.h"

// The program's side of the QR library: every code on a page as text.
class QRDecoder {
public:
    static constexpr int kMaxCodes = 32;
    static constexpr int kEntrySize = 1040;

    QRDecoder();
    QRDecoder(const QRDecoder&) = delete;
    QRDecoder& operator=(const QRDecoder&) = delete;

    // Loads libKELM_QRCode.so from the application directory: 1, or -1 when the library or its
    // entry point is missing.
    int Load();
    bool IsLoaded() const { return m_decode != nullptr; }

    // The texts of the codes on img in the library's order, at most 32; a new list owned by the
    // caller, empty for no image, no code or no library.
    QStringList* Decode(QImage* img);

private:
    using DecodeFn = int(SImage*, char*, int);
    DecodeFn* m_decode = nullptr;
    QVector<char> m_results;
};

// text with each of / \ ? . * | : < > replaced by "_", for use as a file's base name.
QString QRContentToFileName(const QString& text);
