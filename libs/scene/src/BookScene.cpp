#include "scene/BookScene.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace scene {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kCoverHeight = 2.0;  // mm: top of the cover board on the desk

struct Rng {
    std::mt19937 gen;
    explicit Rng(uint32_t seed) : gen(seed * 2654435761u + 12345u) {}
    double uni(double a, double b) { return std::uniform_real_distribution<double>(a, b)(gen); }
    int integer(int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); }
};

// Pinhole camera above the desk. World: x right, y down the picture, z into the desk (a height h
// above the desk is z = -h), so an untilted camera's frame is the world frame.
struct Camera {
    cv::Matx33d R;
    cv::Vec3d C;
    double f, cx, cy;

    cv::Point2f project(const cv::Vec3d& P, double* depth = nullptr) const {
        cv::Vec3d q = R * (P - C);
        if (depth)
            *depth = q[2];
        return cv::Point2f(float(f * q[0] / q[2] + cx), float(f * q[1] / q[2] + cy));
    }
};

cv::Matx33d rotation(double rx, double ry, double rz) {
    cv::Matx33d X(1, 0, 0, 0, std::cos(rx), -std::sin(rx), 0, std::sin(rx), std::cos(rx));
    cv::Matx33d Y(std::cos(ry), 0, std::sin(ry), 0, 1, 0, -std::sin(ry), 0, std::cos(ry));
    cv::Matx33d Z(std::cos(rz), -std::sin(rz), 0, std::sin(rz), std::cos(rz), 0, 0, 0, 1);
    return X * Y * Z;
}

// The page's cross-section: arc length u from the spine, lateral distance X(u) and height Z(u).
// The surface leaves the spine steeply and its slope decays exponentially, which is how a bound
// sheet relaxes onto the stack beneath it.
struct Profile {
    std::vector<double> u, X, Z, theta;
};

Profile makeProfile(double pageW, double flatHeight, double theta0, double decay, int samples) {
    const int fine = 4000;
    std::vector<double> fx(fine + 1), fz(fine + 1);
    const double du = pageW / fine;
    fx[0] = 0;
    fz[0] = 0;
    for (int i = 1; i <= fine; ++i) {
        double um = (i - 0.5) * du;
        double th = theta0 * std::exp(-um / decay);
        fx[i] = fx[i - 1] + std::cos(th) * du;
        fz[i] = fz[i - 1] + std::sin(th) * du;
    }
    // The flat part rests at flatHeight; the spine sits as deep below it as the bend needs, but
    // never below the cover.
    double base = std::max(kCoverHeight + 0.5, flatHeight - fz[fine]);
    Profile p;
    for (int k = 0; k < samples; ++k) {
        // Denser near the spine, where the surface bends.
        double t = double(k) / (samples - 1);
        double u = pageW * std::pow(t, 1.7);
        int i = std::min(fine, int(u / du + 0.5));
        p.u.push_back(u);
        p.X.push_back(fx[i]);
        p.Z.push_back(base + fz[i]);
        p.theta.push_back(theta0 * std::exp(-u / decay));
    }
    return p;
}

struct Vertex {
    cv::Point2f p;
    float tx, ty, shade, depth;
};

inline float edgeFn(const cv::Point2f& a, const cv::Point2f& b, float px, float py) {
    return (b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x);
}

