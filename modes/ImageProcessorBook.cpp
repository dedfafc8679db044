// Book mode's side of ImageProcessor: the spread's page corners for the preview, the split into
// two pages (flattened and grey on request) and the side-by-side combination.

#include "modes/ImageProcessor.h"

#include "app/LogCategories.h"

#include <QByteArray>
#include <QDebug>
#include <QPainter>

#include <cstring>

namespace {

// The library reads rows of exactly width * 3 bytes. A frame whose rows are padded (an odd
// width) or that is not RGB888 would be read askew, so it is packed into a private copy; a
// packed RGB888 frame is described in place, without a copy.
bool describe(QImage* img, QByteArray& keep, SImage& out) {
    if (!img || img->isNull() || img->width() <= 0 || img->height() <= 0)
        return false;
    const bool packed = img->format() == QImage::Format_RGB888 &&
                        img->bytesPerLine() == qsizetype(img->width()) * 3;
    if (packed) {
        // bits() on a shared image would detach it; the library only reads, so read in place.
        out = SImage{const_cast<unsigned char*>(img->constBits()), img->width(), img->height()};
        return true;
    }
    keep = ImageProcessor::PackedRgb(*img);
    if (keep.isEmpty())
        return false;
    out = SImage{reinterpret_cast<unsigned char*>(keep.data()), img->width(), img->height()};
    return true;
}

qint64 paddedRow(int width) {
    return (qint64(width) * 3 + 3) / 4 * 4;
}

}  // namespace

int ImageProcessor::DetectBookCorners(QImage* img, int* a, int* b) {
    if (!fnGetBookCornerPoint) {
        qCDebug(lcModes).noquote() << "Can not load API KELM_GetBookCornerPoint!\n\r";
        return -1;
    }
    QByteArray keep;
    SImage src{};
    if (!a || !b || !describe(img, keep, src))
        return -1;
    bookParams[0] = 0;
    bookParams[1] = 1;
    return int(fnGetBookCornerPoint(src, a, b, bookParams));
}

int ImageProcessor::ProcessBook(QImage* capture, int& leftWidth, int& leftHeight,
                                unsigned char* leftBuffer, int& leftBytes, int& rightWidth,
                                int& rightHeight, unsigned char* rightBuffer, int& rightBytes,
                                bool flatten, bool grey) {
    if (!fnGetBookCornerPoint || !fnGetSplitBook || !fnOptimizeBook) {
        const char* name = !fnGetBookCornerPoint ? "KELM_GetBookCornerPoint"
                           : !fnGetSplitBook     ? "KELM_GetSplitBook"
                                                 : "KELM_OptimizeBook";
        qCDebug(lcModes).noquote() << QStringLiteral("Can not load API %1!\n\r").arg(name);
        return -1;
    }
    QByteArray keep;
    SImage src{};
    if (!leftBuffer || !rightBuffer || !describe(capture, keep, src))
        return 0;
    // Each page buffer holds capture width x height x 3 bytes; the library is told so through
    // the descriptors' initial size and never writes more.
    const qint64 capacity = qint64(src.width) * src.height * 3;
    SImage left{leftBuffer, src.width, src.height};
    SImage right{rightBuffer, src.width, src.height};

    int corners1[8] = {0};
    int corners2[8] = {0};
    bookParams[0] = 0;
    bookParams[1] = 1;
    const short found = fnGetBookCornerPoint(src, corners1, corners2, bookParams);
    if (found < 0)
        return found;
    const short split = fnGetSplitBook(src, &left, &right, corners1, corners2, bookParams[0]);
    if (split <= 0)
        return split;
    auto sane = [&](const SImage& page) {
        return page.width > 0 && page.height > 0 &&
               qint64(page.width) * page.height * 3 <= capacity;
    };
    if (!sane(left) || !sane(right))
        return 0;

    if (flatten || grey) {
        for (SImage* page : {&left, &right}) {
            // The library reads the page from a private copy and writes the result over it.
            QByteArray copy(reinterpret_cast<const char*>(page->data),
                            int(qint64(page->width) * page->height * 3));
            SImage in{reinterpret_cast<unsigned char*>(copy.data()), page->width, page->height};
            const short optimised = fnOptimizeBook(in, page, bookParams[0], grey ? 1 : 0);
            // Any result at or below 0 is a failed page, not only 0: a negative code must not
            // let a half-processed page through as a success.
            if (optimised <= 0)
                return optimised < 0 ? optimised : 0;
            if (!sane(*page))
                return 0;
        }
    }

    // Rows to 4-byte multiples, as a QImage over the buffer expects. A page whose padded rows
    // would not fit the buffer fails rather than overrun it.
    if (!PadRowsInPlace(leftBuffer, left.width, left.height, capacity) ||
        !PadRowsInPlace(rightBuffer, right.width, right.height, capacity))
        return 0;
    leftWidth = left.width;
    leftHeight = left.height;
    leftBytes = int(paddedRow(left.width) * left.height);
    rightWidth = right.width;
    rightHeight = right.height;
    rightBytes = int(paddedRow(right.width) * right.height);
    return split;
}

QImage ImageProcessor::CombineLeftRight(QImage left, QImage right) {
    const int half = qMax(left.width(), right.width());
    const int W = 2 * half;
    const int H = qMax(left.height(), right.height());
    if (W <= 0 || H <= 0)
        return QImage();
    QImage out(W, H, QImage::Format_RGB888);
    if (out.isNull())
        return QImage();
    out.fill(Qt::white);
    QPainter painter(&out);
    if (!left.isNull())
        painter.drawImage((W / 2 - left.width()) / 2, (H - left.height()) / 2, left);
    if (!right.isNull())
        painter.drawImage(W / 2 + (W / 2 - right.width()) / 2, (H - right.height()) / 2, right);
    painter.end();
    return out;
}
