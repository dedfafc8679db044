#include "Textures.h"

#include "scene/SceneBuildingBlocks.h"

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>
#include <opencv2/imgproc.hpp>

#include <cmath>
#include <random>

namespace scene {

namespace {

std::string randomWord(std::mt19937& rng) {
    std::uniform_int_distribution<int> len(1, 9), ch(0, 25);
    std::string w;
    for (int i = len(rng); i > 0; --i)
        w += char('a' + ch(rng));
    return w;
}

void drawPhoto(cv::Mat& img, cv::Rect r, std::mt19937& rng) {
    r &= cv::Rect(0, 0, img.cols, img.rows);
    if (r.empty())
        return;
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const cv::Vec3d top(60 + 120 * u(rng), 90 + 120 * u(rng), 150 + 100 * u(rng));
    const cv::Vec3d bottom(40 + 120 * u(rng), 80 + 100 * u(rng), 20 + 60 * u(rng));
    cv::Mat roi = img(r);
    for (int y = 0; y < roi.rows; ++y) {
        const double t = double(y) / roi.rows;
        const cv::Vec3d c = top * (1 - t) + bottom * t;
        roi.row(y).setTo(cv::Scalar(c[0], c[1], c[2]));
    }
    for (int i = 0; i < 5; ++i) {
        const cv::Point c(int(u(rng) * r.width), int(u(rng) * r.height));
        cv::circle(roi, c, int(r.height * (0.05 + 0.2 * u(rng))),
                   cv::Scalar(255 * u(rng), 255 * u(rng), 255 * u(rng)), cv::FILLED, cv::LINE_AA);
    }
}

void drawStamp(cv::Mat& img, cv::Point c, int radius, std::mt19937& rng) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const cv::Scalar ink = u(rng) < 0.6 ? cv::Scalar(200, 30, 40) : cv::Scalar(40, 60, 170);
    cv::Mat layer(img.size(), CV_8UC3, cv::Scalar(255, 255, 255));
    const int t = std::max(2, radius / 14);
    cv::circle(layer, c, radius, ink, t, cv::LINE_AA);
    cv::circle(layer, c, int(radius * 0.72), ink, std::max(1, t / 2), cv::LINE_AA);
    const double fs = radius / 60.0;
    cv::putText(layer, "APPROVED", c + cv::Point(-int(radius * 0.62), int(radius * 0.1)),
                cv::FONT_HERSHEY_DUPLEX, fs * 0.7, ink, std::max(1, t / 2), cv::LINE_AA);
    // Stamp ink is translucent: it darkens what is below instead of covering it.
    cv::multiply(img, layer, img, 1.0 / 255.0);
}

}  // namespace

void drawTextBlock(cv::Mat& img, cv::Rect r, double lineHeightPx, std::mt19937& rng,
                   cv::Scalar ink) {
    // Lines thinner than a few pixels would be unreadable specks (and words of width 0 would
    // never fill a line).
    if (lineHeightPx < 3)
        return;
    const double scale = lineHeightPx / 48.0;  // Hershey simplex is about 22 px high at scale 1
    const int thick = std::max(1, int(std::lround(scale * 1.6)));
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (double y = r.y + lineHeightPx; y < r.y + r.height; y += lineHeightPx) {
        double x = r.x;
        const double end = r.x + r.width * (u(rng) < 0.15 ? 0.3 + 0.6 * u(rng) : 1.0);
        while (true) {
            const std::string w = randomWord(rng);
            int base = 0;
            const cv::Size s = cv::getTextSize(w, cv::FONT_HERSHEY_SIMPLEX, scale, thick, &base);
            if (x + s.width > end)
                break;
            cv::putText(img, w, cv::Point(int(x), int(y)), cv::FONT_HERSHEY_SIMPLEX, scale, ink,
                        thick, cv::LINE_AA);
            x += s.width + lineHeightPx * 0.35;
        }
    }
}

