#include "QrReader.h"

#include <ZXing/ReadBarcode.h>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace qrcode {

static std::vector<Code> decode(const cv::Mat& grey, double scale, int maxCount,
                                ZXing::Binarizer binarizer = ZXing::Binarizer::LocalAverage) {
    ZXing::DecodeHints hints;
    hints.setBinarizer(binarizer);
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    hints.setMaxNumberOfSymbols(uint8_t(std::min(maxCount, 255)));
    const ZXing::ImageView view(grey.data, grey.cols, grey.rows, ZXing::ImageFormat::Lum,
                                int(grey.step));
    std::vector<Code> codes;
    for (const auto& r : ZXing::ReadBarcodes(view, hints)) {
        if (!r.isValid())
            continue;
        const auto& p = r.position();
        cv::Point2f c(0, 0);
        for (int i = 0; i < 4; ++i)
            c += cv::Point2f(float(p[i].x), float(p[i].y)) * 0.25f;
        const double side = std::hypot(p[1].x - p[0].x, p[1].y - p[0].y);
        codes.push_back({r.text(), c * float(1.0 / scale), float(side)});
    }
    return codes;
}

std::vector<Code> QrReader::read(const cv::Mat& rgb, int maxCount) {
    cv::Mat grey;
    cv::cvtColor(rgb, grey, cv::COLOR_RGB2GRAY);
    std::vector<Code> codes;
    const int longSide = std::max(grey.cols, grey.rows);
    if (longSide > 1800) {
        const double s = 1400.0 / longSide;
        cv::Mat small;
        cv::resize(grey, small, cv::Size(), s, s, cv::INTER_AREA);
        codes = decode(small, s, maxCount);
    }
    auto merge = [&](const std::vector<Code>& more) {
        for (const auto& c : more) {
            bool known = false;
            for (const auto& k : codes)
                known =
                    known || (k.text == c.text && cv::norm(k.center - c.center) < longSide / 50.0);
            if (!known)
                codes.push_back(c);
        }
    };
    // Nothing found, codes so small in the reduced copy that smaller ones beside them may have
    // been lost, or a sheet crowded with codes: read the full resolution too, keeping every code
    // once. Crowded sheets get one more pass with a plain threshold, which separates codes that
    // stand close together better than the local one.
    float smallest = 1e9f;
    for (const auto& c : codes)
        smallest = std::min(smallest, c.sideInView);
    const bool reduced = longSide > 1800;
    if (!reduced || codes.empty() || smallest < 160 || codes.size() >= 4)
        merge(decode(grey, 1.0, maxCount));
    if (codes.size() >= 4)
        merge(decode(grey, 1.0, maxCount, ZXing::Binarizer::FixedThreshold));
    // Reading order: rows of codes top to bottom, each row left to right.
    const float rowTolerance = float(std::max(8, longSide / 40));
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