// Fills the texture-coordinate maps for one triangle, keeping the nearest surface per pixel.
void rasterTriangle(const Vertex& a, const Vertex& b, const Vertex& c, cv::Mat& mapX, cv::Mat& mapY,
                    cv::Mat& shade, cv::Mat& zbuf) {
    float area = edgeFn(a.p, b.p, c.p.x, c.p.y);
    if (std::fabs(area) < 1e-6f)
        return;
    int x0 = std::max(0, int(std::floor(std::min({a.p.x, b.p.x, c.p.x}))));
    int x1 = std::min(mapX.cols - 1, int(std::ceil(std::max({a.p.x, b.p.x, c.p.x}))));
    int y0 = std::max(0, int(std::floor(std::min({a.p.y, b.p.y, c.p.y}))));
    int y1 = std::min(mapX.rows - 1, int(std::ceil(std::max({a.p.y, b.p.y, c.p.y}))));
    const float eps = -1e-4f;
    for (int y = y0; y <= y1; ++y) {
        float* mx = mapX.ptr<float>(y);
        float* my = mapY.ptr<float>(y);
        float* sh = shade.ptr<float>(y);
        float* zb = zbuf.ptr<float>(y);
        float py = y + 0.5f;
        for (int x = x0; x <= x1; ++x) {
            float px = x + 0.5f;
            float w0 = edgeFn(b.p, c.p, px, py) / area;
            float w1 = edgeFn(c.p, a.p, px, py) / area;
            float w2 = 1.f - w0 - w1;
            if (w0 < eps || w1 < eps || w2 < eps)
                continue;
            float d = w0 * a.depth + w1 * b.depth + w2 * c.depth;
            if (d >= zb[x])
                continue;
            zb[x] = d;
            mx[x] = w0 * a.tx + w1 * b.tx + w2 * c.tx;
            my[x] = w0 * a.ty + w1 * b.ty + w2 * c.ty;
            sh[x] = w0 * a.shade + w1 * b.shade + w2 * c.shade;
        }
    }
}

std::string randomWord(Rng& rng, bool capital) {
    static const char* letters = "etaoinshrdlucmfwypvbgkjqxz";
    // Skewed toward frequent letters so lines look like prose rather than noise.
    int len = rng.integer(1, 9);
    std::string w;
    for (int i = 0; i < len; ++i) {
        double r = rng.uni(0, 1);
        int idx = std::min(25, int(r * r * 26));
        w += letters[idx];
    }
    if (capital)
        w[0] = char(w[0] - 'a' + 'A');
    return w;
}

// The flat page: text set in paragraphs within margins, sometimes a figure, a page number.
void makeContent(Rng& rng, BookPageTruth& page, double pageW, double pageH, double cs, bool left,
                 int pageNumber, const cv::Vec3b& paper) {
    int W = int(std::lround(pageW * cs)), H = int(std::lround(pageH * cs));
    page.content = cv::Mat(H, W, CV_8UC3, cv::Scalar(paper[0], paper[1], paper[2]));
    const int font = rng.integer(0, 1) ? cv::FONT_HERSHEY_SIMPLEX : cv::FONT_HERSHEY_DUPLEX;
    const double capMm = rng.uni(2.2, 3.0);
    int base = 0;
    cv::Size capSize = cv::getTextSize("H", font, 1.0, 1, &base);
    const double fontScale = capMm * cs / capSize.height;
    const int thick = std::max(1, int(std::lround(fontScale * 1.4)));
    const double pitch = capMm * rng.uni(1.8, 2.3) * cs;
    const double inner = rng.uni(14, 20) * cs, outer = rng.uni(12, 18) * cs;
    const double marginL = left ? outer : inner, marginR = left ? inner : outer;
    const double top = rng.uni(16, 24) * cs, bottom = pageH * cs - rng.uni(20, 28) * cs;
    const cv::Scalar ink(rng.integer(10, 40), rng.integer(10, 40), rng.integer(10, 45));
    page.xHeight = float(capSize.height * fontScale * 0.62);

    const double textW = W - marginL - marginR;
    bool figureDone = rng.uni(0, 1) > 0.3;
    int paraLeft = rng.integer(3, 9);
    double y = top + capMm * cs;
    bool newPara = true;
    while (y < bottom) {
        if (!figureDone && y > H * 0.35 && y < H * 0.6) {
            // A figure block breaks the text flow; it has no text lines of its own.
            double fh = rng.uni(0.12, 0.22) * H;
            cv::Rect r(int(marginL + textW * 0.1), int(y - capMm * cs), int(textW * 0.8), int(fh));
            cv::rectangle(page.content, r, cv::Scalar(200, 205, 215), cv::FILLED);
            cv::rectangle(page.content, r, ink, thick);
            for (int k = 0; k < 5; ++k)
                cv::line(page.content, cv::Point(r.x + rng.integer(0, r.width), r.y),
                         cv::Point(r.x + rng.integer(0, r.width), r.y + r.height),
                         cv::Scalar(90, 120, 160), thick + 1);
            y += fh + pitch;
            figureDone = true;
            continue;
        }
        bool lastOfPara = --paraLeft <= 0;
        double x = marginL + (newPara ? 5 * cs : 0);
        double limit = marginL + (lastOfPara ? textW * rng.uni(0.3, 0.9) : textW);
        double start = x, end = x;
        bool capital = newPara;
        while (true) {
            std::string w = randomWord(rng, capital);
            capital = rng.uni(0, 1) < 0.08;
            cv::Size sz = cv::getTextSize(w, font, fontScale, thick, &base);
            if (x + sz.width > limit)
                break;
            cv::putText(page.content, w, cv::Point(int(x), int(y)), font, fontScale, ink, thick,
                        cv::LINE_AA);
            end = x + sz.width;
            x += sz.width + capMm * cs * rng.uni(0.7, 1.0);
        }
        if (end > start) {
            page.lineY.push_back(float(y - page.xHeight * 0.5));
            page.lineX.push_back(cv::Vec2f(float(start), float(end)));
        }
        y += pitch;
        newPara = lastOfPara;
        if (lastOfPara) {
            paraLeft = rng.integer(3, 9);
            y += pitch * 0.4;
        }
    }
    std::string num = std::to_string(pageNumber);
    cv::Size sz = cv::getTextSize(num, font, fontScale, thick, &base);
    cv::putText(page.content, num, cv::Point((W - sz.width) / 2, int(H - 10 * cs)), font, fontScale,
                ink, thick, cv::LINE_AA);
}