cv::Mat documentTexture(const Params& p, double ppm) {
    const int w = std::max(16, int(std::lround(p.objectWidthMm * ppm)));
    const int h = std::max(16, int(std::lround(p.objectHeightMm * ppm)));
    cv::Mat page(h, w, CV_8UC3, cv::Scalar(p.paperColor[0], p.paperColor[1], p.paperColor[2]));
    std::mt19937 rng(p.seed * 48271u + 7u);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const int margin = int((12 + 12 * u(rng)) * ppm);
    const double line = (4.2 + 2.0 * u(rng)) * ppm;
    int y = margin;
    const double titleScale = line / 22.0;
    const cv::Scalar titleInk = u(rng) < 0.5 ? cv::Scalar(20, 20, 25) : cv::Scalar(20, 50, 120);
    cv::putText(page, randomWord(rng) + " " + randomWord(rng),
                cv::Point(margin, y + int(line * 1.2)), cv::FONT_HERSHEY_DUPLEX, titleScale,
                titleInk, std::max(1, int(titleScale * 2)), cv::LINE_AA);
    y += int(line * 2.5);
    const int bottom = h - margin;
    const cv::Rect body(margin, y, w - 2 * margin, std::max(1, bottom - y));
    if (p.photo) {
        const int ph = int(body.height * (0.2 + 0.15 * u(rng)));
        const int pw = int(body.width * (0.35 + 0.3 * u(rng)));
        const cv::Rect pr(body.x + (u(rng) < 0.5 ? 0 : body.width - pw), y + int(line), pw, ph);
        drawPhoto(page, pr, rng);
        drawTextBlock(
            page,
            cv::Rect(body.x, pr.y + ph + int(line), body.width, bottom - pr.y - ph - int(line)),
            line, rng);
        const cv::Rect side =
            pr.x == body.x ? cv::Rect(pr.x + pw + int(line), pr.y, body.width - pw - int(line), ph)
                           : cv::Rect(body.x, pr.y, body.width - pw - int(line), ph);
        if (side.width > line * 4)
            drawTextBlock(page, side, line, rng);
    } else {
        drawTextBlock(page, body, line, rng);
    }
    if (p.stamp) {
        const int r = int((14 + 8 * u(rng)) * ppm);
        drawStamp(page, cv::Point(int(w * (0.55 + 0.25 * u(rng))), int(h * (0.65 + 0.2 * u(rng)))),
                  r, rng);
    }
    return page;
}

cv::Mat cardTexture(const Params& p, double ppm, cv::Mat& alpha) {
    const int w = std::max(16, int(std::lround(p.objectWidthMm * ppm)));
    const int h = std::max(16, int(std::lround(p.objectHeightMm * ppm)));
    std::mt19937 rng(p.seed * 69621u + 11u);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    cv::Mat card(h, w, CV_8UC3);
    const cv::Vec3d a(150 + 100 * u(rng), 150 + 100 * u(rng), 150 + 100 * u(rng));
    const cv::Vec3d b(170 + 80 * u(rng), 170 + 80 * u(rng), 170 + 80 * u(rng));
    for (int x = 0; x < w; ++x) {
        const double t = double(x) / w;
        const cv::Vec3d c = a * (1 - t) + b * t;
        card.col(x).setTo(cv::Scalar(c[0], c[1], c[2]));
    }
    // Guilloche-like security lines.
    for (int i = 0; i < 12; ++i) {
        std::vector<cv::Point> pts;
        const double ph = u(rng) * 6.28, amp = h * (0.05 + 0.1 * u(rng)), y0 = h * u(rng);
        for (int x = 0; x <= w; x += std::max(1, w / 60))
            pts.emplace_back(x, int(y0 + amp * std::sin(ph + x * 6.28 / w * 2)));
        cv::polylines(card, pts, false, cv::Scalar(a[0] * 0.85, a[1] * 0.85, a[2] * 0.9), 1,
                      cv::LINE_AA);
    }
    const int band = int(h * 0.16);
    const cv::Scalar bandCol(40 + 80 * u(rng), 60 + 80 * u(rng), 120 + 100 * u(rng));
    cv::rectangle(card, cv::Rect(0, 0, w, band), bandCol, cv::FILLED);
    cv::putText(card, "IDENTITY CARD", cv::Point(int(w * 0.05), int(band * 0.72)),
                cv::FONT_HERSHEY_DUPLEX, band / 45.0, cv::Scalar(250, 250, 250),
                std::max(1, band / 25), cv::LINE_AA);
    const bool photoLeft = u(rng) < 0.7;
    const cv::Rect ph(photoLeft ? int(w * 0.05) : int(w * 0.68), int(h * 0.24), int(w * 0.27),
                      int(h * 0.62));
    // The holder's portrait is the virtual sub camera's person, so that a face comparison of
    // the two virtual cameras finds the same face.
    drawPortrait(card, ph, 1.9);
    const cv::Rect text(photoLeft ? int(w * 0.37) : int(w * 0.05), int(h * 0.22), int(w * 0.58),
                        int(h * 0.6));
    drawTextBlock(card, text, h * 0.085, rng);
    if (u(rng) < 0.4) {
        const cv::Rect chip(text.x, int(h * 0.62), int(w * 0.12), int(h * 0.17));
        cv::rectangle(card, chip, cv::Scalar(215, 180, 90), cv::FILLED);
        cv::rectangle(card, chip, cv::Scalar(150, 120, 50), 1);
    }
    // ID-1 corners are rounded with a radius of 3.18 mm.
    alpha = cv::Mat::zeros(h, w, CV_8U);
    const int r = std::max(1, int(3.18 * ppm));
    cv::rectangle(alpha, cv::Rect(r, 0, w - 2 * r, h), cv::Scalar(255), cv::FILLED);
    cv::rectangle(alpha, cv::Rect(0, r, w, h - 2 * r), cv::Scalar(255), cv::FILLED);
    for (const cv::Point c : {cv::Point(r, r), cv::Point(w - 1 - r, r), cv::Point(r, h - 1 - r),
                              cv::Point(w - 1 - r, h - 1 - r)})
        cv::circle(alpha, c, r, cv::Scalar(255), cv::FILLED, cv::LINE_AA);
    return card;
}

