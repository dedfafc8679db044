#include "modes/QRDecoder.h"

#include <QDebug>

#include <cstring>

#include "app/LibraryLoader.h"
#include "app/LogCategories.h"
#include "modes/ImageProcessor.h"

QRDecoder::QRDecoder() : m_results(kMaxCodes * kEntrySize, 0) {}

int QRDecoder::Load() {
    LibraryLoader lib(QStringLiteral("libKELM_QRCode.so"));
    if (!lib.load()) {
        qCDebug(lcModes).noquote() << "Can not load KELM_QRCode.dll!\n\r" << lib.errorString();
        return -1;
    }
    const LibraryLoader::Symbol symbols[] = {
        LibraryLoader::entry("KELM_QRCode_Decoding", m_decode)};
    if (lib.resolve(symbols) >= 0) {
        qCDebug(lcModes).noquote() << "Can not load API KELM_QRCode_Decoding!\n\r";
        return -1;
    }
    return 1;
}

QStringList* QRDecoder::Decode(QImage* img) {
    auto* list = new QStringList;
    if (!img || img->isNull() || img->width() <= 0 || img->height() <= 0)
        return list;
    if (!m_decode) {
        qCDebug(lcModes).noquote() << "Can not load API KELM_QRCode_Decoding!\n\r";
        return list;
    }
    std::fill(m_results.begin(), m_results.end(), 0);
    const int pad = (4 - (img->width() * 3) % 4) % 4;
    // An RGB888 image without row padding is handed over as it is; anything else (padded rows,
    // another pixel format) is packed into a private buffer first.
    QByteArray packed;
    SImage src{nullptr, img->width(), img->height()};
    if (pad == 0 && img->format() == QImage::Format_RGB888 &&
        img->bytesPerLine() == img->width() * 3) {
        src.data = const_cast<unsigned char*>(img->constBits());
    } else {
        packed = ImageProcessor::PackedRgb(*img);
        if (packed.isEmpty())
            return list;
        src.data = reinterpret_cast<unsigned char*>(packed.data());
    }
    const int n = m_decode(&src, m_results.data(), kMaxCodes);
    for (int i = 0; i < n && i < kMaxCodes; ++i) {
        const char* entry = m_results.constData() + i * kEntrySize;
        list->append(QString::fromLatin1(entry, int(strnlen(entry, kEntrySize))));
    }
    return list;
}

QString QRContentToFileName(const QString& text) {
    QString name = text;
    for (const char* c : {"/", "\\", "?", ".", "*", "|", ":", "<", ">"})
        name.replace(QLatin1String(c), QLatin1String("_"));
    return name;
}