cv::Mat makeDesk(Rng& rng, int W, int H) {
    static const cv::Vec3d tones[] = {{120, 80, 50},   {70, 50, 35},  {150, 150, 150}, {60, 65, 75},
                                      {180, 160, 130}, {95, 110, 95}, {200, 195, 185}};
    cv::Vec3d tone = tones[rng.integer(0, 6)];
    // Low-frequency blotches plus directional grain, like wood or laminate.
    cv::Mat small(12, 16, CV_32F);
    for (int y = 0; y < small.rows; ++y)
        for (int x = 0; x < small.cols; ++x)
            small.at<float>(y, x) = float(rng.uni(-0.12, 0.12));
    cv::Mat blotch;
    cv::resize(small, blotch, cv::Size(W, H), 0, 0, cv::INTER_CUBIC);
    cv::Mat grain(1, W, CV_32F);
    double phase = rng.uni(0, 10), freq = rng.uni(0.01, 0.05);
    double amp = rng.uni(0.0, 0.08);
    for (int x = 0; x < W; ++x)
        grain.at<float>(0, x) = float(amp * std::sin(x * freq + phase + 3 * std::sin(x * 0.003)));
    cv::Mat desk(H, W, CV_32FC3);
    for (int y = 0; y < H; ++y) {
        const float* b = blotch.ptr<float>(y);
        const float* g = grain.ptr<float>(0);
        cv::Vec3f* d = desk.ptr<cv::Vec3f>(y);
        for (int x = 0; x < W; ++x) {
            float k = 1.f + b[x] + g[x];
            d[x] = cv::Vec3f(float(tone[0] * k), float(tone[1] * k), float(tone[2] * k));
        }
    }
    return desk;
}

}  // namespace

BookScene::BookScene(const BookSceneParams& params) : p_(params) {
    p_.width = std::max(64, p_.width);
    p_.height = std::max(48, p_.height);
    p_.contentScale = std::max(1.0, p_.contentScale);
}

