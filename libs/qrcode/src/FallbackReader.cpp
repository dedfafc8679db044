#include "FallbackReader.h"

#include "Variants.h"
#include "WeChatReader.h"
#include "ZbarReader.h"
#include "ZxingReader.h"

#include "visioncore/DebugDump.h"

#include <algorithm>
#include <functional>
#include <string>

namespace qrcode {

namespace {

// Largest side of the copy the tries work on: about 0.7 megapixels of a page, and every pixel of
// a photo that is already that small.
constexpr int kWorkSide = 1000;
// Pictures up to this side get every try; larger ones (pages) the few that matter most there.
constexpr int kSmallSide = 640;
// Largest side of the copy of a page that the second decoder reads.
constexpr int kZbarSide = 700;
// The third decoder takes up to a second on a busy picture without a code (its detector finds
// candidates everywhere): it only reads photos of about a single code's size.
constexpr int kWeChatPixels = 320 * 320;

enum class Decoder { Zxing, ZxingGlobal, ZxingBinary, Zbar, WeChat };

struct Try {
    const char* label;
    std::function<View(const View&)> make;
    Decoder decoder;
};

std::vector<Code> decode(const View& v, Decoder d, int maxCount) {
    switch (d) {
        case Decoder::Zxing:
            return ZxingReader::read(v, maxCount);
        case Decoder::ZxingGlobal:
            return ZxingReader::read(v, maxCount, ZXing::Binarizer::GlobalHistogram);
        case Decoder::ZxingBinary:
            return ZxingReader::read(v, maxCount, ZXing::Binarizer::BoolCast);
        case Decoder::Zbar:
            return ZbarReader::read(v, maxCount);
        case Decoder::WeChat:
            return WeChatReader::read(v, maxCount);
    }
    return {};
}

View enlarged(const View& v) {
    return Variants::scaled(v, 2.0);
}

View quietSmoothed(const View& v, double sigma) {
    return Variants::withQuietZone(Variants::smoothed(v, sigma));
}

View quietThresholded(const View& v) {
    return Variants::locallyThresholded(Variants::withQuietZone(v));
}

// A photo of a single code is small and its tries cheap: it gets them all, each binariser on
// each copy that has helped some kind of picture. A page gets the few that matter most there.
std::vector<Try> tries(const View& work) {
    const int side = std::max(work.grey.cols, work.grey.rows);
    const double sigma = std::max(0.8, side / 400.0);
    auto same = [](const View& v) { return v; };
    auto smoothed = [sigma](const View& v) { return quietSmoothed(v, sigma); };
    if (side > kSmallSide) {
        // The second decoder costs most per pixel: it sees a smaller copy of a page.
        const double zbarFactor = std::min(1.0, double(kZbarSide) / side);
        return {
            {"quiet", Variants::withQuietZone, Decoder::Zxing},
            {"inverted", Variants::inverted, Decoder::Zxing},
            {"global", same, Decoder::ZxingGlobal},
            {"smoothed", smoothed, Decoder::ZxingGlobal},
            {"thresholded", quietThresholded, Decoder::ZxingBinary},
            {"zbar", [zbarFactor](const View& v) { return Variants::scaled(v, zbarFactor); },
             Decoder::Zbar},
        };
    }
    std::vector<Try> list = {
        {"quiet", Variants::withQuietZone, Decoder::Zxing},
        {"inverted", Variants::inverted, Decoder::Zxing},
        {"inverted-quiet",
         [](const View& v) { return Variants::withQuietZone(Variants::inverted(v)); },
         Decoder::Zxing},
        {"global", same, Decoder::ZxingGlobal},
        {"enlarged", enlarged, Decoder::Zxing},
        {"enlarged-global", enlarged, Decoder::ZxingGlobal},
        {"reduced", [](const View& v) { return Variants::scaled(v, 0.5); }, Decoder::Zxing},
        {"smoothed", smoothed, Decoder::ZxingGlobal},
        {"smoothed-local", smoothed, Decoder::Zxing},
        {"smoothed-more", [sigma](const View& v) { return quietSmoothed(v, 2.5 * sigma); },
         Decoder::ZxingGlobal},
        {"thresholded", quietThresholded, Decoder::ZxingBinary},
        {"zbar", same, Decoder::Zbar},
        {"zbar-enlarged", enlarged, Decoder::Zbar},
        {"zbar-quiet", Variants::withQuietZone, Decoder::Zbar},
        {"zbar-inverted", Variants::inverted, Decoder::Zbar},
    };
    if (work.grey.total() <= size_t(kWeChatPixels))
        list.push_back({"wechat", same, Decoder::WeChat});
    return list;
}

}  // namespace

std::vector<Code> FallbackReader::read(const cv::Mat& grey, int maxCount,
                                       const visioncore::DebugDump& dump) {
    View work{grey};
    const int side = std::max(grey.cols, grey.rows);
    if (side > kWorkSide)
        work = Variants::scaled(work, double(kWorkSide) / side);
    for (const Try& t : tries(work)) {
        const View v = t.make(work);
        dump.write(t.label, v.grey);
        auto codes = decode(v, t.decoder, maxCount);
        if (!codes.empty())
            return codes;
    }
    return {};
}

}  // namespace qrcode
