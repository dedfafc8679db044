// The C entry points: argument checks, then the work in the classes beside this file. Nothing
// thrown inside may cross the library boundary, and nothing is written beyond what the caller
// described.

#include "KELM_ImageProcessingMod.h"

#include "CardProcessor.h"
#include "ColorOptimizer.h"
#include "visioncore/DebugDump.h"
#include "visioncore/ImageFile.h"
#include "OutlineDetector.h"
#include "OutlineMemory.h"
#include "visioncore/Quad.h"
#include "Rectifier.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <atomic>
#include <cstring>

using namespace imageproc;
using visioncore::DebugDump;

namespace {

// Larger than any camera delivers, small enough that width * height * 3 fits comfortably in
// 64 bits and a wrong size is refused instead of attempted.
constexpr long long kMaxSide = 40000;
constexpr long long kMaxPixels = 400LL * 1000 * 1000;

std::atomic<int> g_threshold{0};

bool validImage(const SImage& s) {
    return s.data && s.width > 0 && s.height > 0 && s.width <= kMaxSide && s.height <= kMaxSide &&
           (long long)s.width * s.height <= kMaxPixels;
}

cv::Mat view(const SImage& s) {
    return cv::Mat(s.height, s.width, CV_8UC3, s.data);
}

// The room of an output descriptor as its caller set it up.
long long capacityPixels(const SImage* d) {
    if (!d || !d->data || d->width <= 0 || d->height <= 0 || d->width > kMaxSide ||
        d->height > kMaxSide)
        return 0;
    return (long long)d->width * d->height;
}

void writeOut(const cv::Mat& img, SImage* dst) {
    for (int y = 0; y < img.rows; ++y)
        std::memcpy(dst->data + (long long)y * img.cols * 3, img.ptr(y), size_t(img.cols) * 3);
    dst->width = img.cols;
    dst->height = img.rows;
}

// Corners handed in by a caller: inside the image (a pixel of slack for rounding), forming a
// proper convex outline of some size.
bool validCorners(const int* c, int w, int h, Quad& q) {
    if (!c)
        return false;
    for (int i = 0; i < 4; ++i) {
        if (c[2 * i] < -1 || c[2 * i] > w || c[2 * i + 1] < -1 || c[2 * i + 1] > h)
            return false;
    }
    // Accept the corners in any order that outlines a convex shape.
    q = Quad::fromCorners(c).reordered();
    return q.isConvex(16.0);
}

short cut(SImage src, SImage* dst, int* corners, bool card, bool autoIdentify) {
    if (!validImage(src) || !corners)
        return 0;
    const long long room = capacityPixels(dst);
    if (room <= 0)
        return 0;
    Quad q;
    if (!validCorners(corners, src.width, src.height, q))
        return 0;
    const cv::Mat in = view(src);
    DebugDump dump(card ? "card_cut" : "cut");
    cv::Mat out;
    if (card) {
        out = CardProcessor::calibrate(in, q, autoIdentify, room);
    } else {
        out = Rectifier::rectify(in, q, Rectifier::trueAspect(q, in.size()), room);
    }
    if (out.empty() || (long long)out.cols * out.rows > room)
        return 0;
    dump.write("result", out);
    writeOut(out, dst);
    return 1;
}

template <typename F>
short guarded(F&& f) {
    try {
        return f();
    } catch (...) {
        return -1;
    }
}

}  // namespace

