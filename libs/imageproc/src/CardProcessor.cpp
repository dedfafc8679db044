#include "CardProcessor.h"

#include "Rectifier.h"

#include <opencv2/imgproc.hpp>

#include <cmath>

namespace imageproc {

namespace {

// How much print a band carries: dark or strongly coloured pixels.
double inkShare(const cv::Mat& band) {
    long n = 0, ink = 0;
    for (int y = 0; y < band.rows; y += 2) {
        const auto* p = band.ptr<cv::Vec3b>(y);
        for (int x = 0; x < band.cols; x += 2, ++n) {
            const int mx = std::max({p[x][0], p[x][1], p[x][2]}),
                      mn = std::min({p[x][0], p[x][1], p[x][2]});
            if (mx < 110 || mx - mn > 90)
                ++ink;
        }
    }
    return n ? double(ink) / n : 0.0;
}

}  // namespace

cv::Mat CardProcessor::calibrate(const cv::Mat& rgb, const Quad& q, bool autoIdentify,
                                 long long maxPixels) {
    // The card's proportions are known; only which side is the long one comes from the photo.
    const double measured = Rectifier::trueAspect(q, rgb.size());
    const double aspect = measured >= 1.0 ? kWidthMm / kHeightMm : kHeightMm / kWidthMm;
    cv::Mat card = Rectifier::rectify(rgb, q, aspect, maxPixels);
    if (!autoIdentify)
        return card;
    if (card.rows > card.cols)
        cv::rotate(card, card, cv::ROTATE_90_CLOCKWISE);
    // Cards carry their heaviest print (title band, emblem) along the top edge.
    const int band = std::max(1, card.rows / 5);
    const double top = inkShare(card(cv::Rect(0, 0, card.cols, band)));
    const double bottom = inkShare(card(cv::Rect(0, card.rows - band, card.cols, band)));
    if (bottom > top * 1.2 + 0.02)
        cv::rotate(card, card, cv::ROTATE_180);
    return card;
}

cv::Mat CardProcessor::composePage(const cv::Mat& front, const cv::Mat& back, cv::Size pageSize) {
    cv::Mat page(pageSize, CV_8UC3, cv::Scalar(255, 255, 255));
    // The page stands for an A4 sheet (210 mm wide): a card printed from it has its real size.
    const double pxPerMm = pageSize.width / 210.0;
    const cv::Size cardSize(int(std::lround(kWidthMm * pxPerMm)),
                            int(std::lround(kHeightMm * pxPerMm)));
    const int x = (pageSize.width - cardSize.width) / 2;
    const int gap = int(std::lround(25 * pxPerMm));
    const int yFront = int(pageSize.height * 0.16);
    const int yBack = yFront + cardSize.height + gap;
    auto place = [&](const cv::Mat& side, int y) {
        if (side.empty())
            return;
        cv::Mat s = side;
        // A side photographed upright but standing on its short edge is laid flat.
        if (s.rows > s.cols)
            cv::rotate(s, s, cv::ROTATE_90_CLOCKWISE);
        cv::Mat scaled;
        cv::resize(s, scaled, cardSize, 0, 0,
                   s.cols > cardSize.width ? cv::INTER_AREA : cv::INTER_CUBIC);
        const cv::Rect r = cv::Rect(x, y, cardSize.width, cardSize.height) &
                           cv::Rect(0, 0, pageSize.width, pageSize.height);
        if (r.width == cardSize.width && r.height == cardSize.height)
            scaled.copyTo(page(r));
    };
    place(front, yFront);
    place(back, yBack);
    return page;
}

}  // namespace imageproc
