#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "KELM_QRCode.h"

// The program's side of the QR library: every code on a page as text.
class QRDecoder {
public:
    static constexpr int kMaxCodes = 32;
    static constexpr int kEntrySize = 1040;

    QRDecoder() = default;
    QRDecoder(const QRDecoder&) = delete;
    QRDecoder& operator=(const QRDecoder&) = delete;

    // Loads libKELM_QRCode.so from the application directory: 1, or -1 when the library or its
    // entry point is missing.
    int Load();
    bool IsLoaded() const { return m_decode != nullptr; }

    // The texts of the codes on img in the library's order, at most 32, read as UTF-8; a new list
    // owned by the caller, empty for no image, no code or no library. Each call has its own
    // result area, so pages may be decoded on several threads at once.
    QStringList* Decode(QImage* img);

private:
    using DecodeFn = int(SImage*, char*, int);
    DecodeFn* m_decode = nullptr;
};

// The QR content as a file's base name: each of / \ ? . * | : < > and every control character
// (line breaks and tabs between several codes included) becomes "_", and a name longer than
// kMaxQRNameBytes bytes of UTF-8 is shortened on a character boundary. Empty when nothing of the
// text would be left but "_" and spaces: such a page is named by the naming rule instead.
QString QRContentToFileName(const QString& text);
// Room for "_<number>" and the extension within the 255 bytes a file name may have.
constexpr int kMaxQRNameBytes = 240;
