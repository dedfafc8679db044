#include "FaceDetector.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>

namespace face {

namespace {

// The first pass searches at most this large (longer side): a 3264 x 2448 frame shrinks by three,
// which keeps a card portrait of a hundred pixels or more above the cascade's smallest window.
constexpr int kSearchSide = 1280;
constexpr int kMinFaceSide = 36;
// The second pass sees each candidate at this width, in a window twice its size.
constexpr int kRefineSide = 100;
constexpr int kMaxCandidates = 4;

bool isFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool loadCascade(cv::CascadeClassifier& c, const std::string& path) {
    try {
        return !path.empty() && c.load(path);
    } catch (const cv::Exception&) {
        return false;
    }
}

double overlap(const cv::Rect& a, const cv::Rect& b) {
    const double inter = (a & b).area();
    return inter / std::max(1, std::min(a.area(), b.area()));
}

}  // namespace

FaceDetector& FaceDetector::shared(int which) {
    static FaceDetector first;
    if (which == 0)
        return first;
    static FaceDetector second;
    return second;
}

std::string FaceDetector::cascadePath(const char* kind, const char* file) {
    if (const char* own = std::getenv("MIRAVELO_FACE_CASCADES")) {
        const std::string path = std::string(own) + "/" + file;
        return isFile(path) ? path : std::string();
    }
    for (const char* root :
         {"/usr/share/opencv4/", "/usr/share/opencv/", "/usr/local/share/opencv4/"}) {
        const std::string path = std::string(root) + kind + "/" + file;
        if (isFile(path))
            return path;
    }
    return {};
}

FaceDetector::FaceDetector() {
    const bool precise =
        loadCascade(m_precise, cascadePath("haarcascades", "haarcascade_frontalface_alt2.xml"));
    const bool quick =
        loadCascade(m_quick, cascadePath("lbpcascades", "lbpcascade_frontalface_improved.xml"));
    m_ready = precise && quick;
}

std::vector<cv::Rect> FaceDetector::coarse(const cv::Mat& grey, double& scale) {
    scale = std::min(1.0, double(kSearchSide) / std::max(grey.cols, grey.rows));
    cv::Mat small;
    if (scale < 1.0)
        cv::resize(grey, small, cv::Size(), scale, scale, cv::INTER_AREA);
    else
        small = grey;
    cv::Mat even;
    cv::equalizeHist(small, even);
    std::vector<cv::Rect> found;
    m_quick.detectMultiScale(even, found, 1.15, 3, 0, cv::Size(kMinFaceSide, kMinFaceSide));
    return found;
}

bool FaceDetector::refine(const cv::Mat& grey, cv::Rect& box) {
    const cv::Point centre(box.x + box.width / 2, box.y + box.height / 2);
    const cv::Rect window =
        cv::Rect(centre.x - box.width, centre.y - box.height, 2 * box.width, 2 * box.height) &
        cv::Rect(0, 0, grey.cols, grey.rows);
    if (window.width < 8 || window.height < 8)
        return false;
    const double f = double(kRefineSide) / box.width;
    cv::Mat patch, even;
    cv::resize(grey(window), patch, cv::Size(), f, f, f < 1.0 ? cv::INTER_AREA : cv::INTER_LINEAR);
    cv::equalizeHist(patch, even);
    std::vector<cv::Rect> found;
    m_precise.detectMultiScale(even, found, 1.05, 2, 0,
                               cv::Size(kRefineSide * 6 / 10, kRefineSide * 6 / 10),
                               cv::Size(kRefineSide * 16 / 10, kRefineSide * 16 / 10));
    if (found.empty())
        return false;
    // The find nearest to the candidate's centre is the candidate.
    const cv::Point2d c(centre.x - window.x, centre.y - window.y);
    auto dist = [&](const cv::Rect& r) {
        return std::hypot(r.x / f + r.width / f / 2 - c.x, r.y / f + r.height / f / 2 - c.y);
    };
    const cv::Rect best =
        *std::min_element(found.begin(), found.end(),
                          [&](const cv::Rect& a, const cv::Rect& b) { return dist(a) < dist(b); });
    box = cv::Rect(window.x + int(best.x / f), window.y + int(best.y / f), int(best.width / f),
                   int(best.height / f));
    return true;
}

bool FaceDetector::detectAt(const cv::Mat& grey, const cv::Rect& seed, cv::Rect& face) {
    if (!m_ready || grey.empty())
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    face = seed;
    return refine(grey, face);
}

std::vector<cv::Rect> FaceDetector::detect(const cv::Mat& grey, std::vector<cv::Rect>* seeds) {
    std::vector<cv::Rect> faces, placedFrom;
    if (!m_ready || grey.empty())
        return faces;
    std::lock_guard<std::mutex> lock(m_mutex);
    double scale = 1.0;
    std::vector<cv::Rect> candidates = coarse(grey, scale);
    std::sort(candidates.begin(), candidates.end(),
              [](const cv::Rect& a, const cv::Rect& b) { return a.area() > b.area(); });
    for (const cv::Rect& c : candidates) {
        if (int(faces.size()) >= kMaxCandidates)
            break;
        const cv::Rect seed(int(c.x / scale), int(c.y / scale), int(c.width / scale),
                            int(c.height / scale));
        cv::Rect box = seed;
        if (!refine(grey, box))
            continue;
        const bool seen = std::any_of(faces.begin(), faces.end(),
                                      [&](const cv::Rect& f) { return overlap(f, box) > 0.5; });
        if (!seen) {
            faces.push_back(box);
            placedFrom.push_back(seed);
        }
    }
    std::vector<size_t> order(faces.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return faces[a].area() > faces[b].area(); });
    std::vector<cv::Rect> sorted;
    for (size_t i : order) {
        sorted.push_back(faces[i]);
        if (seeds)
            seeds->push_back(placedFrom[i]);
    }
    return sorted;
}

}  // namespace face
