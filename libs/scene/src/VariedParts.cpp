#include "VariedParts.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace scene {
namespace varied {

double uni(Rng& rng, double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
}

cv::Point2f Camera::project(const cv::Vec3d& world) const {
    const cv::Vec3d c = K * (R * (world - centre));
    return cv::Point2f(float(c[0] / c[2]), float(c[1] / c[2]));
}

cv::Matx33d Camera::deskToImage() const {
    const cv::Vec3d t = -(R * centre);
    const cv::Matx33d m(R(0, 0), R(0, 1), t[0], R(1, 0), R(1, 1), t[1], R(2, 0), R(2, 1), t[2]);
    return K * m;
}

cv::Point2d Camera::deskAt(cv::Point2f pixel) const {
    const cv::Vec3d v = deskToImage().inv() * cv::Vec3d(pixel.x, pixel.y, 1);
    return {v[0] / v[2], v[1] / v[2]};
}

Camera randomCamera(Rng& rng, int width, int height, double fieldWidthMm, double maxTiltDeg) {
    Camera cam;
    cam.width = width;
    cam.rows = height;
    cam.height = uni(rng, 320, 480);
    cam.f = width * cam.height / fieldWidthMm;
    cam.K = cv::Matx33d(cam.f, 0, (width - 1) * 0.5, 0, cam.f, (height - 1) * 0.5, 0, 0, 1);
    const double tilt = uni(rng, 0, maxTiltDeg) * CV_PI / 180, dir = uni(rng, 0, 2 * CV_PI);
    const double ax = tilt * std::cos(dir), ay = tilt * std::sin(dir);
    const cv::Matx33d rx(1, 0, 0, 0, std::cos(ax), -std::sin(ax), 0, std::sin(ax), std::cos(ax));
    const cv::Matx33d ry(std::cos(ay), 0, std::sin(ay), 0, 1, 0, -std::sin(ay), 0, std::cos(ay));
    cam.R = rx * ry;
    // Tilted, the camera still looks at the middle of its desk area.
    cam.centre = cv::Vec3d(0, 0, -cam.height);
    const cv::Vec3d axis = cam.R.t() * cv::Vec3d(0, 0, 1);
    const double s = cam.height / axis[2];
    cam.centre -= cv::Vec3d(axis[0] * s, axis[1] * s, 0);
    return cam;
}

cv::Mat makeDesk(Rng& rng, const PhotoLibrary& photos, cv::Size size, bool* lightDesk,
                 cv::Vec3b* mainColour) {
    const double kind = uni(rng, 0, 1);
    cv::Mat desk;
    const cv::Mat& photo = photos.desks[size_t(uni(rng, 0, double(photos.desks.size()) - 1e-9))];
    // A crop of the photograph, turned and scaled so that its grain has a plausible size.
    const double zoom = uni(rng, 0.35, 1.0);
    cv::Size crop(std::max(16, int(photo.cols * zoom)), std::max(16, int(photo.rows * zoom)));
    crop.height = std::min(photo.rows, std::max(16, crop.width * size.height / size.width));
    const cv::Rect r(int(uni(rng, 0, photo.cols - crop.width + 1e-9)),
                     int(uni(rng, 0, photo.rows - crop.height + 1e-9)), crop.width, crop.height);
    cv::resize(photo(r), desk, size, 0, 0, cv::INTER_LINEAR);
    if (uni(rng, 0, 1) < 0.5)
        cv::flip(desk, desk, int(uni(rng, -1, 2)));
    cv::Mat f;
    desk.convertTo(f, CV_32FC3);
    const cv::Scalar avg = cv::mean(f);
    cv::Vec3f base = cv::Vec3f(float(avg[0]), float(avg[1]), float(avg[2]));
    float grain = 1.0f;
    *lightDesk = false;
    if (kind < 0.3) {
        // A light surface (paper pad, laminate, a white or cream table) with the photo's grain
        // faintly in it: the hard case of a white page on a white desk.
        const int t = int(uni(rng, 0, 4));
        base = t == 0   ? cv::Vec3f(238, 238, 236)
               : t == 1 ? cv::Vec3f(225, 222, 212)
               : t == 2 ? cv::Vec3f(240, 232, 210)
                        : cv::Vec3f(205, 205, 200);
        grain = float(uni(rng, 0.03, 0.15));
        *lightDesk = true;
    } else if (kind < 0.4) {
        const float g = float(uni(rng, 25, 70));
        base = cv::Vec3f(g, g * float(uni(rng, 0.9, 1.1)), g * float(uni(rng, 0.9, 1.2)));
        grain = float(uni(rng, 0.05, 0.3));
    }
    std::vector<cv::Mat> ch;
    cv::split(f, ch);
    for (int c = 0; c < 3; ++c)
        ch[size_t(c)] = (ch[size_t(c)] - float(avg[c])) * grain + base[c];
    cv::merge(ch, f);
    f.convertTo(desk, CV_8UC3);
    *mainColour = cv::Vec3b(cv::saturate_cast<uchar>(base[0]), cv::saturate_cast<uchar>(base[1]),
                            cv::saturate_cast<uchar>(base[2]));
    return desk;
}

namespace {

// Running text from the word list, wrapped into the box, in one of the stroke fonts.
void printText(Rng& rng, cv::Mat& page, const PhotoLibrary& photos, cv::Rect box, double capPx,
               cv::Scalar ink) {
    static const int fonts[] = {cv::FONT_HERSHEY_SIMPLEX, cv::FONT_HERSHEY_DUPLEX,
                                cv::FONT_HERSHEY_COMPLEX, cv::FONT_HERSHEY_TRIPLEX};
    const int font = fonts[int(uni(rng, 0, 4))];
    const double scale = capPx / 22.0;
    const int thick = std::max(1, int(std::lround(capPx / 12)));
    const int lineH = int(capPx * uni(rng, 1.8, 2.3));
    size_t w = size_t(uni(rng, 0, double(photos.words.size())));
    for (int y = box.y + lineH; y < box.br().y; y += lineH) {
        int x = box.x;
        if (uni(rng, 0, 1) < 0.08) {
            y += lineH / 2;  // paragraph break
            continue;
        }
        for (;;) {
            const std::string& word = photos.words[w % photos.words.size()];
            int base = 0;
            const cv::Size s = cv::getTextSize(word, font, scale, thick, &base);
            if (x + s.width > box.br().x)
                break;
            cv::putText(page, word, cv::Point(x, y), font, scale, ink, thick, cv::LINE_AA);
            x += s.width + int(capPx * 0.7);
            ++w;
        }
    }
}

void printPicture(Rng& rng, cv::Mat& page, const PhotoLibrary& photos, cv::Rect box) {
    box &= cv::Rect(0, 0, page.cols, page.rows);
    if (box.width < 4 || box.height < 4)
        return;
    const cv::Mat& pic = photos.pictures[size_t(uni(rng, 0, double(photos.pictures.size())))];
    cv::Mat scaled;
    cv::resize(pic, scaled, box.size(), 0, 0, cv::INTER_AREA);
    scaled.copyTo(page(box));
}

}  // namespace

cv::Mat pageTexture(Rng& rng, const PhotoLibrary& photos, double widthMm, double heightMm,
                    double ppm, cv::Vec3b paper) {
    cv::Mat page(int(heightMm * ppm), int(widthMm * ppm), CV_8UC3, cv::Scalar(paper));
    const double margin = uni(rng, 8, 25) * ppm;
    const int m = int(margin);
    const cv::Rect inner = cv::Rect(m, m, page.cols - 2 * m, page.rows - 2 * m);
    const double layout = uni(rng, 0, 1);
    const cv::Scalar ink = uni(rng, 0, 1) < 0.85 ? cv::Scalar(25, 25, 30) : cv::Scalar(20, 40, 120);
    const double cap = uni(rng, 1.8, 3.2) * ppm;
    if (layout < 0.45) {  // a letter: heading, text, sometimes a photo
        printText(rng, page, photos, cv::Rect(inner.x, inner.y, inner.width, int(cap * 3)),
                  cap * 1.8, ink);
        int y = inner.y + int(cap * 5);
        if (uni(rng, 0, 1) < 0.4) {
            const int h = int(inner.height * uni(rng, 0.2, 0.35));
            printPicture(rng, page, photos, cv::Rect(inner.x, y, int(inner.width * 0.6), h));
            y += h + int(cap * 2);
        }
        printText(rng, page, photos, cv::Rect(inner.x, y, inner.width, inner.br().y - y), cap, ink);
    } else if (layout < 0.65) {  // a form: ruled table with entries
        const int rows = int(uni(rng, 8, 20)), cols = int(uni(rng, 2, 5));
        const int top = inner.y + int(inner.height * 0.15);
        printText(rng, page, photos, cv::Rect(inner.x, inner.y, inner.width, top - inner.y), cap,
                  ink);
        const double rh = double(inner.br().y - top) / rows;
        for (int r = 0; r <= rows; ++r)
            cv::line(page, cv::Point(inner.x, top + int(r * rh)),
                     cv::Point(inner.br().x, top + int(r * rh)), ink, std::max(1, int(ppm / 4)));
        for (int c = 0; c <= cols; ++c) {
            const int x = inner.x + c * inner.width / cols;
            cv::line(page, cv::Point(x, top), cv::Point(x, inner.br().y), ink,
                     std::max(1, int(ppm / 4)));
        }
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                if (uni(rng, 0, 1) < 0.7)
                    printText(rng, page, photos,
                              cv::Rect(inner.x + c * inner.width / cols + int(cap),
                                       top + int(r * rh) - int(cap * 0.3),
                                       inner.width / cols - int(2 * cap), int(rh)),
                              cap * 0.8, ink);
    } else if (layout < 0.85) {  // a printed photo page, the picture reaching near the edge
        const int edge = int(uni(rng, 3, 10) * ppm);
        const int h = int(page.rows * uni(rng, 0.3, 0.6));
        printPicture(rng, page, photos, cv::Rect(edge, edge, page.cols - 2 * edge, h));
        printText(rng, page, photos,
                  cv::Rect(inner.x, edge + h + int(cap * 2), inner.width,
                           inner.br().y - (edge + h + int(cap * 2))),
                  cap, ink);
    } else {  // a nearly blank page: a few lines only
        printText(rng, page, photos,
                  cv::Rect(inner.x, inner.y, inner.width, int(inner.height * uni(rng, 0.05, 0.2))),
                  cap, ink);
    }
    return page;
}

cv::Mat cardTexture(Rng& rng, const PhotoLibrary& photos, double ppm, cv::Mat& alpha) {
    const cv::Size size(int(85.6 * ppm), int(54.0 * ppm));
    cv::Mat card(size, CV_8UC3);
    // A pale ground, plain, graded or a washed-out photograph.
    const cv::Vec3b ground(uchar(uni(rng, 170, 255)), uchar(uni(rng, 170, 255)),
                           uchar(uni(rng, 170, 255)));
    card.setTo(cv::Scalar(ground));
    if (uni(rng, 0, 1) < 0.4) {
        cv::Mat pic;
        printPicture(rng, card, photos, cv::Rect(0, 0, size.width, size.height));
        card.convertTo(pic, CV_8UC3, 0.3, 0.7 * (ground[0] + ground[1] + ground[2]) / 3);
        card = pic;
    }
    if (uni(rng, 0, 1) < 0.5) {
        const cv::Scalar band(uni(rng, 0, 200), uni(rng, 0, 200), uni(rng, 0, 200));
        cv::rectangle(card, cv::Rect(0, 0, size.width, int(size.height * uni(rng, 0.15, 0.25))),
                      band, cv::FILLED);
    }
    const cv::Rect face(int(size.width * 0.05), int(size.height * 0.3), int(size.width * 0.28),
                        int(size.height * 0.6));
    printPicture(rng, card, photos, face);
    printText(rng, card, photos,
              cv::Rect(int(size.width * 0.38), int(size.height * 0.3), int(size.width * 0.58),
                       int(size.height * 0.6)),
              ppm * 1.6, cv::Scalar(20, 20, 40));
    alpha = cv::Mat(size, CV_8U, cv::Scalar(0));
    const int r = int(3.2 * ppm);
    cv::rectangle(alpha, cv::Rect(r, 0, size.width - 2 * r, size.height), cv::Scalar(255),
                  cv::FILLED);
    cv::rectangle(alpha, cv::Rect(0, r, size.width, size.height - 2 * r), cv::Scalar(255),
                  cv::FILLED);
    for (const cv::Point c :
         {cv::Point(r, r), cv::Point(size.width - 1 - r, r), cv::Point(r, size.height - 1 - r),
          cv::Point(size.width - 1 - r, size.height - 1 - r)})
        cv::circle(alpha, c, r, cv::Scalar(255), cv::FILLED, cv::LINE_AA);
    return card;
}

cv::Matx33d textureToDesk(cv::Size tex, double widthMm, double heightMm, cv::Point2d centre,
                          double rotationDeg) {
    const double sx = widthMm / tex.width, sy = heightMm / tex.height;
    const cv::Matx33d toMm(sx, 0, 0.5 * sx - widthMm / 2, 0, sy, 0.5 * sy - heightMm / 2, 0, 0, 1);
    const double a = rotationDeg * CV_PI / 180.0;
    const cv::Matx33d rot(std::cos(a), -std::sin(a), centre.x, std::sin(a), std::cos(a), centre.y,
                          0, 0, 1);
    return rot * toMm;
}

void paste(cv::Mat& frame, const cv::Mat& texture, const cv::Mat& alphaIn,
           const cv::Matx33d& toImage, double shadow) {
    // Only the part of the frame the texture lands on is warped.
    std::vector<cv::Point2f> c = {{-0.5f, -0.5f},
                                  {texture.cols - 0.5f, -0.5f},
                                  {texture.cols - 0.5f, texture.rows - 0.5f},
                                  {-0.5f, texture.rows - 0.5f}},
                             p;
    cv::perspectiveTransform(c, p, cv::Matx33f(toImage));
    const int grow = std::max(8, frame.cols / 100);
    cv::Rect roi = cv::boundingRect(p);
    roi = cv::Rect(roi.x - grow, roi.y - grow, roi.width + 2 * grow, roi.height + 2 * grow) &
          cv::Rect(0, 0, frame.cols, frame.rows);
    if (roi.empty())
        return;
    const cv::Matx33d shift(1, 0, -roi.x, 0, 1, -roi.y, 0, 0, 1);
    cv::Mat alpha = alphaIn.empty() ? cv::Mat(texture.size(), CV_8U, cv::Scalar(255)) : alphaIn;
    // A border of transparent pixels makes the warped edge anti-aliased.
    cv::Mat tex, al;
    cv::copyMakeBorder(texture, tex, 1, 1, 1, 1, cv::BORDER_REPLICATE);
    cv::copyMakeBorder(alpha, al, 1, 1, 1, 1, cv::BORDER_CONSTANT, cv::Scalar(0));
    const cv::Matx33d unpad(1, 0, -1, 0, 1, -1, 0, 0, 1);
    const cv::Matx33d t = shift * toImage * unpad;
    cv::Mat warped, wa;
    cv::warpPerspective(tex, warped, t, roi.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    cv::warpPerspective(al, wa, t, roi.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT);
    cv::Mat dst = frame(roi);
    if (shadow > 0) {
        cv::Mat soft;
        const int k = (std::max(3, frame.cols / 250)) | 1;
        cv::GaussianBlur(wa, soft, cv::Size(k * 2 + 1, k * 2 + 1), 0);
        for (int y = 0; y < dst.rows; ++y)
            for (int x = 0; x < dst.cols; ++x) {
                const float s = 1.f - float(shadow) * soft.at<uchar>(y, x) / 255.f;
                cv::Vec3b& d = dst.at<cv::Vec3b>(y, x);
                for (int ch = 0; ch < 3; ++ch)
                    d[ch] = cv::saturate_cast<uchar>(d[ch] * s);
            }
    }
    for (int y = 0; y < dst.rows; ++y) {
        cv::Vec3b* d = dst.ptr<cv::Vec3b>(y);
        const cv::Vec3b* s = warped.ptr<cv::Vec3b>(y);
        const uchar* a = wa.ptr<uchar>(y);
        for (int x = 0; x < dst.cols; ++x) {
            if (!a[x])
                continue;
            const int w = a[x];
            for (int ch = 0; ch < 3; ++ch)
                d[x][ch] = uchar((s[x][ch] * w + d[x][ch] * (255 - w) + 127) / 255);
        }
    }
}

bool leavesFrame(const std::vector<cv::Point2f>& pts, cv::Size f) {
    for (const auto& p : pts)
        if (p.x < 0 || p.y < 0 || p.x > f.width - 1 || p.y > f.height - 1)
            return true;
    return false;
}

}  // namespace varied
}  // namespace scene
