#include "EdgeLines.h"

#include <opencv2/imgproc.hpp>

#include <cmath>

namespace bookproc::edgelines {

namespace {

cv::Mat logBrightness(const cv::Mat& channel) {
    cv::Mat out;
    channel.convertTo(out, CV_32F);
    // A step between paper and the darker sheet stack keeps its size in a shadow: 15 % darker
    // is about ten units here wherever it lies.
    cv::log(out + 6.f, out);
    out *= 64.f;
    cv::GaussianBlur(out, out, cv::Size(0, 0), 1.0);
    return out;
}

void finish(EdgeField& f, const cv::Mat& grey) {
    cv::Mat dx16, dy16;
    f.dx.convertTo(dx16, CV_16S);
    f.dy.convertTo(dy16, CV_16S);
    cv::Canny(dx16, dy16, f.edges, 5, 12, true);
    cv::Mat hat;
    cv::morphologyEx(grey, hat, cv::MORPH_BLACKHAT,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(5, 5)));
    f.print = hat > 25;
}

}  // namespace

EdgeField edgeField(const cv::Mat& grey) {
    EdgeField f;
    const cv::Mat logGrey = logBrightness(grey);
    cv::Sobel(logGrey, f.dx, CV_32F, 1, 0, 3);
    cv::Sobel(logGrey, f.dy, CV_32F, 0, 1, 3);
    finish(f, grey);
    return f;
}

EdgeField colourEdgeField(const cv::Mat& rgb, const cv::Mat& grey) {
    EdgeField f;
    std::vector<cv::Mat> channels;
    cv::split(rgb, channels);
    cv::Mat best;
    for (const cv::Mat& ch : channels) {
        const cv::Mat logCh = logBrightness(ch);
        cv::Mat dx, dy, mag;
        cv::Sobel(logCh, dx, CV_32F, 1, 0, 3);
        cv::Sobel(logCh, dy, CV_32F, 0, 1, 3);
        mag = dx.mul(dx) + dy.mul(dy);
        if (best.empty()) {
            f.dx = dx;
            f.dy = dy;
            best = mag;
            continue;
        }
        const cv::Mat stronger = mag > best;
        dx.copyTo(f.dx, stronger);
        dy.copyTo(f.dy, stronger);
        mag.copyTo(best, stronger);
    }
    finish(f, grey);
    return f;
}

cv::Point2f normalOf(int degrees) {
    const double a = degrees * CV_PI / 180;
    return cv::Point2f(float(std::cos(a)), float(std::sin(a)));
}

cv::Mat vote(const EdgeField& f, int rhoMax) {
    cv::Mat acc(kAngles, 2 * rhoMax + 1, CV_32S, cv::Scalar(0));
    std::array<cv::Point2f, kAngles> n;
    for (int a = 0; a < kAngles; ++a)
        n[size_t(a)] = normalOf(a);
    for (int y = 0; y < f.edges.rows; ++y) {
        const uchar* e = f.edges.ptr<uchar>(y);
        const float* gx = f.dx.ptr<float>(y);
        const float* gy = f.dy.ptr<float>(y);
        for (int x = 0; x < f.edges.cols; ++x) {
            if (!e[x])
                continue;
            const int a0 = int(std::lround(std::atan2(gy[x], gx[x]) * 180 / CV_PI));
            for (int d = -2; d <= 2; ++d) {
                const int a = ((a0 + d) % kAngles + kAngles) % kAngles;
                const int rho = int(std::lround(n[size_t(a)].x * x + n[size_t(a)].y * y));
                if (rho >= -rhoMax && rho <= rhoMax)
                    ++acc.at<int>(a, rho + rhoMax);
            }
        }
    }
    return acc;
}

std::vector<Line> peaks(const cv::Mat& acc, int rhoMax, int minVotes) {
    std::vector<Line> out;
    for (int a = 0; a < acc.rows; ++a)
        for (int r = 0; r < acc.cols; ++r) {
            const int v = acc.at<int>(a, r);
            if (v < minVotes)
                continue;
            bool top = true;
            for (int da = -3; da <= 3 && top; ++da)
                for (int dr = -4; dr <= 4; ++dr) {
                    const int aa = ((a + da) % kAngles + kAngles) % kAngles, rr = r + dr;
                    if (rr < 0 || rr >= acc.cols || (da == 0 && dr == 0))
                        continue;
                    const int w = acc.at<int>(aa, rr);
                    // Ties go to the first bin, so a flat top gives one peak.
                    if (w > v || (w == v && (aa < a || (aa == a && rr < r)))) {
                        top = false;
                        break;
                    }
                }
            if (top)
                out.push_back({normalOf(a), float(r - rhoMax), v, a});
        }
    return out;
}

