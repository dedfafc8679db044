#include "modes/ImageProcessor.h"

#include <QDebug>
#include <QFile>

#include <atomic>
#include <cstring>
#include <new>

#include "app/AppPaths.h"
#include "app/LibraryLoader.h"
#include "app/LogCategories.h"

namespace {

std::atomic<int> g_liveWrapped{0};

void releaseWrapped(void* buffer) {
    delete[] static_cast<unsigned char*>(buffer);
    --g_liveWrapped;
}

// Zeroed buffer, or null when the size is impossible or memory is short: a failed capture must
// not take the program down.
unsigned char* zeroedBuffer(qint64 bytes) {
    if (bytes <= 0 || bytes > (qint64(1) << 31))
        return nullptr;
    auto* p = new (std::nothrow) unsigned char[size_t(bytes)];
    if (p)
        std::memset(p, 0, size_t(bytes));
    return p;
}

bool usable(const QImage* img) {
    return img && !img->isNull() && img->width() > 0 && img->height() > 0;
}

}  // namespace

ImageProcessor::ImageProcessor() = default;

ImageProcessor::~ImageProcessor() {
    // The libraries stay mapped: a QImage made by them may outlive this object, and unloading a
    // library under code that still runs is worse than keeping a few pages mapped.
}

int ImageProcessor::Load() {
    LibraryLoader imageLib(QStringLiteral("libKELM_ImageProcessingMod.so"));
    qCDebug(lcModes) << "ApplicationDirPath:" << AppPaths::applicationDir();
    if (!imageLib.load()) {
        qCDebug(lcModes).noquote()
            << "Can not load API KELM_ImageProcessingMod!\n\r" << imageLib.errorString();
        return -1;
    }
    using L = LibraryLoader;
    const L::Symbol symbols[] = {
        L::entry("KELM_GetRectCornerPoint", fnGetRectCornerPoint),
        L::entry("KELM_GetMoreRectPoint", fnGetMoreRectPoint),
        L::entry("KELM_CutRequestedROI", fnCutRequestedROI),
        L::entry("KELM_CalibrateIDCard", fnCalibrateIDCard),
        L::entry("KELM_SynthesisIDCard", fnSynthesisIDCard),
        L::entry("KELM_SynthesisIDCardFromPath", fnSynthesisIDCardFromPath),
        L::entry("KELM_ResetImageStyle", fnResetImageStyle),
        L::entry("KELM_ThresholdImage", fnThresholdImage),
        L::entry("KELM_MulticolorOptimizeImage", fnMulticolorOptimizeImage),
        L::entry("KELM_SetThresholdValue", fnSetThresholdValue),
    };
    // The result code of each missing entry point, in the order above.
    static const int codes[] = {-2, -2, -3, -4, -5, -6, -6, -7, -8, -12};
    const int missing = imageLib.resolve(symbols);
    if (missing >= 0) {
        qCDebug(lcModes).noquote()
            << QString("Can not load API %1!\n\r").arg(symbols[missing].name);
        return codes[missing];
    }
    LibraryLoader bookLib(QStringLiteral("libKELM_BookProcessingDll.so"));
    qCDebug(lcModes) << "BookDirPath:" << bookLib.path();
    const L::Symbol bookSymbols[] = {L::entry("KELM_GetBookCornerPoint", fnGetBookCornerPoint),
                                     L::entry("KELM_GetSplitBook", fnGetSplitBook),
                                     L::entry("KELM_OptimizeBook", fnOptimizeBook)};
    if (!bookLib.load() || bookLib.resolve(bookSymbols) >= 0) {
        qCDebug(lcModes).noquote() << "Can not load API KELM_BookProcess!\n\r";
        return -13;
    }
    return 1;
}

QByteArray ImageProcessor::PackedRgb(const QImage& img) {
    if (img.isNull() || img.width() <= 0 || img.height() <= 0)
        return QByteArray();
    const QImage rgb =
        img.format() == QImage::Format_RGB888 ? img : img.convertToFormat(QImage::Format_RGB888);
    const int rowBytes = rgb.width() * 3;
    QByteArray out(rowBytes * rgb.height(), Qt::Uninitialized);
    if (out.size() != rowBytes * rgb.height())
        return QByteArray();
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(out.data() + qint64(y) * rowBytes, rgb.constScanLine(y), size_t(rowBytes));
    return out;
}

