#include "camera/FaceLibrary.h"

#include <QByteArray>
#include <QDebug>

#include <cstring>

#include "app/LibraryLoader.h"
#include "app/LogCategories.h"

namespace {

// The library reads rows of exactly width x 3 bytes; QImage pads its rows to 4 bytes.
struct PackedRgb {
    QImage rgb;
    QByteArray rows;
    SImage view{nullptr, 0, 0};
};

PackedRgb pack(const QImage& image) {
    PackedRgb p;
    p.rgb = image.convertToFormat(QImage::Format_RGB888);
    const int row = p.rgb.width() * 3;
    if (p.rgb.bytesPerLine() == row) {
        p.view = SImage{const_cast<uchar*>(p.rgb.constBits()), p.rgb.width(), p.rgb.height()};
        return p;
    }
    p.rows.resize(row * p.rgb.height());
    for (int y = 0; y < p.rgb.height(); ++y)
        std::memcpy(p.rows.data() + qint64(y) * row, p.rgb.constScanLine(y), size_t(row));
    p.view = SImage{reinterpret_cast<uchar*>(p.rows.data()), p.rgb.width(), p.rgb.height()};
    return p;
}

}  // namespace

int FaceLibrary::Load() {
    LibraryLoader library(QStringLiteral("libCSeetaface.so"));
    if (!library.load())
        return -1;
    using L = LibraryLoader;
    const L::Symbol symbols[] = {L::entry("KELM_FaceCompare", m_compare),
                                 L::entry("KELM_GetFaces", m_getFaces)};
    const int missing = library.resolve(symbols);
    if (missing >= 0) {
        qCDebug(lcCamera).noquote()
            << QStringLiteral("Can not load API %1!\n\r").arg(QLatin1String(symbols[missing].name));
        return -2;
    }
    m_loaded = 1;
    return 1;
}

double FaceLibrary::Compare(const QImage& face, const QImage& main) const {
    if (!loaded() || !m_compare)
        return -1.0;
    if (face.isNull() || main.isNull())
        return 0.0;
    const PackedRgb a = pack(face), b = pack(main);
    return m_compare(a.view, b.view);
}