bool intersect(const Line& a, const Line& b, cv::Point2f* p) {
    const double det = double(a.n.x) * b.n.y - double(a.n.y) * b.n.x;
    if (std::fabs(det) < 1e-3)
        return false;
    *p = cv::Point2f(float((a.rho * b.n.y - a.n.y * b.rho) / det),
                     float((a.n.x * b.rho - a.rho * b.n.x) / det));
    return true;
}

double coverage(const EdgeField& f, const cv::Point2f& a, const cv::Point2f& b,
                const cv::Point2f& n) {
    int hits = 0, total = 0;
    alongSide(a, b, [&](const cv::Point2f& p) {
        ++total;
        for (int k = -2; k <= 2; ++k) {
            const cv::Point2f q = p + n * float(k);
            const int x = cvRound(q.x), y = cvRound(q.y);
            if (x < 0 || y < 0 || x >= f.edges.cols || y >= f.edges.rows ||
                !f.edges.at<uchar>(y, x))
                continue;
            const float gx = f.dx.at<float>(y, x), gy = f.dy.at<float>(y, x);
            const float g = std::hypot(gx, gy);
            if (g > 0 && (gx * n.x + gy * n.y) > 0.9f * g) {
                ++hits;
                break;
            }
        }
    });
    return total ? double(hits) / total : 0;
}

void bands(const cv::Mat& grey, const cv::Point2f& a, const cv::Point2f& b, const cv::Point2f& n,
           double* inside, double* outside) {
    std::vector<float> in, out;
    auto at = [&](const cv::Point2f& q) {
        const int x = cvRound(q.x), y = cvRound(q.y);
        if (x < 0 || y < 0 || x >= grey.cols || y >= grey.rows)
            return -1.f;
        return float(grey.at<uchar>(y, x));
    };
    alongSide(a, b, [&](const cv::Point2f& p) {
        float i = -1;
        for (int k = 3; k <= 7; k += 2)
            i = std::max(i, at(p + n * float(k)));
        const float o = at(p - n * 4.f);
        if (i >= 0 && o >= 0) {
            in.push_back(i);
            out.push_back(o);
        }
    });
    if (in.size() < 4) {
        *inside = *outside = 0;
        return;
    }
    std::nth_element(in.begin(), in.begin() + in.size() / 2, in.end());
    std::nth_element(out.begin(), out.begin() + out.size() / 2, out.end());
    *inside = in[in.size() / 2];
    *outside = out[out.size() / 2];
}

bool paperBeyond(const cv::Mat& grey, const cv::Mat& print, const cv::Point2f& a,
                 const cv::Point2f& b, const cv::Point2f& n, double paper, float reach) {
    int bright = 0, ink = 0, total = 0;
    alongSide(a, b, [&](const cv::Point2f& p) {
        for (float k = 0.3f * reach; k <= reach; k += std::max(1.f, 0.1f * reach)) {
            const cv::Point2f q = p - n * k;
            const int x = cvRound(q.x), y = cvRound(q.y);
            if (x < 0 || y < 0 || x >= grey.cols || y >= grey.rows)
                continue;
            const double v = grey.at<uchar>(y, x);
            ++total;
            bright += v >= 0.7 * paper;
            ink += v < 0.5 * paper || print.at<uchar>(y, x);
        }
    });
    return total > 0 && bright >= 0.3 * total && ink >= 0.02 * total;
}

bool sameColour(const std::vector<cv::Mat>& rgb, const cv::Point& q, const cv::Vec3d& colour) {
    for (int c = 0; c < 3; ++c)
        if (std::fabs(rgb[size_t(c)].at<uchar>(q) - colour[c]) > 0.12 * colour[c])
            return false;
    return true;
}

