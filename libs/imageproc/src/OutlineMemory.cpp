#include "OutlineMemory.h"

#include "CornerRefiner.h"
#include "FrameSignature.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

namespace imageproc {

namespace {

using SideSupport = CornerRefiner::SideSupport;

// An outline the detection gave on the current still scene: how often it gave it (or one covering
// nearly the same area), and how well each of its sides ran along the edges of the frames of that
// scene it was measured on (sensor noise spreads the measure of one frame by a few hundredths; the
// sum over frames settles). Measuring costs about a millisecond, so an outline is measured only
// once there is something to weigh it against, and not any more once its sum has settled.
struct Candidate {
    Quad outline;
    SideSupport sum;
    int measured = 0;  // frames its sides were measured on
    int votes = 1;

    explicit Candidate(const Quad& q) : outline(q) {}
    Candidate(const Quad& q, const SideSupport& support) : outline(q), sum(support), measured(1) {}
    void add(const SideSupport& support) { sum += support, ++measured; }
    double mean() const { return sum.share(); }
};

struct Remembered {
    std::vector<Candidate> seen;  // the first is the outline reported
    FrameSignature lastFrame;     // the frame of this size and kind looked at last
    int unseen = 0;               // frames in a row on which it was kept though nothing was found
};

using Key = std::tuple<int, int, int>;

// The noise of a sound detection (about a pixel) and rounding, and far below what an outline may
// be off by.
constexpr double kBand = 2.0;
// At most this many outlines of one still scene are weighed against each other.
constexpr size_t kCandidates = 4;
// Frames of a still scene after which an outline's measure has settled: measuring it again would
// only cost time.
constexpr int kSettled = 6;

std::mutex lock;
std::map<Key, Remembered>& remembered() {
    static std::map<Key, Remembered> outlines;
    return outlines;
}

bool within(const Quad& a, const Quad& b) {
    for (size_t i = 0; i < 4; ++i)
        if (cv::norm(a[i] - b[i]) > kBand)
            return false;
    return true;
}

// Two answers of the detection that are one outline: on noisy frames of a faint page it gives the
// same outline with a corner some pixels apart, which covers nearly the same area.
bool alike(const Quad& a, const Quad& b) {
    std::vector<cv::Point2f> inter, pa(a.begin(), a.end()), pb(b.begin(), b.end());
    const double both = cv::intersectConvexConvex(pa, pb, inter, true);
    const double either = a.area() + b.area() - both;
    return either > 0 && both >= 0.97 * either;
}

// Whether `inner` lies within `outer` and covers clearly less of the photo: the detection, on a
// noisy frame, stopping at a line across the page (a glare's rim, a picture's edge, a cable)
// instead of the page's edge.
bool cutShort(const Quad& inner, const Quad& outer) {
    std::vector<cv::Point2f> pi(inner.begin(), inner.end()), po(outer.begin(), outer.end()), both;
    const double a = inner.area();
    return a > 0 && a <= 0.85 * outer.area() &&
           cv::intersectConvexConvex(pi, po, both, true) >= 0.97 * a;
}

// An outline whose sides run along this frame's edges at least this well lies on the page's rim
// (a faint page on a light desk reaches about 0.5, a line laid across plain desk or print 0.1 to
// 0.3): it is not given up for a part of it, nor for another on a new frame, unless that one runs
// along clearly more of them.
constexpr double kStillSupported = 0.4;
constexpr double kClearlyBetter = 0.1;

// The sides of a that b does not have (bit i: side i), or all four when they share every side:
// two outlines that differ at one corner are told apart by the two sides meeting there, which the
// two shared sides would only water down.
unsigned ownSides(const Quad& a, const Quad& b) {
    unsigned mask = 0;
    for (size_t i = 0; i < 4; ++i)
        if (cv::norm(a[i] - b[i]) > 2 * kBand ||
            cv::norm(a[(i + 1) % 4] - b[(i + 1) % 4]) > 2 * kBand)
            mask |= 1u << i;
    return mask ? mask : 0xFu;
}

// A frame showing another scene than the one before: what was measured on that one no longer
// counts. The outline shown stays if it still lies on clear edges at least as well as the new
// one (a near tie goes to it); a moved page left it on plain desk, and on a page too faint for
// edges, where neither has any, the newest one is the better guess. On another picture altogether
// it is not looked for at all.
void changedScene(Remembered& r, const cv::Mat& rgb, const std::optional<Quad>& found,
                  bool otherPicture) {
    r.seen.erase(r.seen.begin() + 1, r.seen.end());
    if (otherPicture) {
        if (found)
            r.seen[0] = Candidate(*found);
        return;
    }
    if (found && within(*found, r.seen[0].outline)) {
        r.seen[0] = Candidate(r.seen[0].outline);  // the page is where it was
        return;
    }
    const SideSupport keptSides = CornerRefiner::sideSupport(r.seen[0].outline, rgb);
    const double kept = keptSides.share();
    r.seen[0] = Candidate(r.seen[0].outline, keptSides);
    r.seen[0].votes = 0;
    if (!found)
        return;
    if (kept < kStillSupported) {
        r.seen[0] = Candidate(*found);
        return;
    }
    const SideSupport freshSides = CornerRefiner::sideSupport(*found, rgb);
    const double fresh = freshSides.share();
    if (kept >= 0.95 * fresh ||
        (cutShort(*found, r.seen[0].outline) && fresh <= kept + kClearlyBetter))
        r.seen.emplace_back(*found, freshSides);  // weighed again on the frames to come
    else
        r.seen[0] = Candidate(*found, freshSides);
}

// The same scene as the frame before: the detection changing its mind is noise. The outlines
// seen on this scene are weighed by how well their sides run along the edges, and the one shown
// gives way only to one whose own sides run along clearly more of them than the shown one's and
// that the detection gave at least as often (or at once when by far), or that it gave twice as
// often and runs along the edges as well: two of near equal merit never take turns, and the one
// the detection keeps coming back to wins (one seen on two frames over one seen on a single frame
// wins on the third frame, before the outline must have settled). A part of the outline shown
// never does while the shown one's own sides still lie on edges: two nested outlines both on
// edges are the page and something on it (a picture, a glare's rim, a cable), and the page is the
// outer one.
void stillScene(Remembered& r, const cv::Mat& rgb, const Quad& found) {
    const auto known = std::find_if(r.seen.begin(), r.seen.end(),
                                    [&](const Candidate& c) { return alike(found, c.outline); });
    if (known != r.seen.end()) {
        ++known->votes;
    } else {
        if (r.seen.size() >= kCandidates) {
            auto worst = std::min_element(
                r.seen.begin() + 1, r.seen.end(),
                [](const Candidate& a, const Candidate& b) { return a.mean() < b.mean(); });
            r.seen.erase(worst);
        }
        r.seen.emplace_back(found);
    }
    if (r.seen.size() < 2)
        return;  // nothing to weigh the shown one against
    for (Candidate& c : r.seen)
        if (c.measured < kSettled)
            c.add(CornerRefiner::sideSupport(c.outline, rgb));
    auto best = std::max_element(
        r.seen.begin() + 1, r.seen.end(),
        [](const Candidate& a, const Candidate& b) { return a.mean() < b.mean(); });
    const Candidate& shown = r.seen[0];
    const unsigned mine = ownSides(shown.outline, best->outline);
    const double shownOwn = shown.sum.share(mine),
                 bestOwn = best->sum.share(ownSides(best->outline, shown.outline));
    if (shownOwn >= kStillSupported && cutShort(best->outline, shown.outline))
        return;
    // By far better it wins at once: the shown one cannot win back what it lost by that much.
    if ((bestOwn > shownOwn + kClearlyBetter &&
         (best->votes >= shown.votes || bestOwn > shownOwn + 2 * kClearlyBetter)) ||
        (best->votes >= std::max(shown.votes + 1, 2 * shown.votes) && bestOwn >= shownOwn - 0.02))
        std::iter_swap(r.seen.begin(), best);
}

}  // namespace

std::optional<Quad> OutlineMemory::steady(const cv::Mat& rgb, const std::optional<Quad>& found,
                                          int kind) {
    FrameSignature frame = FrameSignature::of(rgb);
    std::lock_guard<std::mutex> guard(lock);
    auto& outlines = remembered();
    const Key key(rgb.cols, rgb.rows, kind);
    const auto it = outlines.find(key);
    if (it == outlines.end()) {
        if (found)
            outlines[key] = {{Candidate(*found)}, std::move(frame), 0};
        return found;
    }
    Remembered& r = it->second;
    const bool still = r.lastFrame.sameScene(frame);
    const bool otherPicture = !still && r.lastFrame.otherPicture(frame);
    r.lastFrame = std::move(frame);
    if (still && !found) {
        // Missed on a frame that shows what the one before showed: what was there still is.
        ++r.unseen;
        return r.seen[0].outline;
    }
    const double before = r.seen[0].mean();
    if (still)
        stillScene(r, rgb, *found);
    else
        changedScene(r, rgb, found, otherPicture);
    if (found) {
        r.unseen = 0;
        return r.seen[0].outline;
    }
    // Missed on a changed frame: kept for a frame or two, and only while clear edges still run
    // along it; a removed page takes them along.
    const double kept = r.seen[0].mean();
    if (!otherPicture && kept >= 0.7 * before && kept >= kStillSupported && r.unseen < 2) {
        ++r.unseen;
        return r.seen[0].outline;
    }
    outlines.erase(it);
    return std::nullopt;
}

void OutlineMemory::forget() {
    std::lock_guard<std::mutex> guard(lock);
    remembered().clear();
}

}  // namespace imageproc
