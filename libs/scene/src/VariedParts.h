#pragma once

// The pieces of the varied scenes: a tilted pinhole camera over the desk, the desk surface, the
// printed pages and cards, clutter, light and sensor. Internal to the scene library.

#include "scene/VariedScene.h"

#include <opencv2/core.hpp>

#include <random>
#include <string>

namespace scene {
namespace varied {

using Rng = std::mt19937;

double uni(Rng& rng, double lo, double hi);

// World: the desk is the plane z = 0 in millimetres, z grows away from the camera, which hangs
// at (0, 0, -height) looking down, tilted by R.
struct Camera {
    cv::Matx33d K, R;
    cv::Vec3d centre;
    double f = 0, height = 0;
    int width = 0, rows = 0;

    cv::Point2f project(const cv::Vec3d& world) const;
    // Desk millimetres (x, y, 1) to picture pixels.
    cv::Matx33d deskToImage() const;
    // The desk point seen at a picture pixel.
    cv::Point2d deskAt(cv::Point2f pixel) const;
    double pxPerMm() const { return f / height; }
};

// fieldWidthMm: the desk width seen straight below; tilts of up to maxTiltDeg in total.
Camera randomCamera(Rng& rng, int width, int height, double fieldWidthMm, double maxTiltDeg);

// The desk: a crop of a real photograph (sometimes washed out to a light surface of the same
// grain), or a plain light or dark surface. Sets lightDesk when it is bright and plain.
cv::Mat makeDesk(Rng& rng, const PhotoLibrary& photos, cv::Size size, bool* lightDesk,
                 cv::Vec3b* mainColour);

// Printed page of widthMm x heightMm at pxPerMm, with real text and photos.
cv::Mat pageTexture(Rng& rng, const PhotoLibrary& photos, double widthMm, double heightMm,
                    double pxPerMm, cv::Vec3b paper);
// An ID-1 card face; alpha receives its rounded outline.
cv::Mat cardTexture(Rng& rng, const PhotoLibrary& photos, double pxPerMm, cv::Mat& alpha);

// Draws texture onto frame through textureToImage, with an anti-aliased edge; shadow darkens
// the desk just outside the edge (0 none, 0.2 strong). alpha may be empty.
void paste(cv::Mat& frame, const cv::Mat& texture, const cv::Mat& alpha,
           const cv::Matx33d& textureToImage, double shadow);

// Homography of a texture of texSize pixels onto a rectangle of the desk: centre and rotation.
cv::Matx33d textureToDesk(cv::Size texSize, double widthMm, double heightMm, cv::Point2d centre,
                          double rotationDeg);

// Pens, cables, coins and clips. keepOut (picture pixels) is an outline they stay beside, except
// for the ones deliberately laid over its edge when over is true. Returns how many were drawn.
int drawClutter(Rng& rng, cv::Mat& frame, const std::vector<cv::Point2f>& keepOut, double pxPerMm,
                bool over);

// Uneven light, vignetting, a cast shadow (over the object when shadowOver is given), glare,
// a colour cast, lens blur, sensor noise and JPEG compression. Appends to traits.
void finishPhoto(Rng& rng, cv::Mat& frame, const std::vector<cv::Point2f>& object,
                 std::string& traits);

// Whether any of the points lies outside the frame.
bool leavesFrame(const std::vector<cv::Point2f>& pts, cv::Size frame);

}  // namespace varied

VariedScene renderVariedBook(uint32_t seed, const PhotoLibrary& photos, int width, int height);

}  // namespace scene
