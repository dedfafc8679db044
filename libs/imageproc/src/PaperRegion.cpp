#include "PaperRegion.h"

#include "LineQuads.h"
#include "PageEvidence.h"

#include <opencv2/core/hal/intrin.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace imageproc {

namespace {

constexpr int kGrid = 14;  // samples across the inside, each way
constexpr int kSideSamples = 20;
constexpr float kBand = 4.f;  // how far beside a side its inside and outside are looked at

// Beyond the frame counts as not paper.
bool at(const cv::Mat& mask, cv::Point2f p) {
    const cv::Point r(cvRound(p.x), cvRound(p.y));
    if (r.x < 0 || r.y < 0 || r.x >= mask.cols || r.y >= mask.rows)
        return false;
    return mask.at<uchar>(r) != 0;
}

// The region with its holes (print, pictures on the page) filled, and the rims of its large parts.
void fillAndRim(const cv::Mat& mask, double minArea, cv::Mat& filled, cv::Mat& rim) {
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(mask, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    filled = cv::Mat::zeros(mask.size(), CV_8U);
    rim = cv::Mat::zeros(mask.size(), CV_8U);
    for (size_t i = 0; i < contours.size(); ++i) {
        if (cv::contourArea(contours[i]) < minArea)
            continue;
        cv::drawContours(filled, contours, int(i), cv::Scalar(255), cv::FILLED);
        cv::drawContours(rim, contours, int(i), cv::Scalar(255), 1);
    }
}

}  // namespace

double PaperRegion::agreement(const Quad& q, const cv::Mat& mask) {
    // The inside, sampled evenly through the outline's own corners.
    int in = 0;
    for (int i = 0; i < kGrid; ++i)
        for (int j = 0; j < kGrid; ++j) {
            const float u = (i + 0.5f) / kGrid, v = (j + 0.5f) / kGrid;
            const cv::Point2f top = q[0] + (q[1] - q[0]) * u, bottom = q[3] + (q[2] - q[3]) * u;
            in += at(mask, top + (bottom - top) * v);
        }
    const double fill = double(in) / (kGrid * kGrid);
    if (fill < 0.9)
        return 0;
    // Beyond each side something else: a blob of the desk's colour or a cable may touch a side,
    // but the region must not go on past most of it.
    double beyond = 0;
    int sides = 0;
    for (size_t i = 0; i < 4; ++i) {
        const cv::Point2f a = q[i], b = q[(i + 1) % 4];
        const double len = cv::norm(b - a);
        if (len < 1)
            return 0;
        const cv::Point2f d = (b - a) * float(1 / len), n(-d.y, d.x);  // n points inside
        int out = 0, inner = 0;
        for (int k = 0; k < kSideSamples; ++k) {
            const cv::Point2f p = a + (b - a) * (0.08f + 0.84f * (k + 0.5f) / kSideSamples);
            out += !at(mask, p - n * kBand);
            inner += at(mask, p + n * kBand);
        }
        // A side along the frame stands for a page running out of the picture: the region must
        // reach the frame all along it, not end on a slant short of it.
        if (PageEvidence::alongFrame(a, b, mask.size())) {
            if (inner < kSideSamples * 9 / 10)
                return 0;
            continue;
        }
        const double outShare = double(out) / kSideSamples;
        if (outShare < 0.5 || inner < kSideSamples * 7 / 10)
            return 0;
        beyond += outShare;
        ++sides;
    }
    if (sides == 0)
        return 0;
    const double outside = beyond / sides;
    return outside < 0.75 ? 0 : fill * outside;
}

cv::Mat PaperRegion::neutral(const cv::Mat& lo, const cv::Mat& hi) {
    cv::Mat mask(lo.size(), CV_8U);
    for (int y = 0; y < lo.rows; ++y) {
        const uchar* l = lo.ptr<uchar>(y);
        const uchar* h = hi.ptr<uchar>(y);
        uchar* o = mask.ptr<uchar>(y);
        int x = 0;
        // Print and deep shadow are too dark to tell their colour; JPEG and a warm light tint
        // paper a little: bright enough, and the channels within 12 levels or 14 % of the
        // brightest.
#if CV_SIMD128
        const cv::v_uint16x8 dark = cv::v_setall_u16(60), spread = cv::v_setall_u16(12 * 100),
                             hundred = cv::v_setall_u16(100), share = cv::v_setall_u16(14);
        for (; x + 16 <= lo.cols; x += 16) {
            cv::v_uint16x8 l0, l1, h0, h1;
            cv::v_expand(cv::v_load(l + x), l0, l1);
            cv::v_expand(cv::v_load(h + x), h0, h1);
            auto grey = [&](const cv::v_uint16x8& lv, const cv::v_uint16x8& hv) {
                return (hv >= dark) & ((hv - lv) * hundred <= cv::v_max(spread, hv * share));
            };
            cv::v_store(o + x, cv::v_pack(grey(l0, h0), grey(l1, h1)));
        }
#endif
        for (; x < lo.cols; ++x)
            o[x] = h[x] >= 60 && (h[x] - l[x]) * 100 <= std::max(12 * 100, 14 * h[x]) ? 255 : 0;
    }
    cv::morphologyEx(mask, mask, cv::MORPH_OPEN,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(3, 3)));
    cv::morphologyEx(mask, mask, cv::MORPH_CLOSE,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(7, 7)));
    return mask;
}

void PaperRegion::collect(const std::vector<cv::Mat>& masks, double minArea, double maxArea,
                          std::vector<Quad>& out) {
    if (masks.empty())
        return;
    // The regions mostly share the page's sides: one search for lines along all their rims.
    std::vector<cv::Mat> filled(masks.size());
    cv::Mat rims = cv::Mat::zeros(masks[0].size(), CV_8U);
    for (size_t i = 0; i < masks.size(); ++i) {
        cv::Mat rim;
        fillAndRim(masks[i], minArea, filled[i], rim);
        rims |= rim;
    }
    std::vector<Quad> lined;
    LineQuads::collect(rims, std::sqrt(minArea) * 0.4, lined, true);
    for (const auto& q : lined) {
        const double area = q.area();
        if (area < minArea || area > maxArea)
            continue;
        for (const auto& f : filled)
            if (agreement(q, f) > 0) {
                out.push_back(q);
                break;
            }
    }
}

}  // namespace imageproc