int* ImageProcessor::DetectCorners(QImage* img, int mode) {
    int* corners = new int[8]();
    if (!fnGetRectCornerPoint) {
        qCDebug(lcModes).noquote() << "Can not load API KELM_GetRectCornerPoint!\n\r";
        return corners;
    }
    if (!usable(img))
        return corners;
    // Detection only reads: packed RGB rows (a preview frame, every few ticks) are handed over as
    // they are; anything else is packed into a private copy first.
    if (img->format() == QImage::Format_RGB888 && img->bytesPerLine() == img->width() * 3) {
        SImage src{const_cast<uchar*>(img->constBits()), img->width(), img->height()};
        fnGetRectCornerPoint(src, corners, mode);
        return corners;
    }
    QByteArray copy = PackedRgb(*img);
    DetectPacked(copy, img->width(), img->height(), mode, corners);
    return corners;
}

void ImageProcessor::DetectPacked(QByteArray& packed, int w, int h, int mode, int* corners) {
    if (packed.isEmpty() || !fnGetRectCornerPoint)
        return;
    SImage src{reinterpret_cast<unsigned char*>(packed.data()), w, h};
    fnGetRectCornerPoint(src, corners, mode);
}

int* ImageProcessor::DetectDocCorners(QImage* img) {
    return DetectCorners(img, 0);
}

int* ImageProcessor::DetectCardCorners(QImage* img) {
    return DetectCorners(img, 1);
}

static bool allZero(const int* c) {
    for (int i = 0; i < 8; ++i)
        if (c[i] != 0)
            return false;
    return true;
}

QImage* ImageProcessor::CutPackedAt(QImage* img, int mode, bool card, bool autoIdentify,
                                    bool optimise) {
    QByteArray packed = PackedRgb(*img);
    if (packed.isEmpty())
        return nullptr;
    int corners[8] = {};
    DetectPacked(packed, img->width(), img->height(), mode, corners);
    if (allZero(corners))
        return nullptr;
    return CutWith(packed, img->width(), img->height(), corners, card, autoIdentify, optimise);
}

QImage* ImageProcessor::CutWith(QByteArray& packed, int w, int h, const int* corners, bool card,
                                bool autoIdentify, bool optimise) {
    SImage src{reinterpret_cast<unsigned char*>(packed.data()), w, h};
    unsigned char* buffer = zeroedBuffer(qint64(w) * h * 3);
    if (!buffer)
        return nullptr;
    SImage dst{buffer, w, h};
    int c[8];
    std::memcpy(c, corners, sizeof c);
    const short r = card ? fnCalibrateIDCard(src, &dst, c, 1, 1, 1, 1, autoIdentify ? 1 : 0)
                         : fnCutRequestedROI(src, &dst, c, 0, 0, 0, 0, 0);
    // A library that reports a size larger than the buffer it was given would make us read
    // beyond it: treat that as a failure.
    if (r <= 0 || dst.width <= 0 || dst.height <= 0 ||
        qint64(dst.width) * dst.height > qint64(w) * h) {
        delete[] buffer;
        return nullptr;
    }
    if (optimise) {
        if (!fnMulticolorOptimizeImage) {
            qCDebug(lcModes).noquote() << "Can not load API KELM_MulticolorOptimizeImage!\n\r";
            delete[] buffer;
            return nullptr;
        }
        const qint64 bytes = qint64(dst.width) * dst.height * 3;
        unsigned char* optimised = zeroedBuffer(bytes);
        if (!optimised) {
            delete[] buffer;
            return nullptr;
        }
        SImage out{optimised, dst.width, dst.height};
        const short o = fnMulticolorOptimizeImage(dst, &out, 0, 0, 0, 0);
        if (o <= 0 || out.width <= 0 || out.height <= 0 ||
            qint64(out.width) * out.height * 3 > bytes) {
            delete[] optimised;
            delete[] buffer;
            return nullptr;
        }
        std::memcpy(buffer, optimised, size_t(qint64(out.width) * out.height * 3));
        delete[] optimised;
        dst.width = out.width;
        dst.height = out.height;
    }
    unsigned char* rows = PadRows(buffer, dst.width, dst.height);
    if (!rows) {
        delete[] buffer;
        return nullptr;
    }
    return WrapBuffer(rows, dst.width, dst.height);
}

QImage* ImageProcessor::CutDocument(QImage* img, bool optimise) {
    if (!usable(img))
        return nullptr;
    if (!fnCutRequestedROI) {
        qCDebug(lcModes).noquote() << "Can not load API KELM_CutRequestedROI!\n\r";
        return nullptr;
    }
    return CutPackedAt(img, 0, false, false, optimise);
}

