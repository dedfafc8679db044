#include "PageReducer.h"

#include "visioncore/DebugDump.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <vector>

namespace textread {

namespace {

// Lower-case letters of body text at 300 DPI are some 20 to 25 pixels tall, ascenders included.
constexpr double kTargetLetterHeight = 24.0;
// Side of the square that is read, at that letter size: some twenty lines of text.
constexpr int kWindowSide = 1024;
// Letters are surveyed on a copy no longer than this: enough for the text of a camera capture.
constexpr int kSurveySide = 1400;
constexpr int kMinLetters = 20;

cv::Mat greyOf(const QImage& page) {
    const QImage g = page.convertToFormat(QImage::Format_Grayscale8);
    const cv::Mat view(g.height(), g.width(), CV_8UC1, const_cast<uchar*>(g.constBits()),
                       size_t(g.bytesPerLine()));
    return view.clone();
}

cv::Mat scaledTo(const cv::Mat& grey, double scale) {
    if (std::abs(scale - 1.0) < 0.02)
        return grey;
    cv::Mat out;
    cv::resize(grey, out, cv::Size(), scale, scale, scale < 1 ? cv::INTER_AREA : cv::INTER_CUBIC);
    return out;
}

// The side x side square (clipped to the frame) holding the most marked pixels of count.
cv::Rect densestSquare(const cv::Mat& count, int side) {
    if (side >= count.cols && side >= count.rows)
        return {0, 0, count.cols, count.rows};
    cv::Mat sum;
    cv::integral(count, sum, CV_32S);
    const int w = std::min(side, count.cols), h = std::min(side, count.rows);
    const int step = std::max(1, side / 16);
    cv::Rect best(0, 0, w, h);
    int bestCount = -1;
    for (int y = 0; y + h <= count.rows; y += step) {
        for (int x = 0; x + w <= count.cols; x += step) {
            const int n = sum.at<int>(y + h, x + w) - sum.at<int>(y, x + w) -
                          sum.at<int>(y + h, x) + sum.at<int>(y, x);
            if (n > bestCount) {
                bestCount = n;
                best = {x, y, w, h};
            }
        }
    }
    return best;
}

}  // namespace

PageReducer::Survey PageReducer::survey(const cv::Mat& grey, int side) {
    Survey result;
    const double scale = std::min(1.0, double(kSurveySide) / std::max(grey.cols, grey.rows));
    const cv::Mat small = scaledTo(grey, scale);
    cv::Mat ink;
    cv::adaptiveThreshold(small, ink, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY_INV, 31,
                          15);
    cv::Mat labels, stats, centroids;
    const int n = cv::connectedComponentsWithStats(ink, labels, stats, centroids, 8, CV_32S);
    std::vector<double> heights;
    cv::Mat letters = cv::Mat::zeros(small.size(), CV_8UC1);
    cv::Mat mask = cv::Mat::zeros(small.size(), CV_8UC1);
    const int maxSide = std::max(small.cols, small.rows) / 8;
    for (int i = 1; i < n; ++i) {
        const int w = stats.at<int>(i, cv::CC_STAT_WIDTH);
        const int h = stats.at<int>(i, cv::CC_STAT_HEIGHT);
        // Specks, rules, frames and pictures are not letters; a letter is never much wider
        // than tall, nor thinner than a stroke, nor mostly empty.
        if (h < 4 || w < 2 || h > maxSide || w > maxSide || w > 4 * h || h > 6 * w)
            continue;
        if (stats.at<int>(i, cv::CC_STAT_AREA) < 0.1 * w * h)
            continue;
        heights.push_back(h);
        letters.at<uchar>(cv::Point(centroids.at<cv::Point2d>(i))) = 1;
        cv::rectangle(
            mask,
            cv::Rect(stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP), w, h),
            255, cv::FILLED);
    }
    if (int(heights.size()) < kMinLetters)
        return result;
    std::nth_element(heights.begin(), heights.begin() + long(heights.size() / 2), heights.end());
    const double letterHeight = heights[heights.size() / 2];
    result.letterHeight = letterHeight / scale;
    result.letters = mask;
    result.letterTolerance = std::max(2, int(letterHeight * 0.3));
    // The square's side at the survey's scale, then back in page pixels.
    const int surveySide = int(side * letterHeight / kTargetLetterHeight);
    const cv::Rect r = densestSquare(letters, std::max(8, surveySide));
    result.densest =
        cv::Rect(int(r.x / scale), int(r.y / scale), int(r.width / scale), int(r.height / scale)) &
        cv::Rect(0, 0, grey.cols, grey.rows);
    return result;
}

cv::Mat PageReducer::binarise(const cv::Mat& grey, double letterHeight) {
    // A window of a few letters sees paper around every stroke, so the local mean is the paper.
    const int block = 2 * int(letterHeight * 1.5) + 1;
    cv::Mat out;
    cv::adaptiveThreshold(grey, out, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY,
                          std::max(3, block), 12);
    return out;
}

cv::Mat PageReducer::reduce(const QImage& page, Survey* surveyOut) const {
    if (page.isNull() || page.width() < 32 || page.height() < 32)
        return {};
    const visioncore::DebugDump dump("textread");
    const cv::Mat grey = greyOf(page);
    const Survey s = survey(grey, kWindowSide);
    if (surveyOut)
        *surveyOut = s;
    if (s.letterHeight <= 0 || s.densest.empty())
        return {};
    const double scale = std::clamp(kTargetLetterHeight / s.letterHeight, 0.2, 4.0);
    const cv::Mat sized = scaledTo(grey(s.densest), scale);
    const cv::Mat binary = binarise(sized, s.letterHeight * scale);
    dump.write("reduced", binary);
    return binary;
}

}  // namespace textread