// Whether every character of the UTF-8 text is one of Latin-1 (U+0000 to U+00FF).
static bool fitsLatin1(const std::string& utf8) {
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x80 && c != 0xC2 && c != 0xC3)
            return false;
        if (c >= 0x80)
            ++i;  // the continuation byte
    }
    return true;
}

// A code of the text: in the default Latin-1 encoding where it can be spelled so, else in UTF-8
// announced by an ECI segment, as phones and label printers write other scripts.
static ZXing::BitMatrix encodeQr(const std::string& utf8) {
    ZXing::MultiFormatWriter writer(ZXing::BarcodeFormat::QRCode);
    writer.setEncoding(fitsLatin1(utf8) ? ZXing::CharacterSet::ISO8859_1
                                        : ZXing::CharacterSet::UTF8);
    writer.setMargin(0);
    return writer.encode(utf8, 0, 0);
}

cv::Mat qrSheetTexture(const Params& p, double ppm) {
    Params plainPage = p;
    plainPage.stamp = false;
    plainPage.photo = false;
    cv::Mat page = documentTexture(plainPage, ppm);
    const int n = int(p.qrTexts.size());
    if (n == 0)
        return page;
    // Codes sit in the cells of a grid, each on a white patch with its quiet zone.
    const int cols = n <= 2 ? n : (n <= 4 ? 2 : 3);
    const int rows = (n + cols - 1) / cols;
    const double cellW = page.cols * 0.84 / cols, cellH = page.rows * 0.72 / rows;
    std::mt19937 rng(p.seed * 16807u + 5u);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (int i = 0; i < n; ++i) {
        const ZXing::BitMatrix bits = encodeQr(p.qrTexts[size_t(i)]);
        const int modules = bits.width();
        const int side = int(std::min({p.qrSizeMm * ppm, cellW * 0.85, cellH * 0.85}));
        const int quiet = std::max(2, side * 4 / modules);
        const int cx = int(page.cols * 0.08 + cellW * (i % cols + 0.5) +
                           (u(rng) - 0.5) * (cellW - side) * 0.5);
        const int cy =
            int(page.rows * 0.2 + cellH * (i / cols + 0.5) + (u(rng) - 0.5) * (cellH - side) * 0.5);
        const cv::Rect patch(cx - side / 2 - quiet, cy - side / 2 - quiet, side + 2 * quiet,
                             side + 2 * quiet);
        cv::rectangle(page, patch, cv::Scalar(p.paperColor[0], p.paperColor[1], p.paperColor[2]),
                      cv::FILLED);
        for (int y = 0; y < side; ++y) {
            auto* row = page.ptr<cv::Vec3b>(cy - side / 2 + y);
            const int my = y * modules / side;
            for (int x = 0; x < side; ++x) {
                if (bits.get(x * modules / side, my))
                    row[cx - side / 2 + x] = cv::Vec3b(20, 20, 24);
            }
        }
    }
    return page;
}

}  // namespace scene