QImage* ImageProcessor::CalibrateCard(QImage* img, bool autoIdentify) {
    if (!usable(img))
        return nullptr;
    if (!fnCalibrateIDCard) {
        qCDebug(lcModes).noquote() << "Can not load API KELM_CalibrateIDCard!\n\r";
        return nullptr;
    }
    return CutPackedAt(img, 1, true, autoIdentify, false);
}

QImage* ImageProcessor::SynthesizeCardPage(const QString& frontPath, const QString& backPath) {
    if (!fnSynthesisIDCardFromPath) {
        qCDebug(lcModes).noquote() << "Can not load API KELM_SynthesisIDCardFromPath!\n\r";
        return nullptr;
    }
    const int w = 2200, h = 3110;
    unsigned char* page = zeroedBuffer(qint64(w) * h * 3);
    if (!page)
        return nullptr;
    SImage dst{page, w, h};
    // The library takes 8-bit paths. A path that Latin-1 cannot spell would name another file,
    // so try the local 8-bit encoding (UTF-8 here) for those.
    auto encode = [](const QString& p) {
        const QByteArray l1 = p.toLatin1();
        return QString::fromLatin1(l1) == p ? l1 : QFile::encodeName(p);
    };
    const QByteArray f = encode(frontPath), b = encode(backPath);
    const short r = fnSynthesisIDCardFromPath(f.constData(), b.constData(), &dst, 1);
    if (r <= 0 || dst.width != w || dst.height != h) {
        delete[] page;
        return nullptr;
    }
    return WrapBuffer(page, w, h);
}

QImage* ImageProcessor::ToGray(QImage* img) {
    if (!img || img->isNull())
        return nullptr;
    const QImage src =
        img->format() == QImage::Format_RGB888 ? *img : img->convertToFormat(QImage::Format_RGB888);
    auto* grey = new QImage(src.width(), src.height(), QImage::Format_RGB888);
    for (int y = 0; y < src.height(); ++y) {
        const uchar* s = src.constScanLine(y);
        uchar* d = grey->scanLine(y);
        for (int x = 0; x < src.width(); ++x, s += 3, d += 3) {
            // Luma weights of ITU-R BT.601, which is what a reader expects grey text to look like.
            const uchar g = uchar((299 * s[0] + 587 * s[1] + 114 * s[2] + 500) / 1000);
            d[0] = d[1] = d[2] = g;
        }
    }
    return grey;
}

unsigned char* ImageProcessor::PadRows(unsigned char* data, int width, int height) {
    if (!data || width <= 0 || height <= 0)
        return nullptr;
    const qint64 row = qint64(width) * 3;
    if (row % 4 == 0)
        return data;
    const qint64 padded = row + 4 - row % 4;
    unsigned char* out = zeroedBuffer(padded * height);
    if (!out)
        return nullptr;
    for (int y = 0; y < height; ++y)
        std::memcpy(out + y * padded, data + y * row, size_t(row));
    delete[] data;
    return out;
}

bool ImageProcessor::PadRowsInPlace(unsigned char* data, int width, int height, qint64 capacity) {
    if (!data || width <= 0 || height <= 0)
        return false;
    const qint64 row = qint64(width) * 3;
    if (row % 4 == 0)
        return row * height <= capacity;
    const qint64 padded = row + 4 - row % 4;
    if (padded * height > capacity)
        return false;
    // From the last row backwards, so that no row is overwritten before it has moved.
    for (int y = height - 1; y >= 0; --y) {
        std::memmove(data + y * padded, data + y * row, size_t(row));
        std::memset(data + y * padded + row, 0, size_t(padded - row));
    }
    return true;
}

QImage* ImageProcessor::WrapBuffer(unsigned char* data, int width, int height) {
    if (!data || width <= 0 || height <= 0)
        return nullptr;
    ++g_liveWrapped;
    const int bpl = (width * 3 + 3) / 4 * 4;
    return new QImage(data, width, height, bpl, QImage::Format_RGB888, releaseWrapped, data);
}

QImage ImageProcessor::TakeImage(QImage* wrapped) {
    if (!wrapped)
        return QImage();
    QImage result = *wrapped;
    Release(wrapped);
    return result;
}

int ImageProcessor::LiveWrappedBuffers() {
    return g_liveWrapped.load();
}
