#pragma once

#include <QImage>

#include <opencv2/core.hpp>

namespace textread {

// The copy of a page that orientation detection reads: grey, scaled so that its letters are
// about as tall as those of a page scanned at 300 DPI (the size Tesseract's classifier was made
// for), cut to the square of that size where the letters lie densest, and binarised against the
// local background so that uneven light and shadows of a camera capture do not become blobs.
// Tesseract's layout analysis costs time by the pixel, while a few hundred letters settle the
// orientation, so the square is what keeps detection fast on any page. Empty when the page shows
// nothing that could be letters.
class PageReducer {
public:
    struct Survey {
        // Median height of the letter-sized ink blobs, in pixels of the page; 0 when there are
        // too few of them to be text.
        double letterHeight = 0;
        // Where the letters lie densest: a square of the given side in pixels of the page.
        cv::Rect densest;
        // Non-zero where letters are, at a reduced scale of the page.
        cv::Mat letters;
        // How far apart, in pixels of letters, two letters' edges may be and still line up.
        int letterTolerance = 2;
    };
    // The reduced copy, and the survey of the whole page into survey when given.
    cv::Mat reduce(const QImage& page, Survey* survey = nullptr) const;

    // side: of the wanted square, in pixels of a page whose letters are kTargetLetterHeight tall.
    static Survey survey(const cv::Mat& grey, int side);

private:
    static cv::Mat binarise(const cv::Mat& grey, double letterHeight);
};

}  // namespace textread
