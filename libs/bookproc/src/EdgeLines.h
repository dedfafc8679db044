#pragma once

#include <opencv2/core.hpp>

#include <algorithm>
#include <array>
#include <vector>

// Straight lines of the photo with their polarity (which side is brighter), as the book's sides
// are found from them, and the measures by which a side between two others is judged.
namespace bookproc::edgelines {

constexpr int kAngles = 360;  // one-degree bins over the full circle: the angle carries polarity

// Edge pixels of the log-brightness, with the direction towards the brighter side.
struct EdgeField {
    cv::Mat edges;   // CV_8U, non-zero on thin edges
    cv::Mat dx, dy;  // CV_32F gradient of the log-brightness
    cv::Mat print;   // CV_8U, non-zero on thin dark strokes: letters, rules
};

struct Line {
    cv::Point2f n;  // unit normal towards the brighter (inner) side
    float rho = 0;  // n . p = rho on the line
    int votes = 0;
    int angle = 0;  // degrees of n
};

// Samples along the segment a-b, without its ends where the neighbouring sides take over.
template <typename Visit>
void alongSide(const cv::Point2f& a, const cv::Point2f& b, Visit visit) {
    const double len = cv::norm(b - a);
    const int steps = std::max(4, int(len / 2));
    for (int i = 0; i <= steps; ++i) {
        const float t = 0.06f + 0.88f * float(i) / float(steps);
        visit(a + (b - a) * t);
    }
}

EdgeField edgeField(const cv::Mat& grey);
// The same from whichever colour channel changes most at each pixel: a white page on a pale
// green desk differs little in brightness but much in blue.
EdgeField colourEdgeField(const cv::Mat& rgb, const cv::Mat& grey);

cv::Point2f normalOf(int degrees);

// Each edge pixel votes for the lines through it within two degrees of its own direction.
cv::Mat vote(const EdgeField& f, int rhoMax);

std::vector<Line> peaks(const cv::Mat& acc, int rhoMax, int minVotes);

bool intersect(const Line& a, const Line& b, cv::Point2f* p);

// The share of a-b that lies within two pixels of an edge whose brighter side is n's.
double coverage(const EdgeField& f, const cv::Point2f& a, const cv::Point2f& b,
                const cv::Point2f& n);

// Paper brightness just inside and the brightness just outside a side, as medians along it.
// Inside, the brighter of a few samples, so print near the edge does not count as darkness.
void bands(const cv::Mat& grey, const cv::Point2f& a, const cv::Point2f& b, const cv::Point2f& n,
           double* inside, double* outside);

// Whether the far side of a line is more paper with print on it: the gutter, or a table rule,
// seen from one page, and not yet the book's edge. Sampled over a band beyond the line, so the
// narrow sheet stack along a real edge does not hide a desk or cover behind it.
bool paperBeyond(const cv::Mat& grey, const cv::Mat& print, const cv::Point2f& a,
                 const cv::Point2f& b, const cv::Point2f& n, double paper, float reach);

// What lies in a band beyond a side (from 0.3 reach to reach outside it), looked at along rays
// from the side outwards.
struct Beyond {
    double paper = 0;  // share of samples as bright as the page (0.85 of it)
    double alike = 0;  // share of samples of the page's own colour (each channel within 12 %)
    double inked = 0;  // share of rays that cross print
};
// Whether the pixel at q of the channels rgb has the given colour, each channel within 12 %.
bool sameColour(const std::vector<cv::Mat>& rgb, const cv::Point& q, const cv::Vec3d& colour);

// paper: the page's brightness; colour: its colour, one value per channel of rgb.
Beyond lookBeyond(const cv::Mat& grey, const std::vector<cv::Mat>& rgb, const cv::Mat& print,
                  const cv::Point2f& a, const cv::Point2f& b, const cv::Point2f& n, double paper,
                  const cv::Vec3d& colour, float reach);

// Whether beyond a side lies more printed paper: print crosses many rays, over ground of the
// page's own colour. A desk's pattern (tiles, stripes, grain) makes print-like strokes too, but
// in colours of its own.
bool printedPaperBeyond(const Beyond& beyond);

// How much a side's edge evidence counts, given the largest relative change of a colour channel
// across it (step) and what lies beyond it: a side with paper of one colour on both sides is
// print or a fold, and one with printed paper beyond is a table's rule, a text block's edge or
// the gutter.
double sideWeight(double step, const Beyond& beyond);

// The paper's colour: per channel, the bright pixels of a part of the photo where the book lies.
cv::Vec3d paperColour(const std::vector<cv::Mat>& rgb, const cv::Rect& where);

// The paper's brightness: the bright pixels of a part of the photo where the book lies.
double paperLevel(const cv::Mat& grey, const cv::Rect& where);

// The line through a and b with its normal towards inside.
Line lineThrough(const cv::Point2f& a, const cv::Point2f& b, const cv::Point2f& inside);

int angleBetween(int a, int b);

// The book lies near the middle of the picture: its sides have the brighter side towards the
// middle, and each side is at some distance from it. Lines along the frame's own border
// (vignetting, a sensor's dark rows) are no book's.
void keepAroundMiddle(std::vector<Line>& lines, int W, int H);

// The book's own direction, folded to a quarter turn: the one most lines share. The page sides
// and the text lines all follow it, while a patterned desk's lines spread over others.
int bookDirection(const std::vector<Line>& lines);

// The lines of each of the four directions around the book (phi, phi + 90, ...).
std::array<std::vector<Line>, 4> byDirection(const std::vector<Line>& lines, int phi);

}  // namespace bookproc::edgelines
