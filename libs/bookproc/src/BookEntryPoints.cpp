// The library's C surface: argument checks, the corner order of the contract, and a firewall
// that turns any internal failure into a result code.

#include "bookproc/BookProcessing.h"

#include "PageFlattener.h"
#include "PageSplitter.h"
#include "SpreadDetector.h"

#include <opencv2/core.hpp>

#include <cstring>

using namespace bookproc;

namespace {

// Larger than any camera delivers, small enough that width * height * 3 stays far from overflow.
constexpr int kMaxSide = 32768;
constexpr double kMaxPixels = 400e6;

bool validImage(const SImage& s) {
    return s.data && s.width >= 2 && s.height >= 2 && s.width <= kMaxSide && s.height <= kMaxSide &&
           double(s.width) * s.height <= kMaxPixels;
}

// An output descriptor's width and height state its buffer's capacity.
bool validOutput(const SImage* s) {
    return s && s->data && s->width >= 1 && s->height >= 1 && s->width <= kMaxSide &&
           s->height <= kMaxSide && double(s->width) * s->height <= kMaxPixels;
}

size_t bytes(const SImage& s) {
    return size_t(s.width) * size_t(s.height) * 3;
}

bool overlaps(const SImage& a, const SImage& b) {
    const unsigned char* a0 = a.data;
    const unsigned char* b0 = b.data;
    return a0 < b0 + bytes(b) && b0 < a0 + bytes(a);
}

cv::Mat wrap(const SImage& s) {
    return cv::Mat(s.height, s.width, CV_8UC3, s.data, size_t(s.width) * 3);
}

}  // namespace

extern "C" {

KELM_BOOK_API short KELM_GetBookCornerPoint(SImage src, int* corners1, int* corners2, int* params) {
    if (!corners1 || !corners2 || !params)
        return -1;
    std::memset(corners1, 0, 8 * sizeof(int));
    std::memset(corners2, 0, 8 * sizeof(int));
    if (!validImage(src))
        return -1;
    try {
        const DebugDump dump("book_corners");
        Quad left, right;
        if (!SpreadDetector(dump).detect(wrap(src), left, right))
            return 0;
        // The corner order of the document outlines of the image-processing library, so one
        // drawing routine serves both.
        left.toCorners(corners1);
        right.toCorners(corners2);
        return 1;
    } catch (...) {
        std::memset(corners1, 0, 8 * sizeof(int));
        std::memset(corners2, 0, 8 * sizeof(int));
        return -2;
    }
}

KELM_BOOK_API short KELM_GetSplitBook(SImage src, SImage* left, SImage* right, int* corners1,
                                      int* corners2, int /*param*/) {
    if (!validImage(src) || !validOutput(left) || !validOutput(right) || !corners1 || !corners2)
        return -1;
    if (overlaps(src, *left) || overlaps(src, *right) || overlaps(*left, *right))
        return -1;
    const Quad ql = Quad::fromCorners(corners1), qr = Quad::fromCorners(corners2);
    // All zeros is "no spread found": nothing to split, and no error either.
    bool allZero = true;
    for (int i = 0; i < 8; ++i)
        allZero = allZero && corners1[i] == 0 && corners2[i] == 0;
    if (allZero)
        return 0;
    if (!ql.inside(src.width, src.height) || !qr.inside(src.width, src.height) || !ql.isConvex(4) ||
        !qr.isConvex(4))
        return -1;
    try {
        const DebugDump dump("book_split");
        int lw, lh, rw, rh;
        if (!PageSplitter::pageSize(ql, bytes(*left), &lw, &lh) ||
            !PageSplitter::pageSize(qr, bytes(*right), &rw, &rh))
            return -1;
        cv::Mat image = wrap(src);
        PageSplitter::rectify(image, ql, lw, lh, left->data);
        PageSplitter::rectify(image, qr, rw, rh, right->data);
        left->width = lw;
        left->height = lh;
        right->width = rw;
        right->height = rh;
        if (dump.enabled()) {
            dump.write("left", wrap(*left));
            dump.write("right", wrap(*right));
        }
        return 1;
    } catch (...) {
        return -2;
    }
}

KELM_BOOK_API short KELM_OptimizeBook(SImage src, SImage* out, int /*param*/, int grey) {
    if (!validImage(src) || !validOutput(out) || (grey != 0 && grey != 1))
        return -1;
    try {
        const DebugDump dump("book_optimize");
        int w = 0, h = 0;
        // The flattener works on its own copy of the light-evened page before it writes, so an
        // output buffer that shares memory with the input is still safe.
        if (!PageFlattener(dump).flatten(wrap(src), grey == 1, bytes(*out), out->data, &w, &h))
            return -1;
        out->width = w;
        out->height = h;
        return 1;
    } catch (...) {
        return -2;
    }
}

}  // extern "C"