cv::Mat BookScene::render(BookSceneTruth* truthOut) const {
    Rng rng(p_.seed);
    const int W = p_.width, H = p_.height;
    const double res = W / 3264.0;  // blur and line widths follow the picture size

    // Book geometry (mm).
    const double pageW = rng.uni(125, 175);
    const double pageH = pageW * rng.uni(1.32, 1.5);
    const double stack = rng.uni(8, 24);
    const double curl = std::clamp(p_.curl, 0.0, 2.0);
    const double theta0 = std::min(1.45, curl * rng.uni(0.85, 1.25));
    const double decay = rng.uni(14, 32) * (0.6 + 0.4 * curl);
    const Profile prof = makeProfile(pageW, stack, theta0, std::max(1.0, decay), 260);
    const double halfSpan = prof.X.back();
    const double coverMargin = rng.uni(2, 6);

    // Placement on the desk and the camera.
    const double phi = rng.uni(-7, 7) * kPi / 180;
    const cv::Vec2d centre(rng.uni(-15, 15), rng.uni(-12, 12));
    const double camH = rng.uni(380, 520);
    const double fill = rng.uni(0.66, 0.84);
    Camera cam;
    cam.f = fill * W * camH / (2 * halfSpan + 2 * coverMargin);
    // Keep the whole book in the frame vertically too.
    cam.f = std::min(cam.f, 0.9 * H * camH / (pageH + 2 * coverMargin));
    cam.cx = W / 2.0;
    cam.cy = H / 2.0;
    double shakeX = 0, shakeY = 0, shakeR = 0;
    if (p_.motion > 0) {
        shakeX = p_.motion * 3.0 * std::sin(1.3 * p_.time);
        shakeY = p_.motion * 3.0 * std::sin(0.9 * p_.time + 1.0);
        shakeR = p_.motion * 0.4 * kPi / 180 * std::sin(0.7 * p_.time + 2.0);
    }
    cam.C = cv::Vec3d(shakeX, shakeY, -camH);
    cam.R = rotation(rng.uni(-4, 4) * kPi / 180, rng.uni(-4, 4) * kPi / 180, shakeR);

    auto world = [&](double bx, double by, double h) {
        return cv::Vec3d(centre[0] + std::cos(phi) * bx - std::sin(phi) * by,
                         centre[1] + std::sin(phi) * bx + std::cos(phi) * by, -h);
    };
    // The whole book stays in the frame, with a margin: shorten the lens until it does.
    for (int iter = 0; iter < 40; ++iter) {
        bool fits = true;
        for (double sx : {-1.0, 1.0})
            for (double sy : {-1.0, 1.0})
                // The pages lie higher than the desk, so nearer the camera: check both.
                for (double h : {0.0, prof.Z.back()}) {
                    cv::Point2f q = cam.project(
                        world(sx * (halfSpan + coverMargin), sy * (pageH / 2 + coverMargin), h));
                    fits = fits && q.x > 0.03 * W && q.x < 0.97 * W && q.y > 0.03 * H &&
                           q.y < 0.97 * H;
                }
        if (fits)
            break;
        cam.f *= 0.96;
    }
    auto proj = [&](double bx, double by, double h) {
        cv::Point2f q = cam.project(world(bx, by, h));
        return cv::Point(int(std::lround(q.x * 16)), int(std::lround(q.y * 16)));
    };
    const int shift = 4;  // fillPoly sub-pixel bits for the 16x coordinates above

    // Desk, with the book's soft shadow.
    cv::Mat img = makeDesk(rng, W, H);
    {
        cv::Mat shadow(H, W, CV_32F, cv::Scalar(0));
        double ox = rng.uni(-6, 6), oy = rng.uni(-6, 6);
        std::vector<cv::Point> poly = {
            proj(-halfSpan - coverMargin + ox, -pageH / 2 - coverMargin + oy, 0),
            proj(halfSpan + coverMargin + ox, -pageH / 2 - coverMargin + oy, 0),
            proj(halfSpan + coverMargin + ox, pageH / 2 + coverMargin + oy, 0),
            proj(-halfSpan - coverMargin + ox, pageH / 2 + coverMargin + oy, 0)};
        cv::fillConvexPoly(shadow, poly, cv::Scalar(0.45), cv::LINE_AA, shift);
        cv::GaussianBlur(shadow, shadow, cv::Size(), 25 * res);
        for (int y = 0; y < H; ++y) {
            cv::Vec3f* d = img.ptr<cv::Vec3f>(y);
            const float* s = shadow.ptr<float>(y);
            for (int x = 0; x < W; ++x)
                d[x] *= 1.f - s[x];
        }
    }

    // Cover board.
    static const cv::Scalar covers[] = {{30, 40, 90}, {110, 25, 30}, {25, 70, 40},
                                        {20, 20, 22}, {90, 60, 35},  {150, 120, 60}};
    cv::Scalar cover = covers[rng.integer(0, 5)];
    {
        std::vector<cv::Point> poly = {
            proj(-halfSpan - coverMargin, -pageH / 2 - coverMargin, kCoverHeight),
            proj(halfSpan + coverMargin, -pageH / 2 - coverMargin, kCoverHeight),
            proj(halfSpan + coverMargin, pageH / 2 + coverMargin, kCoverHeight),
            proj(-halfSpan - coverMargin, pageH / 2 + coverMargin, kCoverHeight)};
        cv::fillConvexPoly(img, poly, cover, cv::LINE_AA, shift);
    }

    // Edges of the page stack: outer sides, head and tail, striped by the sheets.
    const cv::Scalar edgeTone(rng.uni(185, 215), rng.uni(180, 205), rng.uni(160, 190));
    for (int side = -1; side <= 1; side += 2) {
        const double top = prof.Z.back();
        std::vector<cv::Point> outerPoly = {proj(side * halfSpan, -pageH / 2, top),
                                            proj(side * halfSpan, pageH / 2, top),
                                            proj(side * halfSpan, pageH / 2, kCoverHeight),
                                            proj(side * halfSpan, -pageH / 2, kCoverHeight)};
        cv::fillConvexPoly(img, outerPoly, edgeTone, cv::LINE_AA, shift);
        for (double by : {-pageH / 2, pageH / 2}) {
            std::vector<cv::Point> poly;
            for (size_t k = 0; k < prof.u.size(); ++k)
                poly.push_back(proj(side * prof.X[k], by, prof.Z[k]));
            for (size_t k = prof.u.size(); k-- > 0;)
                poly.push_back(proj(side * prof.X[k], by, kCoverHeight));
            std::vector<std::vector<cv::Point>> polys{poly};
            cv::fillPoly(img, polys, edgeTone * 0.92, cv::LINE_AA, shift);
        }
        const int sheets = 14;
        for (int k = 1; k < sheets; ++k) {
            double h = kCoverHeight + (top - kCoverHeight) * k / sheets;
            cv::Scalar tone = edgeTone * rng.uni(0.78, 0.95);
            cv::line(img, proj(side * halfSpan, -pageH / 2, h), proj(side * halfSpan, pageH / 2, h),
                     tone, std::max(1, int(res * 2)), cv::LINE_AA, shift);
        }
    }

    // Pages: a mesh over each page, rasterised into texture coordinates, then one remap.
    BookSceneTruth truth;
    truth.pageWidthMm = pageW;
    truth.pageHeightMm = pageH;
    const double cs = p_.contentScale;
    int firstPage = 2 * rng.integer(5, 200);
    const cv::Vec3b paper(uchar(rng.integer(238, 252)), uchar(rng.integer(236, 250)),
                          uchar(rng.integer(225, 245)));
    makeContent(rng, truth.left, pageW, pageH, cs, true, firstPage, paper);
    makeContent(rng, truth.right, pageW, pageH, cs, false, firstPage + 1, paper);

    cv::Vec3d light(rng.uni(-0.4, 0.4), rng.uni(-0.4, 0.4), 1.0);
    light /= cv::norm(light);
    const double ambient = 0.35, diffuse = 0.65;
    const double flatShade = ambient + diffuse * light[2];
    const double aoDepth = rng.uni(0.35, 0.6) * std::min(1.0, curl);
    const int nV = 48;
    const float inf = std::numeric_limits<float>::max();

    for (int side = -1; side <= 1; side += 2) {
        BookPageTruth& page = side < 0 ? truth.left : truth.right;
        cv::Mat mapX(H, W, CV_32F, cv::Scalar(-1)), mapY(H, W, CV_32F, cv::Scalar(-1));
        cv::Mat shade(H, W, CV_32F, cv::Scalar(0)), zbuf(H, W, CV_32F, cv::Scalar(inf));
        const size_t nU = prof.u.size();
        std::vector<Vertex> verts(nU * (nV + 1));
        for (size_t i = 0; i < nU; ++i) {
            double th = prof.theta[i];
            cv::Vec3d n(-side * std::sin(th), 0, std::cos(th));
            // Light in book coordinates is close enough: the book barely turns on the desk.
            cv::Vec3d l(light[0], light[1], light[2]);
            double lambert = std::max(0.0, n.dot(l));
            double ao = 1.0 - aoDepth * std::exp(-prof.u[i] / std::max(2.0, decay * 0.6));
            float s = float((ambient + diffuse * lambert) / flatShade * ao);
            double tx = (side > 0 ? prof.u[i] : pageW - prof.u[i]) * cs;
            for (int j = 0; j <= nV; ++j) {
                double v = pageH * j / nV;
                Vertex& vx = verts[i * (nV + 1) + j];
                double depth = 0;
                vx.p = cam.project(world(side * prof.X[i], v - pageH / 2, prof.Z[i]), &depth);
                vx.tx = float(tx);
                vx.ty = float(v * cs);
                vx.shade = s;
                vx.depth = float(depth);
            }
        }
        for (size_t i = 0; i + 1 < nU; ++i)
            for (int j = 0; j < nV; ++j) {
                const Vertex& a = verts[i * (nV + 1) + j];
                const Vertex& b = verts[(i + 1) * (nV + 1) + j];
                const Vertex& c = verts[(i + 1) * (nV + 1) + j + 1];
                const Vertex& d = verts[i * (nV + 1) + j + 1];
                rasterTriangle(a, b, c, mapX, mapY, shade, zbuf);
                rasterTriangle(a, c, d, mapX, mapY, shade, zbuf);
            }
        cv::Mat tex;
        page.content.convertTo(tex, CV_32FC3);
        cv::Mat layer;
        cv::remap(tex, layer, mapX, mapY, cv::INTER_LINEAR, cv::BORDER_REPLICATE);
        for (int y = 0; y < H; ++y) {
            const float* mx = mapX.ptr<float>(y);
            const float* sh = shade.ptr<float>(y);
            const cv::Vec3f* src = layer.ptr<cv::Vec3f>(y);
            cv::Vec3f* dst = img.ptr<cv::Vec3f>(y);
            for (int x = 0; x < W; ++x)
                if (mx[x] >= 0)
                    dst[x] = src[x] * sh[x];
        }
        const size_t last = nU - 1;
        cv::Point2f gTop = verts[0].p, gBot = verts[nV].p;
        cv::Point2f oTop = verts[last * (nV + 1)].p, oBot = verts[last * (nV + 1) + nV].p;
        if (side < 0) {
            page.corners[0] = oTop;
            page.corners[1] = gTop;
            page.corners[2] = gBot;
            page.corners[3] = oBot;
        } else {
            page.corners[0] = gTop;
            page.corners[1] = oTop;
            page.corners[2] = oBot;
            page.corners[3] = gBot;
            truth.gutterTop = gTop;
            truth.gutterBottom = gBot;
        }
    }

    // Room light: a gentle gradient and vignetting; then optics and sensor.
    {
        double gx = rng.uni(-0.15, 0.15), gy = rng.uni(-0.15, 0.15);
        double vig = rng.uni(0.05, 0.2);
        double brightness = rng.uni(0.85, 1.05);
        for (int y = 0; y < H; ++y) {
            cv::Vec3f* d = img.ptr<cv::Vec3f>(y);
            double ny = (y - H / 2.0) / H;
            for (int x = 0; x < W; ++x) {
                double nx = (x - W / 2.0) / W;
                float k = float(brightness * (1 + gx * nx + gy * ny - vig * (nx * nx + ny * ny)));
                d[x] *= k;
            }
        }
    }
    cv::GaussianBlur(img, img, cv::Size(), std::max(0.5, 0.9 * res));
    if (p_.noise > 0) {
        cv::Mat noise(H, W, CV_32FC3);
        cv::RNG cvRng(p_.seed * 7919u + 17u);
        cvRng.fill(noise, cv::RNG::NORMAL, 0, p_.noise);
        img += noise;
    }
    cv::Mat out;
    img.convertTo(out, CV_8UC3);
    if (truthOut)
        *truthOut = std::move(truth);
    return out;
}

}  // namespace scene
