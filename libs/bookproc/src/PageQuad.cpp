#include "PageQuad.h"

namespace bookproc {

namespace {
double cross(const cv::Point2f& o, const cv::Point2f& a, const cv::Point2f& b) {
    return double(a.x - o.x) * (b.y - o.y) - double(a.y - o.y) * (b.x - o.x);
}
}  // namespace

double PageQuad::signedArea2() const {
    const cv::Point2f p[4] = {tl, tr, br, bl};
    double s = 0;
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f& a = p[i];
        const cv::Point2f& b = p[(i + 1) % 4];
        s += double(a.x) * b.y - double(b.x) * a.y;
    }
    return s;
}

bool PageQuad::isConvex(double minArea) const {
    const cv::Point2f p[4] = {tl, tr, br, bl};
    for (int i = 0; i < 4; ++i)
        if (cross(p[i], p[(i + 1) % 4], p[(i + 2) % 4]) <= 0)
            return false;
    return signedArea2() >= 2 * minArea;
}

bool PageQuad::inside(int width, int height) const {
    for (const cv::Point2f& q : {tl, tr, br, bl})
        if (!(q.x >= 0 && q.y >= 0 && q.x <= width - 1 && q.y <= height - 1))
            return false;
    return true;
}

}  // namespace bookproc
