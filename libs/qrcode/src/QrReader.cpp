#include "QrReader.h"

#include "FallbackReader.h"
#include "Variants.h"
#include "ZxingReader.h"

#include "visioncore/DebugDump.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace qrcode {

namespace {

// Pages larger than this are read reduced first.
constexpr int kReduceAbove = 1800;
constexpr int kReducedSide = 1400;
constexpr float kSmallInReduced = 110;

void mergeInto(std::vector<Code>& codes, const std::vector<Code>& more, double nearby) {
    for (const auto& c : more) {
        bool known = false;
        for (const auto& k : codes)
            known = known || (k.text == c.text && cv::norm(k.center - c.center) < nearby);
        if (!known)
            codes.push_back(c);
    }
}

std::vector<Code> fastPath(const cv::Mat& grey, int maxCount) {
    const int longSide = std::max(grey.cols, grey.rows);
    const bool reduced = longSide > kReduceAbove;
    std::vector<Code> codes;
    if (reduced)
        codes = ZxingReader::read(Variants::scaled(View{grey}, double(kReducedSide) / longSide),
                                  maxCount);
    // Nothing found, codes so small in the reduced copy that smaller ones beside them may have
    // been lost (a code of ordinary size, three centimetres on a page, stays above that limit and
    // is not read twice), or a sheet crowded with codes: read the full resolution too, keeping
    // every code once. Crowded sheets get one more pass with a plain threshold, which separates
    // codes that stand close together better than the local one.
    float smallest = 1e9f;
    for (const auto& c : codes)
        smallest = std::min(smallest, c.sideInView);
    const double nearby = longSide / 50.0;
    if (!reduced || codes.empty() || smallest < kSmallInReduced || codes.size() >= 4)
        mergeInto(codes, ZxingReader::read(View{grey}, maxCount), nearby);
    if (codes.size() >= 4)
        mergeInto(codes, ZxingReader::read(View{grey}, maxCount, ZXing::Binarizer::FixedThreshold),
                  nearby);
    return codes;
}

}  // namespace

std::vector<Code> QrReader::read(const cv::Mat& rgb, int maxCount) {
    const visioncore::DebugDump dump("qrcode");
    cv::Mat grey;
    cv::cvtColor(rgb, grey, cv::COLOR_RGB2GRAY);
    dump.write("grey", grey);
    std::vector<Code> codes = fastPath(grey, maxCount);
    if (codes.empty())
        codes = FallbackReader::read(grey, maxCount, dump);
    // Reading order: rows of codes top to bottom, each row left to right.
    const float rowTolerance = float(std::max(8, std::max(grey.cols, grey.rows) / 40));
    std::sort(codes.begin(), codes.end(), [&](const Code& a, const Code& b) {
        if (std::abs(a.center.y - b.center.y) > rowTolerance)
            return a.center.y < b.center.y;
        return a.center.x < b.center.x;
    });
    if (int(codes.size()) > maxCount)
        codes.resize(size_t(maxCount));
    return codes;
}

}  // namespace qrcode