Beyond lookBeyond(const cv::Mat& grey, const std::vector<cv::Mat>& rgb, const cv::Mat& print,
                  const cv::Point2f& a, const cv::Point2f& b, const cv::Point2f& n, double paper,
                  const cv::Vec3d& colour, float reach) {
    const cv::Rect frame(0, 0, grey.cols, grey.rows);
    int bright = 0, alike = 0, samples = 0, inkedRays = 0, rays = 0;
    alongSide(a, b, [&](const cv::Point2f& p) {
        bool inked = false, seen = false;
        for (float k = 0.3f * reach; k <= reach; k += 1.f) {
            const cv::Point q(cvRound(p.x - n.x * k), cvRound(p.y - n.y * k));
            if (!frame.contains(q))
                break;
            seen = true;
            ++samples;
            bright += grey.at<uchar>(q) >= 0.85 * paper;
            alike += sameColour(rgb, q, colour);
            inked = inked || print.at<uchar>(q);
        }
        rays += seen;
        inkedRays += inked;
    });
    Beyond r;
    if (samples > 0) {
        r.paper = double(bright) / samples;
        r.alike = double(alike) / samples;
        r.inked = double(inkedRays) / rays;
    }
    return r;
}

bool printedPaperBeyond(const Beyond& beyond) {
    // Dense text leaves little of the page at its full brightness, but its ground keeps the
    // page's colour.
    return beyond.inked >= 0.35 && (beyond.paper >= 0.6 || beyond.alike >= 0.3);
}

double sideWeight(double step, const Beyond& beyond) {
    double w = 1;
    // A white page on a white desk changes little too, but print seldom lies beyond its rim.
    if (step < 0.015 || (step < 0.05 && beyond.inked >= 0.15))
        w = 0.3;
    else if (step < 0.05)
        w = 0.8;
    if (printedPaperBeyond(beyond))
        w *= 0.2;
    return w;
}

cv::Vec3d paperColour(const std::vector<cv::Mat>& rgb, const cv::Rect& where) {
    cv::Vec3d c;
    for (int i = 0; i < 3; ++i)
        c[i] = paperLevel(rgb[size_t(i)], where);
    return c;
}

double paperLevel(const cv::Mat& grey, const cv::Rect& where) {
    const cv::Mat part = grey(where & cv::Rect(0, 0, grey.cols, grey.rows));
    if (part.empty())
        return 0;
    std::vector<uchar> v(part.begin<uchar>(), part.end<uchar>());
    std::nth_element(v.begin(), v.begin() + v.size() * 9 / 10, v.end());
    return v[v.size() * 9 / 10];
}

Line lineThrough(const cv::Point2f& a, const cv::Point2f& b, const cv::Point2f& inside) {
    cv::Point2f n(-(b - a).y, (b - a).x);
    n *= float(1 / std::max(1e-6, cv::norm(n)));
    if ((inside - a).dot(n) < 0)
        n = -n;
    Line l;
    l.n = n;
    l.rho = n.dot(a);
    l.angle = (int(std::lround(std::atan2(n.y, n.x) * 180 / CV_PI)) + kAngles) % kAngles;
    return l;
}

int angleBetween(int a, int b) {
    return std::abs(((a - b) % kAngles + kAngles + 180) % kAngles - 180);
}

void keepAroundMiddle(std::vector<Line>& lines, int W, int H) {
    const cv::Point2f centre(0.5f * W, 0.5f * H);
    const float minReach = 0.12f * float(std::min(W, H));
    auto onBorder = [&](const Line& l) {
        for (const cv::Point2f& c : {cv::Point2f(0, 0), cv::Point2f(float(W - 1), float(H - 1))})
            if ((l.angle % 90 == 0 || l.angle % 90 == 89 || l.angle % 90 == 1) &&
                std::fabs(l.n.dot(c) - l.rho) < 4)
                return true;
        return false;
    };
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const Line& l) {
                                   return l.n.dot(centre) - l.rho < minReach || onBorder(l);
                               }),
                lines.end());
}

int bookDirection(const std::vector<Line>& lines) {
    int phi = 0;
    long best = -1;
    for (int p = 0; p < 90; ++p) {
        long sum = 0;
        for (const Line& l : lines)
            if (std::abs(((l.angle - p) % 90 + 135) % 90 - 45) <= 6)
                sum += l.votes;
        if (sum > best) {
            best = sum;
            phi = p;
        }
    }
    return phi;
}

std::array<std::vector<Line>, 4> byDirection(const std::vector<Line>& lines, int phi) {
    std::array<std::vector<Line>, 4> byDir;
    for (const Line& l : lines) {
        const int d = ((l.angle - phi) % kAngles + kAngles + 45) % kAngles / 90;
        const int off = ((l.angle - phi - 90 * d) % kAngles + kAngles + 180) % kAngles - 180;
        if (std::abs(off) <= 25)
            byDir[size_t(d % 4)].push_back(l);
    }
    return byDir;
}

}  // namespace bookproc::edgelines
