#include "modes/QRDecoder.h"

#include <QDebug>

#include <QTextBoundaryFinder>

#include <cstring>
#include <vector>

#include "app/LibraryLoader.h"
#include "app/LogCategories.h"
#include "modes/ImageProcessor.h"

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
    std::vector<char> results(size_t(kMaxCodes) * kEntrySize, 0);
    qCDebug(lcModes) << "Define SImage";
    const int pad = (4 - (img->width() * 3) % 4) % 4;
    qCDebug(lcModes).nospace() << "yu:" << pad;
    // An RGB888 image without row padding is handed over as it is; anything else (padded rows,
    // another pixel format) is packed into a private buffer first.
    QByteArray packed;
    SImage src{nullptr, img->width(), img->height()};
    if (pad == 0 && img->format() == QImage::Format_RGB888 &&
        img->bytesPerLine() == img->width() * 3) {
        src.data = const_cast<unsigned char*>(img->constBits());
    } else {
        qCDebug(lcModes) << "123";
        packed = ImageProcessor::PackedRgb(*img);
        if (packed.isEmpty())
            return list;
        src.data = reinterpret_cast<unsigned char*>(packed.data());
    }
    const int n = m_decode(&src, results.data(), kMaxCodes);
    for (int i = 0; i < n && i < kMaxCodes; ++i) {
        const char* entry = results.data() + size_t(i) * kEntrySize;
        list->append(QString::fromUtf8(entry, int(strnlen(entry, kEntrySize))));
    }
    return list;
}

namespace {

bool breaksName(QChar c) {
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

// The longest prefix of name, ending on a whole character (a letter with its accents, an emoji
// with its modifiers), that takes at most maxBytes bytes of UTF-8.
QString shortened(const QString& name, int maxBytes) {
    if (name.toUtf8().size() <= maxBytes)
        return name;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, name);
    int end = 0;
    for (int next = characters.toNextBoundary(); next > 0; next = characters.toNextBoundary()) {
        if (name.leftRef(next).toUtf8().size() > maxBytes)
            break;
        end = next;
    }
    return name.left(end);
}

}  // namespace

QString QRContentToFileName(const QString& text) {
    static const QString unsafe = QStringLiteral("/\\?.*|:<>");
    QString name;
    name.reserve(text.size());
    bool anyKept = false;
    for (QChar c : text) {
        const bool replaced = unsafe.contains(c) || breaksName(c);
        name += replaced ? QChar(QLatin1Char('_')) : c;
        anyKept = anyKept || (!replaced && !c.isSpace());
    }
    return anyKept ? shortened(name, kMaxQRNameBytes) : QString();
}
