#pragma once

// Rendered photographs of things lying on a desk under a document camera, each with its ground
// truth. The virtual camera shows them, the tests and the benchmarks measure the image processing
// against them. Everything is deterministic for a given Params (seed and time included).
//
//   scene::Params p = scene::randomParams(scene::Object::Document, 42, 3264, 2448);
//   p.time = 0.5;                       // a little motion of object and light
//   scene::Scene s = scene::render(p);  // s.rgb is CV_8UC3 in R,G,B order
//
// Building blocks for further scene kinds (desk, camera geometry, compositing, light and sensor
// effects) are in scene/SceneBuildingBlocks.h.

#include <opencv2/core.hpp>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace scene {

enum class Object { Document, Card, QrSheet, EmptyDesk };
enum class Desk { Light, Dark, Wood, Pattern };

// What lies on the desk and how it is photographed. randomParams() fills every field from a seed;
// callers may then override single fields.
struct Params {
    Object object = Object::Document;
    int width = 3264;
    int height = 2448;
    uint32_t seed = 1;  // content (text, stamp, photo, desk grain, noise pattern)
    double time = 0.0;  // seconds; the object drifts by a few millimetres, the light flickers

    Desk desk = Desk::Light;
    cv::Vec3b deskColor{205, 200, 190};  // main colour of the desk (R, G, B)
    int deskVariant = 0;                 // pattern or grain variant

    // The object, in millimetres on the desk; (0, 0) is under the camera's optical axis.
    double objectWidthMm = 210.0;
    double objectHeightMm = 297.0;
    cv::Point2d centerMm{0.0, 0.0};
    double rotationDeg = 0.0;  // in-plane rotation of the object on the desk
    cv::Vec3b paperColor{246, 245, 240};
    bool stamp = true;   // a coloured stamp on a document
    bool photo = false;  // a colour photo on a document
    // A document's own printing (CV_8UC3, R,G,B), in place of the rendered text, title, photo and
    // stamp: pages of known text for measuring text recognition. Rendered near the frame's
    // scale (about 8.5 pixels per millimetre at 3264 wide) it loses nothing to resampling.
    cv::Mat printedFace;
    std::vector<std::string> qrTexts;  // QR sheet: one code per text (UTF-8)
    double qrSizeMm = 30.0;

    // The camera: height above the desk, the desk width seen at the optical axis, tilt.
    double cameraHeightMm = 420.0;
    double fieldWidthMm = 420.0;
    double tiltXDeg = 0.0;  // about the image's horizontal axis
    double tiltYDeg = 0.0;  // about the image's vertical axis

    // Light and sensor.
    double lightUnevenness = 0.2;       // 0 even; 0.4 strong fall-off across the frame
    cv::Point2d lightCenter{0.3, 0.2};  // brightest point, in frame fractions
    bool castShadow = false;            // a soft shadow of an arm or the camera head
    double shadowDepth = 0.3;
    double noiseSigma = 3.0;   // grey levels
    double blurSigma = 0.8;    // pixels at 3264 wide; scaled with the frame width
    double dropShadow = 0.08;  // darkening of the desk right at the object's edge
};

struct Truth {
    bool hasObject = false;
    // The object's own top-left, top-right, bottom-right and bottom-left corners in image pixels
    // (pixel centres at integer coordinates). Points may lie outside the frame when the object is
    // cut by the frame edge.
    std::array<cv::Point2f, 4> corners{};
    double widthMm = 0.0;
    double heightMm = 0.0;
    double aspect = 0.0;  // widthMm / heightMm
    std::vector<std::string> qrTexts;
};

struct Scene {
    cv::Mat rgb;  // CV_8UC3, R,G,B
    Truth truth;
};

// Plausible random parameters: object size and position (sometimes slightly cut by the frame
// edge), any rotation, desk kind, camera tilt, light, shadow, noise and blur.
Params randomParams(Object object, uint32_t seed, int width = 3264, int height = 2448);

Scene render(const Params& params);

// Area of the intersection of two convex quadrilaterals divided by the area of their union, both
// first clipped to the frame [0, width) x [0, height). 0 when either is degenerate.
double quadIoU(const std::array<cv::Point2f, 4>& a, const std::array<cv::Point2f, 4>& b, int width,
               int height);

// The object cut out along its true outline and straightened, at about the photo's own scale
// (as a perfect document cut would keep it); empty when the scene holds no object.
cv::Mat flatObject(const Scene& s);

}  // namespace scene
