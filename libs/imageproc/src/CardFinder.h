#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

#include <utility>
#include <vector>

namespace imageproc {

using visioncore::Quad;

class CannyEdges;
class SideFitter;

// What is known of an ID-1 card (85.6 x 54 mm, rounded corners, lying flat) turned into outlines
// and a judgement of them. A card is small beside the desk around it, so a textured desk or a
// pen gives far more and longer lines than the card itself; its own edges are short straight
// lines in pairs at a known distance, and one pair of sides with the known proportions is enough
// to place the other pair where the desk's pattern hides it.
class CardFinder {
public:
    // small: the reduced photo (CV_8UC3); dx, dy (CV_16S) and mag (CV_16U): its colour gradient.
    // All four must outlive the finder.
    CardFinder(const cv::Mat& small, const cv::Mat& dx, const cv::Mat& dy, const cv::Mat& mag);

    // The search comes in steps, so that its parts can share the cores with other work: first
    // prepare(), then search(k) for every direction k below kBands (they do not depend on each
    // other), and findPatches() at any time before collect().
    // canny: the thinned gradient given to the constructor, its floor at most edgeFloor().
    void prepare(const CannyEdges& canny);
    void search(int direction);
    void findPatches();

    // Adds outlines, in small's pixels, built from the straight edges of the picture and from
    // its plain patches.
    void collect(std::vector<Quad>& out) const;

    // How much q looks like a card lying on the desk (0: not at all). Comparable between the
    // outlines of one picture only. fitted: q was moved onto the edges, and must show more.
    double score(const Quad& q, bool fitted = false) const;

    // The outlines among quads that look like a card, with their scores, and those that do once
    // their sides are moved onto the straight edges beside them: any where none passed as it
    // was, else only those round the best that passed (it may be a picture on the card).
    std::vector<std::pair<Quad, double>> judged(const std::vector<Quad>& quads) const;

    // The weakest gradient the finder's edges take.
    double edgeFloor() const { return m_level * 0.5; }

    // The card's proportions, long side over short side.
    static constexpr double kAspect = 85.6 / 54.0;

    // The directions of line searched separately, 45 degrees apart.
    static constexpr int kBands = 4;

private:
    void dropTiles(std::vector<std::pair<Quad, double>>& passed) const;
    double fittedScore(const SideFitter& fitter, const Quad& q, Quad& fitted) const;
    double proportions(const Quad& q, double slack) const;
    // What the samples along an outline's sides show, added up over its sides.
    struct SideTally {
        double contrast = 0;  // colour difference across the side
        int samples = 0;      // samples within the frame on both sides
        int busy = 0;         // supported samples amid texture
        int ridge = 0;        // samples within a pixel of one of Canny's edges
    };
    double sideSupport(cv::Point2f a, cv::Point2f b, SideTally& tally) const;
    bool runsOn(cv::Point2f corner, cv::Point2f dir, double len) const;
    bool cornerCut(const Quad& q) const;
    int runningOn(const Quad& q) const;
    void preferWhole(std::vector<std::pair<Quad, double>>& passed) const;

    const cv::Mat& m_small;
    const cv::Mat& m_dx;
    const cv::Mat& m_dy;
    const cv::Mat& m_mag;
    cv::Mat m_edges;                         // Canny's edges at the finder's level
    cv::Mat m_byWay[kBands];                 // those edges, split by direction
    std::vector<cv::Vec4i> m_found[kBands];  // the straight pieces found in each
    std::vector<Quad> m_patches;             // the outlines of plain patches
    double m_level = 0;  // gradient that counts as an edge: well above the desk's own grain
};

}  // namespace imageproc
