#pragma once

// The building blocks of scene::render(), for further kinds of scene (an open book, for example)
// that should lie on the same desks under the same camera and light.

#include "scene/Scene.h"

#include <opencv2/core.hpp>

#include <random>

namespace scene {

// Focal length in pixels for the camera of p.
double focalPixels(const Params& p);

// Homography from desk millimetres (origin under the optical axis) to image pixels, for the camera
// of p (height, field width, tilt; principal point at the frame centre, square pixels).
cv::Matx33d deskToImage(const Params& p);

// A W x H CV_8UC3 desk of p.desk, p.deskColor and p.deskVariant.
cv::Mat renderDesk(const Params& p);

// Draws texture (CV_8UC3) onto frame through the homography textureToImage (texture pixels to
// image pixels). alpha (CV_8U, same size as texture, or empty for opaque) shapes the outline.
// dropShadow darkens the frame just outside the outline (0 for none).
void composite(cv::Mat& frame, const cv::Mat& texture, const cv::Mat& alpha,
               const cv::Matx33d& textureToImage, double dropShadow);

// Homography from texture pixels to desk millimetres for an object of the given size centred at
// center and rotated by rotationDeg, whose texture is texW x texH pixels.
cv::Matx33d textureToDesk(int texW, int texH, double widthMm, double heightMm, cv::Point2d center,
                          double rotationDeg);

// Light fall-off, optional cast shadow, optics blur and sensor noise, in place.
void finish(cv::Mat& frame, const Params& p);

// Text-like lines in dark ink over the rectangle r of img (used for pages of every kind).
void drawTextBlock(cv::Mat& img, cv::Rect r, double lineHeightPx, std::mt19937& rng,
                   cv::Scalar ink = cv::Scalar(25, 25, 30));

// A portrait (head and shoulders, R,G,B) filling the rectangle r of img: shaded enough for a
// cascade face detector to find it, as on the virtual sub camera and on a rendered identity card.
// zoom above 1 shows the head larger (a passport photo rather than a camera's view).
void drawPortrait(cv::Mat& img, cv::Rect r, double zoom = 1.0);

}  // namespace scene
