#include "FaceTexture.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <cmath>

namespace face {

namespace {

// The crop shows this share of the detector's box width: the box reaches past the cheeks and
// its corners hold background, which says nothing about the person.
constexpr double kInnerFraction = 0.86;
// The cascade's boxes sit a little high on the face.
constexpr double kCentreDrop = 0.06;
constexpr int kGrid = 6;
// A neighbour counts as brighter only by this many grey levels: flat skin then gives the same
// pattern with or without sensor noise.
constexpr int kFlat = 6;
constexpr int kBins = 59;
// Pose variants of the reference: a face in front of a camera is rarely level with the card.
const double kAngles[] = {-10.0, -5.0, 0.0, 5.0, 10.0};
const double kZooms[] = {0.9, 0.95, 1.0, 1.05, 1.1};

// Uniform patterns (at most two 0/1 changes around the circle) get a bin each, all others share
// the last: they are mostly noise.
const std::array<uint8_t, 256>& uniformBins() {
    static const std::array<uint8_t, 256> table = [] {
        std::array<uint8_t, 256> t{};
        int next = 0;
        for (int code = 0; code < 256; ++code) {
            int changes = 0;
            for (int b = 0; b < 8; ++b)
                changes += ((code >> b) & 1) != ((code >> ((b + 1) % 8)) & 1);
            t[size_t(code)] = uint8_t(changes <= 2 ? next++ : kBins - 1);
        }
        return t;
    }();
    return table;
}

cv::Mat borderedRegion(const cv::Mat& grey, const cv::Rect& region) {
    const cv::Rect inside = region & cv::Rect(0, 0, grey.cols, grey.rows);
    if (inside.empty())
        return {};
    cv::Mat out;
    cv::copyMakeBorder(grey(inside), out, inside.y - region.y, region.br().y - inside.br().y,
                       inside.x - region.x, region.br().x - inside.br().x, cv::BORDER_REPLICATE);
    return out;
}

}  // namespace

cv::Mat FaceTexture::crop(const cv::Mat& grey, const cv::Rect& box, double angleDeg, double zoom) {
    if (grey.empty() || box.width < 8 || box.height < 8 || zoom <= 0.0)
        return {};
    const double shown = box.width * kInnerFraction / zoom;
    const double scale = kCropSide / shown;
    const cv::Point2d centre(box.x + box.width * 0.5, box.y + box.height * (0.5 + kCentreDrop));
    // A region that still covers the crop when it is turned, taken out first so that a large face
    // is shrunk smoothly (area averaging) before the turn.
    const int half = int(std::ceil(shown * 0.75)) + 2;
    cv::Mat patch =
        borderedRegion(grey, cv::Rect(int(std::lround(centre.x)) - half,
                                      int(std::lround(centre.y)) - half, 2 * half, 2 * half));
    if (patch.empty())
        return {};
    double done = 1.0;
    if (scale < 1.0) {
        cv::resize(patch, patch, cv::Size(), scale, scale, cv::INTER_AREA);
        done = double(patch.cols) / (2 * half);
    }
    const cv::Point2f pc(float(patch.cols * 0.5), float(patch.rows * 0.5));
    cv::Mat m = cv::getRotationMatrix2D(pc, angleDeg, scale / done);
    m.at<double>(0, 2) += kCropSide * 0.5 - pc.x;
    m.at<double>(1, 2) += kCropSide * 0.5 - pc.y;
    cv::Mat out;
    cv::warpAffine(patch, out, m, cv::Size(kCropSide, kCropSide), cv::INTER_LINEAR,
                   cv::BORDER_REPLICATE);
    // Light: a darker or flatter picture of the same face gets the same spread of grey levels.
    cv::equalizeHist(out, out);
    cv::GaussianBlur(out, out, cv::Size(5, 5), 1.2);
    return out;
}

std::vector<float> FaceTexture::describe(const cv::Mat& crop) {
    std::vector<float> hist(size_t(kGrid * kGrid * kBins), 0.0f);
    if (crop.empty() || crop.type() != CV_8UC1)
        return hist;
    const auto& bins = uniformBins();
    static const int dx[8] = {-1, 0, 1, 1, 1, 0, -1, -1};
    static const int dy[8] = {-1, -1, -1, 0, 1, 1, 1, 0};
    const int cellW = (crop.cols - 2) / kGrid, cellH = (crop.rows - 2) / kGrid;
    for (int y = 1; y < 1 + cellH * kGrid; ++y) {
        const int cy = (y - 1) / cellH;
        for (int x = 1; x < 1 + cellW * kGrid; ++x) {
            const int c = crop.at<uint8_t>(y, x);
            int code = 0;
            for (int k = 0; k < 8; ++k)
                code |= (crop.at<uint8_t>(y + dy[k], x + dx[k]) >= c + kFlat) << k;
            const int cell = cy * kGrid + (x - 1) / cellW;
            hist[size_t(cell * kBins + bins[size_t(code)])] += 1.0f;
        }
    }
    const float perCell = float(cellW * cellH);
    for (float& v : hist)
        v /= perCell;
    return hist;
}

double FaceTexture::distance(const std::vector<float>& a, const std::vector<float>& b) {
    if (a.size() != b.size() || a.empty())
        return 2.0;
    double sum = 0.0;
    for (size_t i = 0; i < a.size(); ++i) {
        const double s = double(a[i]) + b[i];
        if (s > 0.0)
            sum += (double(a[i]) - b[i]) * (double(a[i]) - b[i]) / s;
    }
    return sum / (kGrid * kGrid);
}

double FaceTexture::bestDistance(const cv::Mat& probe, const cv::Rect& probeBox,
                                 const cv::Mat& reference, const cv::Rect& refBox) {
    const std::vector<float> p = describe(crop(probe, probeBox));
    double best = 2.0;
    for (double angle : kAngles)
        for (double zoom : kZooms) {
            const cv::Mat c = crop(reference, refBox, angle, zoom);
            if (!c.empty())
                best = std::min(best, distance(p, describe(c)));
        }
    return best;
}

}  // namespace face