extern "C" {

short KELM_GetRectCornerPoint(SImage src, int* corners, int mode) {
    return guarded([&]() -> short {
        if (!corners)
            return 0;
        std::memset(corners, 0, 8 * sizeof(int));
        if (!validImage(src) || (mode != 0 && mode != 1))
            return 0;
        const cv::Mat image = view(src);
        const auto found = OutlineDetector::detect(
            image, mode == 1 ? OutlineDetector::Card : OutlineDetector::Document);
        // Called frame after frame by the live preview: the outline holds still, and is not
        // dropped for a frame on which its edges are there but the detection missed them.
        const auto shown = OutlineMemory::steady(
            image, found.empty() ? std::nullopt : std::optional<Quad>(found[0]), mode);
        if (!shown)
            return 0;
        shown->toCorners(corners);
        return 1;
    });
}

short KELM_GetMoreRectPoint(SImage src, int* corners, int maxCount, int mode) {
    return guarded([&]() -> short {
        if (!corners || maxCount <= 0 || maxCount > 64)
            return 0;
        std::memset(corners, 0, size_t(maxCount) * 8 * sizeof(int));
        if (!validImage(src) || (mode != 0 && mode != 1))
            return 0;
        const auto found = OutlineDetector::detect(
            view(src), mode == 1 ? OutlineDetector::Card : OutlineDetector::Document, maxCount);
        for (size_t i = 0; i < found.size(); ++i)
            found[i].toCorners(corners + 8 * i);
        return short(found.size());
    });
}

short KELM_CutRequestedROI(SImage src, SImage* dst, int* corners, int, int, int, int, int) {
    return guarded([&] { return cut(src, dst, corners, false, false); });
}

short KELM_CalibrateIDCard(SImage src, SImage* dst, int* corners, int, int, int, int,
                           int autoIdentify) {
    return guarded([&] { return cut(src, dst, corners, true, autoIdentify != 0); });
}

}  // extern "C"

namespace {
// The caller's width and height are all we know of its buffer: a descriptor without a size
// describes no room at all, however large the buffer behind it may be.
bool canHoldSource(const SImage& src, const SImage* dst) {
    return validImage(src) && capacityPixels(dst) >= (long long)src.width * src.height;
}
}  // namespace

extern "C" {

short KELM_MulticolorOptimizeImage(SImage src, SImage* dst, int, int, int, int) {
    return guarded([&]() -> short {
        if (!canHoldSource(src, dst))
            return 0;
        if (src.width < 2 || src.height < 2)
            return 0;
        const cv::Mat out = ColorOptimizer::optimize(view(src));
        writeOut(out, dst);
        return 1;
    });
}

short KELM_ThresholdImage(SImage src, SImage* dst, int) {
    return guarded([&]() -> short {
        if (!canHoldSource(src, dst))
            return 0;
        const cv::Mat out = ColorOptimizer::threshold(view(src), g_threshold.load());
        writeOut(out, dst);
        return 1;
    });
}

short KELM_SetThresholdValue(int value) {
    if (value < 0 || value > 254)
        return 0;
    g_threshold = value;
    return 1;
}

short KELM_ResetImageStyle(void) {
    g_threshold = 0;
    return 1;
}

short KELM_SynthesisIDCard(SImage front, SImage back, SImage* dst, int) {
    return guarded([&]() -> short {
        if (!validImage(front) || !validImage(back) || capacityPixels(dst) <= 0)
            return 0;
        if (dst->width < 64 || dst->height < 64)
            return 0;
        const cv::Mat page =
            CardProcessor::composePage(view(front), view(back), cv::Size(dst->width, dst->height));
        writeOut(page, dst);
        return 1;
    });
}

short KELM_SynthesisIDCardFromPath(const char* frontPath, const char* backPath, SImage* dst,
                                   int mode) {
    return guarded([&]() -> short {
        if (!frontPath || !backPath || !*frontPath || !*backPath || capacityPixels(dst) <= 0)
            return 0;
        // Refuses FIFOs and devices (which would block or never end) and pictures whose header
        // declares more pixels than any card photo has, before decoding a single one.
        cv::Mat f = visioncore::readImageFile(frontPath), b = visioncore::readImageFile(backPath);
        if (f.empty() || b.empty())
            return 0;
        cv::cvtColor(f, f, cv::COLOR_BGR2RGB);
        cv::cvtColor(b, b, cv::COLOR_BGR2RGB);
        SImage fs{f.data, f.cols, f.rows}, bs{b.data, b.cols, b.rows};
        return KELM_SynthesisIDCard(fs, bs, dst, mode);
    });
}

}  // extern "C"
