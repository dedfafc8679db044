#pragma once

// Scores for book-page processing against the truth of a BookScene.

#include "scene/BookScene.h"

#include <opencv2/core.hpp>

namespace scene {

// Intersection over union of two convex quadrilaterals (any winding).
double quadIoU(const cv::Point2f* a, const cv::Point2f* b);

// How straight the text lines of a page image run: the mean, over the page's true text lines,
// of the RMS distance (page pixels) of each line's ink centre (taken in 12 column bins) from the
// straight line through them. page must show the page in the frame of its flat content (any
// scale). False when too few lines could be measured.
bool lineStraightness(const cv::Mat& pageRgb, const BookPageTruth& truth, double* rms);

// Normalised cross-correlation (-1..1) of two pictures after bringing both to a grey 80 x 112
// thumbnail: the layout of a page (paragraphs, figures, margins), not its letters.
double pageSimilarity(const cv::Mat& aRgb, const cv::Mat& bRgb);

}  // namespace scene
